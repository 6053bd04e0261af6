// The advanced search on the demo disc's datasets: detail criteria through the link on KAT_ID,
// the section, and the datasets' state afterwards.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "platform/dataset/packet.h"
#include "platform/text/text.h"
#include "search/advanced_search.h"

namespace expo::search {
namespace {

using presentation::Catalogue;
using presentation::ExhibitorEntry;
using text::cp;

const std::string kData = std::string(EXPO_DISC_DIR) + "/data";
const std::string kSectionOne = "SEKCE_ID in (1)";  // "Strojírenství"

class AdvancedSearch : public ::testing::Test {
  protected:
    AdvancedSearch() {
        for (int i = 0; i < Catalogue::kDataSetCount; ++i) {
            catalogue.load(i, kData);
        }
    }

    // The filters the advanced page builds for these criteria (Czech default texts).
    AdvancedFilters filters(
        const std::vector<std::tuple<Criterion, std::string, std::string>>& rows,
        std::string section = kSectionOne) {
        AdvancedSearchInput in;
        in.sectionFilter = std::move(section);
        in.languageSuffix = "0";
        for (const auto& [criterion, op, value] : rows) {
            CriterionInput& c = in.criteria[static_cast<int>(criterion)];
            c.ticked = true;
            c.row = {cp(op), cp(value)};
        }
        return buildAdvancedSearch(in, presentation::readLanguageTexts(IniFile{}, 0));
    }

    std::vector<int32_t> keys(const AdvancedFilters& f) {
        std::vector<int32_t> result;
        for (const ExhibitorEntry& entry : findExhibitors(catalogue, f)) {
            result.push_back(*entry.key);
        }
        return result;
    }

    // Placements of the demo disc without those of `katId`.
    void dropPlacementsOf(int katId) {
        ds::Packet packet = ds::readPacketFile(kData + "/data4.dat");
        size_t column = 0;
        while (packet.fields[column].name != "KAT_ID") {
            ++column;
        }
        std::erase_if(packet.rows, [&](const std::vector<ds::Value>& row) {
            return row[column] == ds::Value(int64_t{katId});
        });
        catalogue.CDSUmisteni.loadFromPacket(std::move(packet));
    }

    Catalogue catalogue;
};

TEST_F(AdvancedSearch, NomenclatureCodeAndPavilionWithinTheSection) {
    const AdvancedFilters f = filters({{Criterion::NomenclatureCode, "Začíná na", "01.05"},
                                       {Criterion::Pavilion, "Rovná se", "a"}});
    const std::vector<ExhibitorEntry> found = findExhibitors(catalogue, f);
    std::vector<int32_t> found_keys;
    for (const ExhibitorEntry& e : found) {
        found_keys.push_back(*e.key);
    }
    EXPECT_EQ(found_keys, (std::vector<int32_t>{1001, 1054, 1096, 1214, 1266, 1295, 1329, 1381}));
    EXPECT_EQ(found.front().name, cp("Strojírny Lipová Hora a.s."));
}

TEST_F(AdvancedSearch, NomenclatureAloneFindsEveryExhibitorWithTheCode) {
    EXPECT_EQ(keys(filters({{Criterion::NomenclatureCode, "Začíná na", "01.05"}})),
              (std::vector<int32_t>{1001, 1054, 1092, 1096, 1103, 1203, 1214, 1266, 1295, 1310,
                                    1328, 1329, 1369, 1381}));
}

TEST_F(AdvancedSearch, RepresentedBrandWithinTheSection) {
    EXPECT_EQ(keys(filters({{Criterion::RepresentedBrand, "Rovná se", "orbis"}})),
              (std::vector<int32_t>{1034, 1081, 1158}));
}

TEST_F(AdvancedSearch, ExhibitorCriteriaAloneNeedNoDetail) {
    EXPECT_EQ(keys(filters({{Criterion::ExhibitorName, "Začíná na", "stroj"}})),
              (std::vector<int32_t>{1001, 1103}));
    EXPECT_EQ(keys(filters({{Criterion::ExhibitorName, "Začíná na", "strojmont"}}, "")),
              (std::vector<int32_t>{1014, 1043, 1314}))
        << "no section: the whole catalogue";
}

TEST_F(AdvancedSearch, ExhibitorWithoutPlacementsFailsAPavilionCondition) {
    dropPlacementsOf(1001);
    EXPECT_EQ(keys(filters({{Criterion::ExhibitorName, "Začíná na", "stroj"},
                            {Criterion::Pavilion, "Rovná se", "A"}})),
              std::vector<int32_t>{});
    EXPECT_EQ(keys(filters({{Criterion::ExhibitorName, "Začíná na", "stroj"}})),
              (std::vector<int32_t>{1001, 1103}));
}

TEST_F(AdvancedSearch, NothingMatching) {
    EXPECT_TRUE(
        findExhibitors(catalogue, filters({{Criterion::Pavilion, "Rovná se", "K"}})).empty())
        << "pavilion K holds no exhibitor of the section";
}

TEST_F(AdvancedSearch, DetailsAreUnlinkedAfterwardsAndKeepTheirFilters) {
    catalogue.CDSZastFir.setFilter("KAT_ID=1001");
    catalogue.CDSZastFir.setFiltered(true);
    const AdvancedFilters f = filters({{Criterion::Pavilion, "Rovná se", "A"}});
    ASSERT_FALSE(keys(f).empty());

    for (ds::ClientDataSet* detail : {&catalogue.CDSNomenklatury, &catalogue.CDSUmisteni,
                                      &catalogue.CDSZastFir, &catalogue.CDSZastZnac}) {
        EXPECT_TRUE(detail->active()) << detail->name();
        EXPECT_EQ(detail->masterSource(), nullptr) << detail->name();
        EXPECT_EQ(detail->masterFields(), "") << detail->name();
        EXPECT_EQ(detail->packetRecords(), -1) << detail->name();
    }
    EXPECT_EQ(catalogue.CDSUmisteni.filter(), f.FLocationFilter);
    EXPECT_EQ(catalogue.CDSUmisteni.indexFieldNames(), "KAT_ID");
    EXPECT_EQ(catalogue.CDSZastFir.filter(), "KAT_ID=1001") << "not used: left as it was";
    EXPECT_TRUE(catalogue.CDSZastFir.filtered());
    EXPECT_EQ(catalogue.CDSZaznamy.filter(), f.FExhibitorFilter);
    EXPECT_TRUE(catalogue.CDSZaznamy.filtered());
    EXPECT_EQ(catalogue.CDSZaznamy.indexFieldNames(), "KAT_ID");

    // An exhibitor's page reads every placement again.
    catalogue.CDSUmisteni.setFilter("KAT_ID=1001");
    EXPECT_EQ(catalogue.CDSUmisteni.recordCount(), 2);
}

TEST_F(AdvancedSearch, NoExhibitorFilterSwitchesFilteringOff) {
    ASSERT_FALSE(keys(filters({{Criterion::Pavilion, "Rovná se", "A"}}, "")).empty());
    EXPECT_EQ(catalogue.CDSZaznamy.filter(), "");
    EXPECT_FALSE(catalogue.CDSZaznamy.filtered());
}

TEST_F(AdvancedSearch, RejectedExpressionLeavesEveryDatasetOpenAndUnlinked) {
    AdvancedFilters broken = filters({{Criterion::Pavilion, "Rovná se", "A"}});
    broken.FLocationFilter = "((upper(PLO_ZKRAT)= 'A')";
    EXPECT_THROW(findExhibitors(catalogue, broken), Error);
    for (ds::ClientDataSet* dataSet :
         {&catalogue.CDSZaznamy, &catalogue.CDSNomenklatury, &catalogue.CDSUmisteni,
          &catalogue.CDSZastFir, &catalogue.CDSZastZnac}) {
        EXPECT_TRUE(dataSet->active()) << dataSet->name();
        EXPECT_EQ(dataSet->masterSource(), nullptr) << dataSet->name();
    }
    EXPECT_EQ(catalogue.CDSUmisteni.filter(), "") << "the expression that kept it shut is gone";

    EXPECT_EQ(keys(filters({{Criterion::ExhibitorName, "Začíná na", "stroj"}})),
              (std::vector<int32_t>{1001, 1103}))
        << "the next search runs as usual";
}

}  // namespace
}  // namespace expo::search
