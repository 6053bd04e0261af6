// Values as other writers store them: rows kept out of the current view, booleans of every
// stored form, and fixed-width text padded with zero bytes.
#include <gtest/gtest.h>

#include "platform/dataset/packet.h"
#include "platform/text/text.h"
#include "tests/core/temp_folder.h"
#include "tests/dataset/support.h"

namespace expo::ds {
namespace {

using testing::le;

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
    const struct {
        const char* name;
        std::string bytes;
    } files[] = {
        {"two.dat", binaryPacket(0x00030002, {{0, le(0xFFFF, 2)}, {0, le(1, 2)}, {0, le(0, 2)}})},
        {"one.dat", binaryPacket(0x00030001, {{0, "\xFF"}, {0, "\x01"}, {0, std::string(1, 0)}})},
        {"four.dat",
         binaryPacket(0x00030004, {{0, le(0x80000000, 4)}, {0, le(1, 4)}, {0, le(0, 4)}})},
        {"upper.xml", xmlPacket("boolean", {"V=\"TRUE\"", "V=\"True\"", "V=\"FALSE\""})},
        {"lower.xml", xmlPacket("boolean", {"V=\"true\"", "V=\"TRUE\"", "V=\"false\""})},
        {"mixed.xml", xmlPacket("boolean", {"V=\"True\"", "V=\"true\"", "V=\"False\""})},
    };
    for (const auto& f : files) {
        SCOPED_TRACE(f.name);
        ClientDataSet set("CDSTest");
        set.loadFromFile(folder.write(f.name, f.bytes));
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

}  // namespace
}  // namespace expo::ds
