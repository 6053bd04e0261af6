// The letters of the path bar and of a disc page that declares no encoding, as the browsers show
// them: both are read in code page 1250. Short Czech texts are the ones an engine left to guess
// reads in another code page.
#include <QVariant>
#include <QWebEnginePage>
#include <QWebEngineView>

#include "tests/pages/window_fixture.h"

namespace expo::presentation::testing {
namespace {

constexpr const char* kPlan = "Plán výstaviště";
constexpr const char* kLetters = "Průvodce: ěůřšž ĚŮŘŠŽ";

// The text of the page a browser shows, as the engine decoded it, in UTF-8.
std::string shownText(browser::WebBrowser& browser) {
    QVariant text;
    browser.view()->page()->runJavaScript(QStringLiteral("document.body.innerText"),
                                          [&](const QVariant& result) { text = result; });
    EXPECT_TRUE(expo::testing::waitFor([&] { return text.isValid(); }));
    return text.toString().trimmed().toStdString();
}

class PageEncoding : public WindowTest {};

TEST_F(PageEncoding, ThePathBarAndAnUndeclaredDiscPageShowTheirCzechLetters) {
    const std::string disc =
        writeDisc({{"config.ini", std::string("[uvod]\nurl=uvod.html\n[aplikace]\nSkrytData=\n"
                                              "[polozka_p]\ntext0=") +
                                      kPlan + "\nurl0=plan.html\n[polozka_q]\ntext0=" + kLetters +
                                      "\nurl0=plan.html\n"},
                   {"uvod.html", "<html><body><a href='jazyk0.html'>CZ</a></body></html>"},
                   {"plan.html", std::string("<html><body>") + kPlan + "</body></html>"}},
                  {"data/data0.dat"});
    TFormExpozice& w = open(disc);
    for (const char* caption : {kLetters, kPlan}) {
        select(node({caption}));
        waitShown(*w.WebBrowserInfo, privateFolder() + "temp_path.html");
        EXPECT_EQ(shownText(*w.WebBrowserInfo), std::string("- ") + caption);
    }
    waitShown(*w.WebBrowser, disc + "/plan.html");
    EXPECT_EQ(shownText(*w.WebBrowser), kPlan);
}

}  // namespace
}  // namespace expo::presentation::testing
