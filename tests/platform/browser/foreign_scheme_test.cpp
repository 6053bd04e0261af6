// Links of schemes the engine does not show itself ("mailto:") go to the desktop's URL handler,
// as the system opens them, unless the before-navigate handler cancels them or the keep-link
// test keeps them as the program's own words; a handler that is missing or fails is named in the
// error box. A user's click follows a link once, a double click too.
#include <gtest/gtest.h>

#include <QStringList>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/browser/desktop_link.h"
#include "tests/platform/browser/browser_fixture.h"
#include "tests/support/recording_sink.h"

namespace expo::browser::testing {
namespace {

constexpr std::string_view kLinks = R"(<html><head><title>A</title></head><body>
<a id="zpet" href="zpet:">zpět</a>
<a id="cancelled" href="mailto:zruseno@veletrh.cz">zrušeno</a>
<a id="mail" href="mailto:info@veletrh.cz">e-mail</a>
<a id="app" href="katalog-app:otevri">aplikace</a>
<a id="exe" href="pruvodce.exe">průvodce</a>
<a id="script" href="#" onclick="location.href = 'pruvodce.exe'; return false">skript</a>
<a id="b" href="b.html">stránka B</a>
<a id="last" href="posledni.avi">video</a>
</body></html>)";

// The desktop's URL handler on PATH while it lives: a stand-in that notes each link it is given,
// a line each, and ends with `exitCode`; or none at all.
class DesktopStandIn {
  public:
    explicit DesktopStandIn(std::optional<int> exitCode = 0) : path_(std::getenv("PATH")) {
        if (exitCode) {
            const std::string script =
                folder_.write("xdg-open", "#!/bin/sh\necho \"$1\" >> " + log_ + "\nexit " +
                                              std::to_string(*exitCode));
            std::filesystem::permissions(script, std::filesystem::perms::owner_exec,
                                         std::filesystem::perm_options::add);
        }
        ::setenv("PATH", folder_.path().c_str(), 1);
    }
    ~DesktopStandIn() { ::setenv("PATH", path_.c_str(), 1); }
    QStringList opened() const {  // the links noted so far
        std::ifstream log(log_);
        return QString::fromStdString({std::istreambuf_iterator<char>(log), {}})
            .split('\n', Qt::SkipEmptyParts);
    }
    void forget() const { std::filesystem::remove(log_); }

  private:
    expo::testing::TempFolder folder_;
    const std::string log_ = (folder_.path() / "opened.log").string();
    const std::string path_;
};

class LinkTest : public BrowserTest {
  protected:
    void SetUp() override {
        BrowserTest::SetUp();
        page("b.html", "<html><head><title>B</title></head></html>");
        links = page("a.html", kLinks);
        browser().setKeepLink([](const std::string& url) { return url == "zpet:"; });
        show(links);
        ASSERT_TRUE(waitFor([] { return title() == QStringLiteral("A"); }));
    }
    void TearDown() override { browser().setKeepLink(nullptr); }
    std::string links;
};

using ForeignScheme = LinkTest;

TEST_F(ForeignScheme, ALinkTheEngineDoesNotShowGoesToTheDesktopUnlessKeptOrCancelled) {
    const DesktopStandIn desktop;
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
    ASSERT_TRUE(waitFor([&] { return desktop.opened().size() >= 2; })) << desktop.opened().size();
    EXPECT_EQ(desktop.opened(), (QStringList{"mailto:info@veletrh.cz", "katalog-app:otevri"}));
    EXPECT_EQ(title(), QStringLiteral("A"));
}

// A handler that cannot be started or fails is named with the link, once.
TEST_F(ForeignScheme, ALinkTheDesktopCannotOpenIsNamedInTheErrorBox) {
    const std::pair<std::optional<int>, const char*> desktops[] = {
        {std::nullopt, "Program xdg-open nelze spustit: "},
        {3, "Program xdg-open skončil s chybou 3."}};
    for (const auto& [exitCode, reason] : desktops) {
        const DesktopStandIn desktop(exitCode);
        expo::testing::RecordingSink boxes;
        click("mail");
        ASSERT_TRUE(waitFor([&] { return !boxes.messages.empty(); })) << reason;
        EXPECT_EQ(boxes.messages.size(), 1U);
        EXPECT_EQ(boxes.messages[0].kind, ui::MessageKind::Error);
        EXPECT_TRUE(boxes.messages[0].text.starts_with(
            desktopLinkError("mailto:info@veletrh.cz", text::cp(reason))))
            << boxes.messages[0].text;
    }
}

// The clicks arrive as the user makes them; a link that acts outside the page ("mailto:", a
// program the handler starts and cancels, by its address or by the page's script) acts once for
// a double click, and so does a page link;
// two clicks far apart act twice. A click on the video link ends each case that stays on the
// page: the engine asks about links in the order of the clicks.
TEST_F(LinkTest, ADoubleClickFollowsALinkOnceAndTwoClicksTwice) {
    const DesktopStandIn desktop;
    onNavigate = [](const std::string& url, bool& cancel) {
        cancel = url.ends_with(".exe") || url.ends_with(".avi");
    };
    struct Case {
        const char* id;
        std::vector<int> clicks;  // 1 a single click, 2 a double click
        std::string link;
        long announced;
        QStringList opened;
    };
    const Case cases[] = {{"mail", {1}, "mailto:info@veletrh.cz", 1, {"mailto:info@veletrh.cz"}},
                          {"mail", {2}, "mailto:info@veletrh.cz", 1, {"mailto:info@veletrh.cz"}},
                          {"exe", {2}, pathOf("pruvodce.exe"), 1, {}},
                          {"exe", {1, 1}, pathOf("pruvodce.exe"), 2, {}},
                          {"script", {2}, pathOf("pruvodce.exe"), 1, {}},
                          {"b", {2}, pathOf("b.html"), 1, {}}};
    for (const Case& c : cases) {  // all on the same page, the last one leaves it
        seen.clear();
        desktop.forget();
        expo::testing::mouseClicks(browser(), c.id, c.clicks);
        if (c.link.ends_with(".html")) {  // the page is left
            ASSERT_TRUE(waitFor([] { return title() == QStringLiteral("B") && complete(); }));
        } else {
            expo::testing::mouseClicks(browser(), "last", {1});
            ASSERT_TRUE(waitUntilSeen(pathOf("posledni.avi"))) << c.id;
            seen.pop_back();
        }
        ASSERT_TRUE(waitFor([&] { return desktop.opened().size() >= c.opened.size(); }));
        EXPECT_EQ(std::count(seen.begin(), seen.end(), c.link), c.announced) << c.id;
        EXPECT_EQ(seen.size(), size_t(c.announced)) << c.id;
        EXPECT_EQ(desktop.opened(), c.opened) << c.id;
    }
}

}  // namespace
}  // namespace expo::browser::testing
