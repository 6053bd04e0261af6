#include "presentation/navigation_items.h"

#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QVariant>

#include "presentation/navigation.h"

namespace expo::presentation {
namespace {

constexpr int kNodeRole = Qt::UserRole;

}  // namespace

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
