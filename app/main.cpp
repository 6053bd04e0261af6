// The program's entry point: the application object, then Start.
#include <QApplication>

#include "presentation/start.h"

int main(int argc, char** argv) {
    // The browser controls need contexts shared before the application object exists.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication application(argc, argv);
    return expo::presentation::Start();
}
