#include "presentation/path_bar.h"

#include <gtest/gtest.h>

#include <tuple>

namespace expo::presentation {
namespace {

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
