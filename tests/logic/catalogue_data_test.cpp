// The logic that walks the catalogue datasets: the represented firms and brands, and the
// entries of the exhibitor list.
#include <gtest/gtest.h>

#include "platform/dataset/dataset.h"
#include "platform/text/text.h"
#include "presentation/catalogue_sections.h"
#include "presentation/exhibitor_list.h"
#include "tests/dataset/support.h"

namespace expo::presentation {
namespace {

using ds::FieldType;
using ds::Null;
using ds::testing::field;
using ds::testing::loaded;

TEST(LogicCatalogueData, DistinctTextsByLocaleCaseInTextOrder) {
    const auto brands =
        loaded({field("KAT_ID", FieldType::Integer, 4), field("KTZ_TEXT", FieldType::String, 60)},
               {{int64_t{1}, text::cp("škoda")},
                {int64_t{2}, std::string("Alfa")},
                {int64_t{3}, text::cp("ŠKODA ")},
                {int64_t{4}, std::string(" ALFA")},
                {int64_t{5}, std::string("")},
                {int64_t{6}, Null{}},
                {int64_t{7}, std::string("Beta")}});
    brands->setFilter("KAT_ID=7");
    brands->setFiltered(true);
    const auto texts = distinctTexts(*brands, "KTZ_TEXT");
    ASSERT_EQ(texts.size(), 4u);
    EXPECT_EQ(texts[0], "");
    // "Alfa" and " ALFA": whichever the order puts first is kept, trimmed.
    EXPECT_TRUE(texts[1] == "Alfa" || texts[1] == "ALFA") << texts[1];
    EXPECT_EQ(texts[2], "Beta");
    EXPECT_TRUE(texts[3] == text::cp("škoda") || texts[3] == text::cp("ŠKODA")) << texts[3];
    // The dataset stays ordered by the text, without filter.
    EXPECT_EQ(brands->indexFieldNames(), "KTZ_TEXT");
    EXPECT_EQ(brands->filter(), "");
    EXPECT_EQ(brands->recordCount(), 7);
}

TEST(LogicCatalogueData, ExhibitorEntriesUnderTheFilter) {
    const auto zaznamy = loaded(
        {field("KAT_ID", FieldType::Integer, 4), field("KAT_NAZEV", FieldType::FixedString, 255),
         field("SEKCE_ID", FieldType::Integer, 4)},
        {{int64_t{10}, std::string("  Beta\r\nTrade  "), int64_t{1}},
         {int64_t{11}, std::string("Alfa"), int64_t{2}},
         {int64_t{12}, std::string("Gama"), int64_t{1}}});
    zaznamy->setFilter("SEKCE_ID=1");
    zaznamy->setFiltered(true);
    zaznamy->setIndexFieldNames("KAT_NAZEV");
    const auto entries = readExhibitorEntries(*zaznamy);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].name, "Beta Trade");
    EXPECT_EQ(entries[0].key, 10);
    EXPECT_EQ(entries[1].name, "Gama");
    EXPECT_EQ(entries[1].key, 12);
}

}  // namespace
}  // namespace expo::presentation
