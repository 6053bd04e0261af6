// The page match against the plain rule it stands for: the page in upper case, searched for
// the query, no find across a line end.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "platform/text/text.h"
#include "presentation/catalogue/fulltext.h"

namespace expo::presentation {
namespace {

using text::cp;

bool heldByRule(std::string_view page, std::string_view query) {
    return query.find_first_of("\r\n") == std::string_view::npos &&
           text::upper(page).find(query) != std::string::npos;
}

// Pages short and long enough to be scanned in blocks, the query's letters strewn about so that
// finds fall at the start, the end, across blocks and just after a near miss.
TEST(PageMatchScan, AgreesWithThePageInUpperCase) {
    const std::string alphabet = cp("aAbBšŠ< \r\n");
    const std::vector<std::string> queries = {
        "A", "AB", cp("ŠAB"), "BA<B", "AAAAAAAAAAAAAAAAB", cp("B ŠA"), "", "A\nB"};
    std::mt19937 random(5);
    for (int n = 0; n < 40000; ++n) {
        std::string page(random() % (n % 2 ? 90 : 6), ' ');
        for (char& c : page) {
            c = alphabet[random() % alphabet.size()];
        }
        for (const std::string& query : queries) {
            ASSERT_EQ(pageHoldsText(page, query), heldByRule(page, query))
                << text::cp1250ToUtf8(page) << " / " << text::cp1250ToUtf8(query);
        }
    }
}

TEST(PageMatchScan, BoundaryRows) {
    const std::string far = std::string(100000, 'x') + cp("\r\n<p>Výstaviště</p>");
    const std::tuple<std::string, std::string, bool> rows[] = {
        // clang-format off
        {"veletrh", "veletrh", false},  // the query is compared as given
        {"veletrh", "VELETRH", true}, {far, cp("VÝSTAVIŠTĚ"), true}, {far, cp("VÝSTAVIŠTĚ!"), false},
        {"ab\ncd", "B\nC", false}, {"ab\rcd", "B\rC", false},
        // clang-format on
    };
    for (const auto& [page, query, found] : rows) {
        EXPECT_EQ(pageHoldsText(page, query), found) << query;
    }
}

}  // namespace
}  // namespace expo::presentation
