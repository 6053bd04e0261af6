// Pages that declare no encoding are read in code page 1250, as the discs are written; a page
// that declares its encoding keeps it. The text is read back from the page the engine shows.
#include <QPointer>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <ostream>

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

struct EncodingCase {
    const char* name;
    std::string bytes;  // the file as it lies on the disc
    const char* shown;  // UTF-8
};

void PrintTo(const EncodingCase& c, std::ostream* os) {
    *os << c.name;
}

std::string undeclared(std::string_view utf8) {
    return text::cp("<html><head><title>t</title></head><body>" + std::string(utf8) +
                    "</body></html>");
}

const EncodingCase kCases[] = {
    {"UndeclaredShortText", undeclared("Plán výstaviště"), "Plán výstaviště"},
    {"UndeclaredPathBar", undeclared("- Katalog vystavovatelů - Strojírenství"),
     "- Katalog vystavovatelů - Strojírenství"},
    {"UndeclaredSlovak", undeclared("Katalóg vystavovateľov - Tlačové správy"),
     "Katalóg vystavovateľov - Tlačové správy"},
    {"UndeclaredPolish", undeclared("Program towarzyszący - Informacje dla zwiedzających"),
     "Program towarzyszący - Informacje dla zwiedzających"},
    {"UndeclaredEveryLetter", undeclared("ěůřšž ĚŮŘŠŽ ťďň ĺľŕ áéíóúý"),
     "ěůřšž ĚŮŘŠŽ ťďň ĺľŕ áéíóúý"},
    // Bytes that code page 1250 would read otherwise: "š" and "ž" are 0x9A and 0x9E there.
    {"DeclaredUtf8",
     "<html><head><meta charset=\"utf-8\"></head><body>Plán výstaviště ůřšž</body></html>",
     "Plán výstaviště ůřšž"},
    {"DeclaredLatin2",
     "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; "
     "charset=iso-8859-2\"></head><body>\xB9\xBE\xEC</body></html>",
     "šžě"},
};

class PageEncoding : public BrowserTest, public ::testing::WithParamInterface<EncodingCase> {};

TEST_P(PageEncoding, TheEngineShowsThePagesLetters) {
    show(folder.write("page.html", GetParam().bytes));
    EXPECT_EQ(bodyText(browser()), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(Pages, PageEncoding, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

class NewWindowEncoding : public BrowserTest {};

TEST_F(NewWindowEncoding, AWindowOpenedByALinkReadsUndeclaredPagesTheSameWay) {
    folder.write("novy.html", undeclared("Plán výstaviště"));
    show(page("a.html",
              "<html><body><a id=\"novy\" href=\"novy.html\" "
              "target=\"_blank\">nové okno</a></body></html>"));
    QPointer<WebBrowser> window;
    const auto connection = QObject::connect(&browser(), &WebBrowser::windowOpened,
                                             [&](WebBrowser* opened) { window = opened; });
    click("novy");
    ASSERT_TRUE(waitFor([&] {
        return window && window->view()->title() == QStringLiteral("t") &&
               !window->view()->page()->isLoading();
    }));
    QObject::disconnect(connection);
    EXPECT_EQ(bodyText(*window), "Plán výstaviště");
    window->close();
    EXPECT_TRUE(waitFor([&] { return window.isNull(); }));
}

}  // namespace
}  // namespace expo::browser::testing
