#include "presentation/catalogue_loading.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>

#include "platform/dataset/packet.h"
#include "platform/text/error.h"
#include "tests/core/temp_folder.h"
#include "tests/logic/support.h"

namespace expo::presentation {
namespace {

using testing::settings;
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
        const char* error;     // the beginning of the message, UTF-8
    } cases[] = {
        {kConfigSections, true, false, {}, 12, "101111111111", kBothSections, ""},
        {kConfigSections, false, false, kNoFiles, 12, "000000000000", kBothSections, ""},
        {kConfigSections, true, true, {}, 1, "100000000000", "", ""},
        {kConfigSections,
         true,
         false,
         {3},
         4,
         "101000000000",
         kBothSections,
         "Nepodařilo se otevřít datový soubor data3.dat:\r\rDůvod:"},
        {kNoConfigSections,
         true,
         false,
         {1},
         2,
         "100000000000",
         nullptr,
         "Nepodařilo se otevřít datový soubor data1.dat:"},
        {kConfigSections, true, false, {11}, 12, "101111111110", kBothSections, ""},
    };
    for (const auto& c : cases) {
        const LoadRun run(c.config, c.loadData, c.hideData, c.missing);
        EXPECT_TRUE(run.error.starts_with(text::cp(c.error))) << run.error;
        EXPECT_EQ(run.error.empty(), *c.error == '\0') << run.error;
        EXPECT_EQ(run.lines.size(), c.steps) << c.open;
        EXPECT_EQ(run.lines.back(),
                  text::cp("načítání datových souborů: ") + std::to_string(c.steps) + " z 12.");
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

}  // namespace
}  // namespace expo::presentation
