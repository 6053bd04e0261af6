#include "platform/browser/url_text.h"

#include <gtest/gtest.h>

#include <QDir>
#include <ostream>

#include "platform/text/text.h"

namespace expo::browser {
namespace {

TEST(TargetUrl, AboutPagesStayAsTheyAre) {
    EXPECT_EQ(targetUrl("about:blank"), QUrl(QStringLiteral("about:blank")));
    EXPECT_EQ(targetUrl("ABOUT:blank").scheme(), QStringLiteral("about"));
}

struct PathCase {
    const char* target;  // UTF-8 source text, code page 1250 in the program
    const char16_t* path;
};

void PrintTo(const PathCase& c, std::ostream* os) {
    *os << '"' << c.target << '"';
}

class TargetUrlPathTest : public ::testing::TestWithParam<PathCase> {};

TEST_P(TargetUrlPathTest, PathsBecomeFileUrls) {
    const QUrl url = targetUrl(text::cp(GetParam().target));
    EXPECT_TRUE(url.isLocalFile());
    EXPECT_FALSE(url.hasFragment());
    EXPECT_EQ(url.toLocalFile(), QString::fromUtf16(GetParam().path));
}

INSTANTIATE_TEST_SUITE_P(
    Table, TargetUrlPathTest,
    ::testing::Values(PathCase{"/disc/stranka.html", u"/disc/stranka.html"},
                      PathCase{"\\disc\\Expozice\\firma 12.html", u"/disc/Expozice/firma 12.html"},
                      PathCase{"/disc/sub\\page.html", u"/disc/sub/page.html"},
                      PathCase{"/disc/výstaviště.html", u"/disc/výstaviště.html"},
                      // Characters that mean something in a URL are part of the file's name.
                      PathCase{"/disc/a#b.html", u"/disc/a#b.html"},
                      PathCase{"/disc/100%.html", u"/disc/100%.html"},
                      PathCase{"/disc/otazka?.html", u"/disc/otazka?.html"}));

TEST(TargetUrl, RelativePathsStartAtTheCurrentDirectory) {
    EXPECT_EQ(targetUrl("temp.html").toLocalFile(),
              QDir::currentPath() + QStringLiteral("/temp.html"));
}

struct TextCase {
    const char* url;
    const char* text;  // UTF-8 source text, code page 1250 in the program
};

void PrintTo(const TextCase& c, std::ostream* os) {
    *os << '"' << c.url << '"';
}

class UrlTextTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(UrlTextTest, HandlersReadDecodedText) {
    EXPECT_EQ(urlText(QUrl(QString::fromUtf8(GetParam().url))), text::cp(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(
    Table, UrlTextTest,
    ::testing::Values(TextCase{"file:///disc/go_polozka_sekce%201%20na%20CD",
                               "/disc/go_polozka_sekce 1 na CD"},
                      TextCase{"file:///disc/v%C3%BDstava.html", "/disc/výstava.html"},
                      TextCase{"file:///disc/data.zip", "/disc/data.zip"},
                      TextCase{"zpet:", "zpet:"}, TextCase{"about:blank", "about:blank"},
                      TextCase{"file:///disc/a.html#kotva%201", "file:///disc/a.html#kotva 1"},
                      TextCase{"http://example.com/a%20b?x=%C5%A1", "http://example.com/a b?x=š"},
                      // Characters the code page lacks cannot reach the handlers as they are.
                      TextCase{"file:///disc/%E6%BC%A2.html", "/disc/?.html"}));

TEST(UrlText, APathComesBackFromItsUrlUnchanged) {
    for (const char* path : {"/disc/stranka.html", "/disc/Výstaviště/Žluťoučký kůň.html",
                             "/disc/100%.html", "/disc/%C5%A1.html", "/disc/a#b?.html"}) {
        EXPECT_EQ(urlText(targetUrl(text::cp(path))), text::cp(path)) << path;
    }
}

}  // namespace
}  // namespace expo::browser
