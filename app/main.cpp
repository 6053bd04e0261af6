// The program's entry point: the application object with Qt's own texts in the system's
// language, the criteria search's dialog step for the main window, then Start.
#include <QApplication>

#include "platform/ui/qt_translations.h"
#include "presentation/mainwindow/expozice.h"
#include "presentation/mainwindow/start.h"
#include "search/search_command.h"

int main(int argc, char** argv) {
    // The browser controls need contexts shared before the application object exists.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    // The program has no use for compiled shaders kept between runs under ~/.cache.
    QCoreApplication::setAttribute(Qt::AA_DisableShaderDiskCache);
    QApplication application(argc, argv);
    expo::ui::installQtTranslations(application);
    expo::presentation::TFormExpozice::setSearchDialogStep(&expo::search::RunSearchDialog);
    return expo::presentation::Start();
}
