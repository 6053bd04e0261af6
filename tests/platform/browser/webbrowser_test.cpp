// The browser control: links and the program's own navigations announced to the handler,
// loads that end complete, scroll bars and the standard face as the program sets them, no menu
// over the page, and printing through the print dialog. Pages that declare no
// encoding are read in code page 1250, as the discs are written; a page that declares its
// encoding keeps it. Targets and the text of URLs as the handlers read them.
#include <gtest/gtest.h>
#include <QDir>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>
#include <QPointer>
#include <QProcess>
#include <QSignalSpy>
#include <QWebEngineHistory>
#include <QWebEngineLoadingInfo>
#include <QWebEnginePage>
#include <QWebEngineSettings>
#include <QWebEngineView>
#include <filesystem>
#include <memory>
#include <optional>

#include "platform/browser/url_text.h"
#include "platform/browser/webbrowser.h"
#include "platform/text/text.h"
#include "platform/ui/pump.h"
#include "platform/ui/qtext.h"
#include "tests/platform/browser/browser_fixture.h"

namespace expo::browser::testing {
namespace {

constexpr std::string_view kLinks = R"(<html><head><meta charset="windows-1250">
<title>A</title></head><body>
<a id="cz" href="sekce_výstaviště">odkaz</a>
<a id="sekce" href="go_polozka_sekce%201%20na%20CD">sekce</a>
<a id="b" href="b.html">b</a>
<iframe src="ramec.html"></iframe>
</body></html>)";

// What a script run in the page a browser shows gives back.
QVariant evaluate(WebBrowser& browser, const QString& script) {
    auto result = std::make_shared<std::optional<QVariant>>();
    browser.view()->page()->runJavaScript(script, [result](const QVariant& v) { *result = v; });
    EXPECT_TRUE(waitFor([&] { return result->has_value(); })) << script.toStdString();
    return result->value_or(QVariant(-1));
}

class WebBrowserTest : public BrowserTest {
  protected:
    void SetUp() override {
        BrowserTest::SetUp();
        page("ramec.html", "<html><body>rámec</body></html>");
        pageB = page("b.html", "<html><head><title>B</title></head><body>B</body></html>");
        pageA = page("a.html", kLinks);
        show(pageA);
        ASSERT_TRUE(waitUntilSeen(pathOf("ramec.html"))) << "frames are announced too";
        seen.clear();
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
        {"cz", pathOf(text::cp("sekce_výstaviště"))}};
    for (const auto& [id, url] : links) {
        click(id);
        ASSERT_TRUE(waitUntilSeen(url)) << id;
    }
    EXPECT_TRUE(waitFor(complete));
    EXPECT_EQ(browser().view()->url(), QUrl::fromLocalFile(QString::fromStdString(pageA)));
    EXPECT_EQ(seen.size(), 2U);
    seen.clear();
    click("b");
    ASSERT_TRUE(waitFor([] { return title() == QStringLiteral("B") && complete(); }));
    EXPECT_EQ(seen, std::vector<std::string>{pageB});
}

// The pages' scroll bars can be taken away; text in a face the system lacks takes the standard
// face the program sets; a right click over the page opens no menu.
TEST_F(WebBrowserTest, ScrollBarsFacesAndNoMenu) {
    const auto evaluate = [](const char* script) {
        return testing::evaluate(browser(), script).toInt();
    };
    const QString fixed = QFontInfo(QFontDatabase::systemFont(QFontDatabase::FixedFont)).family();
    const QString standard =
        browser().view()->page()->settings()->fontFamily(QWebEngineSettings::StandardFont);
    ASSERT_NE(fixed, standard);
    const std::string tall =
        page("pismo.html",
             "<html><body style='height:5000px'><span id='chybi' style=\"font-family: "
             "'Není takové'\">iiiiiiii</span><br><span id='dane' style=\"font-family: '" +
                 fixed.toStdString() + "'\">iiiiiiii</span></body></html>");
    const char* scrollBarWidth = "window.innerWidth - document.documentElement.clientWidth";
    const char* widthDifference =
        "document.getElementById('chybi').offsetWidth - "
        "document.getElementById('dane').offsetWidth";
    show(tall);
    EXPECT_GT(evaluate(scrollBarWidth), 0);
    EXPECT_NE(evaluate(widthDifference), 0);
    browser().setScrollBarsShown(false);
    browser().setStandardFontFamily(fixed);
    show(tall);
    EXPECT_EQ(evaluate(scrollBarWidth), 0);
    EXPECT_EQ(evaluate(widthDifference), 0);
    browser().setScrollBarsShown(true);
    browser().setStandardFontFamily(standard);
    EXPECT_EQ(browser().view()->contextMenuPolicy(), Qt::NoContextMenu);
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

// A move in the page's history stays a move and a replacement replaces: the history keeps its
// length. The handler sees each of them first.
TEST_F(WebBrowserTest, HistoryMovesAndReplacementsAddNoEntry) {
    const auto linked = [](const char* title, const char* next) {
        return std::string("<html><head><title>") + title + "</title></head><body><a id=\"dal\" " +
               "href=\"" + next + "\">dál</a></body></html>";
    };
    page("h3.html", linked("C", "h1.html"));
    page("h2.html", linked("B", "h3.html"));
    page("nahrada.html", linked("D", "h1.html"));
    show(page("h1.html", linked("A", "h2.html")));
    browser().view()->history()->clear();
    for (const char* next : {"B", "C"}) {
        click("dal");
        ASSERT_TRUE(waitFor([&] { return title() == QLatin1String(next) && complete(); }));
    }
    const int length = evaluate(browser(), "history.length").toInt();
    const std::pair<const char*, const char*> steps[] = {
        {"history.back()", "h2.html"},
        {"history.back()", "h1.html"},
        {"history.forward()", "h2.html"},
        {"location.replace('nahrada.html')", "nahrada.html"}};
    for (const auto& [script, shown] : steps) {
        seen.clear();
        const QUrl before = browser().view()->url();
        evaluate(browser(), script);
        ASSERT_TRUE(waitFor([&] { return browser().view()->url() != before && complete(); }))
            << script;
        ASSERT_EQ(browser().view()->url().fileName(), QLatin1String(shown)) << script;
        EXPECT_EQ(evaluate(browser(), "history.length").toInt(), length) << script;
        EXPECT_EQ(seen, std::vector<std::string>{pathOf(shown)}) << script;
    }
}

TEST_F(WebBrowserTest, NavigationsWhileAPageLoadsEndCompleteOnTheLastOne) {
    // A page whose script holds its load up for a while.
    const std::string slow = page("pomala.html", R"(<html><head><title>pomalá</title>
<script>const end = Date.now() + 400; while (Date.now() < end) {}</script></head></html>)");
    for (const std::string& last : {pageB, std::string("about:blank")}) {
        browser().navigate(slow);
        ASSERT_TRUE(waitFor([] { return browser().view()->page()->isLoading(); }));
        browser().navigate("about:blank");
        browser().navigate(last);
        ASSERT_TRUE(waitFor(complete));
        EXPECT_EQ(browser().view()->url(), targetUrl(last));
    }
}

TEST_F(WebBrowserTest, DocumentCompleteComesOnceThePageEndsAndAllowsTheNextNavigation) {
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
    browser().navigate(pageB);
    EXPECT_TRUE(waitFor([&] { return outcomes.size() == 2; }));
    EXPECT_EQ(title(), QString::fromUtf8("Druhá"));
    browser().navigate(pathOf("chybi.html"));
    EXPECT_TRUE(waitFor([&] { return outcomes.size() == 3 && complete(); }));
    EXPECT_EQ(outcomes, (std::vector<bool>{true, true, false})) << "a missing page fails";
    QObject::disconnect(connection);
}

// The failure of a load that another one replaced (a cancelled link's) may come late, after
// the next load was handed to the engine: it leaves that one loading.
TEST_F(WebBrowserTest, ALateFailureOfAReplacedLoadLeavesTheNextOneLoading) {
    std::optional<QWebEngineLoadingInfo> turnedDown;
    const QObject scope;
    QWebEnginePage* engine = browser().view()->page();
    QObject::connect(engine, &QWebEnginePage::loadingChanged, &scope,
                     [&](const QWebEngineLoadingInfo& info) {
                         if (info.status() == QWebEngineLoadingInfo::LoadStoppedStatus) {
                             turnedDown = info;
                         }
                     });
    onNavigate = [](const std::string&, bool& cancel) { cancel = true; };
    click("sekce");
    ASSERT_TRUE(waitFor([&] { return turnedDown && complete(); }));
    onNavigate = nullptr;
    browser().navigate(pageB);
    emit engine->loadingChanged(*turnedDown);
    EXPECT_FALSE(complete());
    EXPECT_TRUE(waitFor(complete));
    EXPECT_EQ(title(), QStringLiteral("B"));
}

class PrintTest : public BrowserTest {
  protected:
    void SetUp() override {
        BrowserTest::SetUp();
        show(page("tisk.html",
                  "<html><head><title>Tisk</title></head><body>Tisk: Plán "
                  "výstaviště</body></html>"));
        // The user cancels the first dialog and prints to a PDF file in the others.
        browser().setPrintDialog([this](QPrinter& printer) {
            normalPointers += QGuiApplication::overrideCursor() == nullptr;
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(ui::toQ(pathOf("tiskarna.pdf")));
            return ++dialogs > 1;
        });
    }
    int dialogs = 0;
    int normalPointers = 0;  // dialogs shown without the hourglass
};

// The text of a PDF file as poppler's pdftotext reads it, in UTF-8.
std::string pdfText(const std::string& path) {
    QProcess reader;
    reader.start("pdftotext", {"-enc", "UTF-8", QString::fromStdString(path), "-"});
    EXPECT_TRUE(reader.waitForFinished(expo::testing::kPatienceMs))
        << "pdftotext (poppler-utils) reads the printed file";
    return reader.readAllStandardOutput().simplified().toStdString();
}

// A cancelled dialog prints nothing: the next job's end is the first one reported. A PDF file
// holds the page's text, and is far smaller than the picture a printer's print makes of it.
// The dialog shows the normal pointer; the hourglass of the work around it, however deep, is
// back when the dialog closes.
TEST_F(PrintTest, ThePrintDialogChoosesWhereThePagePrintsOrCancels) {
    QSignalSpy finished(&browser(), &WebBrowser::printFinished);
    {
        const ui::BusyCursor work;
        {
            const ui::BusyCursor step;
            browser().print();
            EXPECT_EQ(dialogs, 1);
            browser().print();
            EXPECT_EQ(dialogs, 2);
        }
        ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    }
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(normalPointers, 2);
    ASSERT_TRUE(waitFor([&] { return finished.count() >= 1; }));
    EXPECT_EQ(finished.count(), 1);
    EXPECT_TRUE(finished.at(0).at(0).toBool());
    EXPECT_EQ(pdfText(pathOf("tiskarna.pdf")), "Tisk: Plán výstaviště");

    QPrinter raster(QPrinter::HighResolution);
    raster.setOutputFormat(QPrinter::PdfFormat);
    raster.setOutputFileName(ui::toQ(pathOf("obraz.pdf")));
    browser().view()->print(&raster);
    ASSERT_TRUE(waitFor([&] { return finished.count() == 2; }));
    EXPECT_LT(std::filesystem::file_size(pathOf("tiskarna.pdf")) * 10,
              std::filesystem::file_size(pathOf("obraz.pdf")));
}

TEST_F(PrintTest, ThePagesOwnRequestAndCtrlPOpenTheDialog) {
    browser().setPrintDialog([this](QPrinter&) { return ++dialogs, false; });
    browser().view()->page()->runJavaScript(QStringLiteral("window.print()"));
    EXPECT_TRUE(waitFor([&] { return dialogs == 1; }));
    browser().activateWindow();
    QWidget* surface = browser().view()->focusProxy();
    ASSERT_NE(surface, nullptr);
    surface->setFocus();
    QTest::keyClick(surface, Qt::Key_P, Qt::ControlModifier);
    EXPECT_TRUE(waitFor([&] { return dialogs == 2; }));
}

// The text of the page a browser shows, as the engine decoded it, in UTF-8.
std::string bodyText(WebBrowser& browser) {
    QVariant text;
    browser.view()->page()->runJavaScript(QStringLiteral("document.body.innerText"),
                                          [&](const QVariant& result) { text = result; });
    EXPECT_TRUE(waitFor([&] { return text.isValid(); }));
    return text.toString().trimmed().toStdString();
}

std::string undeclared(std::string_view utf8) {
    return text::cp("<html><head><title>t</title></head><body>" + std::string(utf8) +
                    "</body></html>");
}

using PageEncoding = BrowserTest;

TEST_F(PageEncoding, TheEngineShowsThePagesLetters) {
    // The file as it lies on the disc and its text as shown. "š" and "ž" are 0x9A and 0x9E in
    // code page 1250, which reads UTF-8 otherwise.
    const std::pair<std::string, const char*> cases[] = {
        {undeclared("ěůřšž ĚŮŘŠŽ ťďň ĺľŕ áéíóúý ąęłńśźż"), "ěůřšž ĚŮŘŠŽ ťďň ĺľŕ áéíóúý ąęłńśźż"},
        {"<html><head><meta charset=\"utf-8\"></head><body>Plán ůřšž</body></html>", "Plán ůřšž"},
        {"<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; "
         "charset=iso-8859-2\"></head><body>\xB9\xBE\xEC</body></html>",
         "šžě"}};
    for (const auto& [bytes, shown] : cases) {
        show(folder.write("page.html", bytes));
        EXPECT_EQ(bodyText(browser()), shown);
    }
}

// A link to a new window opens the program's own window, which reads undeclared pages the
// same way; its page is not the opener's navigation.
TEST_F(PageEncoding, AWindowOpenedByALinkIsTheProgramsOwnAndReadsPagesTheSameWay) {
    folder.write("novy.html", undeclared("Plán výstaviště"));
    show(page("a.html",
              "<html><head><title>A</title></head><body><a id=\"novy\" "
              "href=\"novy.html\" target=\"_blank\">nové okno</a></body></html>"));
    seen.clear();
    QPointer<WebBrowser> window;
    const auto connection = QObject::connect(&browser(), &WebBrowser::windowOpened,
                                             [&](WebBrowser* opened) { window = opened; });
    click("novy");
    ASSERT_TRUE(waitFor([&] {
        return window && window->view()->title() == QStringLiteral("t") &&
               !window->view()->page()->isLoading();
    }));
    QObject::disconnect(connection);
    EXPECT_TRUE(window->isWindow() && window->isVisible());
    EXPECT_EQ(title(), QStringLiteral("A"));
    EXPECT_TRUE(seen.empty());
    EXPECT_EQ(bodyText(*window), "Plán výstaviště");
    window->close();
    EXPECT_TRUE(waitFor([&] { return window.isNull(); }));
}

// Targets are file paths ("\" or "/", relative to the current folder) or about: pages; the
// characters that mean something in a URL are part of a file's name.
TEST(TargetUrl, PathsBecomeFileUrlsAndComeBackUnchanged) {
    const std::pair<const char*, const char16_t*> paths[] = {
        {"\\disc\\Expozice\\firma 12.html", u"/disc/Expozice/firma 12.html"},
        {"/disc/sub\\výstaviště.html", u"/disc/sub/výstaviště.html"},
        {"/disc/a#b.html", u"/disc/a#b.html"},
        {"/disc/100%.html", u"/disc/100%.html"},
        {"/disc/otazka?.html", u"/disc/otazka?.html"}};
    for (const auto& [target, path] : paths) {
        const QUrl url = targetUrl(text::cp(target));
        EXPECT_EQ(url.toLocalFile(), QString::fromUtf16(path)) << target;
        EXPECT_EQ(urlText(url), text::cp(QString::fromUtf16(path).toStdString())) << target;
    }
    EXPECT_EQ(targetUrl("temp.html").toLocalFile(), QDir::currentPath() + "/temp.html");
    EXPECT_EQ(targetUrl("ABOUT:blank").scheme(), QStringLiteral("about"));
}

// What the before-navigate handlers read: escapes decoded, in the program's code page.
TEST(UrlText, HandlersReadDecodedText) {
    const std::pair<const char*, const char*> cases[] = {
        {"file:///disc/go_polozka_sekce%201%20na%20CD", "/disc/go_polozka_sekce 1 na CD"},
        {"file:///disc/v%C3%BDstava.html", "/disc/výstava.html"},
        {"zpet:", "zpet:"},
        {"file:///disc/a.html#kotva%201", "file:///disc/a.html#kotva 1"},
        {"http://example.com/a%20b?x=%C5%A1", "http://example.com/a b?x=š"},
        {"file:///disc/%E6%BC%A2.html", "/disc/?.html"},  // not in the code page
    };
    for (const auto& [url, expected] : cases) {
        EXPECT_EQ(urlText(QUrl(QString::fromUtf8(url))), text::cp(expected)) << url;
    }
}

}  // namespace
}  // namespace expo::browser::testing
