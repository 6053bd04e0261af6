#include "presentation/settings/look.h"

#include <gtest/gtest.h>

#include <tuple>

#include "platform/text/error.h"
#include "tests/logic/support.h"

namespace expo::presentation {
namespace {

using testing::settings;

Look readWholeLook(const IniFile& config, int language = 0) {
    Look look;
    readNoticeLook(config, look);
    readCatalogueLook(config, language, look);
    readPanelLook(config, look);
    return look;
}

// The message `read` throws.
std::string errorOf(void (*read)(const IniFile&, Look&), const char* config, Look& look) {
    try {
        read(settings(config), look);
    } catch (const Error& e) {
        return e.what();
    }
    return "no error";
}

TEST(LogicLook, MissingSectionsGiveTheDefaults) {
    const Look look = readWholeLook(settings("[aplikace]\nx=1\n"));
    EXPECT_EQ(look.treeFont.name + std::to_string(look.treeFont.pointSize) +
                  std::to_string(look.infoFontSize) + std::to_string(look.headerHeight),
              "MS Sans Serif88100");
    EXPECT_EQ((std::vector{look.treeFont.colour, look.infoFontColour, look.infoLinkColor,
                           look.infoLinkActiveColor, look.statusFontColour}),
              std::vector(5, kBlack));
    EXPECT_EQ((std::vector{look.noticeBackground, look.treeBackground, look.headerBackground,
                           look.infoBackground, look.infoBackColor, look.statusBackground}),
              std::vector(6, kWhite));
    EXPECT_EQ(look.windowBackground, (Colour{0xD6, 0xD3, 0xCE}));
}

TEST(LogicLook, ColoursAreReadAsBlueGreenRed) {
    const Look look = readWholeLook(settings(
        "[menu - graficka podoba]\npismoBarva=$00563412\ninfPruhPismoBarvaAktivni=$000000FF\n"
        "infPruhPismoBarva=$0000FF00\ninfPruhPozadiBarva=$00FF0000\n"
        "[stavova lista]\npozadiBarva=255\n"));
    const Colour r{0xFF, 0, 0}, g{0, 0xFF, 0}, b{0, 0, 0xFF};
    EXPECT_EQ((std::vector{look.treeFont.colour, look.infoLinkActiveColor, look.infoLinkColor,
                           look.infoFontColour, look.infoBackColor, look.infoBackground,
                           look.statusBackground}),
              (std::vector{Colour{0x12, 0x34, 0x56}, r, g, g, b, b, r}));
}

// A bad colour ends the step; what was read before it stays, what follows is untouched.
TEST(LogicLook, ABadColourEndsTheStepAndKeepsWhatWasReadBeforeIt) {
    Look look;
    EXPECT_EQ(errorOf([](const IniFile& c, Look& l) { readCatalogueLook(c, 1, l); },
                      "[aplikace]\nvelikostLoga=500\nSkrytData=\n[SysPolozkaVystavovatele]\n"
                      "sablona1= s.htm \n[menu - graficka podoba]\npismo=Arial\npismoVelikost=12\n"
                      "pismoBarva=cerna\npismoStyl=B\npozadiBarva=$00000000\n",
                      look),
              "'cerna' is not a valid integer value");
    EXPECT_EQ(std::to_string(look.logoArea) + std::to_string(look.hideData) +
                  look.exhibitorTemplate + look.treeFont.name +
                  std::to_string(look.treeFont.pointSize) + std::to_string(look.treeFont.bold),
              "5001s.htmArial120");
    EXPECT_EQ(look.treeBackground, kWhite);
    EXPECT_EQ(errorOf(readPanelLook,
                      "[logo]\nlogoVyska=60\n[menu - graficka podoba]\ninfPruhPozadiBarva=$0\n"
                      "[stavova lista]\npismoBarva=$0 0\n[tlacitka]\nnovinky=ne\n",
                      look),
              "'$0 0' is not a valid integer value");
    EXPECT_EQ(std::tuple(look.headerHeight, look.infoBackColor, look.showNewsButton),
              std::tuple(60, kBlack, true));
}

TEST(LogicLook, SwitchesAndAreas) {
    // The "Exponáty" button shows only for "ano"; any value of "SkrytData", even an empty one,
    // hides the data; an area that does not convert is the default.
    const std::pair<const char*, const char*> cases[] = {
        {"[tlacitka]\n", "exhibits 1, hidden 0, logo 20000"},
        {"[tlacitka]\nEXPONATY=Ano\n[aplikace]\nvelikostLoga=$10\n",
         "exhibits 1, hidden 0, logo 16"},
        {"[tlacitka]\nexponaty=\n", "exhibits 0, hidden 0, logo 20000"},
        {"[aplikace]\nSkrytData=\n", "exhibits 1, hidden 1, logo 20000"},
        {"[aplikace]\nskrytdata=0\nvelikostLoga=4000\n", "exhibits 1, hidden 1, logo 4000"},
        {"[aplikace]\nSkrytData\nvelikostLoga=velke\n", "exhibits 1, hidden 0, logo 20000"},
    };
    for (const auto& [config, expected] : cases) {
        const Look look = readWholeLook(settings(config));
        EXPECT_EQ("exhibits " + std::to_string(look.showExhibitsButton) + ", hidden " +
                      std::to_string(look.hideData) + ", logo " + std::to_string(look.logoArea),
                  expected)
            << config;
    }
}

TEST(LogicLook, StyleLettersOnlyAddAndAnEmptyFontNameKeepsTheName) {
    Look look;
    std::string styles;
    for (const char* style :
         {"pismoStyl=biu\n", "pismoStyl=xUxBx\npismo=Tahoma\n", "pismoStyl=I\npismo=\n"}) {
        readCatalogueLook(settings(std::string("[menu - graficka podoba]\n") + style), 0, look);
        const FontLook& f = look.treeFont;
        styles += std::to_string(f.bold) + std::to_string(f.italic) + std::to_string(f.underline);
    }
    EXPECT_EQ(styles + look.treeFont.name, "000101111Tahoma");
}

TEST(LogicLook, HeaderKindAndFile) {
    using enum HeaderLogo::Kind;
    const std::tuple<const char*, int, HeaderLogo::Kind, const char*> cases[] = {
        {"[logo]\ntyp=html\nhtmlFile=hlava.htm\n", 3, Html, "hlava.htm"},
        {"[logo]\ntyp=html\nhtmlFile=hlava.htm\nhtmlFile1=head.htm\n", 1, Html, "head.htm"},
        {"[logo]\ntyp=html\nhtmlFile=hlava.htm\nhtmlFile1=\n", 1, Html, "hlava.htm"},
        {"[logo]\ntyp=HTML\nhtmlFile=hlava.htm\nlogoObrazek=logo.bmp\n", 0, Picture, "logo.bmp"},
        {"[logo]\nlogoObrazek=logo.bmp\nlogoObrazek2=logo2.bmp\n", 2, Picture, "logo2.bmp"},
    };
    for (const auto& [config, language, kind, file] : cases) {
        const HeaderLogo header = readHeaderLogo(settings(config), language);
        EXPECT_EQ(std::tuple(header.kind, header.file), std::tuple(kind, std::string(file)));
    }
}

}  // namespace
}  // namespace expo::presentation
