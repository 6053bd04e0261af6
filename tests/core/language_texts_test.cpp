// The language texts: sections, defaults and the rules for missing and empty values.
#include "presentation/language_texts.h"

#include <gtest/gtest.h>

#include "platform/text/text.h"

namespace expo::presentation {
namespace {

using text::cp;

IniFile ini(std::string_view utf8) {
    return IniFile::fromText(cp(utf8));
}

TEST(LanguageTexts, PresentEmptyAgainstMissing) {
    const IniFile config =
        ini("[text Počet vystavovatelů]\njaz1=\n"
            "[text Provést výběr]\njaz1=\n"
            "[text Zadejte vyhledávací podmínku]\njaz1=\n"
            "[text Nalezené stránky]\njaz1=\n"
            "[tlačítko Vše]\njaz1=\n");
    const LanguageTexts one = readLanguageTexts(config, 1);
    EXPECT_EQ(one.FTextExhibitorCount, "");                 // rule absent: empty stays empty
    EXPECT_EQ(one.FTextRunSelection, cp("Provést výběr"));  // rule empty: the default
    EXPECT_EQ(one.FTextEnterCondition, ".");
    EXPECT_EQ(one.PanelHledaniTextCaption, " :");
    EXPECT_EQ(one.ToolButtonVseCaption, std::nullopt);
    const LanguageTexts zero = readLanguageTexts(config, 0);  // keys missing for language 0
    EXPECT_EQ(zero.FTextExhibitorCount, cp("Počet vystavovatelů"));
    EXPECT_EQ(zero.PanelHledaniTextCaption, cp(" Nalezené stránky:"));
}

TEST(LanguageTexts, ValuesOfALanguage) {
    const IniFile config =
        ini("[tlačítko Vše]\njaz2=All\n"
            "[tlačítko Exportovat zápisník]\njaz2=Export notebook\n"
            "[tlačítko Nový výběr]\njaz2=New selection\n"
            "[TEXT ULICE]\nJAZ2=Street\n"
            "[text Zadejte vyhledávací podmínku - rozšířené hledání]\njaz2=Enter a condition\n"
            "[text Nalezené stránky]\njaz2=Pages found\n"
            "[text Fulltext]\njaz2=Full text\n"
            "[text Zobrazí vybrané vystavovatele]\njaz2=Shows the selection\n"
            "[text Výběr]\njaz2=Selection\n");
    const LanguageTexts t = readLanguageTexts(config, 2);
    EXPECT_EQ(t.ToolButtonVseCaption, "All");
    EXPECT_EQ(t.LblExportCaption, "Export notebook");
    EXPECT_EQ(t.ToolButtonNovinkyCaption, std::nullopt);
    EXPECT_EQ(t.FTextNewSelection, "New selection");
    EXPECT_EQ(t.FTextStreet, "Street");
    EXPECT_EQ(t.FTextEnterConditionAdvanced, "Enter a condition.");
    EXPECT_EQ(t.PanelHledaniTextCaption, " Pages found:");
    EXPECT_EQ(t.LabelFulltextCaption, "Full text:");
    EXPECT_EQ(t.ToolButtonVyberHint, "Shows the selection");
    EXPECT_EQ(t.FTextSelection, "Selection");
    EXPECT_EQ(t.FTextCity, cp("Město"));
}

TEST(LanguageTexts, SectionsAreSpelledAsTheDiscSpellsThem) {
    const IniFile config =
        ini("[text Zadaný řetězec nabyl nelezen]\njaz0=Not found\n"
            "[text Zadaný řetězec nebyl nalezen]\njaz1=Nicht gefunden\n"
            "[text nacítání vzhledu]\njaz0=Loading the look\n"
            "[text načítání vzhledu]\njaz1=Aussehen\n");
    EXPECT_EQ(readLanguageTexts(config, 0).FTextStringNotFound, "Not found");
    EXPECT_EQ(readLanguageTexts(config, 1).FTextStringNotFound, cp("Zadaný řetězec nebyl nalezen"));
    EXPECT_EQ(readNoticeText(config, 0, NoticeText::Appearance), "Loading the look.");
    EXPECT_EQ(readNoticeText(config, 1, NoticeText::Appearance), cp("načítání vzhledu."));
}

TEST(LanguageTexts, OrLabelAndOrShareOneSection) {
    const IniFile config = ini("[text Nebo]\njaz0=Or (label)\n[text nebo]\njaz0=or\n");
    const LanguageTexts t = readLanguageTexts(config, 0);
    EXPECT_EQ(t.FTextOrLabel, "or");
    EXPECT_EQ(t.FTextOr, "or");
}

TEST(LanguageTexts, LanguageOutsideTheRangeTakesTheDefaults) {
    const IniFile config = ini("[text Vše]\njaz0=All\n[tlačítko Vše]\njaz0=All\n");
    for (const int language : {-1, 5, 12}) {
        const LanguageTexts t = readLanguageTexts(config, language);
        EXPECT_EQ(t.FTextAll, cp("Vše")) << language;
        EXPECT_EQ(t.ToolButtonVseCaption, std::nullopt) << language;
    }
}

TEST(NoticeTexts, RulesAndSuffixes) {
    const struct {
        NoticeText which;
        const char* config;
        const char* expected;
    } cases[] = {
        {NoticeText::Title, "", "Inicializace programu:"},
        {NoticeText::Title, "[text Inicializace programu]\njaz0=\n", "Inicializace programu:"},
        {NoticeText::Title, "[text Inicializace programu]\njaz0=Start\n", "Start:"},
        {NoticeText::Appearance, "", "načítání vzhledu."},
        {NoticeText::Logo, "[text načítání loga]\njaz0=logo\n", "logo."},
        {NoticeText::Navigation, "[text načítání navigace]\njaz0=\n", "načítání navigace."},
        {NoticeText::DataFiles, "", "načítání datových souborů"},
        {NoticeText::DataFiles, "[text načítání datových souborů]\njaz0=data\n", "data"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(readNoticeText(ini(c.config), 0, c.which), cp(c.expected)) << c.config;
    }
}

TEST(LanguageFields, NameAndFallbackColumns) {
    const struct {
        const char* config;
        const char* languageText;
        const char* name;
        const char* suffix;
        const char* expSuffix;
    } cases[] = {
        {"", "0", "Čes", "0", "0"},
        {"[uvod]\njaz0=\ndefaultJazKat=\ndefaultJazKatExp=\n", "0", "Čes", "0", "0"},
        {"[uvod]\njaz1= Eng \ndefaultJazKat=2\ndefaultJazKatExp=1\n", " 1 ", "Eng", "2", "1"},
        {"[UVOD]\nJAZ3=Deu\n", "3", "Deu", "0", "0"},
        {"[uvod]\njaz0=Čes\njaz1=Eng\n", "7", "Čes", "0", "0"},
    };
    for (const auto& c : cases) {
        const LanguageFields f = readLanguageFields(ini(c.config), c.languageText);
        EXPECT_EQ(f.FLanguageName, cp(c.name)) << c.config;
        EXPECT_EQ(f.FDefaultLanguageSuffix, c.suffix) << c.config;
        EXPECT_EQ(f.FDefaultExpLanguageSuffix, c.expSuffix) << c.config;
    }
}

TEST(ResolutionNotice, JoinsTheNonEmptyTexts) {
    EXPECT_EQ(resolutionNotice(IniFile{}), "");
    EXPECT_EQ(resolutionNotice(ini("[text rozlišení]\njaz0=Nízké rozlišení\njaz2=\njaz3=Low "
                                   "resolution\njaz4=Niedrig\njaz5=ignored\n")),
              cp("Nízké rozlišení\rLow resolution\rNiedrig"));
}

}  // namespace
}  // namespace expo::presentation
