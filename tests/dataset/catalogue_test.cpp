// The twelve catalogue datasets: their declarations and their loading from a data folder.
#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <map>

#include "platform/text/error.h"
#include "platform/text/text.h"
#include "presentation/catalogue.h"
#include "tests/core/temp_folder.h"
#include "tests/dataset/support.h"

namespace expo::presentation {
namespace {

using ds::FieldDef;
using ds::FieldType;
using ds::Value;

// Values of the generated files: a field's value in a row starts as the row number + 1 for
// integers and as the field name and the row number for text; `valueOf` may replace it.
using ValueOf = std::function<void(int file, const FieldDef&, int row, Value& value)>;

ds::Packet catalogueFile(const Catalogue& shapes, int file, int rows, const ValueOf& valueOf) {
    ds::Packet p;
    p.fields = shapes.dataSet(file).declaredFields();
    for (int r = 0; r < rows; ++r) {
        std::vector<Value> row;
        for (const FieldDef& f : p.fields) {
            Value v = f.type == FieldType::Integer ? Value(int64_t{r + 1})
                                                   : Value(f.name + " " + std::to_string(r));
            valueOf(file, f, r, v);
            row.push_back(std::move(v));
        }
        p.rows.push_back(std::move(row));
    }
    return p;
}

class CatalogueFolder : public ::testing::Test {
  protected:
    void write(int file, const ds::Packet& p) {
        std::ofstream(folder.path() / Catalogue::fileName(file), std::ios::binary)
            << ds::writeBinaryPacket(p);
    }
    void writeAll(const ValueOf& valueOf) {
        const Catalogue shapes;
        for (int i = 0; i < Catalogue::kDataSetCount; ++i) {
            write(i, catalogueFile(shapes, i, 3, valueOf));
        }
    }
    void loadAll(Catalogue& c) {
        for (int i = 0; i < Catalogue::kDataSetCount; ++i) {
            c.load(i, folder.path().string());
        }
    }
    static void defaults(int, const FieldDef&, int, Value&) {}

    expo::testing::TempFolder folder;
};

// All twelve load; the code lists are filtered under an empty filter and show everything in
// their order; the additional information answers LOGO_ID with its logo_id.
TEST_F(CatalogueFolder, AllTwelveLoad) {
    writeAll([](int file, const FieldDef& f, int row, Value& v) {
        if (file == 8 && f.name == "NOM_KOD_SORT") {
            v = std::string(row == 0 ? "C" : row == 1 ? "A" : "B");
        } else if (file == 11 && f.name == "logo_id") {
            v = int64_t{500 + row};
        }
    });
    Catalogue c;
    loadAll(c);
    for (int i = 0; i < Catalogue::kDataSetCount; ++i) {
        EXPECT_TRUE(c.dataSet(i).active()) << i;
        EXPECT_EQ(c.dataSet(i).recordCount(), 3) << i;
        EXPECT_EQ(c.dataSet(i).filtered(), i >= 8 && i <= 10) << i;
    }
    EXPECT_EQ(c.CDSZaznamy.text("KAT_NAZEV"), "KAT_NAZEV 0");
    EXPECT_EQ(ds::testing::column(c.CDSCisNom, "NOM_KOD"),
              (std::vector<std::string>{"NOM_KOD 1", "NOM_KOD 2", "NOM_KOD 0"}));
    c.CDSCisPloch.setFilter("SEKCE_ID=2");
    EXPECT_EQ(c.CDSCisPloch.recordCount(), 1);
    EXPECT_EQ(c.CDSDoplnInf.text("LOGO_ID"), "500");
}

TEST_F(CatalogueFolder, BrandsWithoutTheLogoFieldsLoadWithoutThem) {
    writeAll(defaults);
    const Catalogue shapes;
    ds::Packet brands = catalogueFile(shapes, 7, 2, defaults);
    for (const char* gone : {"LOGO_ID", "ktz_p_blogo", "LOGO_WIDTH", "LOGO_HEIGHT"}) {
        const auto at = std::find_if(brands.fields.begin(), brands.fields.end(),
                                     [&](const FieldDef& f) { return f.name == gone; });
        const auto column = at - brands.fields.begin();
        brands.fields.erase(at);
        for (auto& row : brands.rows) {
            row.erase(row.begin() + column);
        }
    }
    write(7, brands);
    Catalogue c;
    c.load(7, folder.path().string());
    EXPECT_EQ(c.CDSZastZnac.recordCount(), 2);
    EXPECT_FALSE(c.CDSZastZnac.findField("LOGO_ID").has_value());
    EXPECT_FALSE(c.CDSZastZnac.findField("LOGO_WIDTH").has_value());
    EXPECT_EQ(c.CDSZastZnac.text("KTZ_TEXT"), "KTZ_TEXT 0");
    // The removed fields stay removed, also when a later file has them.
    write(7, catalogueFile(shapes, 7, 3, defaults));
    c.load(7, folder.path().string());
    EXPECT_FALSE(c.CDSZastZnac.findField("ktz_p_blogo").has_value());
    EXPECT_EQ(c.CDSZastZnac.recordCount(), 3);
}

TEST_F(CatalogueFolder, BrandsFailingTwiceRaiseTheSecondError) {
    std::ofstream(folder.path() / "data7.dat") << "garbage";
    Catalogue c;
    EXPECT_THROW(c.load(7, folder.path().string()), Error);
    EXPECT_FALSE(c.CDSZastZnac.active());
    EXPECT_FALSE(c.CDSZastZnac.findField("LOGO_ID").has_value());
}

TEST_F(CatalogueFolder, ReloadingReplacesTheRecords) {
    writeAll(defaults);
    Catalogue c;
    c.load(6, folder.path().string());
    c.CDSZastFir.setFilter("KAT_ID=1");
    c.CDSZastFir.setFiltered(true);
    const Catalogue shapes;
    write(6, catalogueFile(shapes, 6, 5, defaults));
    c.load(6, folder.path().string());
    EXPECT_EQ(c.CDSZastFir.recordCount(), 1);  // the filter applies to the new records
    c.CDSZastFir.setFiltered(false);
    EXPECT_EQ(c.CDSZastFir.recordCount(), 5);
}

}  // namespace
}  // namespace expo::presentation
