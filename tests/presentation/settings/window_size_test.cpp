// Window and navigation panel sizes from config.ini.
#include "presentation/settings/window_size.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace expo::presentation {
namespace {

// `section` with `prefix`sirka and `prefix`vyska where given (nullptr: key missing).
IniFile sizes(const std::string& section, const char* width, const char* height,
              const std::string& prefix = "") {
    const std::string w = prefix + (prefix.empty() ? "sirka=" : "Sirka="),
                      h = prefix + (prefix.empty() ? "vyska=" : "Vyska=");
    return IniFile::fromText("[" + section + "]\n" + (width ? w + width + "\n" : "") +
                             (height ? h + height + "\n" : ""));
}
std::string given(const char* value) {
    return value ? value : "-";
}

constexpr ScreenSize kXga{1024, 768};
constexpr PixelSize kMax{true, 0, 0};

TEST(WindowSize, LowResolutionIsBelow1024By768) {
    // clang-format off
    const std::pair<ScreenSize, bool> cases[] = {{{1024, 768}, false}, {{1280, 1024}, false},
        {{1024, 600}, true}, {{800, 768}, true}, {{1023, 767}, true}, {{1920, 767}, true}};
    // clang-format on
    for (const auto& [screen, low] : cases) {
        EXPECT_EQ(isLowResolution(screen), low) << screen.width << "x" << screen.height;
    }
}

TEST(WindowSize, IntroAndMainWindow) {
    const struct {
        bool intro;
        const char *width, *height;  // nullptr: key missing
        ScreenSize screen;
        PixelSize expected;
    } cases[] = {
        // clang-format off
        {true, nullptr, nullptr, kXga, {false, 472, 321}}, {true, "", "", kXga, {false, 472, 321}},
        {true, "80%", "400", kXga, kMax},  // the flag covers both; 400 is 100 or more
        {true, "60%", "50%", {1280, 1024}, {false, 768, 512}}, {true, "600", "abc", kXga, {false, 600, 321}},
        {true, "100%", "50%", kXga, kMax}, {true, "50%", "99", kXga, {false, 512, 760}},
        {true, "abc%", "50%", kXga, kMax},  // a percentage that is not a number counts as 100
        {true, "%5%0", "10%", kXga, {false, 512, 77}}, {false, nullptr, nullptr, kXga, {false, 500, 700}},
        {false, "abc", "abc", kXga, {false, 500, 700}}, {false, "80%", "80%", kXga, {false, 819, 614}},
        {false, "80 %", "50%", kXga, kMax},  // "80 " is not a number: 100
        {false, "501", "700", kXga, {false, 501, 700}}, {false, "$200", "0x100", kXga, {false, 512, 256}},
        {false, "50%", "25%", {1366, 768}, {false, 683, 192}},
        {false, "25%", "10%", {1025, 1005}, {false, 256, 100}},  // 256.25 and 100.5 -> even 100
        {false, "30%", "10%", {1025, 1015}, {false, 308, 102}},  // 307.5 -> 308, 101.5 -> 102
        // clang-format on
    };
    for (const auto& c : cases) {
        const IniFile config = sizes(c.intro ? "uvod" : "aplikace", c.width, c.height);
        const PixelSize got =
            toPixels(c.intro ? introWindowSize(config) : mainWindowSize(config), c.screen);
        EXPECT_EQ(std::tuple(got.maximised, got.maximised ? 0 : got.width,
                             got.maximised ? 0 : got.height),
                  std::tuple(c.expected.maximised, c.expected.width, c.expected.height))
            << c.intro << " " << given(c.width) << " x " << given(c.height);
    }
    const WindowSize w = mainWindowSize(sizes("aplikace", "150%", "20"));
    const WindowSize p = mainWindowSize(sizes("aplikace", "640", "480"));
    EXPECT_EQ(std::tuple(w.percent, w.width, w.height, p.percent, p.width),
              std::tuple(true, -1, 20, false, 640));
}

TEST(CentredPosition, RoundsHalvesToEven) {
    const std::pair<ScreenSize, Position> cases[] = {
        // clang-format off
        {{501, 700}, {262, 34}}, {{503, 700}, {260, 34}},  // 261.5 -> 262, 260.5 -> 260
        {{1024, 768}, {0, 0}}, {{1101, 800}, {-38, -16}},  // -38.5 -> -38
        {{1099, 771}, {-38, -2}},                          // -37.5 -> -38, -1.5 -> -2
        // clang-format on
    };
    for (const auto& [window, expected] : cases) {
        const Position p = centredPosition(kXga, window);
        EXPECT_EQ(std::pair(p.left, p.top), std::pair(expected.left, expected.top)) << window.width;
    }
}

TEST(NavigationSize, WidthAndHeight) {
    const struct {
        const char *width, *height;  // nullptr: key missing
        int panelHeight, windowWidth;
        NavigationSize expected;
    } cases[] = {
        // clang-format off
        {nullptr, nullptr, 529, 1000, {200, 300}}, {"400", "95%", 529, 1000, {400, 476}},  // 90 % of 529
        {"25%", "50%", 600, 1000, {250, 300}}, {"95%", "100%", 500, 1000, {900, 450}},  // capped at 90
        {"abc%", "abc%", 500, 1000, {300, 250}},  // 30 % and 50 %
        {"abc", "abc", 500, 1000, {200, 300}}, {"", "", 500, 1000, {200, 300}},
        {"2000", "2000", 500, 1000, {2000, 2000}}, {"25 %", "33%", 500, 1000, {300, 165}},
        {"33%", "33%", 450, 1002, {331, 148}},  // 330.66 -> 331, 148.5 -> 148
        // clang-format on
    };
    for (const auto& c : cases) {
        const IniFile config = sizes("menu - graficka podoba", c.width, c.height, "navigace");
        const NavigationSize got = navigationSize(config, c.panelHeight, c.windowWidth);
        EXPECT_EQ(std::pair(got.width, got.height), std::pair(c.expected.width, c.expected.height))
            << given(c.width) << " x " << given(c.height);
    }
    // A width percentage does not shrink at each activation.
    const IniFile config = sizes("menu - graficka podoba", "40%", nullptr, "navigace");
    EXPECT_EQ(navigationSize(config, 500, 1000).width, 400);
    EXPECT_EQ(navigationSize(config, 500, 1000).width, 400);
}

}  // namespace
}  // namespace expo::presentation
