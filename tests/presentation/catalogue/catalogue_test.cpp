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
#include "tests/presentation/page/page_data.h"
#include "tests/support/settings.h"
#include "tests/support/temp_folder.h"

namespace expo::presentation {
namespace {

using testing::load;
using testing::settings;
using text::cp;
using Record = std::map<std::string, ds::Value>;

// Loads, as the language loading does after building the navigation tree, from a data folder
// of the twelve files written from the catalogue's own declarations but those `missing`; data1
// holds `sections`, data6 and data7 a few represented firms and brands.
struct LoadRun {
    LoadRun(const std::string& config, bool loadData, bool hideData, const std::set<int>& missing,
            std::vector<Record> sections = {}) {
        std::filesystem::create_directories(disc.path() / "data");
        const std::map<int, std::vector<Record>> records = {
            {1, std::move(sections)},
            // clang-format off
            {6, {{{"KTF_TEXT", "Zeta"}}, {{"KTF_TEXT", " alfa "}}, {{"KTF_TEXT", "ALFA"}}, {{"KTF_TEXT", "Beta"}}}},
            {7, {{{"KTZ_TEXT", "Omega"}}, {{"KTZ_TEXT", "omega "}}, {{"KTZ_TEXT", "Delta"}}}}};
        // clang-format on
        for (int i = 0; i < Catalogue::kDataSetCount; ++i) {
            ds::Packet packet{Catalogue().dataSet(i).declaredFields(), {}};
            for (const Record& record :
                 records.contains(i) ? records.at(i) : std::vector<Record>{}) {
                packet.rows.emplace_back();
                for (const ds::FieldDef& f : packet.fields) {
                    packet.rows.back().push_back(record.contains(f.name) ? record.at(f.name)
                                                                         : ds::Null{});
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
    std::string error, open;  // open: '1' for each open dataset, data0 first
};

const std::string kConfigSections =
    "[SysPolozkaVystavovatele]\ntext0=Vystavovatele\nsablona0=sablona.htm\n"
    "[sekce katalogu]\nano=1\n[sekce 1 na CD]\njaz0=Stroje\nsekce katalogu=1,2\n"
    "[sekce 2 na CD]\njaz0=Nabytek\nsekce katalogu=3\n";
const std::string kNoConfigSections = "[SysPolozkaVystavovatele]\ntext0=V\nsablona0=s.htm\n";
const char* const kBothSections =
    "Stroje|SEKCE_ID in (1 , 2)|sablona.htm|sekce 1 na CD;Nabytek|SEKCE_ID in (3)|sablona.htm|"
    "sekce 2 na CD;";

TEST(LogicCatalogueLoading, StepsFilesSectionsListsAndTheFirstMissingFileButTheLast) {
    // Load data, hide data, missing files, steps, open files, the file the error names (-1: none).
    const std::tuple<bool, bool, std::set<int>, size_t, const char*, int> cases[] = {
        // clang-format off
        {true, false, {}, 12, "101111111111", -1}, {true, true, {}, 1, "100000000000", -1},
        {false, false, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}, 12, "000000000000", -1},
        {true, false, {3}, 4, "101000000000", 3}, {true, false, {11}, 12, "101111111110", -1},
        // clang-format on
    };
    for (const auto& [loadData, hideData, missing, steps, open, failing] : cases) {
        const LoadRun run(kConfigSections, loadData, hideData, missing);
        EXPECT_EQ(run.error.substr(0, run.error.find(cp("Důvod:")) + 6),
                  failing < 0 ? ""
                              : cp("Nepodařilo se otevřít datový soubor data") +
                                    std::to_string(failing) + cp(".dat:\r\rDůvod:"));
        EXPECT_EQ(
            std::tuple(run.lines.size(), run.lines.back(), run.open, run.sections()),
            std::tuple(steps, cp("načítání datových souborů: ") + std::to_string(steps) + " z 12.",
                       open, hideData ? "" : kBothSections));
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

// Numbered without gaps, named in the language, else in the first, else by the default name.
TEST(LogicSections, NumberedWithoutGapsAndNamedPerLanguage) {
    const IniFile config = settings(
        "[sekce katalogu]\nano=1\n[sekce 1 na CD]\njaz0=Stroje\njaz1=Machines\nsekce katalogu=1\n"
        "[sekce 2 na CD]\njaz0=Nábytek\njaz1=\nsekce katalogu=2,3\n[sekce 3 na CD]\njaz1=  \nx=1\n"
        "[sekce 4 na CD]\n[sekce 5 na CD]\njaz1=Paty\nsekce katalogu=4\n");
    std::string sections;
    for (const CatalogueSection& s : configSections(config, 1)) {
        sections += s.caption + "|" + s.filter + "|" + s.itemKey + ";";
    }
    EXPECT_EQ(sections, cp("Machines|SEKCE_ID in (1)|sekce 1 na CD;Nábytek|SEKCE_ID in (2 , "
                           "3)|sekce 2 na CD;Není název|SEKCE_ID in ()|sekce 3 na CD;"));
}

TEST(LogicExhibitorList, EntriesUnderTheFilterSortedByTheCzechAlphabetWithoutCaseAndTheViews) {
    ds::ClientDataSet zaznamy("CDSZaznamy");
    // clang-format off
    load(zaznamy, {"KAT_ID:int", "KAT_NAZEV", "SEKCE_ID:int"},
         {{10, "  Beta\r\nTrade  ", 1}, {11, "Alfa", 2}, {12, cp("Ga\n\r\nma"), 1}, {14, cp("čaj"), 1},
          {15, "Cukr", 1}, {16, "ahoj", 1}, {17, "AHOJ", 1}, {18, cp("Šipka"), 1}, {19, "sova", 1}});
    // clang-format on
    zaznamy.setFilter("SEKCE_ID=1");
    zaznamy.setFiltered(true);
    std::vector<ExhibitorEntry> entries = readExhibitorEntries(zaznamy);
    std::string listed;
    sortExhibitorEntries(entries);
    for (const auto& entry : entries) {
        listed += entry.name + " " + std::to_string(entry.key.value()) + ";";
    }
    EXPECT_EQ(listed,
              cp("ahoj 16;AHOJ 17;Beta Trade 10;Cukr 15;čaj 14;Ga\n ma 12;sova 19;Šipka 18;"));
    EXPECT_EQ(viewFilter(ExhibitorView::News, "  SEKCE_ID=1 ") + "|" +
                  viewFilter(ExhibitorView::News, "   ") + "|" +
                  viewFilter(ExhibitorView::Exhibits, "SEKCE_ID=4"),
              "NOVINKA='x' and SEKCE_ID=1|NOVINKA='x'|COUNTEXP>0 and SEKCE_ID=4");
}

// The status bar's line and its hint: the counts, and with a selection its description, which
// alone is the hint.
TEST(LogicExhibitorList, StatusLineAndHint) {
    LanguageTexts texts;
    texts.FTextExhibitorCount = cp("Počet vystavovatelů");
    texts.FTextInNotebook = cp("V zápisníku");
    texts.FTextShown = cp("Zobrazených");
    texts.FTextSelection = cp("Výběr");
    const StatusLine plain = statusLine(texts, 2, 15, "");
    const StatusLine selection = statusLine(texts, 0, 3, cp("(název obsahuje \"a\")"));
    EXPECT_EQ(
        plain.caption + "|" + plain.hint + "|" + selection.caption + "|" + selection.hint,
        cp(" Počet vystavovatelů - V zápisníku: 2, Zobrazených: 15| Počet vystavovatelů - V "
           "zápisníku: 2, Zobrazených: 15| Počet vystavovatelů - V zápisníku: 0, Zobrazených: "
           "3   - Výběr: (název obsahuje \"a\")|Výběr: (název obsahuje \"a\")"));
}

}  // namespace
}  // namespace expo::presentation
