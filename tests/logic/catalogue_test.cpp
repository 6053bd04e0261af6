// The catalogue: loading its files, its sections and the exhibitor list.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>
#include <tuple>

#include "platform/dataset/packet.h"
#include "platform/text/error.h"
#include "platform/text/text.h"
#include "presentation/catalogue/catalogue_loading.h"
#include "presentation/catalogue/catalogue_sections.h"
#include "presentation/catalogue/exhibitor_list.h"
#include "tests/core/temp_folder.h"
#include "tests/logic/support.h"
#include "tests/template/page_data.h"

namespace expo::presentation {
namespace {

using testing::keyed;
using testing::load;
using testing::settings;
using text::cp;
using Record = std::map<std::string, ds::Value>;
const std::set<int> kNoFiles = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};

Record firm(const char* name) {
    return {{"KAT_ID", int64_t{1}}, {"KTF_TEXT", name}};
}
Record brand(const char* name) {
    return {{"KAT_ID", int64_t{1}}, {"KTZ_TEXT", name}};
}

// Loads, as the language loading does after building the navigation tree, from a data folder
// of the twelve files written from the catalogue's own declarations but those `missing`; data1
// holds `sections`, data6 and data7 a few represented firms and brands.
struct LoadRun {
    LoadRun(const std::string& config, bool loadData, bool hideData, const std::set<int>& missing,
            std::vector<Record> sections = {}) {
        std::filesystem::create_directories(disc.path() / "data");
        const std::map<int, std::vector<Record>> records = {
            {1, std::move(sections)},
            {6, {firm("Zeta"), firm(" alfa "), firm("ALFA"), firm("Beta")}},
            {7, {brand("Omega"), brand("omega "), brand("Delta")}}};
        for (int i = 0; i < Catalogue::kDataSetCount; ++i) {
            ds::Packet packet;
            packet.fields = Catalogue().dataSet(i).declaredFields();
            for (const Record& record :
                 records.contains(i) ? records.at(i) : std::vector<Record>{}) {
                packet.rows.emplace_back();
                for (const ds::FieldDef& field : packet.fields) {
                    packet.rows.back().push_back(record.contains(field.name)
                                                     ? record.at(field.name)
                                                     : ds::Value{ds::Null{}});
                }
            }
            if (!missing.contains(i)) {
                disc.write("data/" + Catalogue::fileName(i), ds::writeBinaryPacket(packet));
            }
        }
        const IniFile ini = settings(config);
        tree = buildNavigationTree(ini, ini.sections(), 0, hideData);
        const CatalogueLoading request{
            0, loadData, hideData, "sablona.htm", (disc.path() / "data").string(), "z"};
        try {
            loadCatalogue(catalogue, ini, request, tree, lists,
                          [this](const std::string& line) { lines.push_back(line); });
        } catch (const Error& e) {
            error = e.what();
        }
        for (int i = 0; i < Catalogue::kDataSetCount; ++i) {
            open += catalogue.dataSet(i).active() ? '1' : '0';
        }
    }
    // Caption, filter, page and key of each section node.
    std::string sections() const {
        std::string text;
        for (const auto& node : tree.exhibitorNode ? tree.exhibitorNode->children : tree.roots()) {
            text += node->caption + "|" + node->data.Filter + "|" + node->data.Url + "|" +
                    node->data.ItemKey + ";";
        }
        return text;
    }

    expo::testing::TempFolder disc;
    Catalogue catalogue;
    NavigationTree tree;
    RepresentedLists lists;
    std::vector<std::string> lines;
    std::string error;
    std::string open;  // '1' for each open dataset, data0 first
};

const std::string kConfigSections =
    "[SysPolozkaVystavovatele]\ntext0=Vystavovatele\nsablona0=sablona.htm\n"
    "[sekce katalogu]\nano=1\n"
    "[sekce 1 na CD]\njaz0=Stroje\nsekce katalogu=1,2\n"
    "[sekce 2 na CD]\njaz0=Nabytek\nsekce katalogu=3\n";
const std::string kNoConfigSections = "[SysPolozkaVystavovatele]\ntext0=V\nsablona0=s.htm\n";
const char* const kBothSections =
    "Stroje|SEKCE_ID in (1 , 2)|sablona.htm|sekce 1 na CD;Nabytek|SEKCE_ID in (3)|sablona.htm|"
    "sekce 2 na CD;";

TEST(LogicCatalogueLoading, StepsFilesSectionsListsAndTheFirstMissingFileButTheLast) {
    const struct {
        const std::string& config;
        bool loadData, hideData;
        std::set<int> missing;
        size_t steps;
        const char* open;
        const char* sections;  // nullptr: not looked at
        int failing;           // the data file the error names, -1 for none
    } cases[] = {
        {kConfigSections, true, false, {}, 12, "101111111111", kBothSections, -1},
        {kConfigSections, false, false, kNoFiles, 12, "000000000000", kBothSections, -1},
        {kConfigSections, true, true, {}, 1, "100000000000", "", -1},
        {kConfigSections, true, false, {3}, 4, "101000000000", kBothSections, 3},
        {kNoConfigSections, true, false, {1}, 2, "100000000000", nullptr, 1},
        {kConfigSections, true, false, {11}, 12, "101111111110", kBothSections, -1},
    };
    for (const auto& c : cases) {
        const LoadRun run(c.config, c.loadData, c.hideData, c.missing);
        EXPECT_EQ(run.error.substr(0, run.error.find(cp("Důvod:")) + 6),
                  c.failing < 0 ? ""
                                : cp("Nepodařilo se otevřít datový soubor data") +
                                      std::to_string(c.failing) + cp(".dat:\r\rDůvod:"));
        EXPECT_EQ(run.lines.size(), c.steps) << c.open;
        EXPECT_EQ(run.lines.back(),
                  cp("načítání datových souborů: ") + std::to_string(c.steps) + " z 12.");
        EXPECT_EQ(run.open, c.open);
        if (c.sections) {
            EXPECT_EQ(run.sections(), c.sections) << c.open;
        }
    }
    // The represented firms and brands: distinct whatever their case, trimmed, in order.
    const LoadRun run(kConfigSections, true, false, {});
    EXPECT_EQ(run.lists.firms, (std::vector<std::string>{"alfa", "Beta", "Zeta"}));
    EXPECT_EQ(run.lists.brands, (std::vector<std::string>{"Delta", "Omega"}));
}

TEST(LogicCatalogueLoading, SectionsFromTheDatasetAlsoOnALanguageSwitch) {
    // "sekce 1 na CD" without the section "sekce katalogu".
    const LoadRun run(kNoConfigSections + "[sekce 1 na CD]\njaz0=Nepouzito\n", false, false,
                      {0, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11},
                      {{{"SEKCE_ID", int64_t{5}}, {"SEKCE_NAZEV0", "Obuv  "}},
                       {{"SEKCE_ID", int64_t{9}}, {"SEKCE_NAZEV0", ""}}});
    EXPECT_EQ(run.open, "010000000000");
    EXPECT_EQ(run.sections(), "Obuv|SEKCE_ID=5|sablona.htm|;|SEKCE_ID=9|sablona.htm|;");
}

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
    EXPECT_EQ(sections, cp("Machines|SEKCE_ID in (1)|sekce 1 na CD;Nábytek|SEKCE_ID in (2 , "
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
    load(brands, {"KAT_ID:int", "KTZ_TEXT"},
         {{1, cp("škoda")},
          {2, "Alfa"},
          {3, cp("ŠKODA ")},
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
    EXPECT_EQ(texts, (std::vector<std::string>{"", "ALFA", "BETA", cp("ŠKODA")}));
    EXPECT_EQ(brands.indexFieldNames() + "|" + brands.filter(), "KTZ_TEXT|");
    EXPECT_EQ(brands.recordCount(), 7);
}

// "name key" of each entry.
std::vector<std::string> listed(const std::vector<ExhibitorEntry>& entries) {
    std::vector<std::string> result;
    for (const auto& entry : entries) {
        result.push_back(entry.name + " " + std::to_string(entry.key.value()));
    }
    return result;
}

TEST(LogicExhibitorList, NameTrimmedWithLineBreaksAsBlanks) {
    const std::pair<const char*, const char*> cases[] = {
        {"  ACME\r\nPraha  ", "ACME Praha"},
        {"\tA\r\n\r\nB\x01", "A  B"},
        {"A\rB\nC", "A\rB\nC"},
        {"A\n\r\nB", "A\n B"},
        {"   ", ""},
    };
    for (const auto& [katNazev, name] : cases) {
        EXPECT_EQ(exhibitorDisplayName(katNazev), name) << katNazev;
    }
}

TEST(LogicExhibitorList, EntriesUnderTheFilterSortedByTheCzechAlphabetWithoutCase) {
    ds::ClientDataSet zaznamy("CDSZaznamy");
    load(zaznamy, {"KAT_ID:int", "KAT_NAZEV", "SEKCE_ID:int"},
         {{10, "  Beta\r\nTrade  ", 1}, {11, "Alfa", 2}, {12, "Gama", 1}});
    zaznamy.setFilter("SEKCE_ID=1");
    zaznamy.setFiltered(true);
    EXPECT_EQ(listed(readExhibitorEntries(zaznamy)),
              (std::vector<std::string>{"Beta Trade 10", "Gama 12"}));
    std::vector<ExhibitorEntry> entries{{cp("Dům"), 1}, {cp("čaj"), 2},   {"Cukr", 3}, {"ahoj", 4},
                                        {"AHOJ", 5},    {cp("Šipka"), 6}, {"sova", 7}};
    sortExhibitorEntries(entries);
    EXPECT_EQ(listed(entries), (std::vector<std::string>{"ahoj 4", "AHOJ 5", "Cukr 3", cp("čaj 2"),
                                                         cp("Dům 1"), "sova 7", cp("Šipka 6")}));
}

TEST(LogicExhibitorList, ViewFilterWithinTheListedSection) {
    const std::tuple<ExhibitorView, const char*, const char*> cases[] = {
        {ExhibitorView::News, "  SEKCE_ID in (1 , 2) ", "NOVINKA='x' and SEKCE_ID in (1 , 2)"},
        {ExhibitorView::News, "   ", "NOVINKA='x'"},
        {ExhibitorView::Exhibits, "SEKCE_ID=4", "COUNTEXP>0 and SEKCE_ID=4"},
    };
    for (const auto& [view, section, filter] : cases) {
        EXPECT_EQ(viewFilter(view, section), filter);
    }
}

TEST(LogicExhibitorList, StatusLine) {
    LanguageTexts texts;
    texts.FTextExhibitorCount = "Count";
    texts.FTextInNotebook = "Noted";
    texts.FTextShown = "Shown";
    texts.FTextSelection = "Sel";
    const StatusLine plain = statusLine(texts, 2, 15);
    EXPECT_EQ(plain.caption + "|" + plain.hint,
              " Count - Noted: 2, Shown: 15| Count - Noted: 2, Shown: 15");
    const StatusLine selection = statusLine(texts, 0, 3, "(a)");
    EXPECT_EQ(selection.caption + "|" + selection.hint,
              " Count - Noted: 0, Shown: 3   - Sel: (a)|Sel: (a)");
}

}  // namespace
}  // namespace expo::presentation
