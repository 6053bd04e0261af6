// The history keys of the browser control on a real X server: Alt+Left and Alt+Right move back
// and forward through the pages that links led to, as moves, not as new pages.
#include <QWebEngineHistory>

#include "tests/platform/browser/browser_fixture.h"
#include "tests/support/x_input.h"
#include "tests/support/x_server.h"

namespace expo::browser::testing {
namespace {

using expo::testing::XInput;
using expo::testing::XKey;
using expo::testing::XStep;

constexpr auto kAlt = XKey(0xffe9);  // Alt_L

TEST_F(BrowserTest, AltLeftAndAltRightMoveInTheHistory) {
    if (!expo::testing::onXServer()) {
        GTEST_SKIP() << "no Xvfb on this machine";
    }
    for (const auto& [name, next] : {std::pair{"c.html", "a.html"}, {"b.html", "c.html"}}) {
        page(name, std::string("<html><head><title>") + name +
                       "</title></head><body><a id=\"dal\" "
                       "href=\"" +
                       next + "\">dál</a></body></html>");
    }
    show(page("a.html",
              "<html><head><title>a.html</title></head><body>"
              "<a id=\"dal\" href=\"b.html\">dál</a></body></html>"));
    browser().activateWindow();
    ASSERT_TRUE(waitFor([] { return browser().isActiveWindow(); }));
    // Clicked by the user: pages reached without a user's gesture are passed over by the moves.
    for (const char* next : {"b.html", "c.html"}) {
        expo::testing::mouseClicks(browser(), "dal", {1});
        ASSERT_TRUE(waitFor([&] { return title() == QLatin1String(next) && complete(); }));
    }
    const int length = browser().view()->history()->count();
    XInput input;
    for (const auto& [key, shown] :
         {std::pair{XKey::Left, "b.html"}, {XKey::Left, "a.html"}, {XKey::Right, "b.html"}}) {
        seen.clear();
        input.send({XStep::press(kAlt), XStep::key(key), XStep::release(kAlt)});
        ASSERT_TRUE(waitFor([&] { return title() == QLatin1String(shown) && complete(); }))
            << shown << ", shown: " << title().toStdString();
        EXPECT_EQ(browser().view()->history()->count(), length);
        EXPECT_EQ(seen, std::vector<std::string>{pathOf(shown)}) << "the handler sees the move";
    }
}

}  // namespace
}  // namespace expo::browser::testing
