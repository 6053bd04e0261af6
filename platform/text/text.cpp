// Code page 1250 conversions, letter case, trimming and number conversions.
#include "platform/text/text.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "platform/text/error.h"

namespace expo::text {
namespace {

// Code points of the bytes 0x80..0xFF.
constexpr std::array<char16_t, 128> kHighHalf = {
    0x20AC, 0x0081, 0x201A, 0x0083, 0x201E, 0x2026, 0x2020, 0x2021,  //
    0x0088, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179,  //
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  //
    0x0098, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A,  //
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7,  //
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,  //
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7,  //
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C,  //
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,  //
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E,  //
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7,  //
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,  //
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,  //
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F,  //
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,  //
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,  //
};

struct ReverseEntry {
    char16_t code;
    unsigned char byte;
};

// The high half sorted by code point, for the way back.
const std::array<ReverseEntry, 128>& reverseTable() {
    static const std::array<ReverseEntry, 128> table = [] {
        std::array<ReverseEntry, 128> t{};
        for (size_t i = 0; i < kHighHalf.size(); ++i) {
            t[i] = {kHighHalf[i], static_cast<unsigned char>(0x80 + i)};
        }
        std::sort(t.begin(), t.end(),
                  [](const ReverseEntry& a, const ReverseEntry& b) { return a.code < b.code; });
        return t;
    }();
    return table;
}

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Decodes one UTF-8 sequence at `pos`, advancing it; nullopt for an invalid sequence (then
// `pos` has moved past the offending byte). Overlong forms, surrogates and code points
// beyond U+10FFFF are invalid.
std::optional<char32_t> decodeUtf8(std::string_view s, size_t& pos) {
    const auto lead = static_cast<unsigned char>(s[pos++]);
    if (lead < 0x80) {
        return lead;
    }
    int length = 0;
    char32_t c = 0;
    char32_t minimum = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 1, c = lead & 0x1F, minimum = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 2, c = lead & 0x0F, minimum = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 3, c = lead & 0x07, minimum = 0x10000;
    } else {
        return std::nullopt;
    }
    for (int i = 0; i < length; ++i) {
        if (pos >= s.size() || (static_cast<unsigned char>(s[pos]) & 0xC0) != 0x80) {
            return std::nullopt;
        }
        c = (c << 6) | (static_cast<unsigned char>(s[pos++]) & 0x3F);
    }
    if (c < minimum || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
        return std::nullopt;
    }
    return c;
}

char toCp1250OrQuestionMark(char32_t c) {
    return static_cast<char>(unicodeToCp1250(c).value_or('?'));
}

bool isBlankOrControl(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

// The digit's value in the base (10 or 16), or -1.
int digitValue(char c, int base) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (base == 16 && c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (base == 16 && c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

}  // namespace

char32_t cp1250ToUnicode(unsigned char byte) {
    return byte < 0x80 ? char32_t{byte} : char32_t{kHighHalf[byte - 0x80]};
}

std::optional<unsigned char> unicodeToCp1250(char32_t cp) {
    if (cp < 0x80) {
        return static_cast<unsigned char>(cp);
    }
    const auto& table = reverseTable();
    const auto it = std::lower_bound(
        table.begin(), table.end(), cp,
        [](const ReverseEntry& e, char32_t code) { return char32_t{e.code} < code; });
    if (it == table.end() || it->code != cp) {
        return std::nullopt;
    }
    return it->byte;
}

std::string cp1250ToUtf8(std::string_view cp1250) {
    std::string out;
    out.reserve(cp1250.size() + cp1250.size() / 4);
    for (char c : cp1250) {
        appendUtf8(out, cp1250ToUnicode(static_cast<unsigned char>(c)));
    }
    return out;
}

std::u16string cp1250ToUtf16(std::string_view cp1250) {
    std::u16string out;
    out.reserve(cp1250.size());
    for (char c : cp1250) {
        out += static_cast<char16_t>(cp1250ToUnicode(static_cast<unsigned char>(c)));
    }
    return out;
}

std::string cp(std::string_view utf8) {
    return utf8ToCp1250(utf8);
}

std::string utf8ToCp1250(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    size_t pos = 0;
    while (pos < utf8.size()) {
        const auto c = decodeUtf8(utf8, pos);
        out += c ? toCp1250OrQuestionMark(*c) : '?';
    }
    return out;
}

std::string utf16ToCp1250(std::u16string_view utf16) {
    std::string out;
    out.reserve(utf16.size());
    for (size_t i = 0; i < utf16.size(); ++i) {
        const char16_t unit = utf16[i];
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < utf16.size() && utf16[i + 1] >= 0xDC00 &&
            utf16[i + 1] <= 0xDFFF) {
            ++i;  // a pair stands for a code point beyond the code page
            out += '?';
        } else {
            out += toCp1250OrQuestionMark(unit);  // a lone surrogate is not in the table either
        }
    }
    return out;
}

bool isValidUtf8(std::string_view bytes) {
    size_t pos = 0;
    while (pos < bytes.size()) {
        if (!decodeUtf8(bytes, pos)) {
            return false;
        }
    }
    return true;
}

unsigned char upperChar(unsigned char c) {
    if ((c >= 'a' && c <= 'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7)) {
        return c - 0x20;
    }
    switch (c) {
        case 0x9A:  // š ś ť ž ź
        case 0x9C:
        case 0x9D:
        case 0x9E:
        case 0x9F:
            return c - 0x10;
        case 0xB3:  // ł
            return 0xA3;
        case 0xB9:  // ą
            return 0xA5;
        case 0xBA:  // ş
            return 0xAA;
        case 0xBE:  // ľ
            return 0xBC;
        case 0xBF:  // ż
            return 0xAF;
        default:
            return c;  // also ß and the dot above, which have no capital in the code page
    }
}

unsigned char lowerChar(unsigned char c) {
    static const std::array<unsigned char, 256> table = [] {
        std::array<unsigned char, 256> t{};
        for (int i = 0; i < 256; ++i) {
            t[i] = static_cast<unsigned char>(i);
        }
        for (int i = 0; i < 256; ++i) {
            const unsigned char up = upperChar(static_cast<unsigned char>(i));
            if (up != i) {
                t[up] = static_cast<unsigned char>(i);
            }
        }
        return t;
    }();
    return table[c];
}

std::string upper(std::string_view cp1250) {
    std::string out(cp1250);
    for (char& c : out) {
        c = static_cast<char>(upperChar(static_cast<unsigned char>(c)));
    }
    return out;
}

std::string lower(std::string_view cp1250) {
    std::string out(cp1250);
    for (char& c : out) {
        c = static_cast<char>(lowerChar(static_cast<unsigned char>(c)));
    }
    return out;
}

std::string asciiLower(std::string_view s) {
    std::string out(s);
    for (char& c : out) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c + ('a' - 'A'));
        }
    }
    return out;
}

std::string trimLeft(std::string_view s) {
    const auto first = std::find_if_not(s.begin(), s.end(), isBlankOrControl);
    return std::string(first, s.end());
}

std::string trimRight(std::string_view s) {
    const auto last = std::find_if_not(s.rbegin(), s.rend(), isBlankOrControl);
    return std::string(s.begin(), last.base());
}

std::string trim(std::string_view s) {
    return trimRight(trimLeft(s));
}

bool equalsNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return upperChar(static_cast<unsigned char>(x)) ==
                      upperChar(static_cast<unsigned char>(y));
           });
}

std::optional<int32_t> tryStrToInt(std::string_view s) {
    size_t pos = 0;
    while (pos < s.size() && s[pos] == ' ') {
        ++pos;
    }
    bool negative = false;
    if (pos < s.size() && (s[pos] == '-' || s[pos] == '+')) {
        negative = s[pos] == '-';
        ++pos;
    }
    int base = 10;
    if (pos < s.size() && (s[pos] == '$' || s[pos] == 'x' || s[pos] == 'X')) {
        base = 16;
        ++pos;
    } else if (pos + 1 < s.size() && s[pos] == '0' && (s[pos + 1] == 'x' || s[pos + 1] == 'X')) {
        base = 16;
        pos += 2;
    }
    if (pos == s.size()) {
        return std::nullopt;
    }
    // Decimal values must fit the signed range; hexadecimal ones may use all 32 bits, so
    // "$FFFFFFFF" is -1.
    const uint64_t limit =
        base == 16 ? 0xFFFFFFFFu : uint64_t{std::numeric_limits<int32_t>::max()} + negative;
    uint64_t magnitude = 0;
    for (; pos < s.size(); ++pos) {
        const int digit = digitValue(s[pos], base);
        if (digit < 0) {
            return std::nullopt;
        }
        magnitude = magnitude * base + static_cast<uint64_t>(digit);
        if (magnitude > limit) {
            return std::nullopt;
        }
    }
    const auto bits = static_cast<uint32_t>(negative ? (~magnitude + 1) : magnitude);
    return static_cast<int32_t>(bits);
}

int32_t strToInt(std::string_view s) {
    if (const auto v = tryStrToInt(s)) {
        return *v;
    }
    throw Error("'" + std::string(s) + "' is not a valid integer value");
}

std::string intToStr(int64_t v) {
    return std::to_string(v);
}

int64_t roundHalfEven(double v) {
    const double down = std::floor(v);
    const double fraction = v - down;
    auto result = static_cast<int64_t>(down);
    if (fraction > 0.5 || (fraction == 0.5 && result % 2 != 0)) {
        ++result;
    }
    return result;
}

Rgb colorFromInt(int32_t bgr) {
    const auto bits = static_cast<uint32_t>(bgr);
    return {static_cast<uint8_t>(bits & 0xFF), static_cast<uint8_t>((bits >> 8) & 0xFF),
            static_cast<uint8_t>((bits >> 16) & 0xFF)};
}

}  // namespace expo::text
