#include "presentation/settings/window_size.h"

#include <algorithm>
#include <string>

#include "platform/text/text.h"

namespace expo::presentation {
namespace {

constexpr int kMaximised = -1;
constexpr int kNavigationPercentCap = 90;

struct SizeValue {
    int number = 0;
    bool percent = false;
};

// A value with "%" is a percentage: the "%" signs are removed and the rest read as a whole
// number, `percentFallback` when it is not one. Otherwise it is pixels, `pixelFallback` when
// not a number.
SizeValue readSizeValue(const IniFile& config, std::string_view section, std::string_view key,
                        int pixelFallback, int percentFallback) {
    std::string value = config.readString(section, key, std::to_string(pixelFallback));
    if (value.find('%') == std::string::npos) {
        return {text::tryStrToInt(value).value_or(pixelFallback), false};
    }
    std::erase(value, '%');
    return {text::tryStrToInt(value).value_or(percentFallback), true};
}

WindowSize readWindowSize(const IniFile& config, std::string_view section, int defaultWidth,
                          int defaultHeight) {
    const auto markFull = [](SizeValue v) {
        if (v.percent && v.number >= 100) {
            v.number = kMaximised;
        }
        return v;
    };
    const SizeValue w = markFull(readSizeValue(config, section, "sirka", defaultWidth, 100));
    const SizeValue h = markFull(readSizeValue(config, section, "vyska", defaultHeight, 100));
    return {w.number, h.number, w.percent || h.percent};
}

// numerator / denominator rounded to the nearest whole number, halves to even, computed
// exactly (a percentage of a screen size must not suffer from binary fractions).
int roundedQuotient(int64_t numerator, int64_t denominator) {
    int64_t quotient = numerator / denominator;
    int64_t remainder = numerator % denominator;
    if (remainder < 0) {
        --quotient;
        remainder += denominator;
    }
    if (2 * remainder > denominator || (2 * remainder == denominator && quotient % 2 != 0)) {
        ++quotient;
    }
    return static_cast<int>(quotient);
}

int percentOf(int base, int percent) {
    return roundedQuotient(int64_t{base} * percent, 100);
}

int navigationPixels(const SizeValue& v, int base) {
    return v.percent ? percentOf(base, std::min(v.number, kNavigationPercentCap)) : v.number;
}

}  // namespace

bool isLowResolution(ScreenSize screen) {
    return screen.width < 1024 || screen.height < 768;
}

WindowSize introWindowSize(const IniFile& config) {
    return readWindowSize(config, "uvod", 472, 321);
}

WindowSize mainWindowSize(const IniFile& config) {
    return readWindowSize(config, "aplikace", 500, 700);
}

PixelSize toPixels(const WindowSize& size, ScreenSize screen) {
    if (!size.percent) {
        return {false, size.width, size.height};
    }
    const auto full = [](int percent) { return percent == kMaximised || percent >= 100; };
    if (full(size.width) || full(size.height)) {
        return {true, 0, 0};
    }
    return {false, percentOf(screen.width, size.width), percentOf(screen.height, size.height)};
}

Position centredPosition(ScreenSize screen, ScreenSize window) {
    return {roundedQuotient(int64_t{screen.width} - window.width, 2),
            roundedQuotient(int64_t{screen.height} - window.height, 2)};
}

NavigationSize navigationSize(const IniFile& config, int panelHeight, int windowWidth) {
    constexpr std::string_view kSection = "menu - graficka podoba";
    const SizeValue width = readSizeValue(config, kSection, "navigaceSirka", 200, 30);
    const SizeValue height = readSizeValue(config, kSection, "navigaceVyska", 300, 50);
    return {navigationPixels(width, windowWidth), navigationPixels(height, panelHeight)};
}

}  // namespace expo::presentation
