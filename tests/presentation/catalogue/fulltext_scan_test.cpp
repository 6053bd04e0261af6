// The page match against the plain rule it stands for: the page in upper case, searched for
// the query, on pages of every arrangement of a few bytes, so that a find at the page's start
// or end, a near miss just before a find and a letter met in both cases are all tried.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "platform/text/text.h"
#include "presentation/catalogue/fulltext.h"

namespace expo::presentation {
namespace {

bool heldByRule(std::string_view page, std::string_view query) {
    return query.find_first_of("\r\n") == std::string_view::npos &&
           text::upper(page).find(query) != std::string::npos;
}

TEST(PageMatchScan, AgreesWithThePageInUpperCaseOnEveryShortPage) {
    // 'š' and 'Š' fold to one letter; '<' and ' ' are bytes the scan may anchor on or skip.
    const std::string alphabet = text::cp("aAbšŠ< \n");
    const std::vector<std::string> queries = {
        "A", "AB", "BA", text::cp("ŠA"), text::cp("AŠA"), "A B", "<A", "AAB", "B<", "",
    };
    std::vector<std::string> pages = {""};
    for (size_t length = 1; length <= 5; ++length) {
        std::vector<std::string> longer;
        for (const std::string& page : pages) {
            if (page.size() == length - 1) {
                for (char c : alphabet) {
                    longer.push_back(page + c);
                }
            }
        }
        pages.insert(pages.end(), longer.begin(), longer.end());
    }
    size_t compared = 0;
    for (const std::string& query : queries) {
        for (const std::string& page : pages) {
            ASSERT_EQ(pageHoldsText(page, query), heldByRule(page, query))
                << "page \"" << text::cp1250ToUtf8(page) << "\" query \""
                << text::cp1250ToUtf8(query) << "\"";
            ++compared;
        }
    }
    EXPECT_GT(compared, 300000u);
}

TEST(PageMatchScan, AgreesWithThePageInUpperCaseOnLongerPages) {
    // Pages long enough to be scanned in blocks, with the query's letters strewn about so that
    // finds fall at every place of a block, across blocks and at the very end.
    const std::string alphabet = text::cp("aAbBšŠ< \r");
    const std::vector<std::string> queries = {
        "A", "AB", text::cp("ŠAB"), "BA<B", "AAAAAAAAAAAAAAAAB", text::cp("B ŠA"),
    };
    std::mt19937 random(5);
    for (int n = 0; n < 20000; ++n) {
        std::string page(random() % 90, ' ');
        for (char& c : page) {
            c = alphabet[random() % alphabet.size()];
        }
        for (const std::string& query : queries) {
            ASSERT_EQ(pageHoldsText(page, query), heldByRule(page, query))
                << "page \"" << text::cp1250ToUtf8(page) << "\" query \""
                << text::cp1250ToUtf8(query) << "\"";
        }
    }
}

TEST(PageMatchScan, AQueryInLowerCaseIsNeverFound) {
    // The query is compared as given: only an upper-case query can meet the page's upper case.
    EXPECT_FALSE(pageHoldsText("veletrh", "veletrh"));
    EXPECT_TRUE(pageHoldsText("veletrh", "VELETRH"));
}

TEST(PageMatchScan, FindsTheTextFarIntoALongPage) {
    std::string page(100000, 'x');
    page += text::cp("\r\n<p>Výstaviště</p>");
    EXPECT_TRUE(pageHoldsText(page, text::cp("VÝSTAVIŠTĚ")));
    EXPECT_FALSE(pageHoldsText(page, text::cp("VÝSTAVIŠTĚ!")));
}

}  // namespace
}  // namespace expo::presentation
