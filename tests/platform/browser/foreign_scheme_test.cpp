// Links of schemes the engine does not show itself ("mailto:") go to the desktop's URL handler,
// as the system opens them, unless the before-navigate handler cancels them or the keep-link
// test keeps them as the program's own words; a handler that is missing or fails is named in the
// error box. A user's click follows a link once, a double click too.
#include <gtest/gtest.h>

#include <unistd.h>

#include <QPointer>
#include <QStringList>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>

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
<a id="window" href="a.html" target="_blank">nové okno</a>
<a id="last" href="konec:">konec</a>
</body></html>)";
// The same links in a frame.
constexpr std::string_view kFramed = R"(<html><head><title>R</title></head>
<body style="margin:0"><iframe src="a.html" style="border:0;width:100%;height:100vh"></iframe>
</body></html>)";

// True while a program this test started has not ended or not been waited for (the engine's own
// processes aside).
bool programsRunning() {
    std::ifstream children("/proc/self/task/" + std::to_string(::getpid()) + "/children");
    for (std::string child; children >> child;) {
        std::string name;
        std::getline(std::ifstream("/proc/" + child + "/comm"), name);
        if (name != "QtWebEngineProc") {
            return true;
        }
    }
    return false;
}

// The link each case clicks last: once the desktop has it and no stand-in runs any more, it has
// all that the case's clicks handed over, however many times.
constexpr char kSentinel[] = "konec:";

// The desktop's URL handler on PATH while it lives: a stand-in that notes each link it is given,
// a line each, and ends with `exitCode`; or none at all.
class DesktopStandIn {
  public:
    explicit DesktopStandIn(std::optional<int> exitCode = 0) : path_(std::getenv("PATH")) {
        if (exitCode) {
            folder_.writeExecutable("xdg-open", "#!/bin/sh\necho \"$1\" >> " + log_ + "\nexit " +
                                                    std::to_string(*exitCode));
        }
        ::setenv("PATH", folder_.path().c_str(), 1);
    }
    ~DesktopStandIn() { ::setenv("PATH", path_.c_str(), 1); }
    QStringList noted() const {
        std::ifstream log(log_);
        return QString::fromStdString({std::istreambuf_iterator<char>(log), {}})
            .split('\n', Qt::SkipEmptyParts);
    }
    bool settled() const { return noted().contains(kSentinel) && !programsRunning(); }
    std::string state() const {  // for a desktop that does not settle
        return noted().join(' ').toStdString() + (programsRunning() ? " running" : "");
    }
    QStringList opened() const {  // the links noted so far, the sentinel aside
        QStringList links = noted();
        links.removeAll(kSentinel);
        return links;
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
        {"app", "katalog-app:otevri"},
        {"last", kSentinel}};
    for (const auto& [id, url] : clicks) {
        show(links);
        click(id);
        ASSERT_TRUE(waitUntilSeen(url)) << url;
    }
    ASSERT_TRUE(waitFor([&] { return desktop.settled(); })) << desktop.state();
    EXPECT_EQ(desktop.opened(), (QStringList{"mailto:info@veletrh.cz", "katalog-app:otevri"}));
    EXPECT_EQ(title(), QStringLiteral("A"));
}

// A handler that cannot be started or reports a failure of its own is named with the link,
// once; the end of the application it ran and waited for is no failure of the link.
TEST_F(ForeignScheme, ALinkTheDesktopCannotOpenIsNamedInTheErrorBox) {
    // The link, then the handler and the system's reason, in no language of the program's own.
    const std::string link = "mailto:info@veletrh.cz\nxdg-open: ";
    const std::pair<std::optional<int>, std::optional<std::string>> desktops[] = {
        {std::nullopt, link + std::strerror(ENOENT)}, {3, link + "3"}, {5, std::nullopt}};
    for (const auto& [exitCode, reason] : desktops) {
        const DesktopStandIn desktop(exitCode);
        expo::testing::RecordingSink boxes;
        click("mail");
        ASSERT_TRUE(waitFor([&] {
            return !boxes.messages.empty() || (!desktop.noted().empty() && !programsRunning());
        }));
        ASSERT_EQ(boxes.messages.size(), reason ? 1U : 0U) << exitCode.value_or(-1);
        if (reason) {
            EXPECT_EQ(boxes.messages[0].kind, ui::MessageKind::Error);
            EXPECT_EQ(boxes.messages[0].text, *reason);
        }
    }
}

// The clicks arrive as the user makes them; a link that acts outside the page ("mailto:", a
// program the handler starts and cancels, by its address or by the page's script) acts once for
// a double click, and so does a page link; two clicks far apart act twice. So in a frame of the
// page, and in a window that a link opened, whose links reach the desktop unwatched.
TEST_F(LinkTest, ADoubleClickFollowsALinkOnceAndTwoClicksTwice) {
    const DesktopStandIn desktop;
    onNavigate = [](const std::string& url, bool& cancel) { cancel = url.ends_with(".exe"); };
    enum Where { kPage, kFrame, kWindow };  // where the links are shown
    struct Case {
        Where where;
        const char* id;
        std::vector<int> clicks;  // 1 a single click, 2 a double click
        std::string link;         // only "mailto:" goes on to the desktop, once
        size_t announced;
    };
    const std::string mail = "mailto:info@veletrh.cz";
    const std::string exe = pathOf("pruvodce.exe");
    const Case cases[] = {
        {kPage, "mail", {1}, mail, 1},   {kPage, "mail", {2}, mail, 1},
        {kPage, "exe", {2}, exe, 1},     {kPage, "exe", {1, 1}, exe, 2},
        {kPage, "script", {2}, exe, 1},  {kFrame, "mail", {1}, mail, 1},
        {kFrame, "mail", {2}, mail, 1},  {kWindow, "mail", {1}, mail, 0},
        {kWindow, "mail", {2}, mail, 0}, {kPage, "b", {2}, pathOf("b.html"), 1},  // leaves the page
    };
    const std::string framed = page("ramec.html", kFramed);
    QPointer<WebBrowser> window;
    const QObject scope;
    QObject::connect(&browser(), &WebBrowser::windowOpened, &scope,
                     [&](WebBrowser* opened) { window = opened; });
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "case " << &c - cases);
        if (title() != QLatin1String(c.where == kFrame ? "R" : "A")) {
            show(c.where == kFrame ? framed : links);
        }
        if (c.where == kWindow) {
            click("window");
            ASSERT_TRUE(waitFor([&] {
                return window && window->view()->title() == QStringLiteral("A") &&
                       window->readyState() == ReadyState::Complete;
            }));
        }
        WebBrowser& shown = c.where == kWindow ? *window : browser();
        seen.clear();
        desktop.forget();
        expo::testing::mouseClicks(shown, c.id, c.clicks);
        if (c.link.ends_with(".html")) {
            ASSERT_TRUE(waitFor([] { return title() == QStringLiteral("B") && complete(); }));
        } else {  // the engine asks about links in the order of the clicks
            expo::testing::mouseClicks(shown, "last", {1});
            ASSERT_TRUE(waitFor([&] { return desktop.settled(); })) << desktop.state();
            std::erase(seen, kSentinel);
        }
        EXPECT_EQ(seen, std::vector<std::string>(c.announced, c.link));
        EXPECT_EQ(desktop.opened(),
                  c.link == mail ? QStringList{QString::fromStdString(mail)} : QStringList{});
        if (window) {
            window->close();
        }
    }
}

}  // namespace
}  // namespace expo::browser::testing
