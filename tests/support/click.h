#pragma once
// A click in the page a browser control shows, as the user's would be.
#include <QWebEnginePage>
#include <QWebEngineView>

#include "platform/browser/webbrowser.h"

namespace expo::testing {

// Clicks the element with this id in the page the browser shows.
inline void click(browser::WebBrowser& browser, const char* id) {
    browser.view()->page()->runJavaScript(
        QStringLiteral("document.getElementById('%1').click()").arg(QLatin1String(id)));
}

}  // namespace expo::testing
