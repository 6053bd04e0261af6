#include "presentation/navigation/navigation_items.h"

#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QVariant>

#include "platform/ui/qtext.h"
#include "presentation/navigation/navigation.h"

namespace expo::presentation {
namespace {

constexpr int kNodeRole = Qt::UserRole;

}  // namespace

void showNavigationTree(QTreeWidget& control, NavigationTree& tree) {
    control.clear();
    addNavItems(control, nullptr, tree.roots());
}

void addNavItems(QTreeWidget& control, QTreeWidgetItem* parent,
                 const std::vector<std::unique_ptr<NavNode>>& nodes, size_t from) {
    for (size_t i = from; i < nodes.size(); ++i) {
        NavNode& node = *nodes[i];
        const QStringList caption(ui::toQ(node.caption));
        auto* item =
            parent ? new QTreeWidgetItem(parent, caption) : new QTreeWidgetItem(&control, caption);
        item->setData(0, kNodeRole, QVariant::fromValue(static_cast<void*>(&node)));
        addNavItems(control, item, node.children);
    }
}

NavNode* navNodeOf(const QTreeWidgetItem* item) {
    return item ? static_cast<NavNode*>(item->data(0, kNodeRole).value<void*>()) : nullptr;
}

QTreeWidgetItem* itemOfNavNode(const QTreeWidget& tree, const NavNode* node) {
    if (!node) {
        return nullptr;
    }
    for (QTreeWidgetItemIterator it(const_cast<QTreeWidget*>(&tree)); *it; ++it) {
        if (navNodeOf(*it) == node) {
            return *it;
        }
    }
    return nullptr;
}

}  // namespace expo::presentation
