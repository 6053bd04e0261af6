#include "presentation/navigation/navigation_tree_view.h"

#include <QMouseEvent>
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

bool NavigationTreeView::viewportEvent(QEvent* event) {
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
            if (static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton) {
                return true;
            }
            break;
        default:
            break;
    }
    return QTreeWidget::viewportEvent(event);
}

}  // namespace expo::presentation
