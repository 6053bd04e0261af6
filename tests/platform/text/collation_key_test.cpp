// Sort keys of the Czech collation: their byte order is the collation's order.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/text/text.h"

namespace expo::text {
namespace {

int sign(int v) {
    return (v > 0) - (v < 0);
}

TEST(CollationKey, KeysCompareAsTheTextsCollate) {
    // Digraphs, accents, case, prefixes, digits, other characters and the bytes above 0x7F.
    std::vector<std::string> words;
    for (const char* w :
         {"",  "a",  "A",  "á",  "Á",    "ä",     "ab",  "abc",  "abd", "áb", "ac", "c", "č",
          "Č", "cz", "ch", "Ch", "cH",   "CH",    "chz", "h",    "hz",  "i",  "r",  "ř", "s",
          "š", "Š",  "z",  "ž",  "Žába", "Zebra", "0",   "9",    " ",   "-",  "~",  "ß", "ł",
          "Ł", "y",  "ý",  "ýa", "yb",   "€",     "c-h", "chch", "cch", "hc", "a b"}) {
        words.push_back(cp(w));
    }
    for (int b = 1; b < 256; ++b) {
        words.emplace_back(1, static_cast<char>(b));
        words.push_back(std::string("c") + static_cast<char>(b));
    }
    for (const std::string& a : words) {
        const std::string keyA = collationKey(a);
        for (const std::string& b : words) {
            const int byKey = sign(keyA.compare(collationKey(b)));
            ASSERT_EQ(byKey, sign(collate(a, b)))
                << "\"" << cp1250ToUtf8(a) << "\" against \"" << cp1250ToUtf8(b) << "\"";
        }
    }
}

TEST(CollationKey, AppendingKeepsWhatTheKeyHeld) {
    std::string key = "x";
    appendCollationKey(cp("čaj"), key);
    EXPECT_EQ(key, "x" + collationKey(cp("čaj")));
}

}  // namespace
}  // namespace expo::text
