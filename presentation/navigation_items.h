#pragma once
// The navigation tree control mirrors the window's NavigationTree: every item carries the node
// it shows, and with it the node's record.
class QTreeWidget;
class QTreeWidgetItem;

namespace expo::presentation {

struct NavNode;
class NavigationTree;

// Empties `control` and gives it one item per node of `tree`, nested alike, each captioned with
// the node's caption and carrying the node. The tree must outlive the items.
void showNavigationTree(QTreeWidget& control, NavigationTree& tree);

void attachNavNode(QTreeWidgetItem& item, NavNode& node);
// The node an item shows; null for no item or an item without one.
NavNode* navNodeOf(const QTreeWidgetItem* item);
// The item of `tree` that shows `node`, or null when none does.
QTreeWidgetItem* itemOfNavNode(const QTreeWidget& tree, const NavNode* node);

}  // namespace expo::presentation
