#pragma once
// Qt's own texts (the buttons of message boxes, the file and print dialogs) in the language of
// the system's locale, from the translations installed with Qt.
class QCoreApplication;

namespace expo::ui {

// Loads and installs Qt's translations for the default locale (the system's unless set
// otherwise). False when none are installed for it; the texts then stay in English.
bool installQtTranslations(QCoreApplication& application);

}  // namespace expo::ui
