// Data packets in both forms: writing one and reading it back gives every value of every type
// back; values as other writers store them (rows kept out of the view, booleans of every stored
// form, fixed-width text padded with zero bytes); real packets written by other programs.
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <tuple>

#include "platform/dataset/packet.h"
#include "platform/text/error.h"
#include "platform/text/text.h"
#include "tests/core/temp_folder.h"
#include "tests/dataset/support.h"

namespace expo::ds {
namespace {

using testing::field;
using testing::le;

std::string allBytes() {
    std::string s(256, '\0');
    std::iota(s.begin(), s.end(), '\0');
    return s;
}

Packet everyType() {
    Packet p;
    p.fields = {field("I1", FieldType::Integer, 1),
                field("I2", FieldType::Integer, 2),
                field("I4", FieldType::Integer, 4, true),
                field("I8", FieldType::Integer, 8),
                field("B", FieldType::Boolean),
                field("F", FieldType::Float),
                field("D", FieldType::Date),
                field("T", FieldType::Time),
                field("TS", FieldType::Timestamp),
                field("S", FieldType::String, 20),
                field("LONG", FieldType::String, 300),
                field("FIX", FieldType::FixedString, 10),
                field("W", FieldType::WideString, 15),
                field("M", FieldType::Memo, 200),
                field("BL", FieldType::Blob),
                field(text::cp("NÁZEV/2"), FieldType::String, 5)};
    const std::string czech = text::cp("Příliš žluťoučký kůň");
    p.rows = {
        {int64_t{-128}, int64_t{-32768}, int64_t{-2147483648LL}, int64_t{INT64_MIN}, true, 0.1,
         dayNumber(1, 1, 1), int64_t{0}, dayNumber(1988, 12, 28) * kMsPerDay,
         std::string("a&b<c>\"d'e"), std::string(300, 'x'), std::string("AB   "), czech,
         std::string("line1\r\nline2\t\"quoted\" & <tag>"), allBytes(), std::string("x")},
        {int64_t{127}, int64_t{32767}, int64_t{2147483647}, int64_t{INT64_MAX}, false, -1e300,
         dayNumber(9999, 12, 31), int64_t{kMsPerDay - 1},
         dayNumber(2024, 2, 29) * kMsPerDay + 13 * 3'600'000 + 5 * 60'000 + 3'007, czech,
         std::string(""), std::string(""), std::string(""), std::string(""), std::string(""),
         std::string("")},
        std::vector<Value>(p.fields.size(), Null{}),
    };
    p.rows[2][2] = int64_t{0};  // the required field
    return p;
}

// Either form gives every value back, nulls included; the reader picks the form by itself.
TEST(DatasetPacketRoundTrip, EveryTypeWithNullsComesBack) {
    const std::pair<std::string (*)(const Packet&),
                    Packet (*)(std::string_view, const std::string&)>
        forms[] = {{writeBinaryPacket, readBinaryPacket}, {writeXmlPacket, readXmlPacket}};
    for (const auto& [write, read] : forms) {
        const Packet p = everyType();
        const std::string bytes = write(p);
        const Packet back = read(bytes, "test");
        EXPECT_EQ(back.fields, p.fields);
        EXPECT_EQ(back.rows, p.rows);
        EXPECT_EQ(readPacket(bytes, "test").rows, p.rows);
        const Packet empty = read(write(Packet{}), "test");
        EXPECT_TRUE(empty.fields.empty() && empty.rows.empty());
    }
}

// A binary packet of one column (its type word as stored) and rows of (status byte, value
// bytes); every value is present.
std::string binaryPacket(uint32_t typeWord, const std::vector<std::pair<int, std::string>>& rows) {
    std::string s = "\x96\x19\xE0\xBD" + le(1, 2) + le(0, 2) + le(24, 4) + le(1, 2) +
                    le(rows.size(), 4) + le(1, 4) + le(0, 2);
    s += "\x01V" + le(typeWord, 4) + le(0, 2) + le(0, 2) + le(0, 2);
    for (const auto& [status, value] : rows) {
        s += static_cast<char>(status) + std::string(1, '\0') + value;
    }
    return s;
}

std::string xmlPacket(const char* fieldtype, const std::vector<std::string>& rowAttributes) {
    std::string s =
        std::string("<DATAPACKET><METADATA><FIELDS><FIELD attrname=\"V\" fieldtype=\"") +
        fieldtype + "\" WIDTH=\"20\"/></FIELDS></METADATA><ROWDATA>";
    for (const std::string& row : rowAttributes) {
        s += "<ROW " + row + "/>";
    }
    return s + "</ROWDATA></DATAPACKET>";
}

std::vector<Value> values(const Packet& p) {
    std::vector<Value> out;
    for (const auto& row : p.rows) {
        out.push_back(row.at(0));
    }
    return out;
}

// Original images (1), deleted rows (2) and unused slots (32) are not part of the view;
// inserted (4), modified (8) and detail-changed (64) rows are.
TEST(DatasetRowState, HiddenRowsAreLeftOutInBothForms) {
    const int states[] = {0, 1, 2, 4, 8, 32, 64, 5, 12, 14, 0x21};
    std::vector<std::pair<int, std::string>> binaryRows;
    std::vector<std::string> xmlRows;
    for (size_t i = 0; i < std::size(states); ++i) {
        binaryRows.emplace_back(states[i], le(i, 4));
        xmlRows.push_back("RowState=\"" + std::to_string(states[i]) + "\" V=\"" +
                          std::to_string(i) + "\"");
    }
    const std::vector<Value> visible{int64_t{0}, int64_t{3}, int64_t{4}, int64_t{6}, int64_t{8}};
    EXPECT_EQ(values(readBinaryPacket(binaryPacket(0x00010004, binaryRows), "rs.dat")), visible);
    EXPECT_EQ(values(readXmlPacket(xmlPacket("i4", xmlRows), "rs.xml")), visible);
}

TEST(DatasetBooleans, EveryStoredFormOfTrueMatchesTrue) {
    const expo::testing::TempFolder folder;
    const std::pair<const char*, std::string> files[] = {
        {"two.dat", binaryPacket(0x00030002, {{0, le(0xFFFF, 2)}, {0, le(1, 2)}, {0, le(0, 2)}})},
        {"one.dat", binaryPacket(0x00030001, {{0, "\xFF"}, {0, "\x01"}, {0, std::string(1, 0)}})},
        {"four.dat",
         binaryPacket(0x00030004, {{0, le(0x80000000, 4)}, {0, le(1, 4)}, {0, le(0, 4)}})},
        {"upper.xml", xmlPacket("boolean", {"V=\"TRUE\"", "V=\"True\"", "V=\"FALSE\""})},
        {"lower.xml", xmlPacket("boolean", {"V=\"true\"", "V=\"TRUE\"", "V=\"false\""})},
        {"mixed.xml", xmlPacket("boolean", {"V=\"True\"", "V=\"true\"", "V=\"False\""})},
    };
    for (const auto& [name, bytes] : files) {
        SCOPED_TRACE(name);
        ClientDataSet set("CDSTest");
        set.loadFromFile(folder.write(name, bytes));
        EXPECT_EQ(testing::column(set, "V"), (std::vector<std::string>{"True", "True", "False"}));
        set.setFiltered(true);
        for (const char* isTrue : {"V = TRUE", "V", "V <> FALSE"}) {
            set.setFilter(isTrue);
            EXPECT_EQ(set.recordCount(), 2) << isTrue;
        }
        set.setFilter("V = FALSE");
        EXPECT_EQ(set.recordCount(), 1);
    }
}

// Text of a fixed width (not length-prefixed) ends at its first zero byte.
TEST(DatasetFixedWidthText, ZeroPaddingIsNotPartOfTheText) {
    const std::string eight = binaryPacket(
        0x00090006, {{0, std::string("ab\0\0\0\0", 6)}, {0, "abcdef"}, {0, std::string(6, 0)}});
    EXPECT_EQ(values(readBinaryPacket(eight, "fix.dat")),
              (std::vector<Value>{std::string("ab"), std::string("abcdef"), std::string()}));
    const std::string wide = binaryPacket(0x000A0008, {{0, std::string("a\0\x0D\x01\0\0\0\0", 8)},
                                                       {0, std::string("a\0b\0c\0d\0", 8)}});
    EXPECT_EQ(values(readBinaryPacket(wide, "fix.dat")),
              (std::vector<Value>{text::cp("ač"), std::string("abcd")}));
}

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

}  // namespace
}  // namespace expo::ds
