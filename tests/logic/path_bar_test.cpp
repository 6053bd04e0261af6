#include "presentation/path_bar.h"

#include <gtest/gtest.h>

namespace expo::presentation {
namespace {

constexpr const char* kPageStart =
    "<html><body style=\"margin-left: 0px; margin-top: 0px; margin-bottom: 0px; "
    "margin-right: 0px; border: 0px; padding: 0px\" ";
constexpr const char* kTableStart = "<table style=\"font-family: Verdana; font-size: ";
constexpr const char* kTableAttributes =
    "height=\"100%\" height=\"100%\" cellpadding=\"0\" cellspacing=\"0\" border=\"0\">"
    "<tr><td valign=\"middle\">";
constexpr const char* kPageEnd = "</td></tr></table></body></html>";

std::string expectedPage(const std::string& colours, int size, const std::string& links) {
    return kPageStart + colours + kTableStart + std::to_string(size) + "pt\" " + kTableAttributes +
           links + kPageEnd;
}

const std::string kDefaultColours =
    "link=\"#000000\" vlink=\"#000000\" alink=\"#000000\" bgcolor=\"#FFFFFF\" scroll=\"no\">";

// Root > Child > Leaf, the leaf with an open sub-page.
struct Fixture {
    Fixture() {
        leaf.data.CurrentSubPageFile = "leaf/2.htm";
        leaf.data.CurrentSubPageTitle = " Second ";
    }
    NavigationTree tree;
    NavNode& root = tree.add(nullptr, "Root", {});
    NavNode& child = tree.add(&root, "Child", {});
    NavNode& leaf = tree.add(&child, "Leaf", {});
};

TEST(LogicPathBar, ColorToHtmlIsRedGreenBlue) {
    EXPECT_EQ(ColorToHtml({0x12, 0x34, 0x56}), "#123456");
    EXPECT_EQ(ColorToHtml({0xAB, 0x0C, 0xFF}), "#AB0CFF");
    EXPECT_EQ(ColorToHtml(kBlack), "#000000");
    EXPECT_EQ(ColorToHtml(kWhite), "#FFFFFF");
}

TEST(LogicPathBar, TopLevelNodeWithDefaultColours) {
    Fixture f;
    const PathBar bar = buildPathBar(&f.root, 0, false, {});
    EXPECT_EQ(bar.caption, "- Root");
    EXPECT_EQ(bar.nodes, (std::vector<const NavNode*>{&f.root}));
    EXPECT_EQ(bar.page, expectedPage(kDefaultColours, 8, "- <a href=\"link_0_0\">Root</a>"));
}

TEST(LogicPathBar, StyleOfTheLookWithoutSettings) {
    Fixture f;
    Look look;
    readPanelLook(IniFile::fromText("[menu - graficka podoba]\ninfPruhPismoVelikost=11\n"), look);
    EXPECT_EQ(buildPathBar(&f.root, 0, false, pathBarStyleOf(look)).page,
              expectedPage(kDefaultColours, 11, "- <a href=\"link_0_0\">Root</a>"));
}

TEST(LogicPathBar, DeepNodeNamesItsAncestorsFromTheRoot) {
    Fixture f;
    const PathBarStyle style{{0x11, 0x22, 0x33}, {0x44, 0x55, 0x66}, {0x77, 0x88, 0x99}, 10};
    const PathBar bar = buildPathBar(&f.leaf, 0, false, style);
    EXPECT_EQ(bar.caption, "- Root - Child - Leaf");
    EXPECT_EQ(bar.nodes, (std::vector<const NavNode*>{&f.leaf, &f.child, &f.root}));
    EXPECT_EQ(bar.page,
              expectedPage("link=\"#112233\" vlink=\"#112233\" alink=\"#445566\" "
                           "bgcolor=\"#778899\" scroll=\"no\">",
                           10,
                           "- <a href=\"link_0_2\">Root</a> - <a href=\"link_0_1\">Child</a> - "
                           "<a href=\"link_0_0\">Leaf</a>"));
}

TEST(LogicPathBar, SubPageEndsTheBar) {
    Fixture f;
    const PathBar bar = buildPathBar(&f.leaf, 0, true, {});
    EXPECT_EQ(bar.caption, "- Root - Child - Leaf - Second");
    EXPECT_EQ(bar.nodes.size(), 3u);
    EXPECT_EQ(bar.page, expectedPage(kDefaultColours, 8,
                                     "- <a href=\"link_0_2\">Root</a> - <a href=\"link_0_1\">"
                                     "Child</a> - <a href=\"link_0_0\">Leaf</a> - "
                                     "<a href=\"link_1_0\">Second</a>"));
}

TEST(LogicPathBar, BlankSubPageTitleMakesNoLink) {
    Fixture f;
    f.leaf.data.CurrentSubPageTitle = "   ";
    EXPECT_EQ(buildPathBar(&f.leaf, 0, true, {}).caption, "- Root - Child - Leaf");
}

TEST(LogicPathBar, OnlyTheGivenNodeNamesItsSubPage) {
    Fixture f;
    f.child.data.CurrentSubPageTitle = "Other";
    EXPECT_EQ(buildPathBar(&f.leaf, 0, true, {}).caption, "- Root - Child - Leaf - Second");
}

TEST(LogicPathBar, CaptionsGoInAsTheyAre) {
    NavigationTree tree;
    NavNode& node = tree.add(nullptr, "A & <b>", {});
    EXPECT_NE(buildPathBar(&node, 0, false, {}).page.find(">A & <b></a>"), std::string::npos);
}

TEST(LogicPathBar, NoNodeNoPage) {
    const PathBar bar = buildPathBar(nullptr, 0, true, {});
    EXPECT_EQ(bar.page, "");
    EXPECT_EQ(bar.caption, "");
    EXPECT_TRUE(bar.nodes.empty());
}

struct LinkCase {
    const char* url;
    bool isLink;
    int node;  // index into the bar's nodes, -1 for none
    bool subPage;
    friend void PrintTo(const LinkCase& c, std::ostream* os) {
        *os << ::testing::PrintToString(c.url);
    }
};

class LogicPathBarLink : public ::testing::TestWithParam<LinkCase> {};

TEST_P(LogicPathBarLink, Target) {
    Fixture f;
    const PathBar bar = buildPathBar(&f.leaf, 0, true, {});
    const LinkCase& c = GetParam();
    EXPECT_EQ(isPathBarLink(c.url), c.isLink);
    const auto target = pathBarTarget(c.url, bar.nodes.size());
    if (c.node < 0) {
        EXPECT_FALSE(target.has_value());
        return;
    }
    ASSERT_TRUE(target.has_value());
    EXPECT_EQ(target->index, static_cast<size_t>(c.node));
    EXPECT_EQ(target->subPage, c.subPage);
}

INSTANTIATE_TEST_SUITE_P(
    Values, LogicPathBarLink,
    ::testing::Values(
        LinkCase{"file:///tmp/x/link_0_2", true, 2, false}, LinkCase{"link_0_0", true, 0, false},
        LinkCase{"file:///tmp/x/LINK_1_0", true, 0, true}, LinkCase{"link_7_1", true, 1, false},
        LinkCase{"link_0_3", true, -1, false}, LinkCase{"link_0_-1", true, -1, false},
        LinkCase{"link_0_abc", true, -1, false}, LinkCase{"link_0_1.html", true, -1, false},
        LinkCase{"link_x_1", true, -1, false}, LinkCase{"link_0_", true, -1, false},
        LinkCase{"link_", true, -1, false},
        LinkCase{"/home/u/symlink_tmp/expozice-0/link_0_1", true, 1, false},
        LinkCase{"file:///tmp/x/temp_path.html", false, -1, false},
        LinkCase{"about:blank", false, -1, false}));

}  // namespace
}  // namespace expo::presentation
