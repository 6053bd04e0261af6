// Master/detail links: a detail shows the records of the master's current key under its own
// filter and follows every move of the master.
#include <gtest/gtest.h>

#include "platform/text/error.h"
#include "tests/dataset/support.h"

namespace expo::ds {
namespace {

using testing::column;
using testing::field;
using testing::loaded;

// Rows of a key (-1: null) and a text.
std::vector<std::vector<Value>> rows(std::initializer_list<std::pair<int, const char*>> list) {
    std::vector<std::vector<Value>> out;
    for (const auto& [key, text] : list) {
        out.push_back({key < 0 ? Value(Null{}) : Value(int64_t{key}), std::string(text)});
    }
    return out;
}

struct Linked {
    std::unique_ptr<ClientDataSet> master = loaded(
        {field("KAT_ID", FieldType::Integer, 4), field("KAT_NAZEV", FieldType::FixedString, 20)},
        rows({{3, "Gama"}, {1, "Alfa"}, {2, "Beta"}, {-1, "Nikdo"}}));
    std::unique_ptr<ClientDataSet> detail =
        loaded({field("KAT_ID", FieldType::Integer, 4), field("PLO", FieldType::FixedString, 5)},
               rows({{1, "A1"}, {3, "B2"}, {1, "B1"}, {1, "A2"}, {3, "A1"}, {-1, "A9"}}));
    DataSource source{"DSZaznamy", master.get()};

    // The link as the advanced search sets it.
    void link() {
        detail->setMasterSource(&source);
        detail->setIndexFieldNames("KAT_ID");
        detail->setMasterFields("KAT_ID");
        detail->setPacketRecords(0);
    }
};

TEST(DatasetLink, DetailFollowsEveryMoveOfTheMaster) {
    Linked l;
    l.master->setIndexFieldNames("KAT_NAZEV");
    l.link();
    std::vector<std::string> seen;
    for (l.master->first(); !l.master->eof(); l.master->next()) {
        // The master's move brings the detail to its first record.
        seen.push_back(l.master->text("KAT_NAZEV") + ":" + std::to_string(l.detail->recordCount()) +
                       "@" + l.detail->text("PLO"));
        for (const std::string& plo : column(*l.detail, "PLO")) {
            seen.back() += " " + plo;
        }
    }
    EXPECT_EQ(seen, (std::vector<std::string>{"Alfa:3@A1 A1 B1 A2", "Beta:0@", "Gama:2@B2 B2 A1",
                                              "Nikdo:0@"}));
}

TEST(DatasetLink, OwnFilterAppliesUnderTheLink) {
    Linked l;
    l.link();
    l.detail->setFilter("PLO LIKE 'A%'");
    l.detail->setFiltered(true);
    l.master->next();  // KAT_ID 1
    EXPECT_EQ(column(*l.detail, "PLO"), (std::vector<std::string>{"A1", "A2"}));
    l.master->setFilter("KAT_ID=3");
    l.master->setFiltered(true);
    EXPECT_EQ(column(*l.detail, "PLO"), (std::vector<std::string>{"A1"}));
}

// No master record shows no detail; unlinking shows every record again.
TEST(DatasetLink, NoMasterRecordShowsNoDetailAndUnlinkingShowsAll) {
    Linked l;
    l.link();
    l.master->setFilter("KAT_ID=99");
    l.master->setFiltered(true);
    EXPECT_EQ(l.detail->recordCount(), 0);
    l.master->close();
    EXPECT_EQ(l.detail->recordCount(), 0);
    l.detail->setMasterSource(nullptr);  // unlinked as the advanced search does
    l.detail->setMasterFields("");
    l.detail->setPacketRecords(-1);
    EXPECT_EQ(l.detail->recordCount(), 6);
}

TEST(DatasetLink, SetWhileClosedTakesEffectOnOpening) {
    Linked l;
    l.master->close();
    l.detail->close();
    l.link();
    l.master->setIndexFieldNames("KAT_ID");
    l.master->open();
    l.detail->open();
    EXPECT_EQ(l.master->integer("KAT_ID"), 0);  // the null key first
    EXPECT_EQ(l.detail->recordCount(), 0);
    l.master->next();
    EXPECT_EQ(l.detail->recordCount(), 3);
}

// The link field must exist in both and hold integers, and no link may lead back.
TEST(DatasetLink, BadLinksAreRefused) {
    Linked l;
    l.detail->setMasterSource(&l.source);
    for (const char* fields : {"NOPE", "PLO", "KAT_ID;PLO"}) {
        EXPECT_THROW(l.detail->setMasterFields(fields), Error) << fields;
    }
    l.detail->close();
    l.detail->setMasterFields("NOPE");
    EXPECT_THROW(l.detail->open(), Error);
    Linked circle;
    circle.link();
    DataSource back("DSDetail", circle.detail.get());
    circle.master->setMasterSource(&back);
    EXPECT_THROW(circle.master->setMasterFields("KAT_ID"), Error);
}

}  // namespace
}  // namespace expo::ds
