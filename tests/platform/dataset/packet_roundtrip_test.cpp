// Data packets in both forms: writing one and reading it back gives every value of every type
// back; values as other writers store them (rows kept out of the view, booleans of every stored
// form, fixed-width text padded with zero bytes); real packets written by other programs.
// Bad input never crashes and never hangs: each kind of damage gives an expo::Error naming the
// source and what is wrong. The text encodings of XML packets.
#include <gtest/gtest.h>
#include <algorithm>
#include <numeric>
#include <tuple>

#include "platform/dataset/packet.h"
#include "platform/text/error.h"
#include "platform/text/text.h"
#include "tests/platform/dataset/support.h"
#include "tests/support/temp_folder.h"

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
    p.rows = {{int64_t{-128}, int64_t{-32768}, int64_t{-2147483648LL}, int64_t{INT64_MIN}, true,
               0.1, dayNumber(1, 1, 1), int64_t{0}, dayNumber(1988, 12, 28) * kMsPerDay,
               std::string("a&b<c>\"d'e"), std::string(300, 'x'), std::string("AB   "), czech,
               std::string("line1\r\nline2\t\"quoted\" & <tag>"), allBytes(), std::string("x")},
              {int64_t{127}, int64_t{32767}, int64_t{2147483647}, int64_t{INT64_MAX}, false, -1e300,
               dayNumber(9999, 12, 31), int64_t{kMsPerDay - 1},
               dayNumber(2024, 2, 29) * kMsPerDay + 13 * 3'600'000 + 5 * 60'000 + 3'007, czech,
               std::string(""), std::string(""), std::string(""), std::string(""), std::string(""),
               std::string("")},
              std::vector<Value>(p.fields.size(), Null{})};
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
        {"mixed.xml", xmlPacket("boolean", {"V=\"True\"", "V=\"true\"", "V=\"False\""})}};
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
        {"employee.cds", 0, 4, int64_t{62'734'953'600'000}},  // 1988-12-28
        {"reservat.cds", 0, 7, int64_t{728993}},              // 1996-11-30
        {"animals-blob.cds", 1, 1, int64_t{10}},
        {"fixedchar-cp1252.cds", 0, 4, std::string("R$")},
        {"fixedchar-cp1252.cds", 1, 1, std::string("CONDU\xC7\xC3O E REFEI\xC7\xC3O")},
        {"nested-changelog.xml", 0, 0, std::string("      2139")}};
    for (const auto& [file, row, column, value] : values) {
        EXPECT_EQ(readConformance(file).rows.at(row).at(column), value) << file << " " << row;
    }
    const std::tuple<const char*, size_t, FieldDef> fields[] = {
        {"animals-blob.cds", 1, {"SIZE", FieldType::Integer, 2, false}},
        {"fixedchar-cp1252.cds", 4, {"UNIDADE", FieldType::FixedString, 5, false}},
        {"nested-changelog.xml", 15, {"CONDICION", FieldType::String, 25, false}}};
    for (const auto& [file, column, def] : fields) {
        EXPECT_EQ(readConformance(file).fields.at(column), def) << file;
    }
    EXPECT_EQ(readConformance("nested-changelog.xml").fields.size(), 16u);
    EXPECT_EQ(std::get<std::string>(readConformance("animals-blob.cds").rows[1][4]).size(), 16126u);
}

// ID integer(4), NAME string(10), one row (7, "Karel"). Its layout: header 0..23, "ID" 24..34
// (type word at 27), "NAME" 35..59 (type word at 40, value prefix of the row at 68), dataset
// parameters 60..61, the row from 62.
std::string small() {
    return writeBinaryPacket(
        {{field("ID", FieldType::Integer, 4), field("NAME", FieldType::String, 10)},
         {{int64_t{7}, std::string("Karel")}}});
}

std::string patched(size_t at, std::string_view bytes) {
    std::string s = small();
    s.replace(at, bytes.size(), bytes);
    return s;
}

// A column nested `depth` levels deep in nested-dataset columns.
std::string deeplyNested(int depth) {
    std::string s = small().substr(0, 24);
    s[12] = 1;  // one top-level column
    s[14] = 0;  // no rows
    s[18] = 1;  // metadata only, no data offset
    for (int i = 0; i < depth; ++i) {
        s += std::string("\x01N", 2) + le(0x04000000 | 14u << 16 | 1u, 4) + std::string(4, '\0');
    }
    return s + std::string("\x01X", 2) + le(0x00010004, 4) + std::string(4, '\0') +
           std::string(2 * static_cast<size_t>(depth) + 2, '\0');
}

std::string xmlField(const std::string& field, const std::string& rows = "") {
    return "<DATAPACKET><METADATA><FIELDS><FIELD " + field + "/></FIELDS></METADATA><ROWDATA>" +
           rows + "</ROWDATA></DATAPACKET>";
}
std::string xmlValue(const std::string& field, const std::string& value) {
    return xmlField("attrname=\"A\" " + field, "<ROW A=\"1\"/><ROW A=\"" + value + "\"/>");
}

// Each kind of damage and a part of the message that names it.
TEST(DatasetCorruptInput, DamageIsNamed) {
    const std::pair<std::string, const char*> damage[] = {
        {"", "not a data packet"},
        {small().substr(0, 10), "too short"},
        {patched(0, "\x96\x19\xE0\xBE"), "not a data packet"},
        {patched(0, "\xBD\xE0\x19\x96"), "big-endian"},
        {patched(8, le(0xFFFF, 4)), "header size"},
        {patched(18, le(2, 4)), "no field descriptors"},
        {patched(14, le(0x00FFFFFF, 4)), "rows announced"},
        {patched(22, std::string("\x46\x00", 2)), "said to start at offset 70"},
        {patched(27, le(0x00010003, 4)), "unsupported width 3"},
        {patched(27, le(0x00810004, 4)), "array fields"},
        {patched(40, le(0x00490003, 4)), "length prefix of 3 bytes"},
        {patched(40, le(0x004A0001, 4)), "odd number of bytes"},
        {patched(54, le(0x00820002, 4) + le(0xFFFFFFFF, 4)), "truncated"},  // parameter array
        {deeplyNested(9), "deeper than 8"},
        {"<?xml version=\"1.0\" encoding=\"x-no-such-code\"?><DATAPACKET/>", "x-no-such-code"},
        {"<DATAPACKET><METADATA>", "malformed XML"},
        {"<?xml version=\"1.0\"?><OTHER/>", "no DATAPACKET"},
        {"<DATAPACKET/>", "METADATA/FIELDS"},
        {xmlField("fieldtype=\"i4\""), "no attrname"},
        {xmlField("attrname=\"A\" fieldtype=\"string\" WIDTH=\"x\""), "bad WIDTH"},
        {xmlValue("fieldtype=\"i4\"", "abc"), "'abc' is not a valid integer value (row 2)"},
        {xmlValue("fieldtype=\"date\"", "19961340"), "not a valid date"},
        {xmlValue("fieldtype=\"time\"", "25:00:00000"), "not a valid time"},
        {xmlValue("fieldtype=\"boolean\"", "yes"), "not a valid boolean"},
        {xmlValue("fieldtype=\"r8\"", "1,5"), "not a valid float"},
        {xmlValue("fieldtype=\"bin.hex\" SUBTYPE=\"Binary\"", "@@@@"), "not a valid blob"}};
    for (const auto& [bytes, expected] : damage) {
        try {
            readPacket(bytes, "broken.dat");
            ADD_FAILURE() << "read without error: " << expected;
        } catch (const Error& e) {
            EXPECT_NE(std::string(e.what()).find("broken.dat"), std::string::npos) << e.what();
            EXPECT_NE(std::string(e.what()).find(expected), std::string::npos) << e.what();
        }
    }
    EXPECT_TRUE(readPacket(deeplyNested(8), "nested.dat").fields.empty());  // up to the limit
}

// A column of a type not decoded here is left out and the columns after it still read.
TEST(DatasetCorruptInput, ColumnsOfTypesNotDecodedAreReadPast) {
    // ID as a 4-byte BCD column (type code 5) before NAME; "fixed" (BCD) before B.
    const std::pair<std::string, Value> packets[] = {
        {patched(27, le(0x00050004, 4)), std::string("Karel")},
        {xmlField("attrname=\"A\" fieldtype=\"fixed\" WIDTH=\"5\"/><FIELD attrname=\"B\" "
                  "fieldtype=\"i2\"",
                  "<ROW A=\"1.5\" B=\"7\"/>"),
         int64_t{7}}};
    for (const auto& [bytes, value] : packets) {
        const Packet p = readPacket(bytes, "bcd.dat");
        ASSERT_EQ(p.fields.size(), 1u);
        EXPECT_EQ(p.rows.at(0), std::vector<Value>{value});
    }
}

// A damaged byte gives either the named error or a packet whose rows are whole and whose
// values are of their fields' kinds; both outcomes occur. A packet cut short is refused.
TEST(DatasetCorruptInput, EveryDamagedByteReadsOrIsRefused) {
    const std::string good = writeBinaryPacket(
        {{field("I", FieldType::Integer, 2), field("S", FieldType::FixedString, 4),
          field("B", FieldType::Blob), field("F", FieldType::Float), field("T", FieldType::Time)},
         {{int64_t{1}, std::string("ab"), std::string("\x01\x02", 2), 2.5, int64_t{1000}},
          {Null{}, Null{}, Null{}, Null{}, Null{}}}});
    const auto kindFits = [](FieldType type, const Value& v) {
        using enum FieldType;
        const bool number = type == Integer || type == Date || type == Time || type == Timestamp;
        return type == Float     ? std::holds_alternative<double>(v)
               : type == Boolean ? std::holds_alternative<bool>(v)
               : number          ? std::holds_alternative<int64_t>(v)
                                 : std::holds_alternative<std::string>(v);
    };
    int read = 0, refused = 0;
    for (size_t at = 0; at < good.size(); ++at) {
        EXPECT_THROW(readBinaryPacket(good.substr(0, at), "cut.dat"), Error) << "cut at " << at;
        for (const char mask : {'\x01', '\x80', '\xFF'}) {
            std::string bad = good;
            bad[at] = static_cast<char>(bad[at] ^ mask);
            try {
                const Packet p = readBinaryPacket(bad, "flip.dat");
                ++read;
                for (const auto& row : p.rows) {
                    ASSERT_EQ(row.size(), p.fields.size()) << at;
                    for (size_t c = 0; c < row.size(); ++c) {
                        EXPECT_TRUE(std::holds_alternative<Null>(row[c]) ||
                                    kindFits(p.fields[c].type, row[c]))
                            << "byte " << at << " field " << p.fields[c].name;
                    }
                }
            } catch (const Error& e) {
                ++refused;
                EXPECT_NE(std::string(e.what()).find("flip.dat"), std::string::npos) << e.what();
            }
        }
    }
    EXPECT_GT(read, 0);
    EXPECT_GT(refused, 0);
}

// --- text encodings of XML packets ----------------------------------------------------------

// A declared encoding is honoured; without one, valid UTF-8 is taken as UTF-8 and anything
// else as code page 1250; a byte order mark and character references also count.
TEST(DatasetXmlEncoding, DeclaredOrGuessed) {
    const std::string plain = "<?xml version=\"1.0\" standalone=\"yes\"?>";
    const std::string utf8 = "Žluťoučký kůň";
    // The declaration, the value as stored and its text in UTF-8.
    const std::tuple<std::string, std::string, const char*> cases[] = {
        {plain, utf8, "Žluťoučký kůň"},
        {plain, text::cp(utf8), "Žluťoučký kůň"},
        {"\xEF\xBB\xBF" + plain, utf8, "Žluťoučký kůň"},
        {plain, "&#381;&#x165;", "Žť"},
        {"<?xml version=\"1.0\" encoding=\"ISO-8859-2\"?>", "\xAElu\xBBou\xE8k\xFD k\xF9\xF2",
         "Žluťoučký kůň"}};
    for (const auto& [declaration, value, utf8Text] : cases) {
        const std::string xml =
            declaration + xmlField("attrname=\"S\" fieldtype=\"string\" WIDTH=\"40\"",
                                   "<ROW S=\"" + value + "\"/>");
        EXPECT_EQ(readXmlPacket(xml, "enc.xml").rows.at(0).at(0), Value(text::cp(utf8Text)))
            << declaration << value;
    }
}

}  // namespace
}  // namespace expo::ds
