// Qt's own dialog texts follow the system's locale: the buttons of a message box in Czech.
#include "platform/ui/qt_translations.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QLocale>
#include <QPushButton>
#include <QTranslator>

namespace expo::ui {
namespace {

TEST(QtTranslations, StandardButtonsSpeakTheLocalesLanguage) {
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::Czech, QLocale::Czechia));
    ASSERT_TRUE(installQtTranslations(*qApp));
    QDialogButtonBox buttons(QDialogButtonBox::Cancel | QDialogButtonBox::Save);
    EXPECT_EQ(buttons.button(QDialogButtonBox::Cancel)->text().remove('&'),
              QString::fromUtf8("Zrušit"));
    EXPECT_EQ(buttons.button(QDialogButtonBox::Save)->text().remove('&'),
              QString::fromUtf8("Uložit"));
    for (QTranslator* translator : qApp->findChildren<QTranslator*>()) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    QLocale::setDefault(before);
}

}  // namespace
}  // namespace expo::ui
