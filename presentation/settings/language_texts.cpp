// The table of language texts and its reading rules.
#include "presentation/settings/language_texts.h"

#include <variant>

#include "platform/text/text.h"

namespace expo::presentation {
namespace {

using text::cp;

enum class Rule {
    Absent,   // the value when the key is present, even empty; the default when it is missing
    Empty,    // the value when it is not empty, else the default
    Caption,  // the value when it is not empty, else no text (the component keeps its own)
};

using Target = std::variant<NoticeText, std::string LanguageTexts::*,
                            std::optional<std::string> LanguageTexts::*>;

struct Row {
    std::string_view section;   // UTF-8 here, code page 1250 in the file
    std::string_view fallback;  // the built-in default (UTF-8)
    Rule rule;
    std::string_view before;  // put around the text, default included
    std::string_view after;
    Target target;
};

// In the order the loading reads them. Sections and defaults are spelled exactly as the disc
// and the original program spell them, misspellings included.
const Row kRows[] = {
    {"text Inicializace programu", "Inicializace programu", Rule::Empty, "", ":",
     NoticeText::Title},
    {"text nacítání vzhledu", "načítání vzhledu", Rule::Empty, "", ".", NoticeText::Appearance},
    {"tlačítko Vše", "", Rule::Caption, "", "", &LanguageTexts::ToolButtonVseCaption},
    {"tlačítko Exponáty", "", Rule::Caption, "", "", &LanguageTexts::ToolButtonExponatyCaption},
    {"tlačítko Novinky", "", Rule::Caption, "", "", &LanguageTexts::ToolButtonNovinkyCaption},
    {"tlačítko Zápisník", "", Rule::Caption, "", "", &LanguageTexts::ToolButtonZapisnikCaption},
    {"tlačítko Výběr", "", Rule::Caption, "", "", &LanguageTexts::ToolButtonVyberCaption},
    {"tlačítko Uložit do zápisníku", "", Rule::Caption, "", "",
     &LanguageTexts::LblDoZapisnikuCaption},
    {"tlačítko Zrušit ze zápisníku", "", Rule::Caption, "", "", &LanguageTexts::LblVyraditCaption},
    {"tlačítko Exportovat zápisník", "", Rule::Caption, "", "", &LanguageTexts::LblExportCaption},
    {"tlačítko Nový výběr", "Nový výběr", Rule::Empty, "", "", &LanguageTexts::FTextNewSelection},
    {"text Vše", "Vše", Rule::Empty, "", "", &LanguageTexts::FTextAll},
    {"text Jen s novinkami", "Jen s novinkami", Rule::Empty, "", "",
     &LanguageTexts::FTextOnlyNovelties},
    {"text Jen s Exponáty", "Jen s Exponáty", Rule::Empty, "", "",
     &LanguageTexts::FTextOnlyExhibits},
    {"text Vybrat", "Vybrat", Rule::Empty, "", "", &LanguageTexts::FTextChoose},
    {"text Provést výběr", "Provést výběr", Rule::Empty, "", "", &LanguageTexts::FTextRunSelection},
    {"text Počet vystavovatelů", "Počet vystavovatelů", Rule::Absent, "", "",
     &LanguageTexts::FTextExhibitorCount},
    {"text V zápisníku", "V zápisníku", Rule::Absent, "", "", &LanguageTexts::FTextInNotebook},
    {"text Zobrazených", "Zobrazených", Rule::Absent, "", "", &LanguageTexts::FTextShown},
    {"text Vystavovatel již existuje", "Vystavovatel již v zápisníku existuje", Rule::Absent, "",
     "", &LanguageTexts::FTextAlreadyInNotebook},
    {"text Nepodařilo se vytvořit soubor", "Nepodařilo se vytvořit soubor", Rule::Absent, "", "",
     &LanguageTexts::FTextCannotCreateFile},
    {"text Zadejte vyhledávací podmínku", "Zadejte vyhledávací podmínku a potvrďte výběr",
     Rule::Absent, "", ".", &LanguageTexts::FTextEnterCondition},
    {"text Zadejte vyhledávací podmínku - rozšířené hledání",
     "Zadejte vyhledávací podmínku a potvrďte výběr. Položky stát, pavilon a nomenklatura lze "
     "zadat vyběrem z číselníku",
     Rule::Absent, "", ".", &LanguageTexts::FTextEnterConditionAdvanced},
    {"text Název vystavovatele", "Název vystavovatele", Rule::Absent, "", "",
     &LanguageTexts::FTextExhibitorName},
    {"text Ulice", "Ulice", Rule::Absent, "", "", &LanguageTexts::FTextStreet},
    {"text Město", "Město", Rule::Absent, "", "", &LanguageTexts::FTextCity},
    {"text PSČ", "PSČ", Rule::Absent, "", "", &LanguageTexts::FTextPostcode},
    {"text Stát", "Stát", Rule::Absent, "", "", &LanguageTexts::FTextCountry},
    {"text Pavilon", "Pavilon", Rule::Absent, "", "", &LanguageTexts::FTextPavilion},
    {"text Uložit", "Uložit", Rule::Absent, "", "", &LanguageTexts::FTextSave},
    {"text Konec", "Konec", Rule::Absent, "", "", &LanguageTexts::FTextClose},
    {"text Soubor byl uložen", "Soubor byl uložen", Rule::Absent, "", "",
     &LanguageTexts::FTextFileSaved},
    {"text Export", "Export", Rule::Absent, "", "", &LanguageTexts::FTextExport},
    {"text Nomenklatury", "Nomenklatury", Rule::Absent, "", "", &LanguageTexts::FTextNomenclatures},
    {"text Popis nomenklatury", "Popis nomenklatury", Rule::Absent, "", "",
     &LanguageTexts::FTextNomenclatureDescription},
    {"text Kód", "Kód", Rule::Absent, "", "", &LanguageTexts::FTextCode},
    {"text Popis", "Popis", Rule::Absent, "", "", &LanguageTexts::FTextDescription},
    {"text Zastoupená firma", "Zastoupená firma", Rule::Absent, "", "",
     &LanguageTexts::FTextRepresentedFirm},
    {"text Zastoupená značka", "Zastoupená značka", Rule::Absent, "", "",
     &LanguageTexts::FTextRepresentedBrand},
    {"text Kód nomenklatury", "Kód nomenklatury", Rule::Absent, "", "",
     &LanguageTexts::FTextNomenclatureCode},
    {"text Začíná na", "Začíná na", Rule::Absent, "", "", &LanguageTexts::FTextStartsWith},
    {"text Obsahuje", "Obsahuje", Rule::Absent, "", "", &LanguageTexts::FTextContains},
    {"text Rovná se", "Rovná se", Rule::Absent, "", "", &LanguageTexts::FTextEquals},
    {"text Zobrazí všechny vystavovatele v aktuální sekci",
     "Zobrazí všechny vystavovatele v aktuální sekci", Rule::Absent, "", "",
     &LanguageTexts::ToolButtonVseHint},
    {"text Zobrazí vystavovatele v aktuální sekci pouze s exponáty",
     "Zobrazí vystavovatele v aktuální sekci pouze s exponáty", Rule::Absent, "", "",
     &LanguageTexts::ToolButtonExponatyHint},
    {"text Zobrazí vystavovatele v aktuální sekci pouze s novinkami",
     "Zobrazí vystavovatele v aktuální sekci pouze s novinkami", Rule::Absent, "", "",
     &LanguageTexts::ToolButtonNovinkyHint},
    {"text Zobrazí vystavovatele umístěné v zápisníku",
     "Zobrazí vystavovatele umístěné v zápisníku", Rule::Absent, "", "",
     &LanguageTexts::ToolButtonZapisnikHint},
    {"text Zobrazí vybrané vystavovatele", "Zobrazí vybrané vystavovatele", Rule::Absent, "", "",
     &LanguageTexts::ToolButtonVyberHint},
    {"text Nebo", "nebo", Rule::Absent, "", "", &LanguageTexts::FTextOrLabel},
    {"text Hodnota musí být zadána", "Hodnota musí být zadána", Rule::Absent, "", ".",
     &LanguageTexts::FTextValueRequired},
    {"text Rozlišovat malá a velká písmena", "Rozlišovat malá a velká písmena", Rule::Absent, "",
     "", &LanguageTexts::FTextCaseSensitive},
    {"text Storno", "Storno", Rule::Absent, "", "", &LanguageTexts::FTextCancel},
    {"text Pokročilé hledání", "Pokročilé hledání", Rule::Absent, "", "",
     &LanguageTexts::FTextAdvancedSearch},
    {"text Jednoduché hledání", "Jednoduché hledání", Rule::Absent, "", "",
     &LanguageTexts::FTextSimpleSearch},
    {"text Alespoň jedna podmínka musí být zadána", "Alespoň jedna podmínka musí být zadána",
     Rule::Absent, "", ".", &LanguageTexts::FTextNeedOneCondition},
    {"text Nastala chyba při kopírování souboru", "Nastala chyba při kopírování souboru",
     Rule::Absent, "", "", &LanguageTexts::FTextCopyError},
    {"text Zdrojový soubor", "Zdrojový soubor", Rule::Absent, "", "",
     &LanguageTexts::FTextSourceFile},
    {"text neexistuje", "neexistuje", Rule::Absent, "", "", &LanguageTexts::FTextDoesNotExist},
    {"text Zadaný řetězec nabyl nelezen", "Zadaný řetězec nebyl nalezen", Rule::Absent, "", "",
     &LanguageTexts::FTextStringNotFound},
    {"text Zpracovávám položku", "Zpracovávám položku", Rule::Absent, "", "",
     &LanguageTexts::FTextProcessingItem},
    {"text Musí být zadán hledaný text", "Musí být zadán hledaný text", Rule::Absent, "", "",
     &LanguageTexts::FTextSearchTextRequired},
    {"text Hledání", "Hledání", Rule::Absent, "", "", &LanguageTexts::FTextSearch},
    {"text záznam", "záznam", Rule::Absent, "", "", &LanguageTexts::FTextRecord},
    {"text z", "z", Rule::Absent, "", "", &LanguageTexts::FTextOf},
    {"text Nalezené stránky", "Nalezené stránky", Rule::Absent, " ", ":",
     &LanguageTexts::PanelHledaniTextCaption},
    {"text Fulltext", "Fulltext", Rule::Absent, "", ":", &LanguageTexts::LabelFulltextCaption},
    {"text Hledej", "Hledej", Rule::Absent, "", "", &LanguageTexts::LabelHledejCaption},
    {"text Zadanému výběru neodpovídá ani jeden vystavovatel",
     "Zadanému výběru neodpovídá ani jeden vystavovatel", Rule::Absent, "", "",
     &LanguageTexts::FTextNoMatch},
    {"text Sekce je prázdná", "Sekce je prázdná", Rule::Absent, "", "",
     &LanguageTexts::FTextSectionEmpty},
    {"text a", "a", Rule::Absent, "", "", &LanguageTexts::FTextAnd},
    {"text nebo", "nebo", Rule::Absent, "", "", &LanguageTexts::FTextOr},
    {"text záznamy jen s novinkami", "záznamy jen s novinkami", Rule::Absent, "", "",
     &LanguageTexts::FTextRecordsWithNovelties},
    {"text záznamy jen s exponáty", "záznamy jen s exponáty", Rule::Absent, "", "",
     &LanguageTexts::FTextRecordsWithExhibits},
    {"text Výběr", "Vyběr", Rule::Absent, "", "", &LanguageTexts::FTextSelection},
    {"text Chyba při ukládání souboru", "Chyba při ukládání souboru", Rule::Absent, "", "",
     &LanguageTexts::FTextSaveError},
    {"text načítání loga", "načítání loga", Rule::Empty, "", ".", NoticeText::Logo},
    {"text načítání navigace", "načítání navigace", Rule::Empty, "", ".", NoticeText::Navigation},
    {"text načítání datových souborů", "načítání datových souborů", Rule::Empty, "", "",
     NoticeText::DataFiles},
};

std::string keyOf(int language) {
    return "jaz" + std::to_string(language);
}

// The row's text; nullopt only for a caption the language leaves unset.
std::optional<std::string> readRow(const IniFile& config, int language, const Row& row) {
    const std::string section = cp(row.section);
    const std::string key = keyOf(language);
    std::string value = config.readString(section, key, "");
    switch (row.rule) {
        case Rule::Absent:
            if (!config.valueExists(section, key)) {
                value = cp(row.fallback);
            }
            break;
        case Rule::Empty:
            if (value.empty()) {
                value = cp(row.fallback);
            }
            break;
        case Rule::Caption:
            if (value.empty()) {
                return std::nullopt;
            }
            break;
    }
    return cp(row.before) + value + cp(row.after);
}

}  // namespace

LanguageTexts readLanguageTexts(const IniFile& config, int language) {
    LanguageTexts texts;
    for (const Row& row : kRows) {
        if (const auto* field = std::get_if<std::string LanguageTexts::*>(&row.target)) {
            texts.*(*field) = readRow(config, language, row).value_or("");
        } else if (const auto* caption =
                       std::get_if<std::optional<std::string> LanguageTexts::*>(&row.target)) {
            texts.*(*caption) = readRow(config, language, row);
        }
    }
    return texts;
}

std::string readNoticeText(const IniFile& config, int language, NoticeText which) {
    for (const Row& row : kRows) {
        if (const auto* notice = std::get_if<NoticeText>(&row.target); notice && *notice == which) {
            return readRow(config, language, row).value_or("");
        }
    }
    return {};
}

LanguageFields readLanguageFields(const IniFile& config, std::string_view languageText) {
    const auto orDefault = [](std::string value, std::string_view fallback) {
        return value.empty() ? cp(fallback) : value;
    };
    return {
        orDefault(config.readString("uvod", "jaz" + text::trim(languageText), ""), "Čes"),
        orDefault(config.readString("uvod", "defaultJazKat", ""), "0"),
        orDefault(config.readString("uvod", "defaultJazKatExp", ""), "0"),
    };
}

std::string resolutionNotice(const IniFile& config) {
    std::string notice;
    for (int language = 0; language <= 4; ++language) {
        const std::string line = config.readString(cp("text rozlišení"), keyOf(language), "");
        if (!line.empty()) {
            notice += (notice.empty() ? "" : "\r") + line;
        }
    }
    return notice;
}

}  // namespace expo::presentation
