#pragma once
// The vocabulary of the XML data packet and the text form of its values, shared by the XML
// reader and writer.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/dataset/packet.h"

namespace expo::ds::xml {

struct TypeName {
    std::string_view fieldtype;
    FieldType type;
    int size;  // integer width; 0 for the others
};
// The writer uses the first entry of a type (and integer width).
constexpr TypeName kTypeNames[] = {
    {"i4", FieldType::Integer, 4},
    {"i2", FieldType::Integer, 2},
    {"i1", FieldType::Integer, 1},
    {"i8", FieldType::Integer, 8},
    {"ui4", FieldType::Integer, 4},
    {"ui2", FieldType::Integer, 2},
    {"ui1", FieldType::Integer, 1},
    {"ui8", FieldType::Integer, 8},
    {"boolean", FieldType::Boolean, 0},
    {"r8", FieldType::Float, 0},
    {"r4", FieldType::Float, 0},
    {"date", FieldType::Date, 0},
    {"time", FieldType::Time, 0},
    {"dateTime", FieldType::Timestamp, 0},
    {"SQLdateTime", FieldType::Timestamp, 0},
    {"string", FieldType::String, 0},
    {"string.uni", FieldType::WideString, 0},
    {"bin.hex", FieldType::Blob, 0},
};

// Row states that keep a row out of the current view (as the binary status byte).
constexpr int kHiddenRowState = 0x01 | 0x02 | 0x20;

// Values as text: dates "yyyymmdd", times "hh:nn:ssmmm", timestamps "yyyymmddThh:nn:ssmmm"
// ("yyyymmdd" at midnight), booleans "TRUE"/"FALSE". Parsers give nullopt for malformed text.
std::string formatValue(FieldType type, int64_t number);  // Integer, Boolean and the calendar
std::optional<int64_t> parseValue(FieldType type, std::string_view text);
std::string formatReal(double v);
std::optional<double> parseReal(std::string_view text);

}  // namespace expo::ds::xml
