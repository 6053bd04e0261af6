// The twelve catalogue datasets: their declarations and their loading from a data folder.
#include <gtest/gtest.h>

#include <set>

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

// All twelve load; the code lists show everything in their order; the additional information
// answers LOGO_ID with its logo_id. The brands load without their logo fields at a second
// attempt, and those stay removed also when a later file has them; a second failure is the error.
TEST(CatalogueFolder, AllTwelveLoadAndTheBrandsAlsoWithoutLogoFields) {
    const expo::testing::TempFolder folder;
    const std::string path = folder.path().string();
    Catalogue c, b, fresh;
    std::string counts;
    for (int i = 0; i < Catalogue::kDataSetCount; ++i) {
        writeFile(folder, i);
        c.load(i, path);
        counts += std::to_string(c.dataSet(i).recordCount());
    }
    c.CDSCisPloch.setFilter("SEKCE_ID=2");
    EXPECT_EQ(counts + std::to_string(c.CDSCisPloch.recordCount()) + c.CDSDoplnInf.text("LOGO_ID"),
              "3333333333331500");
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

}  // namespace
}  // namespace expo::presentation
