#pragma once
// Choosing the language on the disc's intro page as the user does, by clicking its link.
#include <QString>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <utility>

#include "platform/browser/webbrowser.h"
#include "presentation/uvod.h"

namespace expo::testing {

// Once the intro page has loaded, its link "jazyk<language>.html" is clicked, the first time only.
inline void chooseLanguageOnIntro(int language) {
    presentation::TFormUvod::setPageLoadedHook(
        [language, chosen = false](presentation::TFormUvod& intro) mutable {
            if (!std::exchange(chosen, true)) {
                intro.WebBrowserUvod->view()->page()->runJavaScript(
                    QStringLiteral("document.querySelector(\"a[href='jazyk%1.html']\").click()")
                        .arg(language));
            }
        });
}

}  // namespace expo::testing
