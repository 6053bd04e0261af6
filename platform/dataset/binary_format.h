#pragma once
// Constants of the binary data packet, shared by its reader and writer.
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace expo::ds::binary {

constexpr uint32_t kMagic = 0xBDE01996;
constexpr uint32_t kMagicSwapped = 0x9619E0BD;  // the magic of a big-endian packet
constexpr size_t kHeaderSize = 24;

// Packet property bits of the header.
constexpr uint32_t kHasMetadata = 0x1;
constexpr uint32_t kDataOffsetValid = 0x2;

// The type word: width in the low 16 bits, then the type code and flags.
constexpr uint32_t kSizeMask = 0xFFFF;
constexpr unsigned kTypeShift = 16;
constexpr uint32_t kTypeMask = 0x3F;
constexpr uint32_t kVarying = 0x00400000;
constexpr uint32_t kArray = 0x00800000;
constexpr uint32_t kPseudo = 0x01000000;
constexpr uint32_t kEmbedded = 0x04000000;

constexpr uint32_t kCodeSigned = 1;
constexpr uint32_t kCodeUnsigned = 2;
constexpr uint32_t kCodeBoolean = 3;
constexpr uint32_t kCodeFloat = 4;
constexpr uint32_t kCodeDate = 6;
constexpr uint32_t kCodeTime = 7;
constexpr uint32_t kCodeTimestamp = 8;
constexpr uint32_t kCodeString = 9;
constexpr uint32_t kCodeWideString = 10;
constexpr uint32_t kCodeBytes = 11;
constexpr uint32_t kCodeNested = 14;
constexpr uint32_t kCodeSqlTimestamp = 17;
constexpr uint32_t kCodeSingle = 27;

constexpr uint32_t typeWord(uint32_t code, uint32_t size, uint32_t flags = 0) {
    return (code << kTypeShift) | size | flags;
}

// Column attribute bits.
constexpr uint16_t kRequired = 0x4;

// Row status bits that keep a stored row out of the current view: original image of a
// changed record, deleted record, unused slot.
constexpr uint8_t kHiddenStatus = 0x01 | 0x02 | 0x20;
// Bit 31 of a nested dataset's row count: the detail rows are not included.
constexpr uint32_t kNestedRowsOmitted = 0x80000000;

// Two bits per column in the row's blank bitmap; 0 = a value follows.
constexpr unsigned kBlankPresent = 0;
constexpr unsigned kBlankNull = 1;
constexpr size_t bitmapBytes(size_t columns) {
    return (columns + 3) / 4;
}

constexpr std::string_view kFixedChar = "FixedChar";
constexpr std::string_view kWideText = "WideText";
constexpr bool isMemoSubtype(std::string_view subtype) {
    return subtype == "Text" || subtype == "Formatted" || subtype == "HMemo" ||
           subtype == kWideText;
}

}  // namespace expo::ds::binary
