// The twelve catalogue datasets: their declarations and their loading from a data folder, also
// of files read ahead.
#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>

#include "platform/dataset/table.h"
#include "platform/os/files.h"
#include "platform/text/error.h"
#include "presentation/catalogue/catalogue.h"
#include "tests/platform/dataset/support.h"
#include "tests/support/temp_folder.h"

namespace expo::presentation {
namespace {

using ds::FieldDef;
using ds::FieldType;
using ds::Value;

// Data file `file` of three rows with the catalogue's own declarations but the fields `left` out:
// integers count from 1 (logo_id from 500), text is the field name and the row number;
// NOM_KOD_SORT orders the rows C, A, B.
void writeFile(const expo::testing::TempFolder& folder, int file,
               const std::set<std::string>& left = {}) {
    ds::Packet p;
    const Catalogue shapes;
    for (const FieldDef& f : shapes.dataSet(file).declaredFields()) {
        if (!left.contains(f.name)) {
            p.fields.push_back(f);
        }
    }
    for (int r = 0; r < 3; ++r) {
        p.rows.emplace_back();
        for (const FieldDef& f : p.fields) {
            p.rows.back().push_back(f.name == "NOM_KOD_SORT" ? Value(std::string(1, "CAB"[r]))
                                    : f.type == FieldType::Integer || f.name == "logo_id"
                                        ? Value(int64_t{r + (f.name == "logo_id" ? 500 : 1)})
                                        : Value(f.name + " " + std::to_string(r)));
        }
    }
    folder.write(Catalogue::fileName(file), ds::writeBinaryPacket(p));
}

// All twelve load; the code lists are filtered under an empty filter and show everything in
// their order; the additional information answers LOGO_ID with its logo_id. The brands load
// without their logo fields at a second attempt, and those stay removed also when a later file
// has them; a second failure is the error.
TEST(CatalogueFolder, AllTwelveLoadAndTheBrandsAlsoWithoutLogoFields) {
    const expo::testing::TempFolder folder;
    const std::string path = folder.path().string();
    Catalogue c, b, fresh;
    std::string counts, filtered;
    for (int i = 0; i < Catalogue::kDataSetCount; ++i) {
        writeFile(folder, i);
        c.load(i, path);
        counts += std::to_string(c.dataSet(i).recordCount());
        filtered += std::to_string(c.dataSet(i).filtered());
    }
    c.CDSCisPloch.setFilter("SEKCE_ID=2");
    EXPECT_EQ(counts + " " + filtered + " " + std::to_string(c.CDSCisPloch.recordCount()) + " " +
                  c.CDSDoplnInf.text("LOGO_ID"),
              "333333333333 000000001110 1 500");
    EXPECT_EQ(ds::testing::column(c.CDSCisNom, "NOM_KOD"),
              (std::vector<std::string>{"NOM_KOD 1", "NOM_KOD 2", "NOM_KOD 0"}));
    writeFile(folder, 7, {"LOGO_ID", "ktz_p_blogo", "LOGO_WIDTH", "LOGO_HEIGHT"});
    b.load(7, path);
    writeFile(folder, 7);
    b.load(7, path);
    EXPECT_EQ(b.CDSZastZnac.text("KTZ_TEXT") + std::to_string(b.CDSZastZnac.recordCount()) +
                  std::to_string(b.CDSZastZnac.findField("ktz_p_blogo").has_value()),
              "KTZ_TEXT 030");
    folder.write("data7.dat", "garbage");
    EXPECT_THROW(fresh.load(7, path), Error);
    EXPECT_FALSE(fresh.CDSZastZnac.active());
}

// Data files read ahead of their loading steps: each step gets what reading the file itself
// would give, the table or the very same error.
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
