#pragma once
// The look of the main window as config.ini sets it: fonts and colours of the navigation tree
// (the exhibitor list copies them), the path bar, the status bar, the header and the window
// background; the two optional view buttons; the logo areas of the exhibitor page; the switch
// "SkrytData"; the exhibitor-page template; and the header logo.
//
// The language loading reads the look in three steps with the language texts between them.
// Each step writes its values into the window's Look in place and in reading order, so when a
// colour fails to convert (the conversion error ends the loading) the values read before it are
// kept and the later ones stay as the previous loading left them. The font style letters only
// ever add to the style the Look already holds.
#include <string>
#include <string_view>

#include "platform/ini/inifile.h"
#include "platform/text/text.h"

namespace expo::presentation {

using Colour = text::Rgb;

inline constexpr Colour kWhite{0xFF, 0xFF, 0xFF};
inline constexpr Colour kBlack{0x00, 0x00, 0x00};

struct FontLook {
    std::string name = "MS Sans Serif";
    int pointSize = 8;
    Colour colour = kBlack;
    bool bold = false;
    bool italic = false;
    bool underline = false;
};

struct Look {
    Colour noticeBackground = kWhite;  // panel of the progress notice

    // Target areas (square pixels) of the logos on the exhibitor page.
    int logoArea = 20000;
    int nomLogoArea = 10000;
    int brandLogoArea = 10000;
    int doplInfLogoArea = 10000;

    bool hideData = false;          // "SkrytData": the catalogue data are left out
    std::string exhibitorTemplate;  // relative to the program's folder

    FontLook treeFont;  // navigation tree and exhibitor list
    Colour treeBackground = kWhite;

    int headerHeight = 100;
    Colour headerBackground = kWhite;

    // Panel of the path bar; its font face is always "Verdana".
    Colour infoBackground = kWhite;
    int infoFontSize = 8;
    Colour infoFontColour = kBlack;
    // Colours of the path-bar page.
    Colour infoLinkActiveColor = kBlack;
    Colour infoLinkColor = kBlack;
    Colour infoBackColor = kWhite;

    Colour statusBackground = kWhite;
    Colour statusFontColour = kBlack;

    bool showExhibitsButton = true;  // "Exponáty" with the separator after it
    bool showNewsButton = true;      // "Novinky" with the separator after it

    Colour windowBackground{0xD6, 0xD3, 0xCE};
};

// The progress notice's background. Throws the conversion error.
void readNoticeLook(const IniFile& config, Look& look);

// The logo areas, "SkrytData", the template of `language` and the tree's font and background,
// in this order. Throws the conversion error of the tree's colours.
void readCatalogueLook(const IniFile& config, int language, Look& look);

// The header's height and colour, the path bar, the status bar, the view-button switches and the
// window background, in this order. Throws the conversion error of the first bad colour.
void readPanelLook(const IniFile& config, Look& look);

// Header logo: an HTML page shown in the header's browser, or a picture.
struct HeaderLogo {
    enum class Kind { Picture, Html };
    Kind kind = Kind::Picture;
    // For a page: its name relative to the program's folder. For a picture: the file name
    // relative to the current directory, or empty when none is named (the header then keeps
    // what it shows).
    std::string file;
};

// Throws expo::Error "Nepodařilo se otevřít html soubor se záhlavím." for an HTML header
// without a page name.
HeaderLogo readHeaderLogo(const IniFile& config, int language);

// The loading's error when the header page named `name` does not exist.
std::string missingHeaderPageMessage(std::string_view name);
// The loading's error when the header picture cannot be loaded.
std::string headerPictureErrorMessage(std::string_view file, std::string_view reason);

}  // namespace expo::presentation
