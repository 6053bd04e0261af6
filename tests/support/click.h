#pragma once
// A click in the page a browser control shows, as the user's would be.
#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QMouseEvent>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <memory>
#include <vector>

#include "platform/browser/webbrowser.h"
#include "tests/support/wait.h"

namespace expo::testing {

// Runs `script` in the page until it returns true; false if it never does.
inline bool runUntilTrue(browser::WebBrowser& browser, const QString& script) {
    auto result = std::make_shared<QVariant>();
    const auto run = [&browser, script, result] {
        browser.view()->page()->runJavaScript(script,
                                              [result](const QVariant& value) { *result = value; });
    };
    run();
    return waitFor([&] {
        if (result->isValid() && !result->toBool()) {
            *result = QVariant();
            run();
        }
        return result->toBool();
    });
}

// Clicks the element with this id in the page the browser shows, once the page has it (a page
// that the engine reported loaded may still be on its way in).
inline void click(browser::WebBrowser& browser, const char* id) {
    if (!runUntilTrue(browser, QStringLiteral("(function(){var e=document.getElementById('%1');"
                                              "if(e){e.click();}return !!e;})()")
                                   .arg(QLatin1String(id)))) {
        ADD_FAILURE() << "no element " << id << " to click";
    }
}

// Mouse clicks on the middle of the element with this id, in the page or in its first frame, as
// the system delivers them to the page: each click a press and a release, and a double click's
// second press as a double click (press, release, double click, release). Each entry of `clicks`
// is a single click (1) or a double click (2), the next one coming long after.
inline void mouseClicks(browser::WebBrowser& browser, const char* id,
                        const std::vector<int>& clicks) {
    // The engine drops input that comes before the page is drawn: a page just shown (in a window
    // just opened, say) waits for its second frame.
    if (!runUntilTrue(browser,
                      QStringLiteral("(function(){if(!window.expoFrames){window.expoFrames=1;"
                                     "requestAnimationFrame(function(){requestAnimationFrame("
                                     "function(){window.expoFrames=2;});});}"
                                     "return window.expoFrames===2;})()"))) {
        ADD_FAILURE() << "the page was never drawn";
        return;
    }
    QVariant centre;
    browser.view()->page()->runJavaScript(
        QStringLiteral("(function(){var e=document.getElementById('%1'),f={left:0,top:0};"
                       "if(!e){f=frames[0].frameElement.getBoundingClientRect();"
                       "e=frames[0].document.getElementById('%1');}"
                       "var r=e.getBoundingClientRect();"
                       "return [f.left+r.left+r.width/2,f.top+r.top+r.height/2];})()")
            .arg(QLatin1String(id)),
        [&](const QVariant& result) { centre = result; });
    if (!waitFor([&] { return centre.isValid() && centre.toList().size() == 2; })) {
        ADD_FAILURE() << "no element " << id << " to click with the mouse";
        return;
    }
    const QPointF at(centre.toList().value(0).toDouble(), centre.toList().value(1).toDouble());
    QWidget* surface = browser.view()->focusProxy();
    static ulong clock = 0;  // event times: a double click's presses close, the clicks far apart
    for (const int count : clicks) {
        clock += 10'000;
        for (int press = 0; press < count; ++press) {
            clock += 50;
            for (const auto& [type, held] :
                 {std::pair{press == 0 ? QEvent::MouseButtonPress : QEvent::MouseButtonDblClick,
                            Qt::LeftButton},
                  {QEvent::MouseButtonRelease, Qt::NoButton}}) {
                auto* event = new QMouseEvent(type, at, surface->mapToGlobal(at), Qt::LeftButton,
                                              held, Qt::NoModifier);
                event->setTimestamp(clock);
                QCoreApplication::postEvent(surface, event);
            }
        }
    }
}

}  // namespace expo::testing
