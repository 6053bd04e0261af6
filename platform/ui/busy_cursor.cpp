#include "platform/ui/busy_cursor.h"

#include <QCursor>
#include <QGuiApplication>

namespace expo::ui {

BusyCursor::BusyCursor() {
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

BusyCursor::~BusyCursor() {
    QGuiApplication::restoreOverrideCursor();
}

}  // namespace expo::ui
