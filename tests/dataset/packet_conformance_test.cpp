// Real data packets written by other programs: each binary file reads as its XML twin, and the
// files without a twin give the values their layout says.
#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "platform/dataset/packet.h"
#include "tests/dataset/support.h"

namespace expo::ds {
namespace {

using testing::conformanceDir;

Packet readConformance(const std::string& name) {
    return readPacketFile((conformanceDir() / name).string());
}

// The XML twin names a column by its attribute name where the original is not an XML name.
std::string xmlName(std::string name) {
    std::replace(name.begin(), name.end(), '/', '_');
    return name;
}

TEST(DatasetConformance, BinaryReadsAsItsXmlTwin) {
    EXPO_REQUIRE_CONFORMANCE();
    for (const std::string name : {"country", "custoly", "employee", "reservat", "vendors"}) {
        SCOPED_TRACE(name);
        Packet binary = readConformance(name + ".cds");
        const Packet xml = readConformance(name + ".xml");
        for (FieldDef& f : binary.fields) {
            f.name = xmlName(f.name);
        }
        EXPECT_EQ(binary.fields, xml.fields);
        EXPECT_GT(binary.rows.size(), 0u);
        EXPECT_EQ(binary.rows, xml.rows);
    }
}

// Values the files' layouts give: timestamps, money, dates, booleans, nulls, small integers,
// fixed-width text shorter than its width, bytes of another code page kept, nested columns
// read past.
TEST(DatasetConformance, ValuesOfTheFilesWithoutATwin) {
    EXPO_REQUIRE_CONFORMANCE();
    const std::tuple<const char*, size_t, size_t, Value> values[] = {
        // file, row, column, value
        {"employee.cds", 0, 1, std::string("Nelson")},
        {"employee.cds", 0, 4, int64_t{62'734'953'600'000}},  // 1988-12-28
        {"employee.cds", 0, 5, 40000.0},
        {"reservat.cds", 0, 7, int64_t{728993}},  // 1996-11-30
        {"reservat.cds", 0, 8, Null{}},
        {"reservat.cds", 0, 10, true},
        {"animals-blob.cds", 1, 1, int64_t{10}},
        {"fixedchar-cp1252.cds", 0, 4, std::string("R$")},
        {"fixedchar-cp1252.cds", 1, 1, std::string("CONDU\xC7\xC3O E REFEI\xC7\xC3O")},
        {"nested-changelog.xml", 0, 0, std::string("      2139")},
    };
    for (const auto& [file, row, column, value] : values) {
        EXPECT_EQ(readConformance(file).rows.at(row).at(column), value) << file << " " << row;
    }
    const std::tuple<const char*, size_t, FieldDef> fields[] = {
        {"employee.cds", 1, {"LastName", FieldType::String, 20, false}},
        {"reservat.cds", 8, {"Pay_Notes", FieldType::Memo, 30, false}},
        {"animals-blob.cds", 1, {"SIZE", FieldType::Integer, 2, false}},
        {"fixedchar-cp1252.cds", 4, {"UNIDADE", FieldType::FixedString, 5, false}},
        {"nested-changelog.xml", 15, {"CONDICION", FieldType::String, 25, false}},
    };
    for (const auto& [file, column, def] : fields) {
        EXPECT_EQ(readConformance(file).fields.at(column), def) << file;
    }
    EXPECT_EQ(readConformance("nested-changelog.xml").fields.size(), 16u);
    EXPECT_EQ(std::get<std::string>(readConformance("animals-blob.cds").rows[1][4]).size(), 16126u);
}

TEST(DatasetConformance, EveryFileLoadsIntoADataset) {
    EXPO_REQUIRE_CONFORMANCE();
    for (const auto& entry : std::filesystem::directory_iterator(conformanceDir())) {
        if (entry.path().extension() == ".md") {
            continue;
        }
        SCOPED_TRACE(entry.path().string());
        ClientDataSet set("CDSTest");
        set.loadFromFile(entry.path().string());
        EXPECT_TRUE(set.active());
        EXPECT_EQ(static_cast<size_t>(set.recordCount()),
                  readPacketFile(entry.path().string()).rows.size());
    }
}

}  // namespace
}  // namespace expo::ds
