#include "platform/browser/url_text.h"

#include <gtest/gtest.h>

#include <QDir>

#include "platform/text/text.h"

namespace expo::browser {
namespace {

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
}  // namespace expo::browser
