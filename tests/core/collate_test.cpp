// Czech collation.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/text/text.h"

namespace expo::text {
namespace {

std::vector<std::string> sortedByCollation(std::vector<std::string> words) {
    for (auto& w : words) {
        w = cp(w);
    }
    std::sort(words.begin(), words.end(),
              [](const std::string& a, const std::string& b) { return collate(a, b) < 0; });
    for (auto& w : words) {
        w = cp1250ToUtf8(w);
    }
    return words;
}

TEST(Collate, PairsInOrder) {
    // Each pair: the first sorts before the second.
    const std::pair<const char*, const char*> pairs[] = {
        {"c", "č"},   {"cz", "č"}, {"h", "ch"},       {"hz", "ch"},    {"ch", "i"},   {"chz", "i"},
        {"S", "Š"},   {"sz", "š"}, {"r", "ř"},        {"rz", "ř"},     {"z", "ž"},    {"a", "á"},
        {"áb", "ac"}, {"e", "é"},  {"é", "ě"},        {"u", "ú"},      {"ú", "ů"},    {"d", "ď"},
        {"ďa", "db"}, {"a", "A"},  {"abc", "abd"},    {"ab", "abc"},   {"", "a"},     {" ", "0"},
        {"9", "a"},   {"-", "0"},  {"Zebra", "Žába"}, {"žab", "ŽÁBA"}, {"ČA", "cha"}, {"ch", "Ch"},
        {"Ch", "CH"}, {"x", "y"},  {"y", "ý"},        {"ýa", "yb"},    {"ł", "m"},
    };
    for (const auto& [a, b] : pairs) {
        EXPECT_LT(collate(cp(a), cp(b)), 0) << a << " < " << b;
        EXPECT_GT(collate(cp(b), cp(a)), 0) << b << " > " << a;
    }
}

TEST(Collate, CzechAlphabet) {
    const std::vector<std::string> alphabet = {
        "a", "á", "b", "c", "č", "d", "ď", "e", "é", "ě", "f", "g", "h", "ch",
        "i", "í", "j", "k", "l", "m", "n", "ň", "o", "ó", "p", "q", "r", "ř",
        "s", "š", "t", "ť", "u", "ú", "ů", "v", "w", "x", "y", "ý", "z", "ž"};
    std::vector<std::string> shuffled(alphabet.rbegin(), alphabet.rend());
    EXPECT_EQ(sortedByCollation(shuffled), alphabet);
}

TEST(Collate, Names) {
    EXPECT_EQ(
        sortedByCollation({"Šimek", "Chmel", "Cihla", "Čapek", "Hora", "Adam", "Zeman", "Řezník",
                           "Rada", "Ítal", "Ibis", "Žák", "Sova", "3M"}),
        (std::vector<std::string>{"3M", "Adam", "Cihla", "Čapek", "Hora", "Chmel", "Ibis", "Ítal",
                                  "Rada", "Řezník", "Sova", "Šimek", "Zeman", "Žák"}));
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

TEST(Collate, OrderIsTransitive) {
    std::vector<std::string> samples;
    for (int b = 0; b < 256; ++b) {
        samples.emplace_back(1, static_cast<char>(b));
    }
    std::sort(samples.begin(), samples.end(),
              [](const std::string& a, const std::string& b) { return collate(a, b) < 0; });
    for (size_t i = 1; i < samples.size(); ++i) {
        EXPECT_LT(collate(samples[i - 1], samples[i]), 0);
    }
}

TEST(CollateNoCase, IgnoresCaseOnly) {
    EXPECT_EQ(collateNoCase(cp("ŽÁBA"), cp("žába")), 0);
    EXPECT_EQ(collateNoCase(cp("CHata"), cp("chata")), 0);
    EXPECT_LT(collateNoCase(cp("žaba"), cp("ŽÁBA")), 0);  // accents still count
    EXPECT_LT(collateNoCase(cp("Hrad"), cp("chata")), 0);
}

}  // namespace
}  // namespace expo::text
