#include "presentation/look.h"

#include <gtest/gtest.h>

#include <functional>

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

std::string conversionMessage(const std::function<void()>& read) {
    try {
        read();
    } catch (const Error& e) {
        return e.what();
    }
    return "no error";
}

TEST(LogicLook, MissingSectionsGiveTheDefaults) {
    const Look look = readWholeLook(settings("[aplikace]\nx=1\n"));
    EXPECT_EQ(look.noticeBackground, kWhite);
    EXPECT_EQ(look.treeFont.name, "MS Sans Serif");
    EXPECT_EQ(look.treeFont.pointSize, 8);
    EXPECT_EQ(look.treeFont.colour, kBlack);
    EXPECT_FALSE(look.treeFont.bold || look.treeFont.italic || look.treeFont.underline);
    EXPECT_EQ(look.treeBackground, kWhite);
    EXPECT_EQ(look.headerHeight, 100);
    EXPECT_EQ(look.headerBackground, kWhite);
    EXPECT_EQ(look.infoBackground, kWhite);
    EXPECT_EQ(look.infoFontSize, 8);
    EXPECT_EQ(look.infoFontColour, kBlack);
    EXPECT_EQ(look.infoLinkColor, kBlack);
    EXPECT_EQ(look.infoLinkActiveColor, kBlack);
    EXPECT_EQ(look.infoBackColor, kWhite);
    EXPECT_EQ(look.statusBackground, kWhite);
    EXPECT_EQ(look.statusFontColour, kBlack);
    EXPECT_TRUE(look.showExhibitsButton);
    EXPECT_TRUE(look.showNewsButton);
    EXPECT_EQ(look.windowBackground, (Colour{0xD6, 0xD3, 0xCE}));
    EXPECT_EQ(look.logoArea, 20000);
    EXPECT_EQ(look.nomLogoArea, 10000);
    EXPECT_EQ(look.brandLogoArea, 10000);
    EXPECT_EQ(look.doplInfLogoArea, 10000);
    EXPECT_FALSE(look.hideData);
    EXPECT_EQ(look.exhibitorTemplate, "");
}

TEST(LogicLook, ColoursAreReadAsBlueGreenRed) {
    const Look look = readWholeLook(settings(
        "[menu - graficka podoba]\npismoBarva=$00563412\ninfPruhPismoBarvaAktivni=$000000FF\n"
        "infPruhPismoBarva=$0000FF00\ninfPruhPozadiBarva=$00FF0000\n"
        "[stavova lista]\npozadiBarva=255\n"));
    EXPECT_EQ(look.treeFont.colour, (Colour{0x12, 0x34, 0x56}));
    EXPECT_EQ(look.infoLinkActiveColor, (Colour{0xFF, 0, 0}));
    EXPECT_EQ(look.infoLinkColor, (Colour{0, 0xFF, 0}));
    EXPECT_EQ(look.infoFontColour, (Colour{0, 0xFF, 0}));
    EXPECT_EQ(look.infoBackColor, (Colour{0, 0, 0xFF}));
    EXPECT_EQ(look.infoBackground, (Colour{0, 0, 0xFF}));
    EXPECT_EQ(look.statusBackground, (Colour{0xFF, 0, 0}));
}

TEST(LogicLook, AnEmptyBackgroundEndsTheLoadingBeforeTheNotice) {
    const IniFile config = settings("[menu - graficka podoba]\npozadiBarva=\n");
    Look look;
    EXPECT_EQ(conversionMessage([&] { readNoticeLook(config, look); }),
              "'' is not a valid integer value");
}

TEST(LogicLook, ABadTreeColourKeepsWhatWasReadBeforeIt) {
    const IniFile config = settings(
        "[aplikace]\nvelikostLoga=500\nSkrytData=\n"
        "[SysPolozkaVystavovatele]\nsablona1= sablona.htm \n"
        "[menu - graficka podoba]\npismo=Arial\npismoVelikost=12\npismoBarva=cerna\n"
        "pismoStyl=B\npozadiBarva=$00000000\n");
    Look look;
    EXPECT_EQ(conversionMessage([&] { readCatalogueLook(config, 1, look); }),
              "'cerna' is not a valid integer value");
    EXPECT_EQ(look.logoArea, 500);
    EXPECT_TRUE(look.hideData);
    EXPECT_EQ(look.exhibitorTemplate, "sablona.htm");
    EXPECT_EQ(look.treeFont.name, "Arial");
    EXPECT_EQ(look.treeFont.pointSize, 12);
    // Read after the failing colour: untouched.
    EXPECT_FALSE(look.treeFont.bold);
    EXPECT_EQ(look.treeBackground, kWhite);
}

TEST(LogicLook, ABadStatusColourKeepsTheHeaderAndPathBar) {
    const IniFile config = settings(
        "[logo]\nlogoVyska=60\n[menu - graficka podoba]\ninfPruhPozadiBarva=$00000000\n"
        "[stavova lista]\npozadiBarva=$00FFFFFF\npismoBarva=$0 0\n[tlacitka]\nnovinky=ne\n");
    Look look;
    EXPECT_EQ(conversionMessage([&] { readPanelLook(config, look); }),
              "'$0 0' is not a valid integer value");
    EXPECT_EQ(look.headerHeight, 60);
    EXPECT_EQ(look.infoBackColor, kBlack);
    EXPECT_TRUE(look.showNewsButton);  // read after the failure
}

struct SwitchCase {
    const char* settings;
    bool shown;
    friend void PrintTo(const SwitchCase& c, std::ostream* os) {
        *os << ::testing::PrintToString(c.settings);
    }
};

class LogicLookSwitch : public ::testing::TestWithParam<SwitchCase> {};

TEST_P(LogicLookSwitch, ExponatyShowsTheButtonOnlyForAno) {
    const Look look = readWholeLook(settings(GetParam().settings));
    EXPECT_EQ(look.showExhibitsButton, GetParam().shown) << GetParam().settings;
    EXPECT_TRUE(look.showNewsButton);
}

INSTANTIATE_TEST_SUITE_P(Values, LogicLookSwitch,
                         ::testing::Values(SwitchCase{"[tlacitka]\n", true},
                                           SwitchCase{"[tlacitka]\nexponaty=ano\n", true},
                                           SwitchCase{"[tlacitka]\nexponaty=ANO\n", true},
                                           SwitchCase{"[tlacitka]\nEXPONATY=Ano\n", true},
                                           SwitchCase{"[tlacitka]\nexponaty=\n", false},
                                           SwitchCase{"[tlacitka]\nexponaty=ne\n", false},
                                           SwitchCase{"[tlacitka]\nexponaty=ano ne\n", false}));

struct PresenceCase {
    const char* settings;
    bool hideData;
    friend void PrintTo(const PresenceCase& c, std::ostream* os) {
        *os << ::testing::PrintToString(c.settings);
    }
};

class LogicLookHideData : public ::testing::TestWithParam<PresenceCase> {};

TEST_P(LogicLookHideData, AnyValueOfSkrytDataHidesTheData) {
    Look look;
    readCatalogueLook(settings(GetParam().settings), 0, look);
    EXPECT_EQ(look.hideData, GetParam().hideData) << GetParam().settings;
}

INSTANTIATE_TEST_SUITE_P(Values, LogicLookHideData,
                         ::testing::Values(PresenceCase{"[aplikace]\nSkrytData=\n", true},
                                           PresenceCase{"[aplikace]\nSkrytData=0\n", true},
                                           PresenceCase{"[aplikace]\nskrytdata=ano\n", true},
                                           PresenceCase{"[aplikace]\nSkrytData\n", false},
                                           PresenceCase{"[jine]\nSkrytData=1\n", false}));

struct AreaCase {
    const char* value;
    int area;
    friend void PrintTo(const AreaCase& c, std::ostream* os) {
        *os << ::testing::PrintToString(c.value);
    }
};

class LogicLookArea : public ::testing::TestWithParam<AreaCase> {};

TEST_P(LogicLookArea, AnAreaThatDoesNotConvertGivesItsDefault) {
    Look look;
    readCatalogueLook(settings(std::string("[aplikace]\nvelikostLoga=") + GetParam().value), 0,
                      look);
    EXPECT_EQ(look.logoArea, GetParam().area) << GetParam().value;
}

INSTANTIATE_TEST_SUITE_P(Values, LogicLookArea,
                         ::testing::Values(AreaCase{"", 20000}, AreaCase{"velke", 20000},
                                           AreaCase{"12 34", 20000}, AreaCase{"4000", 4000},
                                           AreaCase{"$10", 16}, AreaCase{"0x10", 16}));

TEST(LogicLook, StyleLettersOnlyAdd) {
    Look look;
    readCatalogueLook(settings("[menu - graficka podoba]\npismoStyl=biu\n"), 0, look);
    EXPECT_FALSE(look.treeFont.bold || look.treeFont.italic || look.treeFont.underline);

    readCatalogueLook(settings("[menu - graficka podoba]\npismoStyl=xUxBx\n"), 0, look);
    EXPECT_TRUE(look.treeFont.bold);
    EXPECT_FALSE(look.treeFont.italic);
    EXPECT_TRUE(look.treeFont.underline);

    // A later language without style letters takes nothing away.
    readCatalogueLook(settings("[menu - graficka podoba]\npismoStyl=I\n"), 1, look);
    EXPECT_TRUE(look.treeFont.bold && look.treeFont.italic && look.treeFont.underline);
}

TEST(LogicLook, AnEmptyFontNameKeepsTheCurrentName) {
    Look look;
    look.treeFont.name = "Tahoma";
    readCatalogueLook(settings("[menu - graficka podoba]\npismo=\n"), 0, look);
    EXPECT_EQ(look.treeFont.name, "Tahoma");
    readCatalogueLook(settings("[menu - graficka podoba]\nx=1\n"), 0, look);
    EXPECT_EQ(look.treeFont.name, "MS Sans Serif");
}

TEST(LogicLook, TheTemplateIsThatOfTheLanguage) {
    const IniFile config =
        settings("[SysPolozkaVystavovatele]\nsablona0=cz.htm\nsablona2=en.htm\n");
    Look look;
    readCatalogueLook(config, 2, look);
    EXPECT_EQ(look.exhibitorTemplate, "en.htm");
    readCatalogueLook(config, 1, look);
    EXPECT_EQ(look.exhibitorTemplate, "");
}

struct HeaderCase {
    const char* settings;
    int language;
    HeaderLogo::Kind kind;
    const char* file;
    friend void PrintTo(const HeaderCase& c, std::ostream* os) {
        *os << ::testing::PrintToString(c.settings);
    }
};

class LogicLookHeader : public ::testing::TestWithParam<HeaderCase> {};

TEST_P(LogicLookHeader, HeaderKindAndFile) {
    const HeaderLogo header = readHeaderLogo(settings(GetParam().settings), GetParam().language);
    EXPECT_EQ(header.kind, GetParam().kind) << GetParam().settings;
    EXPECT_EQ(header.file, GetParam().file) << GetParam().settings;
}

constexpr auto kHtml = HeaderLogo::Kind::Html;
constexpr auto kPicture = HeaderLogo::Kind::Picture;

INSTANTIATE_TEST_SUITE_P(
    Values, LogicLookHeader,
    ::testing::Values(HeaderCase{"[logo]\n", 0, kPicture, ""},
                      HeaderCase{"[logo]\ntyp=html\nhtmlFile=hlava.htm\n", 0, kHtml, "hlava.htm"},
                      HeaderCase{"[logo]\ntyp=html\nhtmlFile=hlava.htm\n", 3, kHtml, "hlava.htm"},
                      HeaderCase{"[logo]\ntyp=html\nhtmlFile=hlava.htm\nhtmlFile1=head.htm\n", 1,
                                 kHtml, "head.htm"},
                      HeaderCase{"[logo]\ntyp=html\nhtmlFile=hlava.htm\nhtmlFile1=\n", 1, kHtml,
                                 "hlava.htm"},
                      HeaderCase{"[logo]\ntyp=HTML\nhtmlFile=hlava.htm\nlogoObrazek=logo.bmp\n", 0,
                                 kPicture, "logo.bmp"},
                      HeaderCase{"[logo]\nlogoObrazek=logo.bmp\nlogoObrazek2=logo2.bmp\n", 2,
                                 kPicture, "logo2.bmp"},
                      HeaderCase{"[logo]\nlogoObrazek=logo.bmp\nlogoObrazek2=logo2.bmp\n", 0,
                                 kPicture, "logo.bmp"}));

TEST(LogicLook, AnHtmlHeaderWithoutAPageEndsTheLoading) {
    EXPECT_EQ(conversionMessage([] { readHeaderLogo(settings("[logo]\ntyp=html\n"), 0); }),
              text::cp("Nepodařilo se otevřít html soubor se záhlavím."));
}

TEST(LogicLook, HeaderMessages) {
    EXPECT_EQ(missingHeaderPageMessage("hlava.htm"),
              text::cp("Nepodařilo se otevřít html soubor se záhlavím hlava.htm"));
    EXPECT_EQ(headerPictureErrorMessage("logo.xyz", "unknown format"),
              text::cp("Nepodařilo se otevřít soubor s logem logo.xyz\r\rDůvod:unknown format"));
}

}  // namespace
}  // namespace expo::presentation
