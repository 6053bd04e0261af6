#include "presentation/settings/screen.h"

#include <QGuiApplication>
#include <QScreen>

namespace expo::presentation {

ScreenSize primaryScreenSize() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return {};
    }
    return {screen->geometry().width(), screen->geometry().height()};
}

}  // namespace expo::presentation
