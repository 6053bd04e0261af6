#pragma once
// The control that had the focus gets it back when a window of the program closes. Disabling a
// window takes the focus from its control for good, and a window activated without a control to
// focus hands the focus to its first control; each window shown or each window disabled in
// between holds one of these for its lifetime.
#include <QPointer>
#include <QWidget>

namespace expo::ui {

class FocusReturn {
  public:
    // Remembers the control that has the focus in `window`.
    explicit FocusReturn(QWidget& window);
    // Gives the focus back to that control when it is still there and can take it.
    ~FocusReturn();
    FocusReturn(const FocusReturn&) = delete;
    FocusReturn& operator=(const FocusReturn&) = delete;

  private:
    QPointer<QWidget> control_;
};

}  // namespace expo::ui
