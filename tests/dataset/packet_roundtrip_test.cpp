// Writing a packet and reading it back, in both forms, gives every value of every type back;
// the binary writer lays a packet out byte for byte as the format does.
#include <gtest/gtest.h>

#include "platform/dataset/packet.h"
#include "platform/text/error.h"
#include "platform/text/text.h"
#include "tests/dataset/support.h"

namespace expo::ds {
namespace {

using testing::field;

std::string allBytes() {
    std::string s;
    for (int i = 0; i < 256; ++i) {
        s.push_back(static_cast<char>(i));
    }
    return s;
}

Packet everyType() {
    Packet p;
    p.fields = {
        field("I1", FieldType::Integer, 1),
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
        field(text::cp("NÁZEV/2"), FieldType::String, 5),
    };
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

std::string hex(std::string_view s) {
    std::string out;
    for (unsigned char c : s) {
        char b[4];
        std::snprintf(b, sizeof b, "%02X ", c);
        out += b;
    }
    return out;
}

// The hand-built packet of the format description: three columns, two rows, 156 bytes.
TEST(DatasetPacketWriter, BinaryLayoutByteForByte) {
    Packet p;
    p.fields = {field("ID", FieldType::Integer, 4), field("CODE", FieldType::FixedString, 3),
                field("NOTE", FieldType::Memo)};
    p.rows = {{int64_t{1}, std::string("ABC"), std::string("Hi")},
              {int64_t{2}, Null{}, std::string("line1\r\nline2")}};
    const std::string expected =
        "96 19 E0 BD 01 00 00 00 18 00 00 00 03 00 02 00 00 00 03 00 00 00 76 00 "
        "02 49 44 04 00 01 00 00 00 00 00 "
        "04 43 4F 44 45 01 00 49 00 00 00 02 00 07 53 55 42 54 59 50 45 02 00 49 00 0A 00 "
        "46 69 78 65 64 43 68 61 72 00 05 57 49 44 54 48 02 00 02 00 03 00 "
        "04 4E 4F 54 45 04 00 4B 00 00 00 01 00 07 53 55 42 54 59 50 45 02 00 49 00 05 00 "
        "54 65 78 74 00 "
        "00 00 "
        "00 00 01 00 00 00 03 41 42 43 02 00 00 00 48 69 "
        "00 04 02 00 00 00 0C 00 00 00 6C 69 6E 65 31 0D 0A 6C 69 6E 65 32 ";
    EXPECT_EQ(hex(writeBinaryPacket(p)), expected);
}

TEST(DatasetPacketWriter, XmlDeclaresItsCodePageAndEscapes) {
    Packet p;
    p.fields = {field("State/Prov", FieldType::String, 10), field("NOTE", FieldType::Memo)};
    p.rows = {{text::cp("Brno–sever"), std::string("a\r\nb & \"c\"")}, {Null{}, std::string("")}};
    const std::string xml = writeXmlPacket(p);
    EXPECT_NE(xml.find("encoding=\"windows-1250\""), std::string::npos);
    EXPECT_NE(xml.find("attrname=\"State_Prov\" fieldname=\"State/Prov\""), std::string::npos);
    EXPECT_NE(xml.find("NOTE=\"a&#013;&#010;b &amp; &quot;c&quot;\""), std::string::npos);
    EXPECT_NE(xml.find("<ROW NOTE=\"\"/>"), std::string::npos);  // null: no attribute
}

}  // namespace
}  // namespace expo::ds
