#include "presentation/mainwindow/main_form.h"

#include <QPointer>
#include <QWidget>

namespace expo::presentation {
namespace {
QPointer<QWidget> mainForm;  // clears itself when the window is destroyed
}

QWidget* applicationMainForm() {
    return mainForm.data();
}

void setApplicationMainForm(QWidget* form) {
    mainForm = form;
}

}  // namespace expo::presentation
