// Real data packets written by other programs: each binary file reads as its XML twin, and the
// files without a twin give the values their layout says.
#include <gtest/gtest.h>

#include <algorithm>

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

class ConformanceTwin : public ::testing::TestWithParam<const char*> {};

TEST_P(ConformanceTwin, BinaryReadsAsItsXmlTwin) {
    EXPO_REQUIRE_CONFORMANCE();
    const std::string name = GetParam();
    const Packet binary = readConformance(name + ".cds");
    const Packet xml = readConformance(name + ".xml");
    ASSERT_EQ(binary.fields.size(), xml.fields.size());
    for (size_t i = 0; i < binary.fields.size(); ++i) {
        SCOPED_TRACE(binary.fields[i].name);
        EXPECT_EQ(xmlName(binary.fields[i].name), xml.fields[i].name);
        EXPECT_EQ(binary.fields[i].type, xml.fields[i].type);
        EXPECT_EQ(binary.fields[i].size, xml.fields[i].size);
        EXPECT_EQ(binary.fields[i].required, xml.fields[i].required);
    }
    ASSERT_EQ(binary.rows.size(), xml.rows.size());
    EXPECT_GT(binary.rows.size(), 0u);
    for (size_t r = 0; r < binary.rows.size(); ++r) {
        EXPECT_EQ(binary.rows[r], xml.rows[r]) << "row " << r + 1;
    }
}

INSTANTIATE_TEST_SUITE_P(DatasetConformance, ConformanceTwin,
                         ::testing::Values("country", "custoly", "employee", "reservat",
                                           "vendors"));

TEST(DatasetConformance, EmployeeValuesOfTheFirstRow) {
    EXPO_REQUIRE_CONFORMANCE();
    const Packet p = readConformance("employee.cds");
    ASSERT_EQ(p.rows.size(), 42u);
    EXPECT_EQ(p.fields[4].type, FieldType::Timestamp);
    EXPECT_EQ(p.fields[1], (FieldDef{"LastName", FieldType::String, 20, false}));
    const std::vector<Value> expected{int64_t{2},
                                      std::string("Nelson"),
                                      std::string("Roberto"),
                                      std::string("250"),
                                      dayNumber(1988, 12, 28) * kMsPerDay,
                                      40000.0};
    EXPECT_EQ(p.rows[0], expected);
    EXPECT_EQ(dayNumber(1988, 12, 28) * kMsPerDay, int64_t{62'734'953'600'000});
}

TEST(DatasetConformance, ReservationDatesBooleansMoneyAndNulls) {
    EXPO_REQUIRE_CONFORMANCE();
    const Packet p = readConformance("reservat.cds");
    ASSERT_EQ(p.fields.size(), 11u);
    EXPECT_EQ(p.fields[4].type, FieldType::Float);  // money
    EXPECT_EQ(p.fields[7].type, FieldType::Date);
    EXPECT_EQ(p.fields[8].type, FieldType::Memo);
    EXPECT_EQ(p.fields[10].type, FieldType::Boolean);
    EXPECT_EQ(p.rows[0][7], Value(int64_t{728993}));  // 1996-11-30
    EXPECT_EQ(p.rows[0][8], Value(Null{}));
    EXPECT_EQ(p.rows[0][10], Value(true));
    EXPECT_EQ(p.rows[1][4], Value(22.5));
}

TEST(DatasetConformance, ChangeLogShowsOnlyTheCurrentView) {
    EXPO_REQUIRE_CONFORMANCE();
    // 206 stored rows: original images and deleted rows are not part of the view.
    const Packet p = readConformance("Products.cds");
    std::vector<int64_t> codes;
    for (const auto& row : p.rows) {
        codes.push_back(std::get<int64_t>(row[0]));
    }
    EXPECT_EQ(codes, (std::vector<int64_t>{11, 12, 14, 15, 16, 17, 10, 13}));
}

TEST(DatasetConformance, LargeBlobsAndSmallIntegers) {
    EXPO_REQUIRE_CONFORMANCE();
    const Packet p = readConformance("animals-blob.cds");
    ASSERT_EQ(p.rows.size(), 7u);
    EXPECT_EQ(p.fields[1], (FieldDef{"SIZE", FieldType::Integer, 2, false}));
    EXPECT_EQ(p.fields[4].type, FieldType::Blob);
    EXPECT_EQ(p.rows[1][0], Value(std::string("Boa")));
    EXPECT_EQ(p.rows[1][1], Value(int64_t{10}));
    EXPECT_EQ(std::get<std::string>(p.rows[1][4]).size(), 16126u);
}

TEST(DatasetConformance, FixedCharShorterThanItsWidthAndBytesKept) {
    EXPO_REQUIRE_CONFORMANCE();
    const Packet p = readConformance("fixedchar-cp1252.cds");
    EXPECT_EQ(p.fields[4], (FieldDef{"UNIDADE", FieldType::FixedString, 5, false}));
    EXPECT_EQ(p.rows[0][4], Value(std::string("R$")));  // not padded
    EXPECT_EQ(p.rows[1][1], Value(std::string("CONDU\xC7\xC3O E REFEI\xC7\xC3O")));
    EXPECT_EQ(p.rows[0][8], Value(Null{}));
}

TEST(DatasetConformance, NestedDatasetColumnIsReadPast) {
    EXPO_REQUIRE_CONFORMANCE();
    const Packet p = readConformance("nested-changelog.xml");
    ASSERT_EQ(p.fields.size(), 16u);
    ASSERT_EQ(p.rows.size(), 1u);
    EXPECT_EQ(p.fields.back().name, "CONDICION");
    EXPECT_EQ(p.rows[0][0], Value(std::string("      2139")));
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
