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

TEST(SearchCodeLists, CountriesOfTheSectionByNameEachOnceWithTheCzechNameBeside) {
    const std::string cze = cp("Česká republika");
    auto stat = codeList({"SEKCE_ID:int", "STAT_ID", "STAT_NAZEV", "STAT_NAZEV_ADR"},
                         {{1, "SVK", "Slovensko ", "Slovakia"},
                          {1, "CZE", cze, "Czech Republic"},
                          {1, "AUT", "Rakousko", "Austria  "},
                          {1, "CZE", cze, "Czech Republic"},
                          {2, "DEU", cp("Německo"), "Germany"},
                          {2, "CZE", cze, "Czech Republic"}});
    const auto texts = [](const std::vector<CountryEntry>& entries,
                          std::string CountryEntry::*part) {
        Texts result;
        for (const CountryEntry& e : entries) {
            result.push_back(text::cp1250ToUtf8(e.*part));
        }
        return result;
    };
    auto czech = countryEntries(*stat, " SEKCE_ID=1 ", cp("Čes"));
    EXPECT_EQ(texts(czech, &CountryEntry::shown),
              (Texts{"CZE - Česká republika", "AUT - Rakousko", "SVK - Slovensko"}));
    EXPECT_EQ(texts(czech, &CountryEntry::czech), texts(czech, &CountryEntry::shown));
    EXPECT_EQ(stat->filter(), "SEKCE_ID=1");

    const auto english = countryEntries(*stat, "SEKCE_ID=1", "Ang");
    EXPECT_EQ(texts(english, &CountryEntry::shown),
              (Texts{"AUT - Austria", "CZE - Czech Republic", "SVK - Slovakia"}));
    EXPECT_EQ(texts(english, &CountryEntry::czech),
              (Texts{"AUT - Rakousko", "CZE - Česká republika", "SVK - Slovensko"}));

    stat->setFilter("SEKCE_ID=2");  // no section: the list keeps its filter
    EXPECT_EQ(texts(countryEntries(*stat, "  ", cp("Čes")), &CountryEntry::shown),
              (Texts{"CZE - Česká republika", "DEU - Německo"}));
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
    EXPECT_EQ(rows[0].code, "01.01");
    EXPECT_EQ(rows[0].description, "Lathes");
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
