#pragma once
// The filter expressions of the criteria search and their readable descriptions, built from the
// values the user entered in the search dialog. Qt-free: the dialog and the main window hand in
// the texts of their controls, and the results go to the datasets as they are.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "platform/text/error.h"
#include "presentation/settings/language_texts.h"

namespace expo::search {

using presentation::LanguageTexts;

// The items of ComboBoxVybrat, by index.
enum class Restriction { All = 0, OnlyNovelties = 1, OnlyExhibits = 2 };

// A string literal of the filter language: the value between single quotes, each quote inside
// doubled, so that any value the user types stays one literal.
std::string filterLiteral(std::string_view value);

// The comparison that follows the field in a condition, for the operator whose trimmed text
// equals the trimmed `operatorText` (starts with, contains, equals, tried in this order):
// " LIKE 'v%'", " LIKE '%v%'" or "= 'v'". The value is trimmed and, unless `caseSensitive`,
// upper-cased. An operator text that is none of the three gives no comparison (empty).
std::string BuildOperatorPiece(std::string_view operatorText, std::string_view value,
                               bool caseSensitive, const LanguageTexts& texts);

// --- Advanced page ---------------------------------------------------------------------------

// The ten criteria of the advanced page, in the order they are handled.
enum class Criterion {
    ExhibitorName,
    Street,
    City,
    Postcode,
    Country,
    Pavilion,
    NomenclatureCode,
    NomenclatureDescription,
    RepresentedFirm,
    RepresentedBrand,
};
constexpr int kCriterionCount = 10;

// One condition row as the dialog shows it: the operator control's text and the value control's
// text, both untrimmed.
struct ConditionRow {
    std::string operatorText;
    std::string value;
};

struct CriterionInput {
    bool ticked = false;
    ConditionRow row;                        // the criterion's own row
    std::vector<ConditionRow> alternatives;  // the shown alternative rows, in creation order
};

struct AdvancedSearchInput {
    std::array<CriterionInput, kCriterionCount> criteria;
    bool caseSensitive = false;  // CheckBoxMalaVelka
    Restriction restriction = Restriction::All;
    std::string sectionFilter;   // of the catalogue section now listed; may be empty
    std::string languageSuffix;  // column of the nomenclature descriptions ("0" ... "4")
};

// What the advanced page hands the main window: one filter per dataset (empty: no condition on
// it) and the description of the search.
struct AdvancedFilters {
    std::string FNomenclatureFilter;     // CDSNomenklatury
    std::string FLocationFilter;         // CDSUmisteni
    std::string FExhibitorFilter;        // CDSZaznamy
    std::string FRepresentedFirmFilter;  // CDSZastFir
    std::string FSelectionDescription;
    std::string FRepresentedBrandFilter;  // CDSZastZnac
};

// A ticked criterion's row left without a value.
class ValueRequired : public Error {
  public:
    // `alternative` indexes CriterionInput::alternatives; -1 is the criterion's own row.
    ValueRequired(const std::string& message, Criterion criterion, int alternative)
        : Error(message), criterion(criterion), alternative(alternative) {}
    Criterion criterion;
    int alternative;
};

// The filters and the description of the ticked criteria with their alternatives, the
// restriction and the section. Throws ValueRequired (text "Hodnota musí být zadána") for the
// first row without a value, criteria in order and each criterion's own row first, and
// expo::Error (text "Alespoň jedna podmínka musí být zadána") when no criterion is ticked.
AdvancedFilters buildAdvancedSearch(const AdvancedSearchInput& input, const LanguageTexts& texts);

// --- Simple page -----------------------------------------------------------------------------

// The simple page's controls as typed: EditNAZEVFIRMY, EditULICE, EditMESTO, CBoxStat (a
// country entry: its code, " - " and its name), EditPSC.
struct SimpleSearchInput {
    std::string name;
    std::string street;
    std::string city;
    std::string country;
    std::string postcode;
    bool caseSensitive = false;
    Restriction restriction = Restriction::All;
};

// Whether one of the five fields holds more than blanks (the restriction alone does not count).
bool hasSimpleCondition(const SimpleSearchInput& input);

struct SimpleSearch {
    std::string filter;       // for CDSZaznamy, limited to the section when one is listed
    std::string description;  // in lower case
};

// Every filled field starts its column (the country: equals its code), joined by " and ".
SimpleSearch buildSimpleSearch(const SimpleSearchInput& input, const LanguageTexts& texts,
                               std::string_view sectionFilter);

}  // namespace expo::search
