// The filter expressions and descriptions of the criteria search, with the Czech default texts.
#include <gtest/gtest.h>

#include <sstream>
#include <tuple>

#include "platform/ini/inifile.h"
#include "platform/text/text.h"
#include "search/search_filter.h"

namespace expo::search {
namespace {

using text::cp;
using C = Criterion;

const LanguageTexts& texts() {
    static const LanguageTexts czech = presentation::readLanguageTexts(IniFile{}, 0);
    return czech;
}

// The operator texts as the dialog's operator controls show them.
const std::string kStarts = cp("Začíná na");
const std::string kContains = "Obsahuje";
const std::string kEquals = cp("Rovná se");

CriterionInput& tick(AdvancedSearchInput& in, C criterion, std::string op, std::string value,
                     std::vector<ConditionRow> alternatives = {}) {
    CriterionInput& c = in.criteria[static_cast<int>(criterion)];
    c = {true, {std::move(op), std::move(value)}, std::move(alternatives)};
    return c;
}

SimpleSearchInput simple(std::string name, std::string street = "", std::string city = "",
                         std::string country = "", std::string postcode = "",
                         bool caseSensitive = false, Restriction restriction = Restriction::All) {
    return {cp(name), cp(street), cp(city), cp(country), cp(postcode), caseSensitive, restriction};
}

// A filter with every run of blanks as one blank and none at the ends: the datasets read it
// whatever its spacing.
std::string spaced(const std::string& filter) {
    std::istringstream words(filter);
    std::string result;
    for (std::string word; words >> word;) {
        result += (result.empty() ? "" : " ") + word;
    }
    return result;
}

AdvancedSearchInput input(std::string sectionFilter = "") {
    AdvancedSearchInput in;
    in.sectionFilter = std::move(sectionFilter);
    in.languageSuffix = "1";
    return in;
}

TEST(SearchOperatorPiece, FollowsTheField) {
    const std::tuple<std::string, std::string, bool, std::string> cases[] = {
        {kEquals, "  Brno ", true, "= 'Brno'"},
        {kContains, cp("žďár"), false, cp(" LIKE '%ŽĎÁR%'")},
        {" " + kEquals + "  ", "x", true, "= 'x'"},
        {kStarts, "O'Neil", false, " LIKE 'O''NEIL%'"},
        {kEquals, "50%", true, "= '50%'"},  // typed wildcards stay wildcards
        {"Jinak", "x", true, ""},
    };
    for (const auto& [op, value, caseSensitive, piece] : cases) {
        EXPECT_EQ(BuildOperatorPiece(op, value, caseSensitive, texts()), piece) << value;
    }
}

TEST(SearchAdvanced, ExhibitorCriteriaWithAlternativesRestrictionAndSection) {
    AdvancedSearchInput in = input("SEKCE_ID=5");
    tick(in, C::ExhibitorName, kStarts, "Stroj", {{kContains, "tech"}});
    tick(in, C::City, kEquals, "Brno");
    CriterionInput& street = tick(in, C::Street, kStarts, "x", {{kEquals, ""}});
    street.ticked = false;  // neither it nor its empty alternative counts
    in.restriction = Restriction::OnlyNovelties;
    const AdvancedFilters f = buildAdvancedSearch(in, texts());
    EXPECT_EQ(spaced(f.FExhibitorFilter),
              "((upper(KAT_NAZEV) LIKE 'STROJ%') or (upper(KAT_NAZEV) LIKE '%TECH%')) and "
              "((upper(KAT_MESTO)= 'BRNO')) and (NOVINKA='x') and (SEKCE_ID=5)");
    EXPECT_EQ(f.FNomenclatureFilter + f.FLocationFilter + f.FRepresentedFirmFilter, "");
    EXPECT_EQ(f.FSelectionDescription,
              cp("((Název vystavovatele Začíná na \"Stroj\") nebo (Název vystavovatele Obsahuje "
                 "\"tech\")) a (Město Rovná se \"Brno\") a (záznamy jen s novinkami)"));
    in.caseSensitive = true;
    in.criteria[static_cast<int>(C::City)].ticked = false;
    in.restriction = Restriction::All;
    EXPECT_EQ(spaced(buildAdvancedSearch(in, texts()).FExhibitorFilter),
              "(((KAT_NAZEV) LIKE 'Stroj%') or ((KAT_NAZEV) LIKE '%tech%')) and (SEKCE_ID=5)");
}

TEST(SearchAdvanced, DetailCriteriaGoToTheirDatasetsAndTheSectionToTheExhibitors) {
    AdvancedSearchInput in = input("SEKCE_ID in (1,2)");
    tick(in, C::Pavilion, kEquals, "a1");
    tick(in, C::NomenclatureCode, kStarts, "01.0");
    tick(in, C::NomenclatureDescription, kContains, "lisy");
    tick(in, C::RepresentedFirm, kContains, "Kornel");
    tick(in, C::RepresentedBrand, kEquals, "Orbis");
    AdvancedFilters f = buildAdvancedSearch(in, texts());
    EXPECT_EQ(spaced(f.FLocationFilter), "((upper(PLO_ZKRAT)= 'A1'))");
    EXPECT_EQ(spaced(f.FNomenclatureFilter),
              "((upper(NOM_KOD) LIKE '01.0%')) and ((upper(NOM_POPIS1) LIKE '%LISY%'))");
    EXPECT_EQ(spaced(f.FRepresentedFirmFilter), "((upper(KTF_TEXT) LIKE '%KORNEL%'))");
    EXPECT_EQ(spaced(f.FRepresentedBrandFilter), "((upper(KTZ_TEXT)= 'ORBIS'))");
    EXPECT_EQ(spaced(f.FExhibitorFilter), "(SEKCE_ID in (1,2))");
    EXPECT_EQ(f.FSelectionDescription,
              cp("(Pavilon Rovná se \"a1\") a (Kód nomenklatury Začíná na \"01.0\") a (Popis "
                 "nomenklatury Obsahuje \"lisy\") a (Zastoupená firma Obsahuje \"Kornel\") a "
                 "(Zastoupená značka Rovná se \"Orbis\")"));
    in.restriction = Restriction::OnlyExhibits;
    EXPECT_EQ(spaced(buildAdvancedSearch(in, texts()).FExhibitorFilter),
              "(COUNTEXP>0) and (SEKCE_ID in (1,2))");
    in.restriction = Restriction::All;
    in.sectionFilter.clear();
    EXPECT_EQ(spaced(buildAdvancedSearch(in, texts()).FExhibitorFilter), "");
}

TEST(SearchAdvanced, CountryTakesTheCodeOfItsEntry) {
    AdvancedSearchInput in = input();
    tick(in, C::Country, kEquals, cp(" CZE - Česká republika"), {{kEquals, "sv - Slovensko"}});
    const AdvancedFilters f = buildAdvancedSearch(in, texts());
    EXPECT_EQ(spaced(f.FExhibitorFilter), "((upper(STAT_ID)= 'CZE') or (upper(STAT_ID)= 'SV'))");
    EXPECT_EQ(f.FSelectionDescription, cp("((Stát Rovná se \"CZE\") nebo (Stát Rovná se \"sv\"))"));
}

TEST(SearchAdvanced, TheFirstRowWithoutAValueIsNamed) {
    AdvancedSearchInput blank = input(), blankAlternative = input(), two = input();
    tick(blank, C::Street, kEquals, "  ");
    tick(blankAlternative, C::City, kEquals, "Brno", {{kEquals, "Zlin"}, {kEquals, " "}});
    tick(two, C::RepresentedBrand, kEquals, "");
    tick(two, C::Pavilion, kEquals, "");
    tick(two, C::ExhibitorName, kEquals, "x");
    const std::tuple<const AdvancedSearchInput&, C, int> cases[] = {
        {blank, C::Street, -1}, {blankAlternative, C::City, 1}, {two, C::Pavilion, -1}};
    for (const auto& [in, criterion, alternative] : cases) {
        try {
            buildAdvancedSearch(in, texts());
            ADD_FAILURE() << "no error";
        } catch (const ValueRequired& e) {
            EXPECT_EQ(e.what(), cp("Hodnota musí být zadána."));
            EXPECT_EQ(std::pair(e.criterion, e.alternative), std::pair(criterion, alternative));
        }
    }
}

TEST(SearchAdvanced, NoCriterionTickedIsAnErrorEvenWithARestriction) {
    AdvancedSearchInput in = input("SEKCE_ID=1");
    in.restriction = Restriction::OnlyNovelties;
    in.criteria[0].row = {kStarts, "Stroj"};  // filled but not ticked
    try {
        buildAdvancedSearch(in, texts());
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_EQ(dynamic_cast<const ValueRequired*>(&e), nullptr) << "not a missing value";
        EXPECT_EQ(e.what(), cp("Alespoň jedna podmínka musí být zadána."));
    }
}

TEST(SearchSimple, FieldsInOrderWithinTheSection) {
    const struct {
        SimpleSearchInput in;
        const char* section;
        const char* filter;       // UTF-8
        const char* description;  // UTF-8
    } cases[] = {
        {simple("  Stroj ", "", "", "", "798", true), "SEKCE_ID=1",
         "KAT_NAZEV LIKE 'Stroj%' and KAT_PSC LIKE '798%' and SEKCE_ID=1",
         "(název vystavovatele začíná na \"stroj\") a (psč začíná na \"798\")"},
        {simple("K", "Hlavná", "Košice", "svk - Slovensko", "040", false,
                Restriction::OnlyNovelties),
         "SEKCE_ID in (1)",
         "Upper(KAT_NAZEV) LIKE 'K%' and Upper(KAT_ULICE) LIKE 'HLAVNÁ%' and "
         "Upper(KAT_MESTO) LIKE 'KOŠICE%' and Upper(STAT_ID) LIKE 'SVK%' and "
         "Upper(KAT_PSC) LIKE '040%' and NOVINKA='x' and SEKCE_ID in (1)",
         "(název vystavovatele začíná na \"k\") a (ulice začíná na \"hlavná\") a (město začíná "
         "na \"košice\") a (stát rovná se \"svk - slovensko\") a (psč začíná na \"040\") a "
         "(záznamy jen s novinkami)"},
        {simple("", "", "Brno", "", "", false, Restriction::OnlyExhibits), "",
         "Upper(KAT_MESTO) LIKE 'BRNO%' and COUNTEXP>0",
         "(město začíná na \"brno\") a (záznamy jen s exponáty)"},
    };
    for (const auto& c : cases) {
        const SimpleSearch s = buildSimpleSearch(c.in, texts(), c.section);
        EXPECT_EQ(spaced(s.filter), cp(c.filter));
        EXPECT_EQ(s.description, cp(c.description));
    }
}

TEST(SearchSimple, OneFieldWithMoreThanBlanksIsACondition) {
    EXPECT_FALSE(hasSimpleCondition(simple(" ", "", "\t")));
    EXPECT_FALSE(hasSimpleCondition(simple("", "", "", "", "", true, Restriction::OnlyNovelties)));
    EXPECT_TRUE(hasSimpleCondition(simple("   ", "", "", "", "6")));
    EXPECT_TRUE(hasSimpleCondition(simple("", "", "", "CZE - x")));
}

}  // namespace
}  // namespace expo::search
