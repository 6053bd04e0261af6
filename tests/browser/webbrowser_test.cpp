// The browser control: links and the program's own navigations announced to the handler,
// loads that end complete, and printing through the print dialog.
#include <gtest/gtest.h>
#include <QFile>
#include <QSignalSpy>
#include <QWebEnginePage>

#include "platform/browser/url_text.h"
#include "platform/browser/webbrowser.h"
#include "platform/ui/qtext.h"
#include "tests/browser/browser_fixture.h"

namespace expo::browser::testing {
namespace {

constexpr std::string_view kLinks = R"(<html><head><meta charset="windows-1250">
<title>A</title></head><body>
<a id="cz" href="sekce_výstaviště">odkaz</a>
<a id="sekce" href="go_polozka_sekce%201%20na%20CD">sekce</a>
<a id="b" href="b.html">b</a>
<iframe src="ramec.html"></iframe>
</body></html>)";

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

class PrintTest : public BrowserTest {
  protected:
    void SetUp() override {
        BrowserTest::SetUp();
        show(page("tisk.html", "<html><head><title>Tisk</title></head><body>Tisk</body></html>"));
        // The user cancels the first dialog and prints to a PDF file in the others.
        browser().setPrintDialog([this](QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(ui::toQ(pathOf("tiskarna.pdf")));
            return ++dialogs > 1;
        });
    }
    int dialogs = 0;
};

// A cancelled dialog prints nothing: the next job's end is the first one reported.
TEST_F(PrintTest, ThePrintDialogChoosesWhereThePagePrintsOrCancels) {
    QSignalSpy finished(&browser(), &WebBrowser::printFinished);
    browser().print();
    EXPECT_EQ(dialogs, 1);
    browser().print();
    EXPECT_EQ(dialogs, 2);
    ASSERT_TRUE(waitFor([&] { return finished.count() >= 1; }));
    EXPECT_EQ(finished.count(), 1);
    EXPECT_TRUE(finished.at(0).at(0).toBool());
    QFile pdf(ui::toQ(pathOf("tiskarna.pdf")));
    EXPECT_TRUE(pdf.open(QIODevice::ReadOnly) && pdf.read(5) == "%PDF-");
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

}  // namespace
}  // namespace expo::browser::testing
