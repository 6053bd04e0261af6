// The navigation tree and the path bar above the page.
#include "presentation/navigation/navigation.h"

#include <gtest/gtest.h>

#include <tuple>

#include "presentation/navigation/path_bar.h"
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
         "Nova[Dite]"},  // a repeated section is built once
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

// The links of a bar's page: the text of its one table cell.
std::string linksOf(const std::string& page) {
    const std::string cell = "<td valign=\"middle\">";
    const size_t begin = page.find(cell);
    const size_t end = page.find("</td>");
    return begin == std::string::npos || end == std::string::npos
               ? "no cell"
               : page.substr(begin + cell.size(), end - begin - cell.size());
}

bool holds(const std::string& page, const std::string& part) {
    return page.find(part) != std::string::npos;
}

// Root > Child > Leaf, the leaf with an open sub-page.
struct Fixture {
    Fixture() {
        leaf.data.CurrentSubPageFile = "leaf/2.htm";
        leaf.data.CurrentSubPageTitle = " Second ";
        child.data.CurrentSubPageTitle = "Other";  // only the given node names its sub-page
    }
    NavigationTree tree;
    NavNode& root = tree.add(nullptr, "Root", {});
    NavNode& child = tree.add(&root, "Child", {});
    NavNode& leaf = tree.add(&child, "Leaf", {});
};

TEST(LogicPathBar, NamesTheNodeAndItsAncestorsFromTheRoot) {
    Fixture f;
    NavNode& plain = f.tree.add(nullptr, "A & <b>", {});  // captions go in as they are
    const std::tuple<const NavNode*, bool, const char*, const char*> cases[] = {
        {&f.root, false, "- Root", "- <a href=\"link_0_0\">Root</a>"},
        {&f.leaf, false, "- Root - Child - Leaf",
         "- <a href=\"link_0_2\">Root</a> - <a href=\"link_0_1\">Child</a> - "
         "<a href=\"link_0_0\">Leaf</a>"},
        {&f.leaf, true, "- Root - Child - Leaf - Second",
         "- <a href=\"link_0_2\">Root</a> - <a href=\"link_0_1\">Child</a> - "
         "<a href=\"link_0_0\">Leaf</a> - <a href=\"link_1_0\">Second</a>"},
        {&f.child, false, "- Root - Child",
         "- <a href=\"link_0_1\">Root</a> - <a href=\"link_0_0\">Child</a>"},
        {&plain, true, "- A & <b>", "- <a href=\"link_0_0\">A & <b></a>"},
    };
    for (const auto& [node, withSubPage, caption, links] : cases) {
        const PathBar bar = buildPathBar(node, 0, withSubPage, {});
        EXPECT_EQ(bar.caption, caption);
        EXPECT_EQ(linksOf(bar.page), links) << caption;
        EXPECT_EQ(bar.nodes.front(), node);
    }
    EXPECT_EQ(buildPathBar(&f.leaf, 0, true, {}).nodes,
              (std::vector<const NavNode*>{&f.leaf, &f.child, &f.root}));
    f.leaf.data.CurrentSubPageTitle = "   ";
    EXPECT_EQ(buildPathBar(&f.leaf, 0, true, {}).caption, "- Root - Child - Leaf");
    const PathBar none = buildPathBar(nullptr, 0, true, {});
    EXPECT_EQ(none.page + none.caption, "");
    EXPECT_TRUE(none.nodes.empty());
}

TEST(LogicPathBar, ColoursAndFontSizeOfTheStyle) {
    Fixture f;
    const PathBarStyle style{{0x11, 0x22, 0x33}, {0x44, 0x55, 0x66}, {0x77, 0x88, 0xAB}, 10};
    const std::string page = buildPathBar(&f.root, 0, false, style).page;
    EXPECT_TRUE(holds(page,
                      "link=\"#112233\" vlink=\"#112233\" alink=\"#445566\" "
                      "bgcolor=\"#7788AB\" scroll=\"no\""))
        << page;
    EXPECT_TRUE(holds(page, "font-family: Verdana; font-size: 10pt")) << page;
    EXPECT_TRUE(page.starts_with("<html>") && page.ends_with("</html>")) << page;

    Look look;
    readPanelLook(
        IniFile::fromText("[menu - graficka podoba]\ninfPruhPismoVelikost=11\n"
                          "infPruhPozadiBarva=$00CC0000\ninfPruhPismoBarvaAktivni=$00FF0000\n"),
        look);
    const std::string styled = buildPathBar(&f.root, 0, false, pathBarStyleOf(look)).page;
    EXPECT_TRUE(
        holds(styled, "link=\"#000000\" vlink=\"#000000\" alink=\"#0000FF\" bgcolor=\"#0000CC\""))
        << styled;
    EXPECT_TRUE(holds(styled, "font-size: 11pt")) << styled;
}

TEST(LogicPathBar, LinkTargets) {
    // Whether the URL is a bar's link, and the node (of three) it leads to: "-" for none.
    const std::tuple<const char*, bool, const char*> cases[] = {
        {"file:///tmp/x/link_0_2", true, "2"},
        {"file:///tmp/x/LINK_1_0", true, "0 sub-page"},
        {"link_7_1", true, "1"},
        {"link_0_3", true, "-"},
        {"link_0_-1", true, "-"},
        {"link_0_abc", true, "-"},
        {"link_0_1.html", true, "-"},
        {"link_x_1", true, "-"},
        {"link_", true, "-"},
        {"/home/u/symlink_tmp/expozice-0/link_0_1", true, "1"},
        {"file:///tmp/x/temp_path.html", false, "-"},
    };
    for (const auto& [url, isLink, node] : cases) {
        EXPECT_EQ(isPathBarLink(url), isLink) << url;
        const auto target = pathBarTarget(url, 3);
        EXPECT_EQ(
            !target ? "-" : std::to_string(target->index) + (target->subPage ? " sub-page" : ""),
            node)
            << url;
    }
}

}  // namespace
}  // namespace expo::presentation
