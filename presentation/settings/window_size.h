#pragma once
// The sizes of the intro window, the main window and the navigation panel as config.ini gives
// them: a value is a number of pixels, or a percentage when it contains "%" ("80%"; every "%"
// is removed and the rest must be a whole number, so "80 %" is not one).
#include "platform/ini/inifile.h"

namespace expo::presentation {

struct ScreenSize {
    int width = 0;
    int height = 0;
};

// The screen is less than 1024 pixels wide or less than 768 high: the intro window warns of it.
bool isLowResolution(ScreenSize screen);

// A window's configured size. With `percent` set both numbers are percentages of the screen
// (a pixel value of the pair included); -1 marks a percentage of 100 or more.
struct WindowSize {
    int width = 0;
    int height = 0;
    bool percent = false;
};

// "uvod" "sirka" / "vyska" (472 x 321 when not numbers).
WindowSize introWindowSize(const IniFile& config);
// "aplikace" "sirka" / "vyska" (500 x 700 when not numbers).
WindowSize mainWindowSize(const IniFile& config);

// The outer size a window takes on the screen, or maximised (its size then stays as it is).
struct PixelSize {
    bool maximised = false;
    int width = 0;
    int height = 0;
};
// Percentages: maximised when either is -1 or 100 or more, else the screen's width and
// height times the percentages, rounded (halves to even). Pixels are taken as they are.
PixelSize toPixels(const WindowSize& size, ScreenSize screen);

struct Position {
    int left = 0;
    int top = 0;
};
// The top-left corner that centres a window of the given outer size, rounded halves to even.
Position centredPosition(ScreenSize screen, ScreenSize window);

// Width of the navigation panel and height of the navigation tree over the exhibitor list.
struct NavigationSize {
    int width = 0;
    int height = 0;
};
// "menu - graficka podoba" "navigaceSirka" (200 pixels, or 30 % when a percentage is not a
// number) and "navigaceVyska" (300 pixels, or 50 %); percentages are capped at 90. A height
// percentage is of `panelHeight`, the navigation panel's present height. A width percentage
// is of `windowWidth`, the main window's width as the size rule has just made it: a fixed
// base, so the panel keeps its width at every activation instead of shrinking by its own
// percentage each time.
NavigationSize navigationSize(const IniFile& config, int panelHeight, int windowWidth);

}  // namespace expo::presentation
