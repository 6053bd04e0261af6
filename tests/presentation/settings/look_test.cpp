#include "presentation/settings/look.h"

#include <gmock/gmock.h>

#include <tuple>

#include "platform/text/error.h"
#include "tests/support/settings.h"

namespace expo::presentation {
namespace {

using testing::settings;

Look readWholeLook(const char* config) {
    Look look;
    readNoticeLook(settings(config), look);
    readCatalogueLook(settings(config), 0, look);
    readPanelLook(settings(config), look);
    return look;
}

TEST(LogicLook, DefaultsAndColoursReadAsBlueGreenRed) {
    const Look d = readWholeLook("[aplikace]\nx=1\n");
    EXPECT_EQ(d.treeFont.name + std::to_string(d.treeFont.pointSize) +
                  std::to_string(d.infoFontSize) + std::to_string(d.headerHeight),
              "MS Sans Serif88100");
    EXPECT_EQ(
        (std::vector{d.treeFont.colour, d.infoFontColour, d.infoLinkColor, d.infoLinkActiveColor,
                     d.statusFontColour, d.noticeBackground, d.treeBackground, d.headerBackground,
                     d.infoBackground, d.infoBackColor, d.statusBackground, d.windowBackground}),
        (std::vector{kBlack, kBlack, kBlack, kBlack, kBlack, kWhite, kWhite, kWhite, kWhite, kWhite,
                     kWhite, Colour{0xD6, 0xD3, 0xCE}}));
    const Look c = readWholeLook(
        "[menu - graficka podoba]\npismoBarva=$00563412\ninfPruhPismoBarvaAktivni=$000000FF\n"
        "infPruhPismoBarva=$0000FF00\ninfPruhPozadiBarva=$00FF0000\n"
        "[stavova lista]\npozadiBarva=255\n");
    const Colour r{0xFF, 0, 0}, g{0, 0xFF, 0}, b{0, 0, 0xFF};
    EXPECT_EQ(
        (std::vector{c.treeFont.colour, c.infoLinkActiveColor, c.infoLinkColor, c.infoFontColour,
                     c.infoBackColor, c.infoBackground, c.statusBackground}),
        (std::vector{Colour{0x12, 0x34, 0x56}, r, g, g, b, b, r}));
}

// A bad colour ends the step: what was read before it stays.
TEST(LogicLook, ABadColourEndsTheStepAndKeepsWhatWasReadBeforeIt) {
    Look look;
    EXPECT_THAT(
        [&] {
            readCatalogueLook(settings("[aplikace]\nvelikostLoga=500\n[SysPolozkaVystavovatele]\n"
                                       "sablona1= s.htm \n[menu - graficka podoba]\npismo=Arial\n"
                                       "pismoVelikost=12\npismoBarva=cerna\n"),
                              1, look);
        },
        ::testing::ThrowsMessage<Error>(::testing::StrEq("'cerna' is not a valid integer value")));
    EXPECT_EQ(std::to_string(look.logoArea) + look.exhibitorTemplate + look.treeFont.name +
                  std::to_string(look.treeFont.pointSize),
              "500s.htmArial12");
}

TEST(LogicLook, SwitchesAreasAndStyles) {
    // The "Exponáty" button shows only for "ano"; any value of "SkrytData", even an empty one,
    // hides the data; an area that does not convert is the default; style letters only add and
    // an empty font name keeps the name.
    const std::pair<const char*, const char*> cases[] = {
        {"[tlacitka]\n", "exhibits 1, hidden 0, logo 20000"},
        {"[tlacitka]\nEXPONATY=Ano\n[aplikace]\nvelikostLoga=$10\n",
         "exhibits 1, hidden 0, logo 16"},
        {"[tlacitka]\nexponaty=\n", "exhibits 0, hidden 0, logo 20000"},
        {"[aplikace]\nskrytdata=0\nvelikostLoga=4000\n", "exhibits 1, hidden 1, logo 4000"},
        {"[aplikace]\nSkrytData\nvelikostLoga=velke\n", "exhibits 1, hidden 0, logo 20000"},
    };
    for (const auto& [config, expected] : cases) {
        const Look look = readWholeLook(config);
        EXPECT_EQ("exhibits " + std::to_string(look.showExhibitsButton) + ", hidden " +
                      std::to_string(look.hideData) + ", logo " + std::to_string(look.logoArea),
                  expected)
            << config;
    }
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

// The header is a page only for "typ=html"; its file is the language's own or else the common one.
TEST(LogicLook, HeaderKindAndFileOfTheLanguage) {
    using enum HeaderLogo::Kind;
    const std::tuple<const char*, int, HeaderLogo::Kind, const char*> cases[] = {
        {"[logo]\ntyp=html\nhtmlFile=hlava.htm\nhtmlFile1=head.htm\n", 1, Html, "head.htm"},
        {"[logo]\ntyp=html\nhtmlFile=hlava.htm\nhtmlFile1=\n", 1, Html, "hlava.htm"},
        {"[logo]\ntyp=HTML\nhtmlFile=hlava.htm\nlogoObrazek=logo.bmp\n", 0, Picture, "logo.bmp"},
        {"[logo]\nlogoObrazek=logo.bmp\nlogoObrazek2=logo2.bmp\n", 2, Picture, "logo2.bmp"}};
    for (const auto& [config, language, kind, file] : cases) {
        const HeaderLogo header = readHeaderLogo(settings(config), language);
        EXPECT_EQ(std::tuple(header.kind, header.file), std::tuple(kind, std::string(file)))
            << config;
    }
}

}  // namespace
}  // namespace expo::presentation
