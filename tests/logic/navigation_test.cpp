#include "presentation/navigation.h"

#include <gtest/gtest.h>

#include <tuple>

#include "tests/logic/support.h"

namespace expo::presentation {
namespace {

using testing::keyed;
using testing::settings;

// The tree as "A[B C[D]] E": captions in order, children in brackets.
std::string outline(const std::vector<std::unique_ptr<NavNode>>& nodes) {
    std::string text;
    for (const auto& node : nodes) {
        if (!text.empty()) {
            text += ' ';
        }
        text += node->caption;
        if (!node->children.empty()) {
            text += '[' + outline(node->children) + ']';
        }
    }
    return text;
}

NavigationTree build(const IniFile& config, int language = 0, bool hideData = false) {
    return buildNavigationTree(config, config.sections(), language, hideData);
}

TEST(LogicNavigation, TreeShape) {
    const std::pair<const char*, const char*> cases[] = {
        // Items in file order; a parent may stand later.
        {"[polozka dite]\nrodic=polozka rodic\ntext0=Dite\nurl0=d.htm\n"
         "[polozka rodic]\ntext0=Rodic\nurl0=r.htm\n",
         "Rodic[Dite]"},
        {"[polozka 1]\ntext0=1\nurl0=1.htm\n[polozka 11]\nrodic=polozka 1\ntext0=11\nurl0=11.htm\n"
         "[polozka 2]\ntext0=2\nurl0=2.htm\n[polozka 111]\nrodic=polozka "
         "11\ntext0=111\nurl0=111.htm\n"
         "[polozka 12]\nrodic=polozka 1\ntext0=12\nurl0=12.htm\n",
         "1[11[111] 12] 2"},
        // The item word and the parent key respect letter case.
        {"[Polozka velka]\ntext0=Velka\nurl0=v.htm\n[mojepolozkaxyz]\ntext0=Uvnitr\nurl0=u.htm\n",
         "Uvnitr"},
        {"[polozka rodic]\ntext0=Rodic\nurl0=r.htm\n"
         "[polozka dite]\nrodic=POLOZKA RODIC\ntext0=Dite\nurl0=d.htm\n",
         "Rodic"},
        // Children of an item without a caption go to the top; no page or template, no node.
        {"[polozka 1]\ntext0=1\nurl0=1.htm\n[polozka 2]\nrodic=polozka 1\nurl0=2.htm\n"
         "[polozka 3]\nrodic=polozka 2\ntext0=3\nurl0=3.htm\n",
         "1 3"},
        {"[polozka 1]\ntext0=1\n[polozka 2]\nrodic=polozka 1\ntext0=2\nurl0=2.htm\n", "2"},
        {"[polozka 1]\ntext0=Stara\nurl0=1.htm\n[polozka 2]\nrodic=polozka "
         "1\ntext0=Dite\nurl0=2.htm\n"
         "[polozka 1]\ntext0=Nova\nurl0=1.htm\n",
         "Nova[Dite] Nova[Dite]"},  // a repeated section is walked twice
    };
    for (const auto& [text, shape] : cases) {
        EXPECT_EQ(outline(build(settings(text)).roots()), shape) << text;
    }
    const IniFile languages = settings(
        "[polozka 1]\ntext0=Jedna\nurl0=1.htm\nurl1=1.htm\n"
        "[polozka 2]\nrodic=polozka 1\ntext0=Dva\ntext1=Two\nurl0=2.htm\nurl1=2.htm\n");
    EXPECT_EQ(outline(build(languages, 1).roots()), "Two");
}

TEST(LogicNavigation, NodeRecordsAndTheExhibitorNode) {
    const IniFile config = settings(
        "[polozka 1]\ntext0=Úvod\nurl0=uvod/index.htm\n"
        "[polozka 2]\nrodic=polozka 1\ntext0=2\nurl0=2.htm\n"
        "[SysPolozkaVystavovatele]\nrodic=polozka 1\ntext0=V\nsablona0=s.htm\n"
        "[polozka 3]\nrodic=SysPolozkaVystavovatele\ntext0=3\nurl0=3.htm\n"
        "[xSysPolozkaVystavovatele2]\ntext0=W\nsablona0=s.htm\ntext1=W\nsablona1=s.htm\n"
        "[polozka 4]\ntext1=P\nurl1=p\n");
    const NavigationTree tree = build(config);
    EXPECT_EQ(outline(tree.roots()), text::cp("Úvod[2 V[3]] W"));
    const NavNode& page = *tree.roots()[0];
    EXPECT_EQ(page.data.Url, "uvod/index.htm");
    EXPECT_EQ(page.data.Kind, NodeKind::Page);
    EXPECT_EQ(page.data.ItemKey, "polozka 1");
    EXPECT_FALSE(page.data.SubPageFiles || page.data.SubPageTitles);
    const NavNode& exhibitors = *page.children[1];
    EXPECT_EQ(exhibitors.data.Kind, NodeKind::ExhibitorItem);
    EXPECT_EQ(exhibitors.data.Url, "");  // a template and no page
    EXPECT_EQ(tree.exhibitorNode, tree.roots()[1].get()) << "the last exhibitor item wins";
    // Hidden data: the exhibitor item leaves its items in its place.
    const NavigationTree hidden = build(config, 0, true);
    EXPECT_EQ(outline(hidden.roots()), text::cp("Úvod[2 3]"));
    EXPECT_EQ(hidden.exhibitorNode, nullptr);
    EXPECT_EQ(
        build(settings("[SysPolozkaVystavovatele]\ntext0=V\nsablona0=s.htm\n"), 1).exhibitorNode,
        nullptr)
        << "no node in the language";
}

TEST(LogicNavigation, SubPagesSplitAtSemicolonsUpToTheFirstEmptyFile) {
    using Texts = std::vector<std::string>;
    const std::tuple<const char*, const char*, Texts, Texts> cases[] = {
        {"a.htm; b.htm", "Prvni", {"a.htm", "b.htm"}, {"Prvni", ""}},
        {"a.htm;;b.htm", "A;B;C", {"a.htm"}, {"A"}},
        {";a.htm", "A", {}, {}},
        {" a.htm ; b.htm ;", " A ; B ; C ", {"a.htm", "b.htm"}, {"A", "B"}},
    };
    for (const auto& [files, titles, expectedFiles, expectedTitles] : cases) {
        TNodeData data;
        splitSubPages(files, titles, data);
        EXPECT_EQ(data.SubPageFiles, expectedFiles) << files;
        EXPECT_EQ(data.SubPageTitles, expectedTitles) << files;
    }
    TNodeData none;
    splitSubPages("", "Titulek", none);
    EXPECT_FALSE(none.SubPageFiles || none.SubPageTitles);
}

TEST(LogicNavigation, SubPagesComeFromTheLanguageKeys) {
    const NavigationTree tree = build(
        settings(
            "[polozka]\ntext1=P\nurl1=p.htm\nfulltext1=p1.htm;p2.htm\nfulltextName1=Jedna;Dva\n"
            "fulltext0=x.htm\n"),
        1);
    const TNodeData& data = tree.roots().at(0)->data;
    EXPECT_EQ(*data.SubPageFiles, (std::vector<std::string>{"p1.htm", "p2.htm"}));
    EXPECT_EQ(*data.SubPageTitles, (std::vector<std::string>{"Jedna", "Dva"}));
}

TEST(LogicNavigation, FindByItemKeyWalksDepthFirstAndRespectsCase) {
    NavigationTree tree;
    NavNode& a = tree.add(nullptr, "A", keyed("polozka a"));
    NavNode& a1 = tree.add(&a, "A1", keyed("sekce 1 na CD"));
    NavNode& b = tree.add(nullptr, "B", keyed("sekce 1 na CD"));
    tree.add(&b, "B1", keyed(""));
    EXPECT_EQ(tree.findByItemKey("sekce 1 na CD"), &a1);
    EXPECT_EQ(tree.findByItemKey("polozka a"), &a);
    EXPECT_EQ(tree.findByItemKey("POLOZKA A"), nullptr);
    EXPECT_EQ(tree.findByItemKey(""), nullptr);
    EXPECT_EQ(b.children.front()->parent, &b);
}

}  // namespace
}  // namespace expo::presentation
