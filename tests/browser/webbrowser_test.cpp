#include "platform/browser/webbrowser.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QMenu>
#include <QPointer>
#include <QWebEnginePage>
#include <QWebEngineSettings>
#include <chrono>

#include "platform/text/error.h"
#include "platform/ui/pump.h"
#include "tests/browser/browser_fixture.h"
#include "tests/support/recording_sink.h"

namespace expo::browser::testing {
namespace {

constexpr std::string_view kLinks = R"(<html><head><meta charset="windows-1250">
<title>A</title></head><body>
<a id="cz" href="sekce_výstaviště">odkaz</a>
<a id="sekce" href="go_polozka_sekce%201%20na%20CD">sekce</a>
<a id="b" href="b.html">b</a>
<a id="zpet" href="zpet:">zpět</a>
<a id="novy" href="b.html" target="_blank">nové okno</a>
</body></html>)";
constexpr std::string_view kPageB = "<html><head><title>B</title></head><body>B</body></html>";

class WebBrowserTest : public BrowserTest {
  protected:
    void SetUp() override {
        BrowserTest::SetUp();
        pageB = page("b.html", kPageB);
        pageA = page("a.html", kLinks);
        show(pageA);
        ASSERT_EQ(title(), QStringLiteral("A"));
        seen.clear();
    }

    static int evaluate(const QString& script) {
        QVariant result;
        browser().view()->page()->runJavaScript(script, [&](const QVariant& r) { result = r; });
        EXPECT_TRUE(waitFor([&] { return result.isValid(); })) << script.toStdString();
        return result.toInt();
    }

    std::string pageA;
    std::string pageB;
};

// Links arrive decoded in the program's code page, also those of schemes the engine does not
// know; a cancelled one leaves the page and the state complete, a followed one is announced
// once and loads.
TEST_F(WebBrowserTest, LinksAreAnnouncedOnceAndCancelledOnesLeaveThePage) {
    onNavigate = [](const std::string& url, bool& cancel) {
        cancel = url.find("sekce") != std::string::npos;
    };
    const std::pair<const char*, std::string> links[] = {
        {"sekce", pathOf("go_polozka_sekce 1 na CD")},
        {"cz", pathOf(text::cp("sekce_výstaviště"))},
        {"zpet", "zpet:"}};
    for (const auto& [id, url] : links) {
        click(id);
        ASSERT_TRUE(waitUntilSeen(url)) << id;
    }
    EXPECT_TRUE(waitFor(complete));
    EXPECT_EQ(browser().view()->url(), QUrl::fromLocalFile(QString::fromStdString(pageA)));
    EXPECT_EQ(seen.size(), 3U);
    seen.clear();
    click("b");
    ASSERT_TRUE(waitFor([] { return title() == QStringLiteral("B") && complete(); }));
    EXPECT_EQ(seen, std::vector<std::string>{pageB});
}

// The program's own navigations are announced once with the target as given; cancelled
// ones load nothing (the engine reports loads in order, so a later page proves it).
TEST_F(WebBrowserTest, OwnNavigationsAreAnnouncedAndCancelledOnesLoadNothing) {
    std::string windowsStyle = pageB;
    std::replace(windowsStyle.begin(), windowsStyle.end(), '/', '\\');
    show(windowsStyle);
    EXPECT_EQ(title(), QStringLiteral("B"));
    EXPECT_EQ(seen, std::vector<std::string>{windowsStyle});

    int loadsStarted = 0;
    const auto counter =
        QObject::connect(browser().view(), &QWebEngineView::loadStarted, [&] { ++loadsStarted; });
    onNavigate = [](const std::string&, bool& cancel) { cancel = true; };
    for (const std::string& target : {pageA, std::string("about:blank")}) {
        browser().navigate(target);
        EXPECT_TRUE(complete());
    }
    onNavigate = nullptr;
    show(page("c.html", "<html><head><title>C</title></head></html>"));
    QObject::disconnect(counter);
    EXPECT_EQ(title(), QStringLiteral("C"));
    EXPECT_EQ(loadsStarted, 1);
}

TEST_F(WebBrowserTest, NavigationsWhileAPageLoadsEndCompleteOnTheLastOne) {
    // A page whose script holds its load up for a while.
    const std::string slow = page("pomala.html", R"(<html><head><title>pomalá</title>
<script>const end = Date.now() + 400; while (Date.now() < end) {}</script></head></html>)");
    const std::string pageC = page("c.html", "<html><head><title>C</title></head></html>");
    for (int round = 0; round < 3; ++round) {
        browser().navigate(slow);
        ASSERT_TRUE(waitFor([] { return browser().view()->page()->isLoading(); }));
        browser().navigate("about:blank");
        browser().navigate(round == 2 ? "about:blank" : pageC);
        ASSERT_TRUE(waitFor(complete));
        EXPECT_EQ(browser().view()->url(),
                  round == 2 ? QUrl(QStringLiteral("about:blank"))
                             : QUrl::fromLocalFile(QString::fromStdString(pageC)));
    }
}

TEST_F(WebBrowserTest, AHandlerMayNavigateTheSameBrowserAndWaitForIt) {
    // What showing an exhibitor from a link does: blank the browser, wait, show another page.
    onNavigate = [this](const std::string& url, bool& cancel) {
        if (url.find("go_polozka_") == std::string::npos) {
            return;
        }
        browser().navigate("about:blank");
        EXPECT_TRUE(ui::pumpUntil(complete, std::chrono::milliseconds(kPatienceMs)));
        browser().navigate(pageB);
        cancel = true;
    };
    click("sekce");
    ASSERT_TRUE(waitFor([] { return title() == QStringLiteral("B") && complete(); }));
    EXPECT_EQ(seen,
              (std::vector<std::string>{pathOf("go_polozka_sekce 1 na CD"), "about:blank", pageB}));
}

TEST_F(WebBrowserTest, AnErrorOfTheHandlerIsShownAndItsCancelFlagKept) {
    expo::testing::RecordingSink sink;
    onNavigate = [](const std::string&, bool& cancel) {
        cancel = true;
        throw Error(text::cp("Zdrojový soubor neexistuje"));
    };
    browser().navigate(pageB);
    ASSERT_EQ(sink.messages.size(), 1U);
    EXPECT_EQ(sink.messages[0].kind, ui::MessageKind::Error);
    EXPECT_EQ(sink.messages[0].text, text::cp("Zdrojový soubor neexistuje."));
    EXPECT_EQ(title(), QStringLiteral("A"));

    onNavigate = [](const std::string&, bool&) { throw Error("Nastala chyba"); };
    click("b");
    ASSERT_TRUE(waitFor([] { return title() == QStringLiteral("B"); }));
    ASSERT_EQ(sink.messages.size(), 2U);
    EXPECT_EQ(sink.messages[1].text, "Nastala chyba.");
}

TEST_F(WebBrowserTest, FramesOfAPageAreAnnounced) {
    page("ramec.html", "<html><body>rámec</body></html>");
    show(page("ramy.html", R"(<html><body><iframe src="ramec.html"></iframe></body></html>)"));
    EXPECT_TRUE(waitUntilSeen(pathOf("ramec.html")));
}

TEST_F(WebBrowserTest, DocumentCompleteComesOnceThePageEndsAndAllowsTheNextNavigation) {
    const std::string first = page("prvni.html", "<html><body>první</body></html>");
    page("druha.html", "<html><title>Druhá</title><body>druhá</body></html>");
    std::vector<bool> outcomes;
    bool chained = false;
    const QMetaObject::Connection connection =
        QObject::connect(&browser(), &WebBrowser::documentComplete, [&](bool ok) {
            outcomes.push_back(ok);
            if (!std::exchange(chained, true)) {
                EXPECT_TRUE(complete());
                browser().navigate(pathOf("druha.html"));  // from the handler itself
            }
        });
    browser().navigate(first);
    EXPECT_TRUE(waitFor([&] { return outcomes.size() == 2; }));
    EXPECT_EQ(outcomes, (std::vector<bool>{true, true}));
    EXPECT_EQ(title(), QString::fromUtf8("Druhá"));

    outcomes.clear();
    seen.clear();
    browser().navigate(pathOf("chybi.html"));
    EXPECT_TRUE(waitFor([&] { return !outcomes.empty() && complete(); }));
    EXPECT_EQ(outcomes, std::vector<bool>{false}) << "a missing page fails";
    EXPECT_EQ(seen, std::vector<std::string>{pathOf("chybi.html")});
    QObject::disconnect(connection);
}

TEST_F(WebBrowserTest, ALinkToANewWindowOpensTheProgramsOwnWindow) {
    QPointer<WebBrowser> window;
    const auto connection = QObject::connect(&browser(), &WebBrowser::windowOpened,
                                             [&](WebBrowser* opened) { window = opened; });
    click("novy");
    ASSERT_TRUE(waitFor([&] { return window && window->view()->title() == QStringLiteral("B"); }));
    QObject::disconnect(connection);
    EXPECT_TRUE(window->isWindow());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(title(), QStringLiteral("A"));
    EXPECT_TRUE(seen.empty()) << "the new window's page is not the opener's navigation";
    window->close();
    EXPECT_TRUE(waitFor([&] { return window.isNull(); }));
}

// A plain web view opens its menu for the same click: the clicks do reach the pages.
TEST_F(WebBrowserTest, ARightClickOverThePageOpensNoMenu) {
    QTest::mouseClick(browser().view()->focusProxy(), Qt::RightButton, {}, QPoint(40, 40));
    QWebEngineView plain;
    plain.resize(200, 200);
    plain.show();
    bool loaded = false;
    QObject::connect(&plain, &QWebEngineView::loadFinished, [&] { loaded = true; });
    plain.load(QUrl::fromLocalFile(QString::fromStdString(pageB)));
    ASSERT_TRUE(waitFor([&] { return loaded && plain.focusProxy() != nullptr; }));
    QTest::mouseClick(plain.focusProxy(), Qt::RightButton, {}, QPoint(40, 40));
    ASSERT_TRUE(waitFor([] { return QApplication::activePopupWidget() != nullptr; }));
    QList<QMenu*> menus;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* menu = qobject_cast<QMenu*>(widget); menu != nullptr && menu->isVisible()) {
            menus.append(menu);
        }
    }
    ASSERT_EQ(menus.size(), 1);
    EXPECT_FALSE(browser().isAncestorOf(menus[0]));
    menus[0]->close();
}

TEST_F(WebBrowserTest, ScrollBarsCanBeTakenAway) {
    const std::string tall =
        page("dlouha.html", "<html><body><div style=\"height:5000px\">dlouhá</div></body></html>");
    const QString scrollBarWidth =
        QStringLiteral("window.innerWidth - document.documentElement.clientWidth");
    show(tall);
    EXPECT_GT(evaluate(scrollBarWidth), 0);
    browser().setScrollBarsShown(false);
    show(tall);
    EXPECT_EQ(evaluate(scrollBarWidth), 0);
    browser().setScrollBarsShown(true);
}

TEST_F(WebBrowserTest, TextInAMissingFaceTakesTheStandardFace) {
    QWebEngineSettings& settings = *browser().view()->page()->settings();
    const QString standard = settings.fontFamily(QWebEngineSettings::StandardFont);
    const QString fixed = QFontInfo(QFontDatabase::systemFont(QFontDatabase::FixedFont)).family();
    ASSERT_NE(fixed, standard);
    const std::string text =
        page("pismo.html",
             "<html><body><span id='chybi' style=\"font-family: 'Není takové'\">iiiiiiii"
             "</span><br><span id='dane' style=\"font-family: '" +
                 fixed.toStdString() + "'\">iiiiiiii</span></body></html>");
    const QString widthDifference = QStringLiteral(
        "document.getElementById('chybi').offsetWidth - "
        "document.getElementById('dane').offsetWidth");
    show(text);
    EXPECT_NE(evaluate(widthDifference), 0);
    browser().setStandardFontFamily(fixed);
    show(text);
    EXPECT_EQ(evaluate(widthDifference), 0);
    browser().setStandardFontFamily(standard);
}

}  // namespace
}  // namespace expo::browser::testing
