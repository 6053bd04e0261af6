// The language texts: sections as the disc spells them, defaults, the rules for a missing and an
// empty value, and what is put around a text.
#include "presentation/settings/language_texts.h"

#include <gtest/gtest.h>

#include <functional>
#include <tuple>

#include "platform/text/text.h"
#include "tests/support/settings.h"

namespace expo::presentation {
namespace {

using testing::settings;
using text::cp;
using L = LanguageTexts;
using Reader = std::function<std::optional<std::string>(const IniFile&, int)>;

// clang-format off
Reader stored(std::string L::*field) {
    return [field](const IniFile& c, int l) { return std::optional(readLanguageTexts(c, l).*field); };
}
Reader caption(std::optional<std::string> L::*field) {
    return [field](const IniFile& c, int l) { return readLanguageTexts(c, l).*field; };
}
Reader notice(NoticeText which) {
    return [which](const IniFile& c, int l) { return std::optional(readNoticeText(c, l, which)); };
}
// clang-format on

TEST(LanguageTexts, ValueMissingKeyAndEmptyValueOfARow) {
    // The texts (UTF-8) for "jaz3=Hodnota", for a key of another language and for "jaz3=";
    // nullptr: no text, the caption stays as it is.
    const std::tuple<const char*, Reader, const char*, const char*, const char*> rows[] = {
        // clang-format off
        {"text Inicializace programu", notice(NoticeText::Title), "Hodnota:", "Inicializace programu:", "Inicializace programu:"},
        {"text nacítání vzhledu", notice(NoticeText::Appearance), "Hodnota.", "načítání vzhledu.", "načítání vzhledu."},
        {"tlačítko Vše", caption(&L::ToolButtonVseCaption), "Hodnota", nullptr, nullptr},
        {"tlačítko Nový výběr", stored(&L::FTextNewSelection), "Hodnota", "Nový výběr", "Nový výběr"},
        {"text Zadejte vyhledávací podmínku", stored(&L::FTextEnterCondition), "Hodnota.", "Zadejte vyhledávací podmínku a potvrďte výběr.", "."},
        {"text Nalezené stránky", stored(&L::PanelHledaniTextCaption), " Hodnota:", " Nalezené stránky:", " :"},
        {"text Zadaný řetězec nabyl nelezen", stored(&L::FTextStringNotFound), "Hodnota", "Zadaný řetězec nebyl nalezen", ""},
        {"text Výběr", stored(&L::FTextSelection), "Hodnota", "Vyběr", ""},
        // clang-format on
    };
    const auto text = [](const char* utf8) {
        return utf8 ? std::optional(cp(utf8)) : std::nullopt;
    };
    for (const auto& [name, read, value, missing, empty] : rows) {
        const std::string section = "[" + std::string(name) + "]\r\n";
        EXPECT_EQ(read(settings(section + "jaz3= Hodnota \r\n"), 3), text(value)) << section;
        EXPECT_EQ(read(settings(section + "jaz2=Jiný\r\n"), 3), text(missing)) << section;
        EXPECT_EQ(read(settings(section + "jaz3=\r\n"), 3), text(empty)) << section;
    }
}

// "text Nebo" and "text nebo" are one section; a language outside the range takes the defaults.
TEST(LanguageTexts, OrLabelAndOrShareOneSectionAndOutsideTheRange) {
    const IniFile config = settings(
        "[text Nebo]\njaz0=Or (label)\n[text nebo]\njaz0=or\n"
        "[text Vše]\njaz0=All\njaz4=All\n");
    const LanguageTexts t = readLanguageTexts(config, 0);
    EXPECT_EQ(t.FTextOrLabel + t.FTextOr + readLanguageTexts(config, 5).FTextAll +
                  readLanguageTexts(config, -1).FTextAll,
              cp("ororVšeVše"));
}

TEST(LanguageFields, NameAndFallbackColumns) {
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"[uvod]\njaz0=\ndefaultJazKat=\ndefaultJazKatExp=\n", "0", "Čes|00"},
        {"[uvod]\njaz1= Eng \ndefaultJazKat=2\ndefaultJazKatExp=1\n", " 1 ", "Eng|21"},
        {"[uvod]\njaz0=Čes\njaz1=Eng\n", "7", "Čes|00"},
    };
    for (const auto& [config, languageText, expected] : cases) {
        const LanguageFields f = readLanguageFields(settings(config), languageText);
        EXPECT_EQ(f.FLanguageName + "|" + f.FDefaultLanguageSuffix + f.FDefaultExpLanguageSuffix,
                  cp(expected))
            << config;
    }
}

TEST(ResolutionNotice, JoinsTheNonEmptyTextsOfTheFiveLanguages) {
    EXPECT_EQ(resolutionNotice(IniFile{}), "");
    EXPECT_EQ(resolutionNotice(settings(
                  "[text rozlišení]\njaz0=Nízké\njaz2=\njaz3=Low\njaz4=Niedrig\njaz5=x\n")),
              cp("Nízké\rLow\rNiedrig"));
}

}  // namespace
}  // namespace expo::presentation
