#include "presentation/start.h"

#include <QApplication>
#include <memory>

#include "platform/ui/guard.h"
#include "presentation/expozice.h"
#include "presentation/main_form.h"

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
