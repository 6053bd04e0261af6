#include "presentation/settings/look.h"

#include "platform/text/error.h"

namespace expo::presentation {

namespace {

constexpr std::string_view kMenuLook = "menu - graficka podoba";
constexpr std::string_view kApplication = "aplikace";
constexpr std::string_view kLogo = "logo";
constexpr std::string_view kStatusBar = "stavova lista";
constexpr std::string_view kButtons = "tlacitka";

std::string numbered(std::string_view key, int language) {
    return std::string(key) + text::intToStr(language);
}

// A logo area: the default whenever the text does not convert.
int readArea(const IniFile& config, std::string_view key, int def) {
    const std::string value = config.readString(kApplication, key, text::intToStr(def));
    return text::tryStrToInt(value).value_or(def);
}

// A view-button switch: shown only for "ano" in any ASCII case; a missing key shows it.
bool readSwitch(const IniFile& config, std::string_view key) {
    return text::asciiLower(config.readString(kButtons, key, "ano")) == "ano";
}

// The first non-empty of `key` + language and `key` in the section "logo".
std::string readLanguageFile(const IniFile& config, std::string_view key, int language) {
    std::string file = config.readString(kLogo, numbered(key, language), "");
    if (file.empty()) {
        file = config.readString(kLogo, key, "");
    }
    return file;
}

// Reads a colour written as "$00BBGGRR" (or any whole number); throws expo::Error with the
// conversion message when the text, the default included, does not convert.
Colour readColour(const IniFile& config, std::string_view section, std::string_view key,
                  std::string_view def) {
    return text::colorFromInt(text::strToInt(config.readString(section, key, def)));
}

}  // namespace

void readNoticeLook(const IniFile& config, Look& look) {
    look.noticeBackground = readColour(config, kMenuLook, "pozadiBarva", "$00FFFFFF");
}

void readCatalogueLook(const IniFile& config, int language, Look& look) {
    look.logoArea = readArea(config, "velikostLoga", 20000);
    look.nomLogoArea = readArea(config, "velikostLogaNom", 10000);
    look.brandLogoArea = readArea(config, "velikostLogaZastZn", 10000);
    look.doplInfLogoArea = readArea(config, "velikostLogaDoplInf", 10000);
    look.hideData = config.valueExists(kApplication, "SkrytData");
    look.exhibitorTemplate =
        text::trim(config.readString("SysPolozkaVystavovatele", numbered("sablona", language), ""));

    FontLook& font = look.treeFont;
    if (std::string name = config.readString(kMenuLook, "pismo", "MS Sans Serif"); !name.empty()) {
        font.name = std::move(name);
    }
    font.pointSize = config.readInteger(kMenuLook, "pismoVelikost", 8);
    font.colour = readColour(config, kMenuLook, "pismoBarva", "$00000000");
    const std::string style = config.readString(kMenuLook, "pismoStyl", "");
    font.bold = font.bold || style.find('B') != std::string::npos;
    font.italic = font.italic || style.find('I') != std::string::npos;
    font.underline = font.underline || style.find('U') != std::string::npos;
    look.treeBackground = readColour(config, kMenuLook, "pozadiBarva", "$00FFFFFF");
}

void readPanelLook(const IniFile& config, Look& look) {
    look.headerHeight = config.readInteger(kLogo, "logoVyska", 100);
    look.headerBackground = readColour(config, kLogo, "logoBarva", "$00FFFFFF");

    look.infoBackground = readColour(config, kMenuLook, "infPruhPozadiBarva", "$00FFFFFF");
    look.infoFontSize = config.readInteger(kMenuLook, "infPruhPismoVelikost", 8);
    look.infoFontColour = readColour(config, kMenuLook, "infPruhPismoBarva", "$00000000");
    look.infoLinkActiveColor =
        readColour(config, kMenuLook, "infPruhPismoBarvaAktivni", "$00000000");
    look.infoLinkColor = readColour(config, kMenuLook, "infPruhPismoBarva", "$00000000");
    look.infoBackColor = readColour(config, kMenuLook, "infPruhPozadiBarva", "$00FFFFFF");

    look.statusBackground = readColour(config, kStatusBar, "pozadiBarva", "$00FFFFFF");
    look.statusFontColour = readColour(config, kStatusBar, "pismoBarva", "$00000000");

    look.showExhibitsButton = readSwitch(config, "exponaty");
    look.showNewsButton = readSwitch(config, "novinky");

    look.windowBackground = readColour(config, kMenuLook, "ovlPrvekPozadiBarva", "$00CED3D6");
}

HeaderLogo readHeaderLogo(const IniFile& config, int language) {
    if (config.readString(kLogo, "typ", "obr") != "html") {
        return {HeaderLogo::Kind::Picture, readLanguageFile(config, "logoObrazek", language)};
    }
    std::string page = readLanguageFile(config, "htmlFile", language);
    if (page.empty()) {
        throw Error(text::cp("Nepodařilo se otevřít html soubor se záhlavím."));
    }
    return {HeaderLogo::Kind::Html, std::move(page)};
}

std::string missingHeaderPageMessage(std::string_view name) {
    return text::cp("Nepodařilo se otevřít html soubor se záhlavím ") + std::string(name);
}

std::string headerPictureErrorMessage(std::string_view file, std::string_view reason) {
    return text::cp("Nepodařilo se otevřít soubor s logem ") + std::string(file) + "\r\r" +
           text::cp("Důvod:") + std::string(reason);
}

}  // namespace expo::presentation
