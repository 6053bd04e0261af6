#pragma once
// Data packets: the on-disc form of one dataset (field descriptors and rows), binary or XML.
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace expo::ds {

enum class FieldType {
    Integer,      // 1, 2, 4 or 8 byte integers (signed or unsigned), held as int64
    Boolean,
    Float,        // double (money included)
    Date,         // days, see Value
    Time,         // milliseconds since midnight
    Timestamp,    // milliseconds since 0001-01-01 00:00 (the packet's own epoch)
    String,       // 8-bit text, 1- or 2-byte length
    FixedString,  // SUBTYPE FixedChar
    WideString,   // UTF-16 on disc, code page 1250 in memory
    Memo,         // text with 4-byte length
    Blob,         // bytes with 4-byte length
    Nested,       // nested dataset column: read past, values not kept
};

const char* fieldTypeName(FieldType t);  // "integer", "boolean", ... as cdsdump prints them

struct FieldDef {
    std::string name;
    FieldType type = FieldType::String;
    int size = 0;  // characters for text fields, bytes for integers (binary width), 0 otherwise
    bool required = false;
};

// One value of a row. Text (String, FixedString, WideString, Memo) and Blob are bytes; text is
// code page 1250. Date is days since 0001-01-01 (day 1 = 0001-01-01); Time is milliseconds of
// the day; Timestamp is milliseconds since 0001-01-01 00:00.
struct Null {
    bool operator==(const Null&) const = default;
};
using Value = std::variant<Null, int64_t, double, bool, std::string>;

struct Packet {
    std::vector<FieldDef> fields;
    std::vector<std::vector<Value>> rows;  // only the rows of the current view
};

// Readers: a malformed packet throws expo::Error naming `source` and what is wrong.
Packet readBinaryPacket(std::string_view bytes, const std::string& source);
Packet readXmlPacket(std::string_view bytes, const std::string& source);
// Chooses the form by the first bytes (binary magic, else XML).
Packet readPacket(std::string_view bytes, const std::string& source);
Packet readPacketFile(const std::string& path);

// Writers (tests and the demo generator).
std::string writeBinaryPacket(const Packet& p);
std::string writeXmlPacket(const Packet& p);  // encoding declared as windows-1250

}  // namespace expo::ds
