#include "platform/ui/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace expo::ui {

bool installQtTranslations(QCoreApplication& application) {
    // "qt" gathers the catalogues of every Qt module ("qtbase", ...) that holds the locale.
    auto* translator = new QTranslator(&application);
    if (!translator->load(QLocale(), QStringLiteral("qt"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

}  // namespace expo::ui
