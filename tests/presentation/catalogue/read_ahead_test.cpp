// Data files read ahead of their loading steps: each step gets what reading the file itself
// would give, the table or the very same error.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "platform/dataset/table.h"
#include "platform/os/files.h"
#include "platform/text/error.h"
#include "presentation/catalogue/catalogue.h"

namespace expo::presentation {
namespace {

namespace fs = std::filesystem;

class ReadAhead : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() / ("expo-read-ahead-" + std::to_string(::getpid()));
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    // A file of `rows` rows as data<i>.dat.
    void writeTable(int i, size_t rows) {
        ds::Table t;
        t.columns.emplace_back(ds::FieldDef{"KAT_ID", ds::FieldType::Integer, 4, false});
        for (size_t r = 0; r < rows; ++r) {
            t.columns[0].appendNumber(static_cast<int64_t>(r + 1));
        }
        t.rowCount = rows;
        os::writeFile(path(i), ds::writeBinaryTable(t));
    }
    std::string path(int i) const { return (folder_ / Catalogue::fileName(i)).string(); }
    std::string folder() const { return folder_.string() + "/"; }

    fs::path folder_;
};

TEST_F(ReadAhead, EachFileGivesItsTableOrItsOwnErrorOnce) {
    writeTable(2, 3);
    os::writeFile(path(3), "not a data packet");
    writeTable(5, 7);  // data4.dat is missing
    std::string badMessage;
    std::string missingMessage;
    try {
        ds::readTableFile(path(3));
    } catch (const Error& e) {
        badMessage = e.what();
    }
    try {
        ds::readTableFile(path(4));
    } catch (const Error& e) {
        missingMessage = e.what();
    }
    ASSERT_FALSE(badMessage.empty());
    ASSERT_FALSE(missingMessage.empty());

    DataFileReadAhead ahead(folder(), 2, 5);
    EXPECT_FALSE(ahead.holds(1));
    EXPECT_FALSE(ahead.holds(6));
    ASSERT_TRUE(ahead.holds(5));
    EXPECT_EQ(ahead.take(5).rowCount, 7u);  // out of order
    EXPECT_FALSE(ahead.holds(5));
    EXPECT_EQ(ahead.take(2).rowCount, 3u);
    try {
        ahead.take(3);
        ADD_FAILURE() << "data3.dat read";
    } catch (const Error& e) {
        EXPECT_EQ(std::string(e.what()), badMessage);
    }
    try {
        ahead.take(4);
        ADD_FAILURE() << "data4.dat read";
    } catch (const Error& e) {
        EXPECT_EQ(std::string(e.what()), missingMessage);
    }
}

TEST_F(ReadAhead, FilesLeftUntakenDoNotHoldUpItsEnd) {
    for (int i = 2; i <= 11; ++i) {
        writeTable(i, 100);
    }
    { DataFileReadAhead ahead(folder(), 2, 11); }
    DataFileReadAhead ahead(folder(), 2, 11);
    EXPECT_EQ(ahead.take(11).rowCount, 100u);
}

TEST_F(ReadAhead, TheCatalogueLoadsAFileReadAheadAsItLoadsItItself) {
    Catalogue direct;
    Catalogue readAhead;
    writeTable(6, 4);
    // The file holds only KAT_ID: the other declared fields of the firms go.
    for (Catalogue* c : {&direct, &readAhead}) {
        for (const ds::FieldDef& f : std::vector<ds::FieldDef>(c->CDSZastFir.declaredFields())) {
            if (f.name != "KAT_ID") {
                c->CDSZastFir.removeField(f.name);
            }
        }
    }
    direct.load(6, folder());
    DataFileReadAhead ahead(folder(), 6, 6);
    readAhead.load(6, folder(), &ahead);
    EXPECT_EQ(readAhead.CDSZastFir.recordCount(), direct.CDSZastFir.recordCount());
    EXPECT_EQ(readAhead.CDSZastFir.recordCount(), 4);
}

}  // namespace
}  // namespace expo::presentation
