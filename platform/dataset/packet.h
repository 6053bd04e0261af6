#pragma once
// Data packets: the on-disc form of one dataset (field descriptors and rows), binary or XML.
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace expo::ds {

enum class FieldType {
    Integer,  // 1, 2, 4 or 8 byte integers (signed or unsigned), held as int64
    Boolean,
    Float,        // double (money included)
    Date,         // days, see Value
    Time,         // milliseconds since midnight
    Timestamp,    // days and milliseconds, see Value
    String,       // 8-bit text, 1- or 2-byte length
    FixedString,  // SUBTYPE FixedChar
    WideString,   // UTF-16 on disc, code page 1250 in memory
    Memo,         // text with 4-byte length
    Blob,         // bytes with 4-byte length
};

const char* fieldTypeName(FieldType t);  // "integer", "boolean", ... as cdsdump prints them
bool isTextType(FieldType t);            // String, FixedString, WideString, Memo

struct FieldDef {
    std::string name;
    FieldType type = FieldType::String;
    int size = 0;  // characters for text fields, bytes for integers (binary width), 0 otherwise
    bool required = false;
    bool operator==(const FieldDef&) const = default;
};

// One value of a row. Text (String, FixedString, WideString, Memo) and Blob are bytes; text is
// code page 1250. Integer, Date, Time and Timestamp are int64_t: Date is the day number with
// day 1 = 0001-01-01 (proleptic Gregorian); Time is milliseconds of the day; Timestamp is
// day number * 86 400 000 + milliseconds of the day. Boolean is bool, Float double.
struct Null {
    bool operator==(const Null&) const = default;
};
using Value = std::variant<Null, int64_t, double, bool, std::string>;

struct Packet {
    std::vector<FieldDef> fields;
    std::vector<std::vector<Value>> rows;  // only the rows of the current view
};

// Readers: a malformed packet throws expo::Error naming `source` and what is wrong. Nested
// dataset columns are read past and left out of the result.
Packet readBinaryPacket(std::string_view bytes, const std::string& source);
Packet readXmlPacket(std::string_view bytes, const std::string& source);
// Chooses the form by the first bytes (binary magic, else XML).
Packet readPacket(std::string_view bytes, const std::string& source);
Packet readPacketFile(const std::string& path);

// Writers (tests and the demo generator). A value whose kind does not fit its field throws
// expo::Error naming the row and the field.
std::string writeBinaryPacket(const Packet& p);
std::string writeXmlPacket(const Packet& p);  // encoding declared as windows-1250

// Calendar of Date and Timestamp values.
int64_t dayNumber(int year, int month, int day);  // 0001-01-01 = 1
struct CivilDate {
    int64_t year = 1;
    int month = 1;
    int day = 1;
};
CivilDate civilDate(int64_t dayNumber);
constexpr int64_t kMsPerDay = 86'400'000;
int64_t timestampDay(int64_t ms);  // the day number of a Timestamp value, rounded down

std::string formatDate(int64_t dayNumber);  // "YYYY-MM-DD"
std::string formatTime(int64_t msOfDay);    // "hh:mm:ss.zzz"
std::string formatTimestamp(int64_t ms);    // "YYYY-MM-DDThh:mm:ss.zzz"

}  // namespace expo::ds
