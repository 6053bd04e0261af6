// The advanced search on the demo disc's datasets: detail criteria through the link on KAT_ID,
// the section, and the datasets' state afterwards.
#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "platform/dataset/packet.h"
#include "platform/text/text.h"
#include "search/advanced_search.h"

namespace expo::search {
namespace {

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
        AdvancedSearchInput in;
        in.sectionFilter = std::move(section);
        in.languageSuffix = "0";
        for (const auto& [criterion, op, value] : rows) {
            CriterionInput& c = in.criteria[static_cast<int>(criterion)];
            c.ticked = true;
            c.row = {text::cp(op), text::cp(value)};
        }
        return buildAdvancedSearch(in, presentation::readLanguageTexts(IniFile{}, 0));
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

TEST_F(AdvancedSearch, FindsTheExhibitorsOfTheCriteria) {
    const std::tuple<Rows, std::string, Keys> cases[] = {
        {{{Criterion::NomenclatureCode, "Začíná na", "01.05"},
          {Criterion::Pavilion, "Rovná se", "a"}},
         kSectionOne,
         {1001, 1054, 1096, 1214, 1266, 1295, 1329, 1381}},
        {{{Criterion::RepresentedBrand, "Rovná se", "orbis"}}, kSectionOne, {1034, 1081, 1158}},
        {{{Criterion::ExhibitorName, "Začíná na", "strojmont"}}, "", {1014, 1043, 1314}},
        {{{Criterion::Pavilion, "Rovná se", "K"}}, kSectionOne, {}},
    };
    for (const auto& [rows, section, found] : cases) {
        EXPECT_EQ(keys(filters(rows, section)), found) << std::get<2>(rows[0]);
    }
}

TEST_F(AdvancedSearch, ExhibitorWithoutPlacementsFailsAPavilionCondition) {
    ds::Packet packet = ds::readPacketFile(kData + "/data4.dat");
    const size_t column =
        std::ranges::find(packet.fields, "KAT_ID", &ds::FieldDef::name) - packet.fields.begin();
    std::erase_if(packet.rows,
                  [&](const auto& row) { return row[column] == ds::Value(int64_t{1001}); });
    catalogue.CDSUmisteni.loadFromPacket(std::move(packet));
    Rows both = kStroj;
    both.push_back(kPavilionA[0]);
    EXPECT_EQ(keys(filters(both)), Keys{});
    EXPECT_EQ(keys(filters(kStroj)), (Keys{1001, 1103}));
}

TEST_F(AdvancedSearch, DetailsAreUnlinkedAfterwardsAndKeepTheirFilters) {
    catalogue.CDSZastFir.setFilter("KAT_ID=1001");
    catalogue.CDSZastFir.setFiltered(true);
    const AdvancedFilters f = filters(kPavilionA);
    ASSERT_FALSE(keys(f).empty());
    for (ds::ClientDataSet* detail : {&catalogue.CDSNomenklatury, &catalogue.CDSUmisteni,
                                      &catalogue.CDSZastFir, &catalogue.CDSZastZnac}) {
        EXPECT_TRUE(detail->active() && !detail->masterSource()) << detail->name();
        EXPECT_EQ(detail->masterFields() + std::to_string(detail->packetRecords()), "-1")
            << detail->name();
    }
    EXPECT_EQ(catalogue.CDSUmisteni.filter(), f.FLocationFilter);
    EXPECT_EQ(catalogue.CDSZastFir.filter(), "KAT_ID=1001") << "not used: left as it was";
    EXPECT_EQ(catalogue.CDSZaznamy.filter(), f.FExhibitorFilter);
    EXPECT_TRUE(catalogue.CDSZaznamy.filtered());
    catalogue.CDSUmisteni.setFilter("KAT_ID=1001");  // an exhibitor's page reads them again
    EXPECT_EQ(catalogue.CDSUmisteni.recordCount(), 2);

    ASSERT_FALSE(keys(filters(kPavilionA, "")).empty());
    EXPECT_FALSE(catalogue.CDSZaznamy.filtered()) << "no exhibitor filter";
}

TEST_F(AdvancedSearch, RejectedExpressionLeavesEveryDatasetOpenAndUnlinked) {
    AdvancedFilters broken = filters(kPavilionA);
    broken.FLocationFilter = "((upper(PLO_ZKRAT)= 'A')";
    EXPECT_THROW(findExhibitors(catalogue, broken), Error);
    for (ds::ClientDataSet* dataSet :
         {&catalogue.CDSZaznamy, &catalogue.CDSNomenklatury, &catalogue.CDSUmisteni,
          &catalogue.CDSZastFir, &catalogue.CDSZastZnac}) {
        EXPECT_TRUE(dataSet->active() && !dataSet->masterSource()) << dataSet->name();
    }
    EXPECT_EQ(catalogue.CDSUmisteni.filter(), "") << "the expression that kept it shut is gone";
    EXPECT_EQ(keys(filters(kStroj)), (Keys{1001, 1103})) << "the next search runs as usual";
}

}  // namespace
}  // namespace expo::search
