#include "presentation/navigation_items.h"

#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QVariant>

#include "platform/ui/qtext.h"
#include "presentation/navigation.h"

namespace expo::presentation {
namespace {

constexpr int kNodeRole = Qt::UserRole;

void addItems(QTreeWidgetItem& parent, NavNode& node) {
    for (const std::unique_ptr<NavNode>& child : node.children) {
        auto* item = new QTreeWidgetItem(&parent, QStringList(ui::toQ(child->caption)));
        attachNavNode(*item, *child);
        addItems(*item, *child);
    }
}

}  // namespace

void showNavigationTree(QTreeWidget& control, NavigationTree& tree) {
    control.clear();
    for (const std::unique_ptr<NavNode>& root : tree.roots()) {
        auto* item = new QTreeWidgetItem(&control, QStringList(ui::toQ(root->caption)));
        attachNavNode(*item, *root);
        addItems(*item, *root);
    }
}

void attachNavNode(QTreeWidgetItem& item, NavNode& node) {
    item.setData(0, kNodeRole, QVariant::fromValue(static_cast<void*>(&node)));
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
