// Links of schemes the engine does not show itself ("mailto:") go to the desktop's URL handler,
// as the system opens them, unless the before-navigate handler cancels them or the keep-link
// test keeps them as the program's own words.
#include <gtest/gtest.h>

#include <QDesktopServices>
#include <QObject>
#include <QStringList>
#include <QUrl>

#include "tests/platform/browser/browser_fixture.h"

namespace expo::browser::testing {
namespace {

constexpr std::string_view kLinks = R"(<html><head><title>A</title></head><body>
<a id="zpet" href="zpet:">zpět</a>
<a id="cancelled" href="mailto:zruseno@veletrh.cz">zrušeno</a>
<a id="mail" href="mailto:info@veletrh.cz">e-mail</a>
<a id="app" href="katalog-app:otevri">aplikace</a>
</body></html>)";

}  // namespace

// Stands in for the desktop: what it was asked to open.
class DesktopStandIn : public QObject {
    Q_OBJECT
  public:
    QStringList opened;
  public slots:
    void open(const QUrl& url) { opened << url.toString(); }
};

namespace {

using ForeignScheme = BrowserTest;

TEST_F(ForeignScheme, ALinkTheEngineDoesNotShowGoesToTheDesktopUnlessKeptOrCancelled) {
    DesktopStandIn desktop;
    for (const char* scheme : {"mailto", "zpet", "katalog-app"}) {
        QDesktopServices::setUrlHandler(scheme, &desktop, "open");
    }
    const std::string links = page("a.html", kLinks);
    browser().setKeepLink([](const std::string& url) { return url == "zpet:"; });
    onNavigate = [](const std::string& url, bool& cancel) {
        cancel = url.find("zruseno") != std::string::npos;
    };
    // One link a page: the engine lets a page start one program of the system per click.
    const std::pair<const char*, const char*> clicks[] = {
        {"zpet", "zpet:"},
        {"cancelled", "mailto:zruseno@veletrh.cz"},
        {"mail", "mailto:info@veletrh.cz"},
        {"app", "katalog-app:otevri"}};
    for (const auto& [id, url] : clicks) {
        show(links);
        click(id);
        ASSERT_TRUE(waitUntilSeen(url)) << url;
    }
    ASSERT_TRUE(waitFor([&] { return desktop.opened.size() >= 2; })) << desktop.opened.size();
    EXPECT_EQ(desktop.opened, (QStringList{"mailto:info@veletrh.cz", "katalog-app:otevri"}));
    EXPECT_EQ(title(), QStringLiteral("A"));
    for (const char* scheme : {"mailto", "zpet", "katalog-app"}) {
        QDesktopServices::unsetUrlHandler(scheme);
    }
    browser().setKeepLink(nullptr);
}

}  // namespace
}  // namespace expo::browser::testing

#include "foreign_scheme_test.moc"
