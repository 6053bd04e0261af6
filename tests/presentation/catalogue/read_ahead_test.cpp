// Data files read ahead of their loading steps: each step gets what reading the file itself
// would give, the table or the very same error.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "platform/dataset/table.h"
#include "platform/os/files.h"
#include "platform/text/error.h"
#include "presentation/catalogue/catalogue.h"
#include "tests/support/temp_folder.h"

namespace expo::presentation {
namespace {

// The rows of the table `read` gives, or its error message.
std::string outcome(const std::function<ds::Table()>& read) {
    try {
        return std::to_string(read().rowCount) + " rows";
    } catch (const Error& e) {
        return e.what();
    }
}

TEST(ReadAhead, EachFileGivesItsTableOrItsOwnErrorOnce) {
    const expo::testing::TempFolder disc;
    const std::string folder = disc.path().string() + "/";
    const auto path = [&](int i) { return folder + Catalogue::fileName(i); };
    const auto writeTable = [&](int i, size_t rows) {  // `rows` rows of KAT_ID as data<i>.dat
        ds::Table t;
        t.columns.emplace_back(ds::FieldDef{"KAT_ID", ds::FieldType::Integer, 4, false});
        for (size_t r = 0; r < rows; ++r) {
            t.columns[0].appendNumber(static_cast<int64_t>(r + 1));
        }
        t.rowCount = rows;
        os::writeFile(path(i), ds::writeBinaryTable(t));
    };
    writeTable(2, 3);
    os::writeFile(path(3), "not a data packet");
    writeTable(5, 7);  // data4.dat is missing
    DataFileReadAhead ahead(folder, 2, 5);
    EXPECT_EQ(std::to_string(ahead.holds(1)) + std::to_string(ahead.holds(6)), "00");
    ASSERT_TRUE(ahead.holds(5));
    EXPECT_EQ(outcome([&] { return ahead.take(5); }), "7 rows");  // out of order
    EXPECT_FALSE(ahead.holds(5));
    EXPECT_EQ(outcome([&] { return ahead.take(2); }), "3 rows");
    for (int i : {3, 4}) {
        EXPECT_EQ(outcome([&] { return ahead.take(i); }),
                  outcome([&] { return ds::readTableFile(path(i)); }))
            << i;
    }
    // Files left untaken do not hold up its end; the catalogue loads a table read ahead.
    for (int i = 6; i <= 11; ++i) {
        writeTable(i, 100);
    }
    { DataFileReadAhead untaken(folder, 2, 11); }
    DataFileReadAhead more(folder, 6, 11);
    Catalogue c;
    for (const ds::FieldDef& f : std::vector<ds::FieldDef>(c.CDSZastFir.declaredFields())) {
        if (f.name != "KAT_ID") {  // the file holds only KAT_ID
            c.CDSZastFir.removeField(f.name);
        }
    }
    c.load(6, folder, &more);
    EXPECT_EQ(c.CDSZastFir.recordCount(), 100);
    EXPECT_EQ(outcome([&] { return more.take(11); }), "100 rows");
}

}  // namespace
}  // namespace expo::presentation
