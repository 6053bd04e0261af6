// The logic that walks the catalogue datasets: the represented firms and brands, and the
// entries of the exhibitor list.
#include <gtest/gtest.h>

#include "platform/dataset/dataset.h"
#include "platform/text/text.h"
#include "presentation/catalogue_sections.h"
#include "presentation/exhibitor_list.h"
#include "tests/template/page_data.h"

namespace expo::presentation {
namespace {

using testing::load;

TEST(LogicCatalogueData, DistinctTextsByLocaleCaseInTextOrder) {
    ds::ClientDataSet brands("CDSZastZnac");
    load(brands, {"KAT_ID:int", "KTZ_TEXT"},
         {{1, text::cp("škoda")},
          {2, "Alfa"},
          {3, text::cp("ŠKODA ")},
          {4, " ALFA"},
          {5, ""},
          {6, ds::Null{}},
          {7, "Beta"}});
    brands.setFilter("KAT_ID=7");
    brands.setFiltered(true);
    const auto texts = distinctTexts(brands, "KTZ_TEXT");
    ASSERT_EQ(texts.size(), 4u);
    EXPECT_EQ(texts[0], "");
    // "Alfa" and " ALFA": whichever the order puts first is kept, trimmed.
    EXPECT_TRUE(texts[1] == "Alfa" || texts[1] == "ALFA") << texts[1];
    EXPECT_EQ(texts[2], "Beta");
    EXPECT_TRUE(texts[3] == text::cp("škoda") || texts[3] == text::cp("ŠKODA")) << texts[3];
    // The dataset stays ordered by the text, without filter.
    EXPECT_EQ(brands.indexFieldNames(), "KTZ_TEXT");
    EXPECT_EQ(brands.filter(), "");
    EXPECT_EQ(brands.recordCount(), 7);
}

TEST(LogicCatalogueData, ExhibitorEntriesUnderTheFilter) {
    ds::ClientDataSet zaznamy("CDSZaznamy");
    load(zaznamy, {"KAT_ID:int", "KAT_NAZEV", "SEKCE_ID:int"},
         {{10, "  Beta\r\nTrade  ", 1}, {11, "Alfa", 2}, {12, "Gama", 1}});
    zaznamy.setFilter("SEKCE_ID=1");
    zaznamy.setFiltered(true);
    zaznamy.setIndexFieldNames("KAT_NAZEV");
    const auto entries = readExhibitorEntries(zaznamy);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].name, "Beta Trade");
    EXPECT_EQ(entries[0].key, 10);
    EXPECT_EQ(entries[1].name, "Gama");
    EXPECT_EQ(entries[1].key, 12);
}

}  // namespace
}  // namespace expo::presentation
