#include "presentation/navigation_tree_view.h"

#include <QSignalBlocker>

namespace expo::presentation {

NavigationTreeView::NavigationTreeView(QWidget* parent) : QTreeWidget(parent) {}

// The focus is taken as usual; a node it made current quietly stops being so again.
void NavigationTreeView::focusInEvent(QFocusEvent* event) {
    QTreeWidgetItem* const current = currentItem();
    const QSignalBlocker quiet(this);
    QTreeWidget::focusInEvent(event);
    if (currentItem() != current) {
        setCurrentItem(current, 0, QItemSelectionModel::NoUpdate);
    }
}

}  // namespace expo::presentation
