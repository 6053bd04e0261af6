// The value lists of the search dialog and the rows of the nomenclature picker.
#include <gtest/gtest.h>

#include "platform/dataset/dataset.h"
#include "platform/text/error.h"
#include "platform/text/text.h"
#include "search/code_lists.h"
#include "tests/template/page_data.h"

namespace expo::search {
namespace {

using text::cp;
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

TEST(SearchCodeLists, CountriesOfTheSectionByNameEachOnceWithTheCzechNameBeside) {
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
    EXPECT_EQ(stat->filter(), "SEKCE_ID=1");
    stat->setFilter("SEKCE_ID=2");  // no section: the list keeps its filter
    EXPECT_EQ(countries(*stat, "  ", "Čes"), (Texts{"CZE - Česká republika|CZE - Česká republika",
                                                    "DEU - Německo|DEU - Německo"}));
    EXPECT_EQ(stat->filter(), "SEKCE_ID=2");
}

TEST(SearchCodeLists, PavilionsOfTheSectionInListOrderEachOnce) {
    auto areas = codeList({"SEKCE_ID:int", "PLO_ZKRAT"},
                          {{3, "VP  "}, {3, "D"}, {4, "E"}, {3, "vp"}, {5, "F"}});
    EXPECT_EQ(pavilionEntries(*areas, "SEKCE_ID in (3,4)"), (Texts{"VP", "D", "E"}));
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
    EXPECT_TRUE(nom->eof());
    EXPECT_EQ(nomenclatureRows(*nom, "0")[1].description, cp("Obráběcí centra"));
    EXPECT_THROW(nomenclatureRows(*nom, ""), Error) << "there is no column NOM_POPIS alone";

    const std::pair<const char*, std::optional<size_t>> cases[] = {
        {"", std::nullopt},   {"   ", std::nullopt}, {"0", 0}, {"1", 2}, {" 01.05 ", 1}, {"02", 3},
        {"03", std::nullopt}, {"01.1", std::nullopt}};
    for (const auto& [typed, row] : cases) {
        EXPECT_EQ(preselectedRow(rows, typed), row) << typed;
    }
    EXPECT_EQ(preselectedRow({{"AB", ""}, {"ab", ""}}, "a"), 1u);  // letter case counts
}

}  // namespace
}  // namespace expo::search
