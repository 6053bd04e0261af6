// Czech collation.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/text/text.h"

namespace expo::text {
namespace {

TEST(Collate, PairsInOrder) {
    // Each pair: the first sorts before the second.
    const std::pair<const char*, const char*> pairs[] = {
        {"cz", "č"},       {"hz", "ch"},    {"chz", "i"},  {"S", "Š"},   {"sz", "š"},
        {"rz", "ř"},       {"áb", "ac"},    {"ďa", "db"},  {"ýa", "yb"}, {"a", "A"},
        {"ab", "abc"},     {"", "a"},       {" ", "0"},    {"9", "a"},   {"ł", "m"},
        {"Zebra", "Žába"}, {"žab", "ŽÁBA"}, {"ČA", "cha"}, {"ch", "Ch"}, {"Ch", "CH"}};
    for (const auto& [a, b] : pairs) {
        EXPECT_LT(collate(cp(a), cp(b)), 0) << a << " < " << b;
    }
}

TEST(Collate, CzechAlphabetInOrder) {
    const char* const alphabet[] = {"a", "á", "b",  "c", "č", "d", "ď", "e", "é", "ě", "f",
                                    "g", "h", "ch", "i", "í", "j", "k", "l", "m", "n", "ň",
                                    "o", "ó", "p",  "q", "r", "ř", "s", "š", "t", "ť", "u",
                                    "ú", "ů", "v",  "w", "x", "y", "ý", "z", "ž"};
    for (size_t i = 1; i < std::size(alphabet); ++i) {
        EXPECT_LT(collate(cp(alphabet[i - 1]), cp(alphabet[i])), 0) << alphabet[i];
    }
}

TEST(Collate, ZeroOnlyForEqualText) {
    std::vector<std::string> samples;
    for (int b = 0; b < 256; ++b) {
        samples.emplace_back(1, static_cast<char>(b));
    }
    for (const char* s : {"ch", "cH", "Ch", "CH", "c", "h", "chch", "ach", "acH"}) {
        samples.emplace_back(s);
    }
    for (const auto& a : samples) {
        for (const auto& b : samples) {
            EXPECT_EQ(collate(a, b) == 0, a == b);
            EXPECT_EQ(collateNoCase(a, b) == 0, equalsNoCase(a, b));
            EXPECT_EQ(collate(a, b), -collate(b, a));
        }
    }
}

// Characters that are neither letters nor digits sort before the digits, in the order of their
// characters (not of their bytes in the code page).
TEST(Collate, SymbolsInTheOrderOfTheirCharacters) {
    std::vector<std::string> symbols;
    for (int b = 0; b < 256; ++b) {
        const auto c = static_cast<unsigned char>(b);
        const bool letter = upperChar(c) != c || lowerChar(c) != c || c == 0xDF;  // ß
        if (!letter && (c < '0' || c > '9')) {
            symbols.emplace_back(1, static_cast<char>(c));
        }
    }
    ASSERT_GT(symbols.size(), 90u);
    const auto code = [](const std::string& s) { return static_cast<int>(cp1250ToUnicode(s[0])); };
    for (const auto& a : symbols) {
        EXPECT_LT(collate(a, "0"), 0) << code(a);
        for (const auto& b : symbols) {
            EXPECT_EQ(collate(a, b) < 0, code(a) < code(b)) << code(a) << " " << code(b);
        }
    }
}

TEST(CollateNoCase, IgnoresCaseOnly) {
    EXPECT_LT(collateNoCase(cp("žaba"), cp("ŽÁBA")), 0);  // accents still count
    EXPECT_LT(collateNoCase(cp("Hrad"), cp("chata")), 0);
}

}  // namespace
}  // namespace expo::text
