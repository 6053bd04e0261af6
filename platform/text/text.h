#pragma once
// 8-bit text in code page 1250 (the disc's code page) and the conversions the program needs.
// Strings are byte strings; nothing here touches Qt.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace expo::text {

// Unicode code point of a code page 1250 byte. The five bytes the code page leaves undefined
// (0x81 0x83 0x88 0x90 0x98) map to the control characters of the same number, so every byte
// survives a round trip through Unicode.
char32_t cp1250ToUnicode(unsigned char byte);
// Code page 1250 byte for a code point, or nullopt when the code page lacks it.
std::optional<unsigned char> unicodeToCp1250(char32_t cp);

std::string cp1250ToUtf8(std::string_view cp1250);
std::u16string cp1250ToUtf16(std::string_view cp1250);
// A literal written in UTF-8 source, as the program's 8-bit text: cp("Vše").
std::string cp(std::string_view utf8);
// Characters the code page lacks become '?'. Invalid UTF-8 sequences become '?'.
std::string utf8ToCp1250(std::string_view utf8);
std::string utf16ToCp1250(std::u16string_view utf16);
bool isValidUtf8(std::string_view bytes);

// The Czech locale's upper case of 8-bit text (č -> Č, ř -> Ř, ů -> Ů, ...).
std::string upper(std::string_view cp1250);
unsigned char upperChar(unsigned char c);
// The Czech locale's lower case (Č -> č, ...).
std::string lower(std::string_view cp1250);
unsigned char lowerChar(unsigned char c);
// ASCII-only lower case, as link words are compared.
std::string asciiLower(std::string_view s);
// Removes every leading and trailing character whose code is at most that of the blank.
std::string trim(std::string_view s);
std::string trimLeft(std::string_view s);
std::string trimRight(std::string_view s);

// Case-insensitive equality by the locale upper case.
bool equalsNoCase(std::string_view a, std::string_view b);
// Czech collation of code page 1250 text (used for sorting lists and orders); <0, 0, >0.
// Letters compare first by their base letter in Czech alphabetical order (c < č, h < ch < i,
// r < ř, s < š, z < ž; digits before letters, other characters before digits), then by their
// accents (a < á), then by case (lower before upper); text equal so far compares by its bytes,
// so the order is total and 0 means equal bytes.
int collate(std::string_view a, std::string_view b);
// The same without the case level: 0 exactly when equalsNoCase(a, b).
int collateNoCase(std::string_view a, std::string_view b);
// A sort key of the collation: the keys of two texts compare as bytes (unsigned, a shorter
// one first when it starts the other) exactly as collate compares the texts.
std::string collationKey(std::string_view s);
// The key appended to `key`.
void appendCollationKey(std::string_view s, std::string& key);

// Integer conversion: blanks skipped, optional sign, "$" "x" "X" "0x" "0X" hexadecimal,
// nothing after the digits, 32-bit range. Throws expo::Error with
// "'%s' is not a valid integer value".
int32_t strToInt(std::string_view s);
std::optional<int32_t> tryStrToInt(std::string_view s);
// Decimal text of an integer.
std::string intToStr(int64_t v);

// Rounding to nearest with halves to even.
int64_t roundHalfEven(double v);

// A colour 00BBGGRR as stored in the settings.
struct Rgb {
    uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Rgb&) const = default;
};
Rgb colorFromInt(int32_t bgr);

}  // namespace expo::text
