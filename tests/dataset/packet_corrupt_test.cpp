// Bad input never crashes and never hangs: each kind of damage gives an expo::Error naming the
// source and what is wrong. Also the text encodings of XML packets.
#include <gtest/gtest.h>

#include <tuple>

#include "platform/dataset/packet.h"
#include "platform/text/error.h"
#include "platform/text/text.h"
#include "tests/dataset/support.h"

namespace expo::ds {
namespace {

using testing::field;
using testing::le;

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
        {xmlValue("fieldtype=\"bin.hex\" SUBTYPE=\"Binary\"", "@@@@"), "not a valid blob"},
    };
    for (const auto& [bytes, expected] : damage) {
        try {
            readPacket(bytes, "broken.dat");
            ADD_FAILURE() << "read without error: " << expected;
        } catch (const Error& e) {
            EXPECT_NE(std::string(e.what()).find("broken.dat"), std::string::npos) << e.what();
            EXPECT_NE(std::string(e.what()).find(expected), std::string::npos) << e.what();
        }
    }
}

TEST(DatasetCorruptInput, EveryTruncationIsRefused) {
    Packet p{{field("I", FieldType::Integer, 8), field("S", FieldType::String, 300),
              field("W", FieldType::WideString, 5), field("M", FieldType::Memo),
              field("D", FieldType::Timestamp)},
             {}};
    for (int i = 0; i < 3; ++i) {
        p.rows.push_back(
            {int64_t{i}, std::string(260, 'a'), text::cp("čaj"), std::string("m"), Value(Null{})});
    }
    const std::string bytes = writeBinaryPacket(p);
    for (size_t n = 0; n < bytes.size(); ++n) {
        EXPECT_THROW(readBinaryPacket(bytes.substr(0, n), "cut.dat"), Error) << n;
    }
    EXPECT_EQ(readBinaryPacket(bytes, "whole.dat").rows.size(), 3u);
}

// A damaged byte gives either the named error or a packet whose rows are whole and whose
// values are of their fields' kinds; both outcomes occur.
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

TEST(DatasetCorruptInput, ColumnsOfTypesNotDecodedAreReadPast) {
    // ID as a 4-byte BCD column (type code 5): left out, NAME still read.
    const Packet binary = readPacket(patched(27, le(0x00050004, 4)), "bcd.dat");
    ASSERT_EQ(binary.fields.size(), 1u);
    EXPECT_EQ(binary.rows.at(0).at(0), Value(std::string("Karel")));
    const Packet xml =
        readPacket(xmlField("attrname=\"A\" fieldtype=\"fixed\" WIDTH=\"5\"/><FIELD attrname=\"B\" "
                            "fieldtype=\"i2\"",
                            "<ROW A=\"1.5\" B=\"7\"/>"),
                   "bcd.xml");
    ASSERT_EQ(xml.fields.size(), 1u);
    EXPECT_EQ(xml.rows.at(0).at(0), Value(int64_t{7}));
    EXPECT_TRUE(readPacket(deeplyNested(8), "nested.dat").fields.empty());  // up to their limit
}

// --- text encodings of XML packets ----------------------------------------------------------

// A declared encoding is honoured; without one, valid UTF-8 is taken as UTF-8 and anything
// else as code page 1250; a byte order mark and character references also count.
TEST(DatasetXmlEncoding, DeclaredOrGuessed) {
    const auto declaring = [](const char* encoding) {
        return std::string("<?xml version=\"1.0\" encoding=\"") + encoding + "\"?>";
    };
    const std::string plain = "<?xml version=\"1.0\" standalone=\"yes\"?>";
    const std::string utf8 = "Žluťoučký kůň";
    // The declaration, the value as stored and its text in UTF-8.
    const std::tuple<std::string, std::string, const char*> cases[] = {
        {declaring("UTF-8"), utf8, "Žluťoučký kůň"},
        {plain, utf8, "Žluťoučký kůň"},
        {plain, text::cp(utf8), "Žluťoučký kůň"},
        {declaring("windows-1250"), text::cp(utf8), "Žluťoučký kůň"},
        {"\xEF\xBB\xBF" + plain, utf8, "Žluťoučký kůň"},
        {plain, "&#381;&#x165;", "Žť"},
        {declaring("ISO-8859-2"), "\xAElu\xBBou\xE8k\xFD k\xF9\xF2", "Žluťoučký kůň"},
    };
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
