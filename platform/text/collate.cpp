// Czech collation of code page 1250 text.
//
// Each character (or the digraph "ch") becomes a collation element with three weights:
// primary (the base letter in Czech alphabetical order; digits before letters; every other
// character before the digits, by its code point), secondary (the accent within its base
// letter: a < á < ä ...) and tertiary (case). Two texts compare by their primary weights
// first, then by their secondary weights, then by their tertiary ones. No two bytes share all
// three weights, so equal weights mean equal text.
#include <algorithm>
#include <array>
#include <cstdint>

#include "platform/text/text.h"

namespace expo::text {
namespace {

struct Element {
    uint16_t primary = 0;
    uint8_t secondary = 0;
    uint8_t tertiary = 0;
};

// The letters by base letter in alphabetical order, lower case, each group in accent order.
// An empty group stands for the digraph "ch".
constexpr std::array<std::string_view, 31> kLetterGroups = {
    "aáäąăâ", "b",   "cćç",   "č", "dďđ", "eéěëę", "f",  "g",   "h",  "",  "iíî",
    "j",      "k",   "lĺľł",  "m", "nńň", "oóôöő", "p",  "q",   "rŕ", "ř", "sśşß",
    "š",      "tťţ", "uúůüű", "v", "w",   "x",     "yý", "zźż", "ž",
};

struct Weights {
    std::array<Element, 256> byByte{};
    uint16_t digraphCh = 0;
};

const Weights& weights() {
    static const Weights w = [] {
        Weights t;
        std::array<bool, 256> isLetter{};
        std::array<bool, 256> isDigit{};
        for (int d = '0'; d <= '9'; ++d) {
            isDigit[d] = true;
        }
        for (std::string_view group : kLetterGroups) {
            for (char c : cp(group)) {
                const auto lowerByte = static_cast<unsigned char>(c);
                isLetter[lowerByte] = isLetter[upperChar(lowerByte)] = true;
            }
        }
        // Other characters first, by code point.
        std::array<unsigned char, 256> others{};
        size_t otherCount = 0;
        for (int b = 0; b < 256; ++b) {
            if (!isLetter[b] && !isDigit[b]) {
                others[otherCount++] = static_cast<unsigned char>(b);
            }
        }
        std::sort(others.begin(), others.begin() + otherCount,
                  [](unsigned char x, unsigned char y) {
                      return cp1250ToUnicode(x) < cp1250ToUnicode(y);
                  });
        uint16_t primary = 1;  // 0 is left for "nothing", shorter than any element
        for (size_t i = 0; i < otherCount; ++i) {
            t.byByte[others[i]].primary = primary++;
        }
        for (int d = '0'; d <= '9'; ++d) {
            t.byByte[d].primary = primary++;
        }
        for (std::string_view group : kLetterGroups) {
            if (group.empty()) {
                t.digraphCh = primary++;
                continue;
            }
            uint8_t secondary = 0;
            for (char c : cp(group)) {
                const auto lowerByte = static_cast<unsigned char>(c);
                const unsigned char upperByte = upperChar(lowerByte);
                t.byByte[lowerByte] = {primary, secondary, 0};
                if (upperByte != lowerByte) {
                    t.byByte[upperByte] = {primary, secondary, 1};
                }
                ++secondary;
            }
            ++primary;
        }
        return t;
    }();
    return w;
}

bool isUpperLetter(unsigned char c) {
    return lowerChar(c) != c;
}

// Walks the collation elements of a text.
class Elements {
  public:
    explicit Elements(std::string_view s) : s_(s) {}
    bool atEnd() const { return pos_ >= s_.size(); }
    Element next() {
        const auto c = static_cast<unsigned char>(s_[pos_++]);
        if ((c == 'c' || c == 'C') && pos_ < s_.size() && (s_[pos_] == 'h' || s_[pos_] == 'H')) {
            const auto h = static_cast<unsigned char>(s_[pos_++]);
            const auto tertiary =
                static_cast<uint8_t>((isUpperLetter(c) ? 2 : 0) | (isUpperLetter(h) ? 1 : 0));
            return {weights().digraphCh, 0, tertiary};
        }
        return weights().byByte[c];
    }

  private:
    std::string_view s_;
    size_t pos_ = 0;
};

int sign(int v) {
    return (v > 0) - (v < 0);
}

// Compares the two texts' elements by one weight; shorter wins when one is a prefix.
template <typename Weight>
int compareLevel(std::string_view a, std::string_view b, Weight weight) {
    Elements ea(a);
    Elements eb(b);
    while (!ea.atEnd() && !eb.atEnd()) {
        const int d = int{weight(ea.next())} - int{weight(eb.next())};
        if (d != 0) {
            return sign(d);
        }
    }
    return int{!ea.atEnd()} - int{!eb.atEnd()};
}

int compareUpToAccents(std::string_view a, std::string_view b) {
    if (const int d = compareLevel(a, b, [](const Element& e) { return e.primary; })) {
        return d;
    }
    return compareLevel(a, b, [](const Element& e) { return e.secondary; });
}

}  // namespace

int collate(std::string_view a, std::string_view b) {
    if (const int d = compareUpToAccents(a, b)) {
        return d;
    }
    return compareLevel(a, b, [](const Element& e) { return e.tertiary; });
}

int collateNoCase(std::string_view a, std::string_view b) {
    return compareUpToAccents(a, b);
}

void appendCollationKey(std::string_view s, std::string& key) {
    // Primary weights two bytes each, most significant first; every one is at least 1, so the
    // two zero bytes after them sort a text before any longer one it starts. Texts equal up
    // to there have as many elements, so the accent and case bytes need no end mark.
    const size_t start = key.size();
    size_t elements = 0;
    for (Elements e(s); !e.atEnd(); ++elements) {
        const Element w = e.next();
        key.push_back(static_cast<char>(w.primary >> 8));
        key.push_back(static_cast<char>(w.primary & 0xFF));
    }
    key.append(2 + 2 * elements, '\0');
    char* secondary = key.data() + start + 2 * elements + 2;
    char* tertiary = secondary + elements;
    for (Elements e(s); !e.atEnd();) {
        const Element w = e.next();
        *secondary++ = static_cast<char>(w.secondary);
        *tertiary++ = static_cast<char>(w.tertiary);
    }
}

std::string collationKey(std::string_view s) {
    std::string key;
    key.reserve(4 * s.size() + 2);
    appendCollationKey(s, key);
    return key;
}

}  // namespace expo::text
