#include "platform/ui/focus_return.h"

namespace expo::ui {

FocusReturn::FocusReturn(QWidget& window) : control_(window.focusWidget()) {}

FocusReturn::~FocusReturn() {
    if (control_ && control_->isVisible() && control_->isEnabled()) {
        // In a window that is not active this makes the control the one the window focuses
        // when it becomes active again.
        control_->setFocus(Qt::ActiveWindowFocusReason);
    }
}

}  // namespace expo::ui
