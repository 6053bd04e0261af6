#pragma once
// The navigation tree control mirrors the window's NavigationTree: every item carries the node
// it shows, and with it the node's record.
class QTreeWidget;
class QTreeWidgetItem;

namespace expo::presentation {

struct NavNode;

void attachNavNode(QTreeWidgetItem& item, NavNode& node);
// The node an item shows; null for no item or an item without one.
NavNode* navNodeOf(const QTreeWidgetItem* item);
// The item of `tree` that shows `node`, or null when none does.
QTreeWidgetItem* itemOfNavNode(const QTreeWidget& tree, const NavNode* node);

}  // namespace expo::presentation
