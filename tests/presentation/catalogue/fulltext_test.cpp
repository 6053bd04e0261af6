// The full-text match of one page and the walk over the navigation tree: which pages are read,
// in which order, what each hit says, and what a failing read leaves behind.
#include "presentation/catalogue/fulltext.h"

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <tuple>

#include "platform/text/error.h"
#include "platform/text/text.h"

namespace expo::presentation {
namespace {

using text::cp;
using Events = std::vector<std::string>;

TEST(PageMatch, ComparesTheRawLinesInUpperCase) {
    // Pages and queries in code page 1250; `typed`: the query made of what was typed.
    const auto typed = [](const char* utf8) { return fulltextQuery(cp(utf8)); };
    const std::string far = std::string(100000, 'x') + cp("\r\n<p>Výstaviště</p>");
    const std::tuple<std::string, std::string, bool> cases[] = {
        // clang-format off
        {cp("ŽLUŤOUČKÝ KŮŇ ÚPĚL ĎÁBELSKÉ ÓDY"), typed("žluťoučký kůň úpěl ďábelské ódy"), true},
        {"<p>Lipova</p>", typed("Lipová"), false}, {"<p>Brno</p>", typed("  brno\t "), true},
        {cp("<p>Lipová Hora</p>"), typed("lipová  hora"), false},
        {cp("<!-- stara verze -->\r\n<p>Nová</p>"), typed("STARA VERZE"), true},  // markup is text too
        {"veletrh", "veletrh", false},  // the query is compared as given
        {"veletrh", "VELETRH", true}, {far, cp("VÝSTAVIŠTĚ"), true}, {far, cp("VÝSTAVIŠTĚ!"), false},
        {"ab\ncd", "B\nC", false}, {"ab\rcd", "B\rC", false},
        // clang-format on
    };
    for (const auto& [page, query, found] : cases) {
        EXPECT_EQ(pageHoldsText(page, query), found) << text::cp1250ToUtf8(query);
    }
}

// The order of pages and sub-pages and the hits' texts are the window test's.
// A disc of pages in memory (name -> UTF-8 text); records what the search reads and tells.
struct RecordingHost final : FulltextHost {
    std::map<std::string, std::string> pages;
    std::string unreadable;  // the one name whose read fails
    Events reads, events;    // events: "node <caption>" and "hit <text>", in order
    std::vector<FulltextHit> hits;

    std::optional<std::string> readPage(std::string_view name) override {
        reads.emplace_back(name);
        if (name == unreadable) {
            throw Error("unreadable");
        }
        const auto page = pages.find(std::string(name));
        return page == pages.end() ? std::nullopt : std::optional(cp(page->second));
    }
    void searchingNode(const NavNode& node) override { events.push_back("node " + node.caption); }
    void found(FulltextHit hit) override {
        events.push_back("hit " + hit.text);
        hits.push_back(std::move(hit));
    }
};

TNodeData page(std::string url, std::vector<std::string> files = {},
               std::vector<std::string> titles = {}, NodeKind kind = NodeKind::Page) {
    TNodeData data;
    std::tie(data.Url, data.Kind) = std::tuple(std::move(url), kind);
    std::tie(data.SubPageFiles, data.SubPageTitles) = std::tuple(files, titles);
    return data;
}

struct SearchPages : ::testing::Test {
    Events search(std::string_view typed) {  // UTF-8
        searchPages(tree, cp(typed), host);
        return host.events;
    }
    NavigationTree tree;
    RecordingHost host;
};

// Each node before its children and those before its next sibling; a node's sub-pages follow its
// page, listed by title or caption and each naming its own file; names are read trimmed.
TEST_F(SearchPages, NodesDepthFirstSubPagesAfterTheirPage) {
    NavNode& a = tree.add(nullptr, "A", page(" a.html ", {" sub/b.html  "}, {"B"}));
    tree.add(&tree.add(&a, "C", page("c.html")), "D", page("d.html"));
    tree.add(&a, "E", page("e.html"));
    NavNode& u = tree.add(nullptr, cp("Úvod"),  // the titles run out
                          page("u.html", {"1.html", "2.html", "3.html"}, {"Jedna", ""}));
    tree.add(nullptr, "F", page("f.html"));
    // clang-format off
    host.pages = {{"a.html", "Lipová\r\nLIPOVÁ <b>lipová</b>"}, {"sub/b.html", "lipová"},
                  {"c.html", "-"}, {"d.html", "lipová"}, {"e.html", "lipová"}, {"u.html", "x"},
                  {"1.html", "lipová"}, {"2.html", "lipová"}, {"3.html", "lipová"}, {"f.html", "lipová"}};
    // clang-format on
    EXPECT_EQ(search("lipová"),
              (Events{"node A", "hit A", "hit B=sub/b.html", "node C", "node D", "hit D", "node E",
                      "hit E", cp("node Úvod"), "hit Jedna=1.html", cp("hit Úvod=2.html"),
                      cp("hit Úvod=3.html"), "node F", "hit F"}));
    ASSERT_EQ(host.hits.size(), 8u);
    EXPECT_EQ(host.hits[0], (FulltextHit{"A", &a, ""}));
    EXPECT_EQ(host.hits[5], (FulltextHit{cp("Úvod=2.html"), &u, "2.html"}));
}

TEST_F(SearchPages,
       OnlyPageItemsWithAPageAreSearchedTheirSubPagesOnlyThenAndEveryNodeForgetsItsSubPage) {
    tree.add(nullptr, "Chybí", page("chybi.html", {"sub.html"}, {"Sub"}));
    NavNode& exhibitors =
        tree.add(nullptr, "Katalog", page("katalog.html", {}, {}, NodeKind::ExhibitorItem));
    tree.add(&exhibitors, "Sekce", page("sablona.html", {}, {}, NodeKind::CatalogueSection));
    tree.add(nullptr, cp("Bez stránky"), page("   ", {"sub.html"}, {"Sub"}));
    tree.add(nullptr, "B", page("b.html", {"nic.html", "sub.html"}, {"Nic", "Sub"}));
    host.pages = {{"sub.html", "x"}, {"b.html", "-"}, {"katalog.html", "x"}, {"sablona.html", "x"}};
    std::vector<NavNode*> nodes{exhibitors.children[0].get()};
    for (const auto& node : tree.roots()) {
        nodes.push_back(node.get());
        node->data.CurrentSubPageFile = node->data.CurrentSubPageTitle = "shown";
    }
    nodes[0]->data.CurrentSubPageFile = "shown";
    EXPECT_EQ(search("x"), (Events{"node B", "hit Sub=sub.html"}));
    EXPECT_EQ(host.reads, (Events{"chybi.html", "b.html", "nic.html", "sub.html"}));
    for (const NavNode* node : nodes) {
        EXPECT_EQ(node->data.CurrentSubPageFile + node->data.CurrentSubPageTitle, "");
    }
}

TEST_F(SearchPages, AReadErrorEndsTheSearchAfterTheHitsFoundBeforeIt) {
    tree.add(nullptr, "A", page("a.html", {"b.html", "c.html"}, {"B", "C"}));
    tree.add(nullptr, "D", page("d.html"));
    host.pages = {{"a.html", "x"}, {"b.html", "x"}, {"c.html", "x"}, {"d.html", "x"}};
    host.unreadable = "c.html";
    EXPECT_THROW(search("x"), Error);
    EXPECT_EQ(host.events, (Events{"node A", "hit A", "hit B=b.html"}));
}

// The page match against the plain rule it stands for: the page in upper case, searched for
// the query, no find across a line end.
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

}  // namespace
}  // namespace expo::presentation
