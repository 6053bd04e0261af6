#include "tools/demogen/wording.h"

#include <cctype>
#include <stdexcept>

#include "platform/text/text.h"

namespace expo::demogen {
namespace {

// ASCII letters for the upper half of code page 1250; '_' marks a byte that is no letter.
constexpr std::string_view kFold =
    "__________S_STZZ"
    "__________s_stzz"
    "___L_A____S____Z"
    "___l_____as_L_lz"
    "RAAAALCCCEEEEIID"
    "DNNOOOO_RUUUUYTs"
    "raaaalccceeeeiid"
    "dnnoooo_ruuuuyt_";

unsigned char lowerCp1250(unsigned char c) {
    if (c >= 'A' && c <= 'Z') {
        return static_cast<unsigned char>(c + 32);
    }
    switch (c) {
        case 0x8A:
        case 0x8C:
        case 0x8D:
        case 0x8E:
        case 0x8F:
            return static_cast<unsigned char>(c + 0x10);
        case 0xA3:
            return 0xB3;
        case 0xA5:
            return 0xB9;
        case 0xAA:
            return 0xBA;
        case 0xAF:
            return 0xBF;
        case 0xBC:
            return 0xBE;
        default:
            break;
    }
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) {
        return static_cast<unsigned char>(c + 0x20);
    }
    return c;
}

bool isUpperCp1250(unsigned char c) {
    return lowerCp1250(c) != c;
}

}  // namespace

std::string asciiFold(std::string_view utf8) {
    std::string out;
    for (unsigned char c : text::utf8ToCp1250(utf8)) {
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (kFold[c - 0x80] != '_') {
            out += kFold[c - 0x80];
        }
    }
    return out;
}

std::string lowerFirst(std::string_view utf8) {
    std::string s = text::utf8ToCp1250(utf8);
    if (s.empty() || (s.size() > 1 && isUpperCp1250(static_cast<unsigned char>(s[1])))) {
        return std::string(utf8);
    }
    s[0] = static_cast<char>(lowerCp1250(static_cast<unsigned char>(s[0])));
    return text::cp1250ToUtf8(s);
}

std::string initials(std::string_view utf8) {
    std::string out;
    bool wordStart = true;
    for (char c : asciiFold(utf8)) {
        const bool letter = std::isalnum(static_cast<unsigned char>(c)) != 0;
        if (letter && wordStart && std::isupper(static_cast<unsigned char>(c)) && out.size() < 3) {
            out += c;
        }
        wordStart = !letter;
    }
    return out.empty() ? "X" : out;
}

std::string slug(std::string_view utf8) {
    std::string out;
    for (char c : asciiFold(utf8)) {
        if (std::isalnum(static_cast<unsigned char>(c)) != 0) {
            out += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        } else if (!out.empty()) {
            break;
        }
    }
    return out;
}

std::string toDisc(std::string_view utf8) {
    if (!text::isValidUtf8(utf8)) {
        throw std::invalid_argument("not UTF-8: " + std::string(utf8.substr(0, 60)));
    }
    std::string cp = text::utf8ToCp1250(utf8);
    if (text::cp1250ToUtf8(cp) != utf8) {
        throw std::invalid_argument("a character outside code page 1250: " +
                                    std::string(utf8.substr(0, 60)));
    }
    return cp;
}

}  // namespace expo::demogen
