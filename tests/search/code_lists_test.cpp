// The value lists of the search dialog and the rows of the nomenclature picker, read from small
// code lists.
#include <gtest/gtest.h>

#include <memory>

#include "platform/dataset/dataset.h"
#include "platform/text/error.h"
#include "platform/text/text.h"
#include "search/code_lists.h"

namespace expo::search {
namespace {

using ds::FieldType;
using ds::Value;
using text::cp;

ds::FieldDef field(std::string name, FieldType type, int size = 0) {
    return {std::move(name), type, size, false};
}

Value str(std::string_view utf8) {
    return Value(cp(utf8));
}

// A code list as loaded: its filter switch is on, its expression empty.
std::unique_ptr<ds::ClientDataSet> codeList(std::vector<ds::FieldDef> fields,
                                            std::vector<std::vector<Value>> rows) {
    auto set = std::make_unique<ds::ClientDataSet>("CDSCodes");
    set->setFiltered(true);
    set->loadFromPacket({std::move(fields), std::move(rows)});
    return set;
}

std::unique_ptr<ds::ClientDataSet> countries() {
    return codeList(
        {field("SEKCE_ID", FieldType::Integer, 4), field("STAT_ID", FieldType::FixedString, 3),
         field("STAT_NAZEV", FieldType::FixedString, 50),
         field("STAT_NAZEV_ADR", FieldType::FixedString, 50)},
        {{int64_t{1}, str("SVK"), str("Slovensko "), str("Slovakia")},
         {int64_t{1}, str("CZE"), str("Česká republika"), str("Czech Republic")},
         {int64_t{1}, str("AUT"), str("Rakousko"), str("Austria  ")},
         {int64_t{1}, str("CZE"), str("Česká republika"), str("Czech Republic")},
         {int64_t{2}, str("DEU"), str("Německo"), str("Germany")},
         {int64_t{2}, str("CZE"), str("Česká republika"), str("Czech Republic")}});
}

std::vector<std::string> shownOf(const std::vector<CountryEntry>& entries) {
    std::vector<std::string> shown;
    for (const CountryEntry& e : entries) {
        shown.push_back(text::cp1250ToUtf8(e.shown));
    }
    return shown;
}

std::vector<std::string> czechOf(const std::vector<CountryEntry>& entries) {
    std::vector<std::string> czech;
    for (const CountryEntry& e : entries) {
        czech.push_back(text::cp1250ToUtf8(e.czech));
    }
    return czech;
}

TEST(SearchCodeLists, CzechCountriesOfTheSectionByNameEachOnce) {
    auto stat = countries();
    const auto entries = countryEntries(*stat, " SEKCE_ID=1 ", cp("Čes"));
    EXPECT_EQ(shownOf(entries), (std::vector<std::string>{"CZE - Česká republika", "AUT - Rakousko",
                                                          "SVK - Slovensko"}));
    EXPECT_EQ(czechOf(entries), shownOf(entries));
    EXPECT_EQ(stat->filter(), "SEKCE_ID=1");
    EXPECT_EQ(stat->indexFieldNames(), "STAT_NAZEV");
}

TEST(SearchCodeLists, OtherLanguagesShowTheirNamesBesideTheCzechOnesAtTheSameIndex) {
    auto stat = countries();
    const auto entries = countryEntries(*stat, "SEKCE_ID=1", "Ang");
    EXPECT_EQ(shownOf(entries), (std::vector<std::string>{"AUT - Austria", "CZE - Czech Republic",
                                                          "SVK - Slovakia"}));
    EXPECT_EQ(czechOf(entries), (std::vector<std::string>{"AUT - Rakousko", "CZE - Česká republika",
                                                          "SVK - Slovensko"}));
    EXPECT_EQ(stat->indexFieldNames(), "STAT_NAZEV_ADR");
}

TEST(SearchCodeLists, NoSectionKeepsTheFilterTheListHad) {
    auto stat = countries();
    stat->setFilter("SEKCE_ID=2");
    EXPECT_EQ(shownOf(countryEntries(*stat, "  ", cp("Čes"))),
              (std::vector<std::string>{"CZE - Česká republika", "DEU - Německo"}));
    EXPECT_EQ(stat->filter(), "SEKCE_ID=2");
}

TEST(SearchCodeLists, PavilionsOfTheSectionInListOrderEachOnce) {
    auto areas = codeList(
        {field("SEKCE_ID", FieldType::Integer, 4), field("PLO_ZKRAT", FieldType::FixedString, 20)},
        {{int64_t{3}, str("VP  ")},
         {int64_t{3}, str("D")},
         {int64_t{4}, str("E")},
         {int64_t{3}, str("vp")},
         {int64_t{5}, str("F")}});
    const auto entries = pavilionEntries(*areas, "SEKCE_ID in (3,4)");
    EXPECT_EQ(entries, (std::vector<std::string>{"VP", "D", "E"}));
}

std::unique_ptr<ds::ClientDataSet> nomenclature() {
    return codeList({field("NOM_KOD", FieldType::FixedString, 20),
                     field("NOM_POPIS0", FieldType::FixedString, 150),
                     field("NOM_POPIS1", FieldType::FixedString, 150)},
                    {{str(" 01.01 "), str("Soustruhy "), str("Lathes")},
                     {str("01.05"), str("Obráběcí centra CNC"), str("CNC machining centres")},
                     {str("1"), str("Stroje"), str("Machines")},
                     {str("02"), str("Nástroje"), str("Tools")},
                     {str("0"), str("Vše"), str("All")}});
}

TEST(SearchCodeLists, NomenclatureRowsInTheCatalogueLanguageAndTheListLeftAtItsEnd) {
    auto nom = nomenclature();
    const auto rows = nomenclatureRows(*nom, "1");
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(rows[0].code, "01.01");
    EXPECT_EQ(rows[0].description, "Lathes");
    EXPECT_EQ(rows[3].code, "02");
    EXPECT_TRUE(nom->eof());
    EXPECT_EQ(nomenclatureRows(*nom, "0")[1].description, cp("Obráběcí centra CNC"));
    EXPECT_THROW(nomenclatureRows(*nom, ""), Error) << "there is no column NOM_POPIS alone";
}

struct PreselectCase {
    const char* typed;
    std::optional<size_t> row;
};

class NomenclaturePreselect : public ::testing::TestWithParam<PreselectCase> {};

TEST_P(NomenclaturePreselect, FirstCodeBeginningWithTheText) {
    auto nom = nomenclature();
    EXPECT_EQ(preselectedRow(nomenclatureRows(*nom, "0"), GetParam().typed), GetParam().row);
}

INSTANTIATE_TEST_SUITE_P(
    Search, NomenclaturePreselect,
    ::testing::Values(PreselectCase{"", std::nullopt}, PreselectCase{"   ", std::nullopt},
                      PreselectCase{"0", 0},  // 01.01 before 02 and 0
                      PreselectCase{"1", 2}, PreselectCase{" 01.05 ", 1}, PreselectCase{"02", 3},
                      PreselectCase{"03", std::nullopt}, PreselectCase{"01.1", std::nullopt}));

TEST(SearchCodeLists, PreselectionComparesLetterCase) {
    const std::vector<NomenclatureRow> rows{{"AB", ""}, {"ab", ""}};
    EXPECT_EQ(preselectedRow(rows, "a"), 1u);
}

}  // namespace
}  // namespace expo::search
