// Every row of the language texts: its section as the disc spells it, its built-in default,
// its rule for a missing and an empty value, and what is put around it.
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <ostream>
#include <string>

#include "platform/text/text.h"
#include "presentation/language_texts.h"

namespace expo::presentation {
namespace {

using text::cp;

// The text of one row as the loading leaves it; nullopt for a caption left as it is.
using Reader = std::function<std::optional<std::string>(const IniFile&, int)>;

Reader stored(std::string LanguageTexts::*field) {
    return [field](const IniFile& config, int language) {
        return std::optional(readLanguageTexts(config, language).*field);
    };
}
Reader caption(std::optional<std::string> LanguageTexts::*field) {
    return [field](const IniFile& config, int language) {
        return readLanguageTexts(config, language).*field;
    };
}
Reader notice(NoticeText which) {
    return [which](const IniFile& config, int language) {
        return std::optional(readNoticeText(config, language, which));
    };
}

enum class Rule { Absent, Empty, Caption };

struct TextRow {
    const char* section;   // UTF-8 here, code page 1250 in config.ini
    const char* fallback;  // nullptr for a caption, which has none
    Rule rule;
    const char* before;
    const char* after;
    Reader read;
};

void PrintTo(const TextRow& row, std::ostream* os) {
    *os << row.section;
}

using L = LanguageTexts;
constexpr Rule A = Rule::Absent;
constexpr Rule E = Rule::Empty;

// clang-format off
const TextRow kRows[] = {
    {"text Inicializace programu", "Inicializace programu", E, "", ":", notice(NoticeText::Title)},
    {"text nacítání vzhledu", "načítání vzhledu", E, "", ".", notice(NoticeText::Appearance)},
    {"tlačítko Vše", nullptr, Rule::Caption, "", "", caption(&L::ToolButtonVseCaption)},
    {"tlačítko Exponáty", nullptr, Rule::Caption, "", "", caption(&L::ToolButtonExponatyCaption)},
    {"tlačítko Novinky", nullptr, Rule::Caption, "", "", caption(&L::ToolButtonNovinkyCaption)},
    {"tlačítko Zápisník", nullptr, Rule::Caption, "", "", caption(&L::ToolButtonZapisnikCaption)},
    {"tlačítko Výběr", nullptr, Rule::Caption, "", "", caption(&L::ToolButtonVyberCaption)},
    {"tlačítko Uložit do zápisníku", nullptr, Rule::Caption, "", "", caption(&L::LblDoZapisnikuCaption)},
    {"tlačítko Zrušit ze zápisníku", nullptr, Rule::Caption, "", "", caption(&L::LblVyraditCaption)},
    {"tlačítko Exportovat zápisník", nullptr, Rule::Caption, "", "", caption(&L::LblExportCaption)},
    {"tlačítko Nový výběr", "Nový výběr", E, "", "", stored(&L::FTextNewSelection)},
    {"text Vše", "Vše", E, "", "", stored(&L::FTextAll)},
    {"text Jen s novinkami", "Jen s novinkami", E, "", "", stored(&L::FTextOnlyNovelties)},
    {"text Jen s Exponáty", "Jen s Exponáty", E, "", "", stored(&L::FTextOnlyExhibits)},
    {"text Vybrat", "Vybrat", E, "", "", stored(&L::FTextChoose)},
    {"text Provést výběr", "Provést výběr", E, "", "", stored(&L::FTextRunSelection)},
    {"text Počet vystavovatelů", "Počet vystavovatelů", A, "", "", stored(&L::FTextExhibitorCount)},
    {"text V zápisníku", "V zápisníku", A, "", "", stored(&L::FTextInNotebook)},
    {"text Zobrazených", "Zobrazených", A, "", "", stored(&L::FTextShown)},
    {"text Vystavovatel již existuje", "Vystavovatel již v zápisníku existuje", A, "", "", stored(&L::FTextAlreadyInNotebook)},
    {"text Nepodařilo se vytvořit soubor", "Nepodařilo se vytvořit soubor", A, "", "", stored(&L::FTextCannotCreateFile)},
    {"text Zadejte vyhledávací podmínku", "Zadejte vyhledávací podmínku a potvrďte výběr", A, "", ".", stored(&L::FTextEnterCondition)},
    {"text Zadejte vyhledávací podmínku - rozšířené hledání", "Zadejte vyhledávací podmínku a potvrďte výběr. Položky stát, pavilon a nomenklatura lze zadat vyběrem z číselníku", A, "", ".", stored(&L::FTextEnterConditionAdvanced)},
    {"text Název vystavovatele", "Název vystavovatele", A, "", "", stored(&L::FTextExhibitorName)},
    {"text Ulice", "Ulice", A, "", "", stored(&L::FTextStreet)},
    {"text Město", "Město", A, "", "", stored(&L::FTextCity)},
    {"text PSČ", "PSČ", A, "", "", stored(&L::FTextPostcode)},
    {"text Stát", "Stát", A, "", "", stored(&L::FTextCountry)},
    {"text Pavilon", "Pavilon", A, "", "", stored(&L::FTextPavilion)},
    {"text Uložit", "Uložit", A, "", "", stored(&L::FTextSave)},
    {"text Konec", "Konec", A, "", "", stored(&L::FTextClose)},
    {"text Soubor byl uložen", "Soubor byl uložen", A, "", "", stored(&L::FTextFileSaved)},
    {"text Export", "Export", A, "", "", stored(&L::FTextExport)},
    {"text Nomenklatury", "Nomenklatury", A, "", "", stored(&L::FTextNomenclatures)},
    {"text Popis nomenklatury", "Popis nomenklatury", A, "", "", stored(&L::FTextNomenclatureDescription)},
    {"text Kód", "Kód", A, "", "", stored(&L::FTextCode)},
    {"text Popis", "Popis", A, "", "", stored(&L::FTextDescription)},
    {"text Zastoupená firma", "Zastoupená firma", A, "", "", stored(&L::FTextRepresentedFirm)},
    {"text Zastoupená značka", "Zastoupená značka", A, "", "", stored(&L::FTextRepresentedBrand)},
    {"text Kód nomenklatury", "Kód nomenklatury", A, "", "", stored(&L::FTextNomenclatureCode)},
    {"text Začíná na", "Začíná na", A, "", "", stored(&L::FTextStartsWith)},
    {"text Obsahuje", "Obsahuje", A, "", "", stored(&L::FTextContains)},
    {"text Rovná se", "Rovná se", A, "", "", stored(&L::FTextEquals)},
    {"text Zobrazí všechny vystavovatele v aktuální sekci", "Zobrazí všechny vystavovatele v aktuální sekci", A, "", "", stored(&L::ToolButtonVseHint)},
    {"text Zobrazí vystavovatele v aktuální sekci pouze s exponáty", "Zobrazí vystavovatele v aktuální sekci pouze s exponáty", A, "", "", stored(&L::ToolButtonExponatyHint)},
    {"text Zobrazí vystavovatele v aktuální sekci pouze s novinkami", "Zobrazí vystavovatele v aktuální sekci pouze s novinkami", A, "", "", stored(&L::ToolButtonNovinkyHint)},
    {"text Zobrazí vystavovatele umístěné v zápisníku", "Zobrazí vystavovatele umístěné v zápisníku", A, "", "", stored(&L::ToolButtonZapisnikHint)},
    {"text Zobrazí vybrané vystavovatele", "Zobrazí vybrané vystavovatele", A, "", "", stored(&L::ToolButtonVyberHint)},
    {"text Nebo", "nebo", A, "", "", stored(&L::FTextOrLabel)},
    {"text Hodnota musí být zadána", "Hodnota musí být zadána", A, "", ".", stored(&L::FTextValueRequired)},
    {"text Rozlišovat malá a velká písmena", "Rozlišovat malá a velká písmena", A, "", "", stored(&L::FTextCaseSensitive)},
    {"text Storno", "Storno", A, "", "", stored(&L::FTextCancel)},
    {"text Pokročilé hledání", "Pokročilé hledání", A, "", "", stored(&L::FTextAdvancedSearch)},
    {"text Jednoduché hledání", "Jednoduché hledání", A, "", "", stored(&L::FTextSimpleSearch)},
    {"text Alespoň jedna podmínka musí být zadána", "Alespoň jedna podmínka musí být zadána", A, "", ".", stored(&L::FTextNeedOneCondition)},
    {"text Nastala chyba při kopírování souboru", "Nastala chyba při kopírování souboru", A, "", "", stored(&L::FTextCopyError)},
    {"text Zdrojový soubor", "Zdrojový soubor", A, "", "", stored(&L::FTextSourceFile)},
    {"text neexistuje", "neexistuje", A, "", "", stored(&L::FTextDoesNotExist)},
    {"text Zadaný řetězec nabyl nelezen", "Zadaný řetězec nebyl nalezen", A, "", "", stored(&L::FTextStringNotFound)},
    {"text Zpracovávám položku", "Zpracovávám položku", A, "", "", stored(&L::FTextProcessingItem)},
    {"text Musí být zadán hledaný text", "Musí být zadán hledaný text", A, "", "", stored(&L::FTextSearchTextRequired)},
    {"text Hledání", "Hledání", A, "", "", stored(&L::FTextSearch)},
    {"text záznam", "záznam", A, "", "", stored(&L::FTextRecord)},
    {"text z", "z", A, "", "", stored(&L::FTextOf)},
    {"text Nalezené stránky", "Nalezené stránky", A, " ", ":", stored(&L::PanelHledaniTextCaption)},
    {"text Fulltext", "Fulltext", A, "", ":", stored(&L::LabelFulltextCaption)},
    {"text Hledej", "Hledej", A, "", "", stored(&L::LabelHledejCaption)},
    {"text Zadanému výběru neodpovídá ani jeden vystavovatel", "Zadanému výběru neodpovídá ani jeden vystavovatel", A, "", "", stored(&L::FTextNoMatch)},
    {"text Sekce je prázdná", "Sekce je prázdná", A, "", "", stored(&L::FTextSectionEmpty)},
    {"text a", "a", A, "", "", stored(&L::FTextAnd)},
    {"text nebo", "nebo", A, "", "", stored(&L::FTextOr)},
    {"text záznamy jen s novinkami", "záznamy jen s novinkami", A, "", "", stored(&L::FTextRecordsWithNovelties)},
    {"text záznamy jen s exponáty", "záznamy jen s exponáty", A, "", "", stored(&L::FTextRecordsWithExhibits)},
    {"text Výběr", "Vyběr", A, "", "", stored(&L::FTextSelection)},
    {"text Chyba při ukládání souboru", "Chyba při ukládání souboru", A, "", "", stored(&L::FTextSaveError)},
    {"text načítání loga", "načítání loga", E, "", ".", notice(NoticeText::Logo)},
    {"text načítání navigace", "načítání navigace", E, "", ".", notice(NoticeText::Navigation)},
    {"text načítání datových souborů", "načítání datových souborů", E, "", "", notice(NoticeText::DataFiles)},
};
// clang-format on

class LanguageTextRow : public ::testing::TestWithParam<TextRow> {
  protected:
    // The row's text for language 3 from a config.ini that holds only the row's section with
    // the given line.
    std::optional<std::string> readWith(const std::string& line) const {
        const std::string config = "[" + std::string(GetParam().section) + "]\r\n" + line + "\r\n";
        return GetParam().read(IniFile::fromText(cp(config)), 3);
    }
    std::optional<std::string> around(const char* text) const {
        const TextRow& row = GetParam();
        if (row.rule == Rule::Caption) {
            return text ? std::optional(cp(text)) : std::nullopt;
        }
        return cp(row.before) + cp(text) + cp(row.after);
    }
};

TEST_P(LanguageTextRow, ValueOfTheLanguage) {
    EXPECT_EQ(readWith("jaz3= Hodnota řádku "), around("Hodnota řádku"));
}

TEST_P(LanguageTextRow, MissingKeyGivesTheDefault) {
    EXPECT_EQ(readWith("jaz2=Jiný jazyk"), around(GetParam().fallback));
    EXPECT_EQ(GetParam().read(IniFile{}, 3), around(GetParam().fallback));
}

TEST_P(LanguageTextRow, EmptyValueByTheRule) {
    const TextRow& row = GetParam();
    const char* expected = row.rule == Rule::Absent ? "" : row.fallback;
    EXPECT_EQ(readWith("jaz3="), around(expected));
}

INSTANTIATE_TEST_SUITE_P(AllRows, LanguageTextRow, ::testing::ValuesIn(kRows),
                         [](const auto& info) { return "Row" + std::to_string(info.index + 1); });

}  // namespace
}  // namespace expo::presentation
