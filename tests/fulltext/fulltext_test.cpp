// The full-text match of one page and the walk over the navigation tree: which pages are read,
// in which order, what each hit says, and what a failing read leaves behind.
#include "presentation/fulltext.h"

#include <gtest/gtest.h>

#include <map>

#include "platform/text/error.h"
#include "platform/text/text.h"

namespace expo::presentation {
namespace {

using text::cp;

struct MatchCase {
    const char* name;
    const char* page;   // UTF-8, stored in code page 1250
    const char* typed;  // UTF-8, as the user typed it
    bool found;
    friend void PrintTo(const MatchCase& c, std::ostream* os) {
        *os << ::testing::PrintToString(c.name);
    }
};

class PageMatch : public ::testing::TestWithParam<MatchCase> {};

TEST_P(PageMatch, ComparesTheRawLinesInUpperCase) {
    const MatchCase& c = GetParam();
    EXPECT_EQ(pageHoldsText(cp(c.page), fulltextQuery(cp(c.typed))), c.found);
}

INSTANTIATE_TEST_SUITE_P(
    Pages, PageMatch,
    ::testing::Values(
        MatchCase{"SameCase", "<p>Veletrh Lipová</p>", "Lipová", true},
        MatchCase{"LowerQueryUpperPage", "<h1>VÝSTAVIŠTĚ</h1>", "výstaviště", true},
        MatchCase{"UpperQueryLowerPage", "<p>výstaviště</p>", "VÝSTAVIŠTĚ", true},
        MatchCase{"CzechLetters", "ŽLUŤOUČKÝ KŮŇ ÚPĚL ĎÁBELSKÉ ÓDY",
                  "žluťoučký kůň úpěl ďábelské ódy", true},
        MatchCase{"SlovakAndPolishLetters", "ĽUBOŠ ŁÓDŹ ŚLĄSK", "ľuboš łódź śląsk", true},
        MatchCase{"AccentsMatter", "<p>Lipova</p>", "Lipová", false},
        MatchCase{"BlanksAroundTheQueryLeftOut", "<p>Brno</p>", "  brno\t ", true},
        MatchCase{"BlanksInsideTheQueryKept", "<p>Lipová Hora</p>", "lipová  hora", false},
        MatchCase{"InsideATag", "<table class=\"cenik\"><tr><td>1</td></tr></table>", "cenik",
                  true},
        MatchCase{"InsideAnAttribute", "<a href=\"stranky/plan0.html\">Mapa</a>", "plan0", true},
        MatchCase{"InsideAComment", "<!-- stara verze -->\r\n<p>Nová</p>", "STARA VERZE", true},
        MatchCase{"CharacterReferenceNotDecoded", "<p>V&yacute;stavi&#353;t&#283;</p>",
                  "výstaviště", false},
        MatchCase{"CharacterReferenceFoundAsWritten", "<p>V&yacute;stavi&#353;t&#283;</p>",
                  "&yacute;", true},
        MatchCase{"OnALaterLine", "<html>\r\n<body>\r\n<p>Program</p>\r\n", "program", true},
        MatchCase{"AcrossCrLf", "<p>Lipová\r\nHora</p>", "lipová hora", false},
        MatchCase{"AcrossLf", "<p>Lipová\nHora</p>", "Lipová\nHora", false},
        MatchCase{"AcrossCr", "<p>Lipová\rHora</p>", "Lipová\rHora", false},
        MatchCase{"EmptyPage", "", "lipová", false},
        MatchCase{"LongerThanThePage", "Lip", "Lipová", false}),
    [](const ::testing::TestParamInfo<MatchCase>& info) { return std::string(info.param.name); });

TEST(FulltextQuery, IsTheTrimmedTypedTextInUpperCase) {
    EXPECT_EQ(fulltextQuery(cp(" \tčerná ř\r\n")), cp("ČERNÁ Ř"));
    EXPECT_EQ(fulltextQuery("   "), "");
}

// A disc of pages in memory; records what the search asks for and tells.
class RecordingHost final : public FulltextHost {
  public:
    std::map<std::string, std::string> pages;  // name -> UTF-8 text
    std::string unreadable;                    // the one name whose read fails
    std::vector<std::string> reads;
    std::vector<std::string> events;  // "node <caption>" and "hit <text>", in order
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

TNodeData page(std::string url, NodeKind kind = NodeKind::Page) {
    TNodeData data;
    data.Url = std::move(url);
    data.Kind = kind;
    return data;
}

TNodeData withSubPages(std::string url, std::vector<std::string> files,
                       std::vector<std::string> titles) {
    TNodeData data = page(std::move(url));
    data.SubPageFiles = std::move(files);
    data.SubPageTitles = std::move(titles);
    return data;
}

class SearchPages : public ::testing::Test {
  protected:
    // `typed` in UTF-8.
    std::vector<std::string> search(std::string_view typed) {
        searchPages(tree, cp(typed), host);
        return host.events;
    }

    NavigationTree tree;
    RecordingHost host;
};

TEST_F(SearchPages, VisitsEachNodeBeforeItsChildrenAndThoseBeforeItsNextSibling) {
    NavNode& a = tree.add(nullptr, "A", page("a.html"));
    NavNode& b = tree.add(&a, "B", page("b.html"));
    tree.add(&b, "C", page("c.html"));
    tree.add(&a, "D", page("d.html"));
    tree.add(nullptr, "E", page("e.html"));
    for (const char* name : {"a.html", "b.html", "c.html", "d.html", "e.html"}) {
        host.pages[name] = "<p>Lipová</p>";
    }

    EXPECT_EQ(search("lipová"),
              (std::vector<std::string>{"node A", "hit A", "node B", "hit B", "node C", "hit C",
                                        "node D", "hit D", "node E", "hit E"}));
}

TEST_F(SearchPages, SubPagesFollowTheirNodesPageWithoutAProgressLine) {
    NavNode& a = tree.add(nullptr, "Program",
                          withSubPages("program.html", {"konference.html", "soutez.html"},
                                       {"Konference", cp("Soutěž")}));
    tree.add(nullptr, cp("Plán"), page("plan.html"));
    host.pages = {{"program.html", "Zlatý klíč"},
                  {"konference.html", "<b>zlatý klíč</b>"},
                  {"soutez.html", "ZLATÝ KLÍČ"},
                  {"plan.html", "pavilon Z"}};

    EXPECT_EQ(
        search("Zlatý klíč"),
        (std::vector<std::string>{"node Program", "hit Program", "hit Konference=konference.html",
                                  cp("hit Soutěž=soutez.html"), cp("node Plán")}));
    EXPECT_EQ(host.hits[0], (FulltextHit{"Program", &a, ""}));
    EXPECT_EQ(host.hits[1], (FulltextHit{"Konference=konference.html", &a, "konference.html"}));
}

TEST_F(SearchPages, AnUntitledSubPageIsListedByTheNodesCaption) {
    NavNode& a = tree.add(
        nullptr, cp("Úvod"),
        withSubPages("uvod.html", {"jedna.html", "dva.html", "tri.html"}, {"Jedna", "", ""}));
    host.pages = {{"uvod.html", "-"}, {"jedna.html", "x"}, {"dva.html", "x"}, {"tri.html", "x"}};

    search("x");
    ASSERT_EQ(host.hits.size(), 3u);
    EXPECT_EQ(host.hits[0], (FulltextHit{"Jedna=jedna.html", &a, "jedna.html"}));
    // Alike in their texts but for the file, each hit names its own file.
    EXPECT_EQ(host.hits[1], (FulltextHit{cp("Úvod=dva.html"), &a, "dva.html"}));
    EXPECT_EQ(host.hits[2], (FulltextHit{cp("Úvod=tri.html"), &a, "tri.html"}));
}

TEST_F(SearchPages, TitlesThatRunOutLeaveTheCaption) {
    tree.add(nullptr, "A", withSubPages("a.html", {"b.html", "c.html"}, {cp("Bé")}));
    host.pages = {{"a.html", ""}, {"b.html", "x"}, {"c.html", "x"}};

    EXPECT_EQ(search("x"),
              (std::vector<std::string>{"node A", cp("hit Bé=b.html"), "hit A=c.html"}));
}

TEST_F(SearchPages, NamesAreReadTrimmedAndListedTrimmed) {
    tree.add(nullptr, "A", withSubPages("  a.html ", {" sub/b.html  "}, {"B"}));
    host.pages = {{"a.html", "x"}, {"sub/b.html", "x"}};

    EXPECT_EQ(search("x"), (std::vector<std::string>{"node A", "hit A", "hit B=sub/b.html"}));
    EXPECT_EQ(host.hits[1].subPageFile, "sub/b.html");
}

TEST_F(SearchPages, APageHoldingTheTextOnSeveralLinesGivesOneHit) {
    tree.add(nullptr, "A", page("a.html"));
    host.pages = {{"a.html", "Lipová\r\nLIPOVÁ\r\nlipová <b>lipová</b>\r\n"}};

    EXPECT_EQ(search("lipová"), (std::vector<std::string>{"node A", "hit A"}));
}

TEST_F(SearchPages, AMissingPageIsPassedWithItsSubPages) {
    tree.add(nullptr, "Chybí", withSubPages("chybi.html", {"sub.html"}, {"Sub"}));
    tree.add(nullptr, "B", withSubPages("b.html", {"nic.html", "sub.html"}, {"Nic", "Sub"}));
    host.pages = {{"sub.html", "Lipová"}, {"b.html", "-"}};

    EXPECT_EQ(search("lipová"), (std::vector<std::string>{"node B", "hit Sub=sub.html"}));
    EXPECT_EQ(host.reads,
              (std::vector<std::string>{"chybi.html", "b.html", "nic.html", "sub.html"}));
}

TEST_F(SearchPages, OnlyPageItemsWithAPageAreSearched) {
    NavNode& exhibitors =
        tree.add(nullptr, "Katalog", page("katalog.html", NodeKind::ExhibitorItem));
    tree.add(&exhibitors, "Sekce", page("sablona.html", NodeKind::CatalogueSection));
    tree.add(nullptr, cp("Bez stránky"), page("   "));
    tree.add(nullptr, cp("Stránka"), page("stranka.html"));
    host.pages = {{"katalog.html", "x"}, {"sablona.html", "x"}, {"stranka.html", "x"}};

    EXPECT_EQ(search("x"), (std::vector<std::string>{cp("node Stránka"), cp("hit Stránka")}));
    EXPECT_EQ(host.reads, std::vector<std::string>{"stranka.html"});
}

TEST_F(SearchPages, EveryNodeForgetsItsCurrentSubPage) {
    TNodeData shown = withSubPages("a.html", {"b.html"}, {"B"});
    shown.CurrentSubPageFile = "b.html";
    shown.CurrentSubPageTitle = "B";
    NavNode& a = tree.add(nullptr, "A", shown);
    TNodeData section = page("sablona.html", NodeKind::CatalogueSection);
    section.CurrentSubPageFile = "x.html";
    section.CurrentSubPageTitle = "X";
    NavNode& s = tree.add(&a, "Sekce", section);

    search("nic");
    for (const NavNode* node : {&a, &s}) {
        EXPECT_EQ(node->data.CurrentSubPageFile, "");
        EXPECT_EQ(node->data.CurrentSubPageTitle, "");
    }
}

TEST_F(SearchPages, AReadErrorEndsTheSearchAfterTheHitsFoundBeforeIt) {
    tree.add(nullptr, "A", withSubPages("a.html", {"b.html", "c.html"}, {"B", "C"}));
    tree.add(nullptr, "D", page("d.html"));
    host.pages = {{"a.html", "x"}, {"b.html", "x"}, {"c.html", "x"}, {"d.html", "x"}};
    host.unreadable = "c.html";

    EXPECT_THROW(search("x"), Error);
    EXPECT_EQ(host.events, (std::vector<std::string>{"node A", "hit A", "hit B=b.html"}));
}

}  // namespace
}  // namespace expo::presentation
