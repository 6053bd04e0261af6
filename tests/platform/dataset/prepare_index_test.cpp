// Indexes built ahead of their first use change nothing that the dataset shows.
#include <gtest/gtest.h>

#include "platform/text/text.h"
#include "tests/platform/dataset/support.h"

namespace expo::ds::testing {
namespace {

TEST(PrepareIndex, LeavesRecordsAndCursorAsTheyWere) {
    auto set = loaded({field("KAT_ID", FieldType::Integer), field("NAZEV", FieldType::String, 20)},
                      {{Value{int64_t{3}}, Value{std::string(text::cp("čaj"))}},
                       {Value{int64_t{1}}, Value{std::string("Cukr")}},
                       {Value{int64_t{2}}, Value{std::string(text::cp("chléb"))}}});
    set->first();
    set->next();
    const std::vector<std::string> before = column(*set, "NAZEV");
    set->first();
    set->next();
    for (const char* name : {"NAZEV", "kat_id", " NAZEV ", "NOM_KOD_SORT", ""}) {
        set->prepareIndex(name);  // an unknown or empty name is passed over
    }
    EXPECT_EQ(set->text("NAZEV"), "Cukr");
    EXPECT_EQ(column(*set, "NAZEV"), before);
    // The prepared order is the one the dataset then uses.
    set->setIndexFieldNames("NAZEV");
    EXPECT_EQ(column(*set, "NAZEV"),
              (std::vector<std::string>{"Cukr", text::cp("čaj"), text::cp("chléb")}));
}

TEST(PrepareIndex, ADataSetWithoutRecordsIsLeftAlone) {
    ClientDataSet set("CDSEmpty");
    set.declareField(field("KAT_ID", FieldType::Integer));
    EXPECT_NO_THROW(set.prepareIndex("KAT_ID"));
    EXPECT_FALSE(set.active());
}

}  // namespace
}  // namespace expo::ds::testing
