// The value lists of the search dialog and the rows of the nomenclature picker.
#include <gtest/gtest.h>

#include "platform/dataset/dataset.h"
#include "platform/text/error.h"
#include "platform/text/text.h"
#include "search/code_lists.h"

namespace expo::search {
namespace {

using ds::FieldType;
using text::cp;
using Texts = std::vector<std::string>;

// A code list as loaded: its filter switch is on, its expression empty. Columns are text but
// the first; values in UTF-8.
std::unique_ptr<ds::ClientDataSet> codeList(std::vector<std::string> names,
                                            std::vector<std::vector<const char*>> rows) {
    ds::Packet packet;
    for (const std::string& name : names) {
        const bool key = name == "SEKCE_ID";
        packet.fields.push_back(
            {name, key ? FieldType::Integer : FieldType::FixedString, key ? 4 : 50, false});
    }
    for (const auto& row : rows) {
        std::vector<ds::Value> values;
        for (size_t i = 0; i < row.size(); ++i) {
            values.push_back(names[i] == "SEKCE_ID" ? ds::Value(int64_t{std::stoi(row[i])})
                                                    : ds::Value(cp(row[i])));
        }
        packet.rows.push_back(std::move(values));
    }
    auto set = std::make_unique<ds::ClientDataSet>("CDSCodes");
    set->setFiltered(true);
    set->loadFromPacket(std::move(packet));
    return set;
}

TEST(SearchCodeLists, CountriesOfTheSectionByNameEachOnceWithTheCzechNameBeside) {
    auto stat = codeList({"SEKCE_ID", "STAT_ID", "STAT_NAZEV", "STAT_NAZEV_ADR"},
                         {{"1", "SVK", "Slovensko ", "Slovakia"},
                          {"1", "CZE", "Česká republika", "Czech Republic"},
                          {"1", "AUT", "Rakousko", "Austria  "},
                          {"1", "CZE", "Česká republika", "Czech Republic"},
                          {"2", "DEU", "Německo", "Germany"},
                          {"2", "CZE", "Česká republika", "Czech Republic"}});
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
    auto areas = codeList({"SEKCE_ID", "PLO_ZKRAT"},
                          {{"3", "VP  "}, {"3", "D"}, {"4", "E"}, {"3", "vp"}, {"5", "F"}});
    EXPECT_EQ(pavilionEntries(*areas, "SEKCE_ID in (3,4)"), (Texts{"VP", "D", "E"}));
}

TEST(SearchCodeLists, NomenclatureRowsAndThePreselectedOne) {
    auto nom = codeList({"NOM_KOD", "NOM_POPIS0", "NOM_POPIS1"},
                        {{" 01.01 ", "Soustruhy ", "Lathes"},
                         {"01.05", "Obráběcí centra", "CNC centres"},
                         {"1", "Stroje", "Machines"},
                         {"02", "Nástroje", "Tools"},
                         {"0", "Vše", "All"}});
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
