// The catalogue sections of config.ini, their nodes, and the distinct texts of a dataset.
#include "presentation/catalogue_sections.h"

#include <gtest/gtest.h>

#include "tests/logic/support.h"
#include "tests/template/page_data.h"

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

TEST(LogicSections, NumberedWithoutGapsAndNamedPerLanguage) {
    const IniFile config = settings(
        "[sekce katalogu]\nano=1\n"
        "[sekce 1 na CD]\njaz0=Stroje\njaz1=Machines\nsekce katalogu=1\n"
        "[sekce 2 na CD]\njaz0=Nábytek\njaz1=\nsekce katalogu=2,3\n"
        "[sekce 3 na CD]\njaz1=  \nx=1\n"
        "[sekce 4 na CD]\n"
        "[sekce 5 na CD]\njaz0=Ctvrta\nsekce katalogu=4\n");
    std::string sections;  // "sekce 4 na CD" has no line: numbering ends there
    for (const CatalogueSection& s : configSections(config, 1)) {
        sections += s.caption + "|" + s.filter + "|" + s.itemKey + ";";
    }
    EXPECT_EQ(sections, text::cp("Machines|SEKCE_ID in (1)|sekce 1 na CD;Nábytek|SEKCE_ID in (2 , "
                                 "3)|sekce 2 na CD;Není název|SEKCE_ID in ()|sekce 3 na CD;"));
}

TEST(LogicSections, NodesGoBelowTheExhibitorNodeOrToTheTop) {
    NavigationTree tree;
    tree.add(nullptr, "Uvod", {});
    addSectionNodes(tree, {{"A", "SEKCE_ID=1", ""}}, "s.htm");
    ASSERT_EQ(tree.roots().size(), 2u);
    EXPECT_EQ(tree.roots()[1]->parent, nullptr);
    NavNode& exhibitors = tree.add(nullptr, "Vystavovatele", keyed("SysPolozkaVystavovatele"));
    tree.add(&exhibitors, "Stranka", {});
    tree.exhibitorNode = &exhibitors;
    addSectionNodes(tree, {{"A", "SEKCE_ID in (1)", "sekce 1 na CD"}, {"B", "SEKCE_ID=7", ""}},
                    "sablona.htm");
    ASSERT_EQ(exhibitors.children.size(), 3u);
    const NavNode& a = *exhibitors.children[1];
    EXPECT_EQ(a.caption + a.data.Url + a.data.Filter + a.data.ItemKey,
              "Asablona.htmSEKCE_ID in (1)sekce 1 na CD");
    EXPECT_EQ(a.parent, &exhibitors);
    EXPECT_EQ(a.data.Kind, NodeKind::CatalogueSection);
    EXPECT_EQ(exhibitors.children[2]->caption, "B");
}

TEST(LogicSections, DistinctTextsByLocaleCaseInTextOrderTheDatasetUnfiltered) {
    ds::ClientDataSet brands("CDSZastZnac");
    testing::load(brands, {"KAT_ID:int", "KTZ_TEXT"},
                  {{1, text::cp("škoda")},
                   {2, "Alfa"},
                   {3, text::cp("ŠKODA ")},
                   {4, " ALFA"},
                   {5, ""},
                   {6, ds::Null{}},
                   {7, "Beta"}});
    brands.setFilter("KAT_ID=7");
    brands.setFiltered(true);
    auto texts = distinctTexts(brands, "KTZ_TEXT");
    // Whichever of two alike texts the order puts first is kept, trimmed.
    for (std::string& t : texts) {
        t = text::upper(t);
    }
    EXPECT_EQ(texts, (std::vector<std::string>{"", "ALFA", "BETA", text::cp("ŠKODA")}));
    EXPECT_EQ(brands.indexFieldNames() + "|" + brands.filter(), "KTZ_TEXT|");
    EXPECT_EQ(brands.recordCount(), 7);
}

}  // namespace
}  // namespace expo::presentation
