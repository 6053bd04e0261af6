// Items whose sections are written more than once: each is built once, so a short config.ini of
// chained, repeated items cannot blow the tree up level after level.
#include <gtest/gtest.h>

#include <string>

#include "presentation/navigation/navigation.h"
#include "tests/logic/support.h"

namespace expo::presentation {
namespace {

using testing::settings;

// Items "polozka 1" ... "polozka N", each the child of the one before, each section written
// `copies` times in a row.
std::string chainedItems(int levels, int copies) {
    std::string text;
    for (int level = 1; level <= levels; ++level) {
        for (int copy = 0; copy < copies; ++copy) {
            text += "[polozka " + std::to_string(level) + "]\n";
            if (level > 1) {
                text += "rodic=polozka " + std::to_string(level - 1) + "\n";
            }
            text +=
                "text0=L" + std::to_string(level) + "\nurl0=" + std::to_string(level) + ".htm\n";
        }
    }
    return text;
}

size_t nodeCount(const std::vector<std::unique_ptr<NavNode>>& nodes) {
    size_t count = nodes.size();
    for (const auto& node : nodes) {
        count += nodeCount(node->children);
    }
    return count;
}

struct ChainCase {
    int levels;
    int copies;
};

class LogicNavigationRepeats : public ::testing::TestWithParam<ChainCase> {};

// Written twice at every one of 20 levels, the items would make 2^21 - 2 nodes.
TEST_P(LogicNavigationRepeats, EachItemHasOneNodeAtItsLevel) {
    const auto [levels, copies] = GetParam();
    const IniFile config = settings(chainedItems(levels, copies));
    const NavigationTree tree = buildNavigationTree(config, config.sections(), 0, false);
    EXPECT_EQ(nodeCount(tree.roots()), static_cast<size_t>(levels));
    const NavNode* node = tree.first();
    for (int level = 1; level <= levels; ++level) {
        ASSERT_NE(node, nullptr) << "level " << level;
        EXPECT_EQ(node->caption, "L" + std::to_string(level));
        ASSERT_LE(node->children.size(), 1u) << "level " << level;
        node = node->children.empty() ? nullptr : node->children.front().get();
    }
    EXPECT_EQ(node, nullptr);
}

INSTANTIATE_TEST_SUITE_P(Chains, LogicNavigationRepeats,
                         ::testing::Values(ChainCase{5, 1}, ChainCase{20, 2}, ChainCase{6, 5}));

// A repeated hidden exhibitor item still hands its own items to its parent once.
TEST(LogicNavigationRepeat, HiddenExhibitorItemWrittenTwiceHandsOverItsItemsOnce) {
    const IniFile config = settings(
        "[polozka 1]\ntext0=1\nurl0=1.htm\n"
        "[SysPolozkaVystavovatele]\nrodic=polozka 1\ntext0=V\nsablona0=s.htm\n"
        "[polozka 2]\nrodic=SysPolozkaVystavovatele\ntext0=2\nurl0=2.htm\n"
        "[SysPolozkaVystavovatele]\nrodic=polozka 1\ntext0=V\nsablona0=s.htm\n");
    const NavigationTree tree = buildNavigationTree(config, config.sections(), 0, true);
    ASSERT_EQ(tree.roots().size(), 1u);
    ASSERT_EQ(tree.roots()[0]->children.size(), 1u);
    EXPECT_EQ(tree.roots()[0]->children[0]->caption, "2");
}

}  // namespace
}  // namespace expo::presentation
