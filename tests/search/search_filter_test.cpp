// The filter expressions and descriptions of the criteria search, with the Czech default texts;
// the value lists of the search dialog and the rows of the nomenclature picker; the advanced
// search on the demo disc's datasets: detail criteria through the link on KAT_ID, the section,
// and the datasets' state afterwards.
#include <gtest/gtest.h>
#include <algorithm>
#include <sstream>
#include <tuple>

#include "platform/dataset/dataset.h"
#include "platform/dataset/packet.h"
#include "platform/ini/inifile.h"
#include "platform/text/error.h"
#include "platform/text/text.h"
#include "search/advanced_search.h"
#include "search/code_lists.h"
#include "search/search_filter.h"
#include "tests/presentation/page/page_data.h"

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
        {kStarts, "O'Neil", false, " LIKE 'O''NEIL%'"},
        {kEquals, "50%", true, "= '50%'"}};  // typed wildcards stay wildcards
    for (const auto& [op, value, caseSensitive, piece] : cases) {
        EXPECT_EQ(BuildOperatorPiece(op, value, caseSensitive, texts()), piece) << value;
    }
}

TEST(SearchAdvanced, ExhibitorCriteriaWithAlternativesRestrictionAndSection) {
    AdvancedSearchInput in = input("SEKCE_ID=5");
    tick(in, C::ExhibitorName, kStarts, "Stroj", {{kContains, "tech"}});
    tick(in, C::City, kEquals, "Brno");
    tick(in, C::Country, kEquals, cp(" CZE - Česká republika"), {{kEquals, "sv - Slovensko"}});
    CriterionInput& street = tick(in, C::Street, kStarts, "x", {{kEquals, ""}});
    street.ticked = false;  // neither it nor its empty alternative counts
    in.restriction = Restriction::OnlyNovelties;
    const AdvancedFilters f = buildAdvancedSearch(in, texts());
    EXPECT_EQ(
        spaced(f.FExhibitorFilter),
        "((upper(KAT_NAZEV) LIKE 'STROJ%') or (upper(KAT_NAZEV) LIKE '%TECH%')) and "
        "((upper(KAT_MESTO)= 'BRNO')) and ((upper(STAT_ID)= 'CZE') or (upper(STAT_ID)= 'SV')) "
        "and (NOVINKA='x') and (SEKCE_ID=5)");
    EXPECT_EQ(f.FNomenclatureFilter + f.FLocationFilter + f.FRepresentedFirmFilter, "");
    EXPECT_EQ(
        f.FSelectionDescription,
        cp("((Název vystavovatele Začíná na \"Stroj\") nebo (Název vystavovatele Obsahuje "
           "\"tech\")) a (Město Rovná se \"Brno\") a ((Stát Rovná se \"CZE\") nebo (Stát Rovná se "
           "\"sv\")) a (záznamy jen s novinkami)"));
    in.caseSensitive = true;
    in.criteria[static_cast<int>(C::City)].ticked = false;
    in.criteria[static_cast<int>(C::Country)].ticked = false;
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
    EXPECT_EQ(spaced(f.FExhibitorFilter), "(SEKCE_ID in (1,2))");
    EXPECT_EQ(f.FSelectionDescription,
              cp("(Pavilon Rovná se \"a1\") a (Kód nomenklatury Začíná na \"01.0\") a (Popis "
                 "nomenklatury Obsahuje \"lisy\") a (Zastoupená firma Obsahuje \"Kornel\") a "
                 "(Zastoupená značka Rovná se \"Orbis\")"));
    in.restriction = Restriction::OnlyExhibits;
    EXPECT_EQ(spaced(buildAdvancedSearch(in, texts()).FExhibitorFilter),
              "(COUNTEXP>0) and (SEKCE_ID in (1,2))");
}

// The first row without a value (blanks are none) is named, in the order of the criteria.
TEST(SearchAdvanced, TheFirstRowWithoutAValueIsNamed) {
    AdvancedSearchInput in = input();
    tick(in, C::ExhibitorName, kEquals, "x");
    tick(in, C::RepresentedBrand, kEquals, "");
    tick(in, C::Street, kEquals, "x", {{kEquals, "Zlin"}, {kEquals, " "}});
    try {
        buildAdvancedSearch(in, texts());
        ADD_FAILURE() << "no error";
    } catch (const ValueRequired& e) {
        EXPECT_EQ(std::tuple(std::string(e.what()), e.criterion, e.alternative),
                  std::tuple(cp("Hodnota musí být zadána."), C::Street, 1));
    }
}

TEST(SearchSimple, FieldsInOrderWithinTheSection) {
    // The input, the section, the filter and the description (UTF-8).
    const std::tuple<SimpleSearchInput, const char*, const char*, const char*> cases[] = {
        {simple("  Stroj ", "", "", "", "798", true, Restriction::OnlyExhibits), "SEKCE_ID=1",
         "KAT_NAZEV LIKE 'Stroj%' and KAT_PSC LIKE '798%' and COUNTEXP>0 and SEKCE_ID=1",
         "(název vystavovatele začíná na \"stroj\") a (psč začíná na \"798\") a (záznamy jen s "
         "exponáty)"},
        {simple("K", "Hlavná", "Košice", "svk - Slovensko", "040", false,
                Restriction::OnlyNovelties),
         "SEKCE_ID in (1)",
         "Upper(KAT_NAZEV) LIKE 'K%' and Upper(KAT_ULICE) LIKE 'HLAVNÁ%' and "
         "Upper(KAT_MESTO) LIKE 'KOŠICE%' and Upper(STAT_ID) LIKE 'SVK%' and "
         "Upper(KAT_PSC) LIKE '040%' and NOVINKA='x' and SEKCE_ID in (1)",
         "(název vystavovatele začíná na \"k\") a (ulice začíná na \"hlavná\") a (město začíná "
         "na \"košice\") a (stát rovná se \"svk - slovensko\") a (psč začíná na \"040\") a "
         "(záznamy jen s novinkami)"}};
    for (const auto& [in, section, filter, description] : cases) {
        const SimpleSearch s = buildSimpleSearch(in, texts(), section);
        EXPECT_EQ(spaced(s.filter) + "\n" + s.description, cp(filter) + "\n" + cp(description));
    }
    // One field with more than blanks is a condition.
    EXPECT_FALSE(hasSimpleCondition(simple(" ", "", "\t")));
    EXPECT_TRUE(hasSimpleCondition(simple("   ", "", "", "", "6")));
    EXPECT_TRUE(hasSimpleCondition(simple("", "", "", "CZE - x")));
}

using Texts = std::vector<std::string>;

// A code list as loaded: its filter switch is on, its expression empty.
std::unique_ptr<ds::ClientDataSet> codeList(std::initializer_list<std::string_view> columns,
                                            std::vector<testing::Row> rows) {
    auto set = std::make_unique<ds::ClientDataSet>("CDSCodes");
    set->setFiltered(true);
    testing::load(*set, columns, std::move(rows));
    return set;
}

// "shown|Czech" of each country entry, in UTF-8.
Texts countries(ds::ClientDataSet& stat, std::string_view section, const char* language) {
    Texts result;
    for (const CountryEntry& e : countryEntries(stat, section, cp(language))) {
        result.push_back(text::cp1250ToUtf8(e.shown + "|" + e.czech));
    }
    return result;
}

// Countries of the section by name, each once, with the Czech name beside; pavilions of the
// section in list order, each once. Without a section a list keeps the filter it had.
TEST(SearchCodeLists, CountriesAndPavilionsOfTheSection) {
    const std::string cze = cp("Česká republika");
    auto stat = codeList({"SEKCE_ID:int", "STAT_ID", "STAT_NAZEV", "STAT_NAZEV_ADR"},
                         {{1, "SVK", "Slovensko ", "Slovakia"},
                          {1, "CZE", cze, "Czech Republic"},
                          {1, "AUT", "Rakousko", "Austria  "},
                          {1, "CZE", cze, "Czech Republic"},
                          {2, "DEU", cp("Německo"), "Germany"},
                          {2, "CZE", cze, "Czech Republic"}});
    EXPECT_EQ(countries(*stat, " SEKCE_ID=1 ", "Čes"),
              (Texts{"CZE - Česká republika|CZE - Česká republika", "AUT - Rakousko|AUT - Rakousko",
                     "SVK - Slovensko|SVK - Slovensko"}));
    EXPECT_EQ(countries(*stat, "SEKCE_ID=1", "Ang"),
              (Texts{"AUT - Austria|AUT - Rakousko", "CZE - Czech Republic|CZE - Česká republika",
                     "SVK - Slovakia|SVK - Slovensko"}));
    auto areas = codeList({"SEKCE_ID:int", "PLO_ZKRAT"},
                          {{3, "VP  "}, {3, "D"}, {4, "E"}, {3, "vp"}, {5, "F"}});
    EXPECT_EQ(pavilionEntries(*areas, "SEKCE_ID in (3,4)"), (Texts{"VP", "D", "E"}));
    EXPECT_EQ(pavilionEntries(*areas, "  "), (Texts{"VP", "D", "E"}));  // no section: as it was
}

TEST(SearchCodeLists, NomenclatureRowsAndThePreselectedOne) {
    auto nom = codeList({"NOM_KOD", "NOM_POPIS0", "NOM_POPIS1"},
                        {{" 01.01 ", "Soustruhy ", "Lathes"},
                         {"01.05", cp("Obráběcí centra"), "CNC centres"},
                         {"1", "Stroje", "Machines"},
                         {"02", cp("Nástroje"), "Tools"},
                         {"0", cp("Vše"), "All"}});
    const auto rows = nomenclatureRows(*nom, "1");
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(rows[0].code + "|" + rows[0].description, "01.01|Lathes");
    EXPECT_EQ(nomenclatureRows(*nom, "0")[1].description, cp("Obráběcí centra"));

    const std::pair<const char*, std::optional<size_t>> cases[] = {
        {"", std::nullopt},   {"   ", std::nullopt}, {"0", 0}, {"1", 2}, {" 01.05 ", 1}, {"02", 3},
        {"03", std::nullopt}, {"01.1", std::nullopt}};
    for (const auto& [typed, row] : cases) {
        EXPECT_EQ(preselectedRow(rows, typed), row) << typed;
    }
    EXPECT_EQ(preselectedRow({{"AB", ""}, {"ab", ""}}, "a"), 1u);  // letter case counts
}

using presentation::Catalogue;
using Keys = std::vector<int32_t>;
using Rows = std::vector<std::tuple<Criterion, std::string, std::string>>;  // UTF-8

const std::string kData = std::string(EXPO_DISC_DIR) + "/data";
const std::string kSectionOne = "SEKCE_ID in (1)";  // "Strojírenství"

class AdvancedSearch : public ::testing::Test {
  protected:
    AdvancedSearch() {
        for (int i = 0; i < Catalogue::kDataSetCount; ++i) {
            catalogue.load(i, kData);
        }
    }

    AdvancedFilters filters(const Rows& rows, std::string section = kSectionOne) {
        AdvancedSearchInput in = input(std::move(section));
        for (const auto& [criterion, op, value] : rows) {
            tick(in, criterion, cp(op), cp(value));
        }
        return buildAdvancedSearch(in, texts());
    }

    Keys keys(const AdvancedFilters& f) {
        Keys result;
        for (const presentation::ExhibitorEntry& entry : findExhibitors(catalogue, f)) {
            result.push_back(*entry.key);
        }
        return result;
    }

    Catalogue catalogue;
};

const Rows kStroj{{Criterion::ExhibitorName, "Začíná na", "stroj"}};
const Rows kPavilionA{{Criterion::Pavilion, "Rovná se", "A"}};

// Found exhibitors; the details are unlinked afterwards, also after a rejected expression.
TEST_F(AdvancedSearch, FindsExhibitorsAndUnlinksTheDetailsAfterwards) {
    const AdvancedFilters f = filters(kPavilionA);
    ASSERT_FALSE(keys(f).empty());
    for (ds::ClientDataSet* detail : {&catalogue.CDSNomenklatury, &catalogue.CDSUmisteni,
                                      &catalogue.CDSZastFir, &catalogue.CDSZastZnac}) {
        EXPECT_TRUE(detail->active() && !detail->masterSource() && detail->masterFields().empty() &&
                    detail->packetRecords() == -1)
            << detail->name();
    }
    EXPECT_EQ(catalogue.CDSUmisteni.filter(), f.FLocationFilter);
    EXPECT_EQ(catalogue.CDSZaznamy.filter(), f.FExhibitorFilter);
    EXPECT_TRUE(catalogue.CDSZaznamy.filtered());

    ASSERT_FALSE(keys(filters(kPavilionA, "")).empty());
    EXPECT_FALSE(catalogue.CDSZaznamy.filtered()) << "no exhibitor filter";
    // A rejected expression leaves the datasets open and unlinked.
    AdvancedFilters broken = filters(kPavilionA);
    broken.FLocationFilter = "((upper(PLO_ZKRAT)= 'A')";
    EXPECT_THROW(findExhibitors(catalogue, broken), Error);
    EXPECT_TRUE(catalogue.CDSUmisteni.active() && !catalogue.CDSUmisteni.masterSource());
    EXPECT_EQ(catalogue.CDSUmisteni.filter(), "") << "the expression that kept it shut is gone";
    EXPECT_EQ(keys(filters(kStroj)), (Keys{1001, 1103})) << "the next search runs as usual";
    EXPECT_EQ(keys(filters({{Criterion::RepresentedBrand, "Rovná se", "orbis"}})),
              (Keys{1034, 1081, 1158}));
    EXPECT_EQ(keys(filters({{Criterion::Pavilion, "Rovná se", "K"}})), Keys{});
    // An exhibitor without placements fails a pavilion condition.
    ds::Packet packet = ds::readPacketFile(kData + "/data4.dat");
    const size_t column =
        std::ranges::find(packet.fields, "KAT_ID", &ds::FieldDef::name) - packet.fields.begin();
    std::erase_if(packet.rows,
                  [&](const auto& row) { return row[column] == ds::Value(int64_t{1001}); });
    catalogue.CDSUmisteni.loadFromPacket(std::move(packet));
    EXPECT_EQ(keys(filters({kStroj[0], kPavilionA[0]})), Keys{});
}

}  // namespace
}  // namespace expo::search
