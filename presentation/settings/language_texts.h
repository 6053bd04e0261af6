#pragma once
// The texts of the user interface in the chosen language, read from config.ini: section
// "text " plus a Czech phrase (or "tlačítko " plus a caption), key "jaz" plus the language
// number, each with its built-in Czech default and its rule for a missing or empty value.
#include <optional>
#include <string>
#include <string_view>

#include "platform/ini/inifile.h"

namespace expo::presentation {

// What one loading reads for the main window, in code page 1250.
struct LanguageTexts {
    // Texts the windows keep and use.
    std::string FTextExhibitorCount;
    std::string FTextAlreadyInNotebook;
    std::string FTextCannotCreateFile;
    std::string FTextInNotebook;
    std::string FTextShown;
    std::string FTextEnterCondition;
    std::string FTextCaseSensitive;
    std::string FTextRunSelection;  // also the caption of LblNovyVyber
    std::string FTextCancel;
    std::string FTextAdvancedSearch;
    std::string FTextSimpleSearch;
    std::string FTextNeedOneCondition;
    std::string FTextSearch;
    std::string FTextPavilion;
    std::string FTextNomenclatureCode;
    std::string FTextExhibitorName;
    std::string FTextStreet;
    std::string FTextCity;
    std::string FTextPostcode;
    std::string FTextOrLabel;
    std::string FTextCountry;
    std::string FTextStartsWith;
    std::string FTextContains;
    std::string FTextEquals;
    std::string FTextValueRequired;
    std::string FTextCopyError;
    std::string FTextNoMatch;
    std::string FTextSectionEmpty;
    std::string FTextSourceFile;
    std::string FTextDoesNotExist;
    std::string FTextEnterConditionAdvanced;
    std::string FTextStringNotFound;
    std::string FTextProcessingItem;
    std::string FTextSearchTextRequired;
    std::string FTextRecord;
    std::string FTextOf;
    std::string FTextSave;
    std::string FTextClose;
    std::string FTextFileSaved;
    std::string FTextExport;
    std::string FTextNewSelection;
    std::string FTextAll;
    std::string FTextOnlyNovelties;
    std::string FTextOnlyExhibits;
    std::string FTextChoose;
    std::string FTextNomenclatures;
    std::string FTextCode;
    std::string FTextDescription;
    std::string FTextNomenclatureDescription;
    std::string FTextRepresentedFirm;
    std::string FTextRepresentedBrand;
    std::string FTextAnd;
    std::string FTextRecordsWithNovelties;
    std::string FTextRecordsWithExhibits;
    std::string FTextOr;
    std::string FTextSelection;
    std::string FTextSaveError;

    // Button captions: empty when the language leaves the caption as it is (the form's own
    // at the first loading, the previous language's after a switch).
    std::optional<std::string> ToolButtonVseCaption;
    std::optional<std::string> ToolButtonExponatyCaption;
    std::optional<std::string> ToolButtonNovinkyCaption;
    std::optional<std::string> ToolButtonZapisnikCaption;
    std::optional<std::string> ToolButtonVyberCaption;
    std::optional<std::string> LblDoZapisnikuCaption;
    std::optional<std::string> LblVyraditCaption;
    std::optional<std::string> LblExportCaption;

    // Hints and captions that go straight onto components.
    std::string ToolButtonVseHint;
    std::string ToolButtonExponatyHint;
    std::string ToolButtonNovinkyHint;
    std::string ToolButtonZapisnikHint;
    std::string ToolButtonVyberHint;
    std::string PanelHledaniTextCaption;  // " Nalezené stránky:"
    std::string LabelFulltextCaption;     // "Fulltext:"
    std::string LabelHledejCaption;       // "Hledej"
};

// Every stored text, caption and hint of the language.
LanguageTexts readLanguageTexts(const IniFile& config, int language);

// The texts of the loading's progress notice, read when their step comes.
enum class NoticeText {
    Title,       // "Inicializace programu:"
    Appearance,  // "načítání vzhledu."
    Logo,        // "načítání loga."
    Navigation,  // "načítání navigace."
    DataFiles,   // "načítání datových souborů" (the step adds the file's number)
};
std::string readNoticeText(const IniFile& config, int language, NoticeText which);

// The language's name and the fallback text columns of the catalogues, from the section
// "uvod". `languageText` is the language number as the loading was given it.
struct LanguageFields {
    std::string FLanguageName;              // "Čes" when missing or empty
    std::string FDefaultLanguageSuffix;     // "0" when missing or empty
    std::string FDefaultExpLanguageSuffix;  // "0" when missing or empty
};
LanguageFields readLanguageFields(const IniFile& config, std::string_view languageText);

// The low-resolution notice: the non-empty texts of every language at once (no language is
// chosen yet when it shows), joined by carriage returns.
std::string resolutionNotice(const IniFile& config);

}  // namespace expo::presentation
