#include "presentation/mainwindow/start.h"

#include <QApplication>
#include <memory>

#include "platform/ui/guard.h"
#include "presentation/mainwindow/expozice.h"
#include "presentation/mainwindow/main_form.h"

namespace expo::presentation {

int Start() {
    std::unique_ptr<TFormExpozice> form;
    try {
        form = std::make_unique<TFormExpozice>();
    } catch (...) {
        ui::showFatalCurrentException();
        return 1;
    }
    setApplicationMainForm(form.get());
    // Closing the main window ends the program once control is back in the message loop.
    QObject::connect(form.get(), &TFormExpozice::closed, qApp, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    form->show();
    QApplication::exec();
    form.reset();
    return 0;
}

}  // namespace expo::presentation
