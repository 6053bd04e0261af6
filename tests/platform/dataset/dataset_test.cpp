// The client dataset: the filter's timing, orders, fields, loading with declared fields;
// master/detail links (a detail shows the records of the master's current key under its own
// filter and follows every move of the master).
#include <gtest/gtest.h>
#include <random>

#include "platform/text/error.h"
#include "platform/text/text.h"
#include "tests/platform/dataset/support.h"
#include "tests/support/temp_folder.h"

namespace expo::ds {
namespace {

using testing::column;
using testing::field;
using testing::loaded;

std::unique_ptr<ClientDataSet> six() {
    std::vector<std::vector<Value>> rows;
    const int64_t groups[] = {2, 1, 2, 1, 0, 1};
    for (int64_t id = 1; id <= 6; ++id) {
        const int64_t g = groups[id - 1];
        rows.push_back({id, g == 0 ? Value(Null{}) : Value(g), "name " + std::to_string(7 - id)});
    }
    return loaded({field("ID", FieldType::Integer, 4), field("GRP", FieldType::Integer, 4),
                   field("NAME", FieldType::String, 20)},
                  std::move(rows));
}

void moveTo(ClientDataSet& set, int id) {
    for (set.first(); !set.eof() && set.integer("ID") != id; set.next()) {
    }
}

// --- the filter's timing ------------------------------------------------------------------

// Off: an expression is only stored. Switching on (also when on) moves to the first visible
// record; a new expression while on applies at once; switching off shows every record from
// the first in the order and keeps the expression.
TEST(DatasetFilterTiming, WhenExpressionsAndTheSwitchTakeEffect) {
    const auto set = six();
    moveTo(*set, 3);
    set->setFilter("(((");  // not applied, so not checked
    EXPECT_EQ(set->integer("ID"), 3);
    set->setFilter("ID>2");
    moveTo(*set, 5);
    set->setFiltered(true);
    EXPECT_EQ(set->recordCount(), 4);
    EXPECT_EQ(set->integer("ID"), 3);
    set->next();
    set->setFiltered(true);
    EXPECT_EQ(set->integer("ID"), 3);
    set->next();
    set->setFilter("ID>=4");
    EXPECT_EQ(set->integer("ID"), 4);
    set->next();
    set->setFilter("   ");
    EXPECT_EQ(set->recordCount(), 6);
    // A record loop of the page template: walked to its end, filter switched off.
    set->setIndexFieldNames("NAME");
    set->setFilter("ID<3");
    set->next();
    set->next();
    EXPECT_TRUE(set->eof());
    set->setFiltered(false);
    EXPECT_FALSE(set->eof());
    EXPECT_EQ(set->recordCount(), 6);
    EXPECT_EQ(set->integer("ID"), 6);  // "name 1": the first by NAME
    EXPECT_EQ(set->filter(), "ID<3");
}

// A closed dataset stores both until it opens; a bad expression leaves the switch as it was.
TEST(DatasetFilterTiming, ClosedDatasetAndBadExpressions) {
    const auto set = six();
    set->setFilter("ID IN (1,");
    EXPECT_THROW(set->setFiltered(true), Error);
    EXPECT_FALSE(set->filtered());
    EXPECT_EQ(set->recordCount(), 6);
    set->close();
    set->setFiltered(true);
    set->setFilter("ID=2");
    set->open();
    EXPECT_EQ(set->recordCount() * 10 + set->integer("ID"), 12);
}

// --- orders -----------------------------------------------------------------------------------

TEST(DatasetOrder, StableWithNullsFirstIntegersByValueAndTextInCzechOrder) {
    const auto set = six();
    set->setIndexFieldNames("GRP");
    EXPECT_EQ(column(*set, "ID"), (std::vector<std::string>{"5", "2", "4", "6", "1", "3"}));
    set->setIndexFieldNames("");
    EXPECT_EQ(column(*set, "ID"), (std::vector<std::string>{"1", "2", "3", "4", "5", "6"}));
    const auto wide = loaded({field("K", FieldType::Integer, 8)},
                             {{int64_t{10}}, {int64_t{-3}}, {int64_t{1} << 40}, {int64_t{2}}});
    wide->setIndexFieldNames("K");
    EXPECT_EQ(column(*wide, "K"),
              (std::vector<std::string>{"-3", "2", "10", std::to_string(int64_t{1} << 40)}));
    const auto names = loaded(
        {field("N", FieldType::FixedString, 20)},
        {{text::cp("chata")}, {text::cp("Ábel")}, {std::string("Hrad")}, {std::string("abeceda")}});
    names->setIndexFieldNames("n");  // text in Czech order
    EXPECT_EQ(column(*names, "N"),
              (std::vector<std::string>{"abeceda", text::cp("Ábel"), "Hrad", "chata"}));
}

// A new order keeps the record; an unknown one is refused and the order stays.
TEST(DatasetOrder, ChangingTheOrderKeepsTheRecordAndUnknownFieldsAreRefused) {
    const auto set = six();
    moveTo(*set, 4);
    set->setIndexFieldNames("NAME");
    EXPECT_EQ(set->integer("ID"), 4);
    set->next();
    EXPECT_EQ(set->integer("ID"), 3);
    set->setIndexFieldNames("GRP");
    EXPECT_THROW(set->setIndexFieldNames("NOPE"), Error);
    EXPECT_EQ(set->indexFieldNames(), "GRP");
}

// The rows of a key come from an index when few; they must come out as a scan gives them, for
// dense keys (looked up by position) and sparse ones (searched).
TEST(DatasetOrder, IndexedLookupsAgreeWithScans) {
    for (const int64_t spread : {int64_t{1}, int64_t{1'000'000'007}}) {
        const auto k = [&](int n) { return std::to_string((n - 30) * spread); };
        std::mt19937 random(99);
        std::vector<std::vector<Value>> rows;
        for (int i = 0; i < 3000; ++i) {
            const int64_t key = (static_cast<int64_t>(random() % 60) - 30) * spread;
            rows.push_back({int64_t{i}, random() % 17 == 0 ? Value(Null{}) : Value(key),
                            int64_t(random() % 10),
                            std::string(1, static_cast<char>('A' + random() % 5)) +
                                std::to_string(random() % 50)});
        }
        const auto set =
            loaded({field("ID", FieldType::Integer, 4), field("KAT_ID", FieldType::Integer, 8),
                    field("SEKCE", FieldType::Integer, 4), field("NAME", FieldType::String, 20)},
                   std::move(rows));
        const std::pair<std::string, std::string> equivalent[] = {
            {"KAT_ID=" + k(5), "KAT_ID>=" + k(5) + " AND KAT_ID<=" + k(5)},
            {"KAT_ID=" + k(5) + " AND NAME LIKE 'A%'",
             "KAT_ID>=" + k(5) + " AND KAT_ID<=" + k(5) + " AND NAME LIKE 'A%'"},
            {"SEKCE in (1, 3)", "(SEKCE=1 OR SEKCE=3)"},
            {"SEKCE in (7, 1) AND KAT_ID IN (" + k(3) + "," + k(4) + "," + k(5) + ")",
             "(SEKCE=1 OR SEKCE=7) AND KAT_ID>=" + k(3) + " AND KAT_ID<=" + k(5)},
            {"KAT_ID=" + k(77), "KAT_ID>" + k(76) + " AND KAT_ID<" + k(78)},
            {"KAT_ID=" + k(-40), "KAT_ID<" + k(-30)},
            {k(5) + "=KAT_ID AND NAME LIKE 'B%'",
             "KAT_ID>=" + k(5) + " AND KAT_ID<=" + k(5) + " AND NAME LIKE 'B%'"},
            {"KAT_ID=" + k(5) + " OR KAT_ID=" + k(6), "KAT_ID>=" + k(5) + " AND KAT_ID<=" + k(6)},
            {"NOT KAT_ID=" + k(5), "KAT_ID<" + k(5) + " OR KAT_ID>" + k(5) + " OR KAT_ID IS NULL"}};
        set->setFiltered(true);
        for (const char* order : {"", "NAME", "KAT_ID", "SEKCE", "ID"}) {
            set->setIndexFieldNames(order);
            for (const auto& [indexed, scanned] : equivalent) {
                set->setFilter(indexed);
                const auto viaIndex = column(*set, "ID");
                set->setFilter(scanned);
                EXPECT_EQ(viaIndex, column(*set, "ID")) << indexed << " ordered by " << order;
            }
        }
    }
}

// --- fields -----------------------------------------------------------------------------------

TEST(DatasetFields, ValuesAsTextAndInteger) {
    const auto set =
        loaded({field("N", FieldType::Integer, 4), field("FIX", FieldType::FixedString, 5),
                field("B", FieldType::Boolean), field("F", FieldType::Float),
                field("D", FieldType::Date), field("S", FieldType::String, 10)},
               {{int64_t{-42}, std::string("AB   "), true, 2.5, dayNumber(1996, 11, 30),
                 std::string(" 17")},
                {Null{}, Null{}, Null{}, 3.5, Null{}, std::string("12 ab")}});
    // Names without regard to case; fixed-width text not trimmed; halves to even.
    const auto row = [&] {
        return set->text("n") + "|" + set->text("FIX") + "|" + set->text("B") + "|" +
               set->text("F") + "|" + set->text("D") + "|" + std::to_string(set->integer("N")) +
               std::to_string(set->integer("B")) + std::to_string(set->integer("F"));
    };
    EXPECT_EQ(row(), "-42|AB   |True|2.5|1996-11-30|-4212");
    EXPECT_EQ(set->integer("S"), 17);
    EXPECT_THROW(set->fieldByName("NOPE"), Error);
    EXPECT_THROW(set->integer("D"), Error);
    set->next();
    EXPECT_EQ(row(), "|||3.5||004");
    EXPECT_THROW(set->integer("S"), Error);
}

// --- loading with declared fields ---------------------------------------------------------------

// Declared fields are the dataset's fields, known before any load (text of any kind reads as
// text); a file lacking one or holding it as another kind fails and keeps nothing.
TEST(DatasetLoading, DeclaredFieldsAreTheDatasetsFieldsAndMustBeInTheFile) {
    const auto file = [](std::vector<FieldDef> fields, std::vector<Value> row) {
        return Packet{std::move(fields), {std::move(row)}};
    };
    ClientDataSet set("CDSZastZnac");
    set.declareField(field("LOGO_ID", FieldType::Integer, 4));
    set.declareField(field("TXT", FieldType::FixedString, 5));
    EXPECT_EQ(set.fields().size(), 2u);
    set.loadFromPacket(
        file({field("logo_id", FieldType::Integer, 4), field("EXTRA", FieldType::String, 5),
              field("TXT", FieldType::String, 5)},
             {int64_t{12}, std::string("e"), std::string("t")}));
    EXPECT_EQ(set.integer("LOGO_ID"), 12);
    EXPECT_EQ(set.text("txt"), "t");
    EXPECT_FALSE(set.findField("EXTRA").has_value());
    try {
        set.loadFromPacket(file({field("LOGO_ID", FieldType::Integer, 4)}, {int64_t{1}}));
        ADD_FAILURE();
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "CDSZastZnac: Field 'TXT' not found");
    }
    EXPECT_FALSE(set.active());
    EXPECT_THROW(set.open(), Error);  // the good file's records are gone too
    EXPECT_THROW(set.loadFromPacket(file(
                     {field("LOGO_ID", FieldType::String, 5), field("TXT", FieldType::String, 5)},
                     {std::string("x"), std::string("y")})),
                 Error);
}

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
    l.detail->setMasterSource(nullptr);  // unlinked as the advanced search does
    l.detail->setMasterFields("");
    l.detail->setPacketRecords(-1);
    EXPECT_EQ(l.detail->recordCount(), 6);
}

// The link field must exist in both and hold integers, and no link may lead back.
TEST(DatasetLink, BadLinksAreRefused) {
    Linked l;
    l.detail->setMasterSource(&l.source);
    for (const char* fields : {"NOPE", "PLO", "KAT_ID;PLO"}) {
        EXPECT_THROW(l.detail->setMasterFields(fields), Error) << fields;
    }
    Linked circle;
    circle.link();
    DataSource back("DSDetail", circle.detail.get());
    circle.master->setMasterSource(&back);
    EXPECT_THROW(circle.master->setMasterFields("KAT_ID"), Error);
}

}  // namespace
}  // namespace expo::ds
