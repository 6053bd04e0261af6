// Window and navigation panel sizes from config.ini.
#include "presentation/settings/window_size.h"

#include <gtest/gtest.h>

#include <string>

namespace expo::presentation {
namespace {

IniFile sizes(std::string_view section, const char* width, const char* height) {
    std::string text = "[" + std::string(section) + "]\n";
    if (width != nullptr) {
        text += std::string("sirka=") + width + "\n";
    }
    if (height != nullptr) {
        text += std::string("vyska=") + height + "\n";
    }
    return IniFile::fromText(text);
}

struct WindowCase {
    const char* width;  // nullptr: key missing
    const char* height;
    ScreenSize screen;
    PixelSize expected;
};

void expectWindow(bool intro, const WindowCase& c) {
    const IniFile config = sizes(intro ? "uvod" : "aplikace", c.width, c.height);
    const WindowSize read = intro ? introWindowSize(config) : mainWindowSize(config);
    const PixelSize got = toPixels(read, c.screen);
    const std::string label =
        std::string(c.width ? c.width : "-") + " x " + (c.height ? c.height : "-");
    EXPECT_EQ(got.maximised, c.expected.maximised) << label;
    if (!c.expected.maximised) {
        EXPECT_EQ(got.width, c.expected.width) << label;
        EXPECT_EQ(got.height, c.expected.height) << label;
    }
}

constexpr ScreenSize kXga{1024, 768};
constexpr PixelSize kMaximised{true, 0, 0};

TEST(WindowSize, LowResolutionIsBelow1024By768) {
    EXPECT_FALSE(isLowResolution({1024, 768}));
    EXPECT_FALSE(isLowResolution({1280, 1024}));
    EXPECT_TRUE(isLowResolution({1024, 600}));
    EXPECT_TRUE(isLowResolution({800, 768}));
    EXPECT_TRUE(isLowResolution({1023, 767}));
    EXPECT_TRUE(isLowResolution({1920, 767}));
}

TEST(WindowSize, IntroWindow) {
    const WindowCase cases[] = {
        {nullptr, nullptr, kXga, {false, 472, 321}},
        {"80%", "400", kXga, kMaximised},  // the flag covers both; 400 is 100 or more
        {"60%", "50%", {1280, 1024}, {false, 768, 512}},
        {"600", "abc", kXga, {false, 600, 321}},
        {"", "", kXga, {false, 472, 321}},
        {"100%", "50%", kXga, kMaximised},
        {"abc%", "50%", kXga, kMaximised},  // a percentage that is not a number counts as 100
        {"50%", "99", kXga, {false, 512, 760}},
        {"%5%0", "10%", kXga, {false, 512, 77}},
    };
    for (const auto& c : cases) {
        expectWindow(true, c);
    }
}

TEST(WindowSize, MainWindow) {
    const WindowCase cases[] = {
        {nullptr, nullptr, kXga, {false, 500, 700}},
        {"abc", "abc", kXga, {false, 500, 700}},
        {"80 %", "50%", kXga, kMaximised},  // "80 " is not a number: 100
        {"80%", "80%", kXga, {false, 819, 614}},
        {"501", "700", kXga, {false, 501, 700}},
        {"$200", "0x100", kXga, {false, 512, 256}},
        {"50%", "25%", {1366, 768}, {false, 683, 192}},
        {"25%", "10%", {1025, 1005}, {false, 256, 100}},  // 256.25 and 100.5 -> even 100
        {"30%", "10%", {1025, 1015}, {false, 308, 102}},  // 307.5 -> 308, 101.5 -> 102
    };
    for (const auto& c : cases) {
        expectWindow(false, c);
    }
}

TEST(WindowSize, PercentFlagAndMaximisedMark) {
    const WindowSize w = mainWindowSize(sizes("aplikace", "150%", "20"));
    EXPECT_TRUE(w.percent);
    EXPECT_EQ(w.width, -1);
    EXPECT_EQ(w.height, 20);
    const WindowSize p = mainWindowSize(sizes("aplikace", "640", "480"));
    EXPECT_FALSE(p.percent);
    EXPECT_EQ(p.width, 640);
}

TEST(CentredPosition, RoundsHalvesToEven) {
    const struct {
        ScreenSize screen;
        ScreenSize window;
        Position expected;
    } cases[] = {
        // clang-format off
        {kXga, {501, 700}, {262, 34}},    // 261.5 -> 262
        {kXga, {503, 700}, {260, 34}},    // 260.5 -> 260
        {kXga, {1024, 768}, {0, 0}},
        {kXga, {1101, 800}, {-38, -16}},  // -38.5 -> -38
        {kXga, {1099, 771}, {-38, -2}},   // -37.5 -> -38, -1.5 -> -2
        // clang-format on
    };
    for (const auto& c : cases) {
        const Position p = centredPosition(c.screen, c.window);
        EXPECT_EQ(p.left, c.expected.left) << c.window.width;
        EXPECT_EQ(p.top, c.expected.top) << c.window.height;
    }
}

TEST(NavigationSize, WidthAndHeight) {
    const struct {
        const char* width;  // nullptr: key missing
        const char* height;
        int panelHeight;
        int windowWidth;
        NavigationSize expected;
    } cases[] = {
        {nullptr, nullptr, 529, 1000, {200, 300}},
        {"400", "95%", 529, 1000, {400, 476}},  // 90 % of 529 = 476.1
        {"25%", "50%", 600, 1000, {250, 300}},
        {"95%", "100%", 500, 1000, {900, 450}},   // both capped at 90
        {"abc%", "abc%", 500, 1000, {300, 250}},  // 30 % and 50 %
        {"abc", "abc", 500, 1000, {200, 300}},
        {"", "", 500, 1000, {200, 300}},
        {"2000", "2000", 500, 1000, {2000, 2000}},  // pixels are not capped
        {"25 %", "33%", 500, 1000, {300, 165}},
        {"33%", "33%", 450, 1002, {331, 148}},  // 330.66 -> 331, 148.5 -> 148
    };
    for (const auto& c : cases) {
        std::string text = "[menu - graficka podoba]\n";
        if (c.width != nullptr) {
            text += std::string("navigaceSirka=") + c.width + "\n";
        }
        if (c.height != nullptr) {
            text += std::string("navigaceVyska=") + c.height + "\n";
        }
        const NavigationSize got =
            navigationSize(IniFile::fromText(text), c.panelHeight, c.windowWidth);
        EXPECT_EQ(got.width, c.expected.width) << text;
        EXPECT_EQ(got.height, c.expected.height) << text;
    }
}

TEST(NavigationSize, WidthPercentageDoesNotShrinkAtEachActivation) {
    const IniFile config = IniFile::fromText("[menu - graficka podoba]\nnavigaceSirka=40%\n");
    const int first = navigationSize(config, 500, 1000).width;
    EXPECT_EQ(first, 400);
    EXPECT_EQ(navigationSize(config, 500, 1000).width, first);
}

}  // namespace
}  // namespace expo::presentation
