#include "presentation/navigation.h"

#include <gtest/gtest.h>

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

struct TreeCase {
    const char* name;
    const char* settings;
    int language;
    const char* outline;
    friend void PrintTo(const TreeCase& c, std::ostream* os) {
        *os << ::testing::PrintToString(c.name);
    }
};

class LogicNavigationTree : public ::testing::TestWithParam<TreeCase> {};

TEST_P(LogicNavigationTree, Shape) {
    const IniFile config = settings(GetParam().settings);
    EXPECT_EQ(outline(build(config, GetParam().language).roots()), GetParam().outline);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LogicNavigationTree,
    ::testing::Values(
        TreeCase{"NoItems", "[aplikace]\nx=1\n[uvod]\njaz0=Čes\n", 0, ""},
        TreeCase{"FileOrderAtTheTopLevel",
                 "[polozka B]\ntext0=B\nurl0=b.htm\n[polozka A]\ntext0=A\nurl0=a.htm\n", 0, "B A"},
        TreeCase{"ParentStandingLater",
                 "[polozka dite]\nrodic=polozka rodic\ntext0=Dite\nurl0=d.htm\n"
                 "[polozka rodic]\ntext0=Rodic\nurl0=r.htm\n",
                 0, "Rodic[Dite]"},
        TreeCase{"DepthFirstWithSiblingsInFileOrder",
                 "[polozka 1]\ntext0=1\nurl0=1.htm\n"
                 "[polozka 11]\nrodic=polozka 1\ntext0=11\nurl0=11.htm\n"
                 "[polozka 2]\ntext0=2\nurl0=2.htm\n"
                 "[polozka 111]\nrodic=polozka 11\ntext0=111\nurl0=111.htm\n"
                 "[polozka 12]\nrodic=polozka 1\ntext0=12\nurl0=12.htm\n",
                 0, "1[11[111] 12] 2"},
        TreeCase{"ItemWordRespectsCase",
                 "[Polozka velka]\ntext0=Velka\nurl0=v.htm\n"
                 "[mojepolozkaxyz]\ntext0=Uvnitr\nurl0=u.htm\n",
                 0, "Uvnitr"},
        TreeCase{"ParentKeyRespectsCase",
                 "[polozka rodic]\ntext0=Rodic\nurl0=r.htm\n"
                 "[polozka dite]\nrodic=POLOZKA RODIC\ntext0=Dite\nurl0=d.htm\n",
                 0, "Rodic"},
        TreeCase{"ChildrenOfAnItemWithoutCaptionGoToTheTop",
                 "[polozka 1]\ntext0=1\nurl0=1.htm\n"
                 "[polozka 2]\nrodic=polozka 1\nurl0=2.htm\n"
                 "[polozka 3]\nrodic=polozka 2\ntext0=3\nurl0=3.htm\n",
                 0, "1 3"},
        TreeCase{"ItemWithoutPageOrTemplateHasNoNode",
                 "[polozka 1]\ntext0=1\n[polozka 2]\nrodic=polozka 1\ntext0=2\nurl0=2.htm\n", 0,
                 "2"},
        TreeCase{"CaptionOnlyInLanguageZero",
                 "[polozka 1]\ntext0=Jedna\nurl0=1.htm\nurl1=1.htm\n"
                 "[polozka 2]\nrodic=polozka 1\ntext0=Dva\ntext1=Two\nurl0=2.htm\nurl1=2.htm\n",
                 1, "Two"},
        TreeCase{"RepeatedSectionNameIsBuiltOnce",
                 "[polozka 1]\ntext0=Stara\nurl0=1.htm\n"
                 "[polozka 2]\nrodic=polozka 1\ntext0=Dite\nurl0=2.htm\n"
                 "[polozka 1]\ntext0=Nova\nurl0=1.htm\n",
                 0, "Nova[Dite]"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LogicNavigation, NodeRecords) {
    const IniFile config = settings(
        "[polozka uvod]\ntext0=Úvod\nurl0=uvod/index.htm\n"
        "[SysPolozkaVystavovatele]\ntext0=Vystavovatelé\nsablona0=sablona.htm\n");
    const NavigationTree tree = build(config);
    ASSERT_EQ(tree.roots().size(), 2u);
    const NavNode& page = *tree.roots()[0];
    EXPECT_EQ(page.caption, text::cp("Úvod"));
    EXPECT_EQ(page.data.Url, "uvod/index.htm");
    EXPECT_EQ(page.data.Kind, NodeKind::Page);
    EXPECT_EQ(page.data.ItemKey, "polozka uvod");
    EXPECT_FALSE(page.data.SubPageFiles.has_value());
    EXPECT_FALSE(page.data.SubPageTitles.has_value());

    const NavNode& exhibitors = *tree.roots()[1];
    EXPECT_EQ(exhibitors.data.Kind, NodeKind::ExhibitorItem);
    EXPECT_EQ(exhibitors.data.Url, "");  // a template and no page
    EXPECT_EQ(tree.exhibitorNode, &exhibitors);
}

TEST(LogicNavigation, HiddenExhibitorItemLeavesItsItemsInItsPlace) {
    const IniFile config = settings(
        "[polozka 1]\ntext0=1\nurl0=1.htm\n"
        "[polozka 2]\nrodic=polozka 1\ntext0=2\nurl0=2.htm\n"
        "[SysPolozkaVystavovatele]\nrodic=polozka 1\ntext0=V\nsablona0=s.htm\n"
        "[polozka 3]\nrodic=SysPolozkaVystavovatele\ntext0=3\nurl0=3.htm\n");
    const NavigationTree shown = build(config, 0, false);
    EXPECT_EQ(outline(shown.roots()), "1[2 V[3]]");
    EXPECT_NE(shown.exhibitorNode, nullptr);

    const NavigationTree hidden = build(config, 0, true);
    EXPECT_EQ(outline(hidden.roots()), "1[2 3]");
    EXPECT_EQ(hidden.exhibitorNode, nullptr);
}

TEST(LogicNavigation, TwoExhibitorItemsTheLastOneWins) {
    const IniFile config = settings(
        "[SysPolozkaVystavovatele]\ntext0=A\nsablona0=s.htm\n"
        "[xSysPolozkaVystavovatele2]\ntext0=B\nsablona0=s.htm\n");
    const NavigationTree tree = build(config);
    ASSERT_EQ(tree.roots().size(), 2u);
    EXPECT_EQ(tree.roots()[0]->data.Kind, NodeKind::ExhibitorItem);
    EXPECT_EQ(tree.roots()[1]->data.Kind, NodeKind::ExhibitorItem);
    EXPECT_EQ(tree.exhibitorNode, tree.roots()[1].get());
}

TEST(LogicNavigation, AnExhibitorItemWithoutNodeLeavesNoExhibitorNode) {
    const IniFile config = settings(
        "[SysPolozkaVystavovatele]\ntext0=V\nsablona0=s.htm\n[polozka]\ntext1=P\nurl1=p\n");
    EXPECT_NE(build(config, 0).exhibitorNode, nullptr);
    EXPECT_EQ(build(config, 1).exhibitorNode, nullptr);
}

struct SubPageCase {
    const char* files;
    const char* titles;
    bool present;
    std::vector<std::string> expectedFiles;
    std::vector<std::string> expectedTitles;
    friend void PrintTo(const SubPageCase& c, std::ostream* os) {
        *os << ::testing::PrintToString(c.files);
    }
};

class LogicNavigationSubPages : public ::testing::TestWithParam<SubPageCase> {};

TEST_P(LogicNavigationSubPages, Split) {
    TNodeData data;
    splitSubPages(GetParam().files, GetParam().titles, data);
    ASSERT_EQ(data.SubPageFiles.has_value(), GetParam().present);
    ASSERT_EQ(data.SubPageTitles.has_value(), GetParam().present);
    if (GetParam().present) {
        EXPECT_EQ(*data.SubPageFiles, GetParam().expectedFiles);
        EXPECT_EQ(*data.SubPageTitles, GetParam().expectedTitles);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Values, LogicNavigationSubPages,
    ::testing::Values(SubPageCase{"", "Titulek", false, {}, {}},
                      SubPageCase{"a.htm; b.htm", "Prvni", true, {"a.htm", "b.htm"}, {"Prvni", ""}},
                      SubPageCase{"a.htm;;b.htm", "A;B;C", true, {"a.htm"}, {"A"}},
                      SubPageCase{";a.htm", "A", true, {}, {}},
                      SubPageCase{
                          " a.htm ; b.htm ;", " A ; B ; C ", true, {"a.htm", "b.htm"}, {"A", "B"}},
                      SubPageCase{"a.htm", "", true, {"a.htm"}, {""}}));

TEST(LogicNavigation, SubPagesComeFromTheLanguageKeys) {
    const IniFile config = settings(
        "[polozka]\ntext1=P\nurl1=p.htm\nfulltext1=p1.htm;p2.htm\nfulltextName1=Jedna;Dva\n"
        "fulltext0=x.htm\n");
    const NavigationTree tree = build(config, 1);
    ASSERT_EQ(tree.roots().size(), 1u);
    const TNodeData& data = tree.roots()[0]->data;
    EXPECT_EQ(*data.SubPageFiles, (std::vector<std::string>{"p1.htm", "p2.htm"}));
    EXPECT_EQ(*data.SubPageTitles, (std::vector<std::string>{"Jedna", "Dva"}));
    EXPECT_EQ(data.CurrentSubPageFile, "");
    EXPECT_EQ(data.CurrentSubPageTitle, "");
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
