// The filter expressions and descriptions of the criteria search, character for character,
// with the Czech default texts.
#include <gtest/gtest.h>

#include "platform/ini/inifile.h"
#include "platform/text/text.h"
#include "search/search_filter.h"

namespace expo::search {
namespace {

using text::cp;

const LanguageTexts& texts() {
    static const LanguageTexts czech = presentation::readLanguageTexts(IniFile{}, 0);
    return czech;
}

// The operator texts as the dialog's operator controls show them.
std::string startsWith() {
    return cp("Začíná na");
}
std::string contains() {
    return "Obsahuje";
}
std::string equals() {
    return cp("Rovná se");
}

AdvancedSearchInput input(std::string sectionFilter = "") {
    AdvancedSearchInput in;
    in.sectionFilter = std::move(sectionFilter);
    in.languageSuffix = "1";
    return in;
}

CriterionInput& tick(AdvancedSearchInput& in, Criterion criterion, std::string op,
                     std::string value) {
    CriterionInput& c = in.criteria[static_cast<int>(criterion)];
    c.ticked = true;
    c.row = {std::move(op), std::move(value)};
    return c;
}

struct PieceCase {
    std::string op;
    std::string value;
    bool caseSensitive;
    std::string piece;
};

class OperatorPiece : public ::testing::TestWithParam<PieceCase> {};

TEST_P(OperatorPiece, FollowsTheField) {
    const PieceCase& c = GetParam();
    EXPECT_EQ(BuildOperatorPiece(c.op, c.value, c.caseSensitive, texts()), c.piece);
}

INSTANTIATE_TEST_SUITE_P(
    Search, OperatorPiece,
    ::testing::Values(PieceCase{startsWith(), "Stroj", false, " LIKE 'STROJ%'"},
                      PieceCase{contains(), "tech", false, " LIKE '%TECH%'"},
                      PieceCase{equals(), "Brno", false, "= 'BRNO'"},
                      PieceCase{startsWith(), "Stroj", true, " LIKE 'Stroj%'"},
                      PieceCase{equals(), "  Brno ", true, "= 'Brno'"},
                      // the locale's upper case of accented letters
                      PieceCase{contains(), cp("žďár"), false, cp(" LIKE '%ŽĎÁR%'")},
                      // operator texts compare trimmed
                      PieceCase{" " + equals() + "  ", "x", true, "= 'x'"},
                      // a quote stays inside its literal
                      PieceCase{startsWith(), "O'Neil", false, " LIKE 'O''NEIL%'"},
                      PieceCase{equals(), "'", true, "= ''''"},
                      // wildcards typed by the user stay wildcards
                      PieceCase{equals(), "50%", true, "= '50%'"},
                      PieceCase{"Jinak", "x", true, ""}));

TEST(SearchAdvanced, WorkedExampleWithAlternativeCityRestrictionAndSection) {
    AdvancedSearchInput in = input("SEKCE_ID=5");
    tick(in, Criterion::ExhibitorName, startsWith(), "Stroj").alternatives = {{contains(), "tech"}};
    tick(in, Criterion::City, equals(), "Brno");
    in.restriction = Restriction::OnlyNovelties;

    const AdvancedFilters f = buildAdvancedSearch(in, texts());
    EXPECT_EQ(f.FExhibitorFilter,
              "((upper(KAT_NAZEV) LIKE 'STROJ%') or (upper(KAT_NAZEV) LIKE '%TECH%')) and "
              "((upper(KAT_MESTO)= 'BRNO')) and  (NOVINKA='x')  and  (SEKCE_ID=5)");
    EXPECT_EQ(f.FNomenclatureFilter, "");
    EXPECT_EQ(f.FLocationFilter, "");
    EXPECT_EQ(f.FRepresentedFirmFilter, "");
    EXPECT_EQ(f.FRepresentedBrandFilter, "");
    EXPECT_EQ(f.FSelectionDescription,
              cp("((Název vystavovatele Začíná na \"Stroj\") nebo (Název vystavovatele Obsahuje "
                 "\"tech\")) a (Město Rovná se \"Brno\") a (záznamy jen s novinkami)"));
}

TEST(SearchAdvanced, CaseSensitiveConditionsHaveNoUpper) {
    AdvancedSearchInput in = input();
    in.caseSensitive = true;
    tick(in, Criterion::ExhibitorName, startsWith(), "Stroj").alternatives = {{contains(), "tech"}};
    EXPECT_EQ(buildAdvancedSearch(in, texts()).FExhibitorFilter,
              "(((KAT_NAZEV) LIKE 'Stroj%') or ((KAT_NAZEV) LIKE '%tech%'))");
}

TEST(SearchAdvanced, PavilionAloneFiltersPlacementsAndTheSectionTheExhibitors) {
    AdvancedSearchInput in = input("SEKCE_ID in (1,2)");
    tick(in, Criterion::Pavilion, equals(), "a1");
    const AdvancedFilters f = buildAdvancedSearch(in, texts());
    EXPECT_EQ(f.FLocationFilter, "((upper(PLO_ZKRAT)= 'A1'))");
    EXPECT_EQ(f.FExhibitorFilter, " (SEKCE_ID in (1,2))");
    EXPECT_EQ(f.FNomenclatureFilter, "");
    EXPECT_EQ(f.FSelectionDescription, cp("(Pavilon Rovná se \"a1\")"));

    in.sectionFilter.clear();
    EXPECT_EQ(buildAdvancedSearch(in, texts()).FExhibitorFilter, "")
        << "no section, no exhibitor criterion";
}

TEST(SearchAdvanced, RestrictionWithDetailCriteriaOnlyStartsTheExhibitorFilter) {
    AdvancedSearchInput in = input("SEKCE_ID in (7,8)");
    tick(in, Criterion::RepresentedFirm, contains(), "Kornel");
    in.restriction = Restriction::OnlyExhibits;
    const AdvancedFilters f = buildAdvancedSearch(in, texts());
    EXPECT_EQ(f.FExhibitorFilter, " (COUNTEXP>0)  and  (SEKCE_ID in (7,8))");
    EXPECT_EQ(f.FRepresentedFirmFilter, "((upper(KTF_TEXT) LIKE '%KORNEL%'))");
    EXPECT_EQ(f.FSelectionDescription,
              cp("(Zastoupená firma Obsahuje \"Kornel\") a (záznamy jen s exponáty)"));

    in.sectionFilter.clear();
    EXPECT_EQ(buildAdvancedSearch(in, texts()).FExhibitorFilter, " (COUNTEXP>0) ");
}

TEST(SearchAdvanced, CountryTakesTheCodeOfItsEntry) {
    AdvancedSearchInput in = input();
    tick(in, Criterion::Country, equals(), cp(" CZE - Česká republika")).alternatives = {
        {equals(), "sv - Slovensko"}};
    const AdvancedFilters f = buildAdvancedSearch(in, texts());
    EXPECT_EQ(f.FExhibitorFilter, "((upper(STAT_ID)= 'CZE') or (upper(STAT_ID)= 'SV'))");
    EXPECT_EQ(f.FSelectionDescription, cp("((Stát Rovná se \"CZE\") nebo (Stát Rovná se \"sv\"))"));
}

TEST(SearchAdvanced, BothNomenclatureCriteriaGoIntoOneFilterInTheCatalogueLanguage) {
    AdvancedSearchInput in = input();
    tick(in, Criterion::NomenclatureCode, startsWith(), "01.0");
    tick(in, Criterion::NomenclatureDescription, contains(), "lisy");
    tick(in, Criterion::RepresentedBrand, equals(), "Orbis");
    const AdvancedFilters f = buildAdvancedSearch(in, texts());
    EXPECT_EQ(f.FNomenclatureFilter,
              "((upper(NOM_KOD) LIKE '01.0%')) and ((upper(NOM_POPIS1) LIKE '%LISY%'))");
    EXPECT_EQ(f.FRepresentedBrandFilter, "((upper(KTZ_TEXT)= 'ORBIS'))");
    EXPECT_EQ(f.FExhibitorFilter, "");
    EXPECT_EQ(f.FSelectionDescription,
              cp("(Kód nomenklatury Začíná na \"01.0\") a (Popis nomenklatury Obsahuje "
                 "\"lisy\") a (Zastoupená značka Rovná se \"Orbis\")"));
}

TEST(SearchAdvanced, UntickedCriteriaAndTheirAlternativesAddNothing) {
    AdvancedSearchInput in = input();
    CriterionInput& street = tick(in, Criterion::Street, startsWith(), "Lipová");
    street.alternatives = {{equals(), ""}};  // would be an error if it counted
    street.ticked = false;
    tick(in, Criterion::Postcode, startsWith(), "779");
    const AdvancedFilters f = buildAdvancedSearch(in, texts());
    EXPECT_EQ(f.FExhibitorFilter, "((upper(KAT_PSC) LIKE '779%'))");
    EXPECT_EQ(f.FSelectionDescription, cp("(PSČ Začíná na \"779\")"));
}

TEST(SearchAdvanced, ValueInAnExpressionKeepsItsQuotesDoubled) {
    AdvancedSearchInput in = input();
    tick(in, Criterion::ExhibitorName, equals(), "D'Art");
    const AdvancedFilters f = buildAdvancedSearch(in, texts());
    EXPECT_EQ(f.FExhibitorFilter, "((upper(KAT_NAZEV)= 'D''ART'))");
    EXPECT_EQ(f.FSelectionDescription, cp("(Název vystavovatele Rovná se \"D'Art\")"));
}

struct MissingCase {
    const char* name;
    std::function<void(AdvancedSearchInput&)> fill;
    Criterion criterion;
    int alternative;
};

class MissingValue : public ::testing::TestWithParam<MissingCase> {};

TEST_P(MissingValue, NamesTheFirstRowWithoutAValue) {
    AdvancedSearchInput in = input("SEKCE_ID=1");
    GetParam().fill(in);
    try {
        buildAdvancedSearch(in, texts());
        FAIL() << "no error";
    } catch (const ValueRequired& e) {
        EXPECT_STREQ(e.what(), cp("Hodnota musí být zadána.").c_str());
        EXPECT_EQ(e.criterion, GetParam().criterion);
        EXPECT_EQ(e.alternative, GetParam().alternative);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Search, MissingValue,
    ::testing::Values(
        MissingCase{"OwnRow",
                    [](AdvancedSearchInput& in) { tick(in, Criterion::City, equals(), ""); },
                    Criterion::City, -1},
        MissingCase{"BlanksOnly",
                    [](AdvancedSearchInput& in) { tick(in, Criterion::Street, equals(), "  "); },
                    Criterion::Street, -1},
        MissingCase{"AlternativeOfAFilledRow",
                    [](AdvancedSearchInput& in) {
                        tick(in, Criterion::City, equals(), "Brno").alternatives = {
                            {equals(), "Zlín"}, {contains(), " "}};
                    },
                    Criterion::City, 1},
        MissingCase{"CriteriaInOrder",
                    [](AdvancedSearchInput& in) {
                        tick(in, Criterion::RepresentedBrand, equals(), "");
                        tick(in, Criterion::Pavilion, equals(), "");
                        tick(in, Criterion::ExhibitorName, equals(), "x");
                    },
                    Criterion::Pavilion, -1},
        MissingCase{
            "CountryAlternativeWithoutEntry",
            [](AdvancedSearchInput& in) {
                tick(in, Criterion::Country, equals(), "CZE - x").alternatives = {{equals(), ""}};
            },
            Criterion::Country, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SearchAdvanced, NoCriterionTickedIsAnErrorEvenWithARestriction) {
    AdvancedSearchInput in = input("SEKCE_ID=1");
    in.restriction = Restriction::OnlyNovelties;
    in.criteria[0].row = {startsWith(), "Stroj"};  // filled but not ticked
    try {
        buildAdvancedSearch(in, texts());
        FAIL() << "no error";
    } catch (const ValueRequired&) {
        FAIL() << "not a missing value";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), cp("Alespoň jedna podmínka musí být zadána.").c_str());
    }
}

SimpleSearchInput simple(std::string name, std::string city = "", std::string country = "") {
    SimpleSearchInput in;
    in.name = std::move(name);
    in.city = std::move(city);
    in.country = std::move(country);
    return in;
}

TEST(SearchSimple, NamePrefixWithoutRegardToCaseWithinTheSection) {
    const SimpleSearch s = buildSimpleSearch(simple("  stroj "), texts(), "SEKCE_ID in (1)");
    EXPECT_EQ(s.filter, " Upper(KAT_NAZEV) LIKE 'STROJ%'  and SEKCE_ID in (1)");
    EXPECT_EQ(s.description, cp("(název vystavovatele začíná na \"stroj\")"));
}

TEST(SearchSimple, CaseSensitiveComparesTheColumnItself) {
    SimpleSearchInput in = simple("Stroj");
    in.caseSensitive = true;
    in.postcode = "798";
    const SimpleSearch s = buildSimpleSearch(in, texts(), "SEKCE_ID=1");
    EXPECT_EQ(s.filter, " KAT_NAZEV LIKE 'Stroj%'  and  KAT_PSC LIKE '798%'  and SEKCE_ID=1");
    EXPECT_EQ(s.description,
              cp("(název vystavovatele začíná na \"stroj\") a (psč začíná na \"798\")"));
}

TEST(SearchSimple, EveryFieldInOrderWithTheCountryCodeAndTheRestriction) {
    SimpleSearchInput in;
    in.postcode = "040";
    in.country = cp("svk - Slovensko");
    in.city = cp("Košice");
    in.street = cp("Hlavná");
    in.name = "K";
    in.restriction = Restriction::OnlyNovelties;
    const SimpleSearch s = buildSimpleSearch(in, texts(), "SEKCE_ID in (1)");
    EXPECT_EQ(s.filter, cp(" Upper(KAT_NAZEV) LIKE 'K%'  and  Upper(KAT_ULICE) LIKE 'HLAVNÁ%'  and "
                           " Upper(KAT_MESTO) LIKE 'KOŠICE%'  and  Upper(STAT_ID) LIKE 'SVK%'  and "
                           " Upper(KAT_PSC) LIKE '040%'  and  NOVINKA='x'  and SEKCE_ID in (1)"));
    EXPECT_EQ(s.description,
              cp("(název vystavovatele začíná na \"k\") a (ulice začíná na \"hlavná\") a "
                 "(město začíná na \"košice\") a (stát rovná se \"svk - slovensko\") a "
                 "(psč začíná na \"040\") a (záznamy jen s novinkami)"));
}

TEST(SearchSimple, ExhibitsRestrictionAndNoSection) {
    SimpleSearchInput in = simple("", "Brno");
    in.restriction = Restriction::OnlyExhibits;
    const SimpleSearch s = buildSimpleSearch(in, texts(), "");
    EXPECT_EQ(s.filter, " Upper(KAT_MESTO) LIKE 'BRNO%'  and  COUNTEXP>0 ");
    EXPECT_EQ(s.description, cp("(město začíná na \"brno\") a (záznamy jen s exponáty)"));
}

TEST(SearchSimple, QuotesStayInsideTheLiteral) {
    EXPECT_EQ(buildSimpleSearch(simple("d'art"), texts(), "SEKCE_ID=1").filter,
              " Upper(KAT_NAZEV) LIKE 'D''ART%'  and SEKCE_ID=1");
}

TEST(SearchSimple, OneFieldWithMoreThanBlanksIsACondition) {
    EXPECT_FALSE(hasSimpleCondition(simple(" ", "\t")));
    SimpleSearchInput restricted = simple("");
    restricted.restriction = Restriction::OnlyNovelties;
    restricted.caseSensitive = true;
    EXPECT_FALSE(hasSimpleCondition(restricted));
    SimpleSearchInput postcode = simple("   ");
    postcode.postcode = "6";
    EXPECT_TRUE(hasSimpleCondition(postcode));
    EXPECT_TRUE(hasSimpleCondition(simple("", "", "CZE - x")));
}

}  // namespace
}  // namespace expo::search
