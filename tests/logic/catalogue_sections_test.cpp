#include "presentation/catalogue_sections.h"

#include <gtest/gtest.h>

#include "tests/logic/support.h"

namespace expo::presentation {
namespace {

using testing::keyed;
using testing::settings;

TEST(LogicSections, FromConfigWhenBothSectionsHaveLines) {
    const std::pair<const char*, bool> cases[] = {
        {"[sekce katalogu]\nx=1\n[sekce 1 na CD]\njaz0=A\n", true},
        {"[SEKCE KATALOGU]\n; comment\nano\n[sekce 1 na cd]\nx\n", true},
        {"[sekce 1 na CD]\njaz0=A\n", false},
        {"[sekce katalogu]\n[sekce 1 na CD]\njaz0=A\n", false},
        {"[sekce katalogu]\nx=1\n[sekce 2 na CD]\njaz0=A\n", false},
    };
    for (const auto& [text, inConfig] : cases) {
        EXPECT_EQ(sectionsDefinedInConfig(settings(text)), inConfig) << text;
    }
}

TEST(LogicSections, KeysBecomeAnInList) {
    const std::pair<const char*, const char*> cases[] = {
        {"sekce katalogu=12", "SEKCE_ID in (12)"},
        {"sekce katalogu=12,15", "SEKCE_ID in (12 , 15)"},
        {"sekce katalogu=", "SEKCE_ID in ()"},
        {"", "SEKCE_ID in ()"},
    };
    for (const auto& [line, filter] : cases) {
        const auto sections = configSections(
            settings(std::string("[sekce katalogu]\nx=1\n[sekce 1 na CD]\njaz0=A\n") + line), 0);
        ASSERT_EQ(sections.size(), 1u);
        EXPECT_EQ(sections[0].filter, filter) << line;
    }
}

TEST(LogicSections, NumberedWithoutGapsAndNamedPerLanguage) {
    const IniFile config = settings(
        "[sekce katalogu]\nano=1\n"
        "[sekce 1 na CD]\njaz0=Stroje\njaz1=Machines\nsekce katalogu=1\n"
        "[sekce 2 na CD]\njaz0=Nábytek\njaz1=\nsekce katalogu=2,3\n"
        "[sekce 3 na CD]\njaz1=  \nx=1\n"
        "[sekce 4 na CD]\n"
        "[sekce 5 na CD]\njaz0=Ctvrta\nsekce katalogu=4\n");
    const auto sections = configSections(config, 1);
    ASSERT_EQ(sections.size(), 3u);  // "sekce 4 na CD" has no line: numbering ends there
    EXPECT_EQ(sections[0].caption, "Machines");
    EXPECT_EQ(sections[0].itemKey, "sekce 1 na CD");
    EXPECT_EQ(sections[1].caption, text::cp("Nábytek"));
    EXPECT_EQ(sections[1].filter, "SEKCE_ID in (2 , 3)");
    EXPECT_EQ(sections[1].itemKey, "sekce 2 na CD");
    EXPECT_EQ(sections[2].caption, text::cp("Není název"));
}

TEST(LogicSections, NodesGoBelowTheExhibitorNode) {
    NavigationTree tree;
    tree.add(nullptr, "Uvod", {});
    NavNode& exhibitors = tree.add(nullptr, "Vystavovatele", keyed("SysPolozkaVystavovatele"));
    tree.add(&exhibitors, "Stranka", {});
    tree.exhibitorNode = &exhibitors;
    addSectionNodes(tree, {{"A", "SEKCE_ID in (1)", "sekce 1 na CD"}, {"B", "SEKCE_ID=7", ""}},
                    "sablona.htm");
    ASSERT_EQ(exhibitors.children.size(), 3u);
    const NavNode& b = *exhibitors.children[2];
    EXPECT_EQ(b.caption, "B");
    EXPECT_EQ(b.parent, &exhibitors);
    EXPECT_EQ(b.data.Kind, NodeKind::CatalogueSection);
    EXPECT_EQ(b.data.Url, "sablona.htm");
    EXPECT_EQ(b.data.Filter, "SEKCE_ID=7");
    EXPECT_EQ(b.data.ItemKey, "");
    EXPECT_FALSE(b.data.SubPageFiles.has_value());
    EXPECT_EQ(exhibitors.children[1]->data.ItemKey, "sekce 1 na CD");
}

TEST(LogicSections, WithoutExhibitorNodeSectionsGoToTheTop) {
    NavigationTree tree;
    tree.add(nullptr, "Uvod", {});
    addSectionNodes(tree, {{"A", "SEKCE_ID=1", ""}}, "s.htm");
    ASSERT_EQ(tree.roots().size(), 2u);
    EXPECT_EQ(tree.roots()[1]->caption, "A");
    EXPECT_EQ(tree.roots()[1]->parent, nullptr);
}

}  // namespace
}  // namespace expo::presentation
