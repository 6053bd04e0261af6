// Pages that declare no encoding are read in code page 1250, as the discs are written; a page
// that declares its encoding keeps it. The text is read back from the page the engine shows.
#include <QPointer>
#include <QWebEnginePage>
#include <QWebEngineView>

#include "tests/browser/browser_fixture.h"

namespace expo::browser::testing {
namespace {

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

}  // namespace
}  // namespace expo::browser::testing
