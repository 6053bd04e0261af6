#pragma once
// The navigation tree control mirrors the window's NavigationTree: every item carries the node
// it shows, and with it the node's record.
#include <cstddef>
#include <memory>
#include <vector>

class QTreeWidget;
class QTreeWidgetItem;

namespace expo::presentation {

struct NavNode;
class NavigationTree;

// Empties `control` and gives it one item per node of `tree`, nested alike, each captioned with
// the node's caption and carrying the node. The tree must outlive the items.
void showNavigationTree(QTreeWidget& control, NavigationTree& tree);

// Gives `parent` (the top level of `control` for none) an item for each of `nodes` from index
// `from` on, each followed by the items of its children, as showNavigationTree does.
void addNavItems(QTreeWidget& control, QTreeWidgetItem* parent,
                 const std::vector<std::unique_ptr<NavNode>>& nodes, size_t from = 0);

// The node an item shows; null for no item or an item without one.
NavNode* navNodeOf(const QTreeWidgetItem* item);
// The item of `tree` that shows `node`, or null when none does.
QTreeWidgetItem* itemOfNavNode(const QTreeWidget& tree, const NavNode* node);

}  // namespace expo::presentation
