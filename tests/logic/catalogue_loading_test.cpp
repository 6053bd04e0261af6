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

// Field values of one record by field name; every other field is null.
using Record = std::map<std::string, ds::Value>;

// A disc's data folder with the twelve files written from the catalogue's own declarations.
class DataFolder {
  public:
    DataFolder() { std::filesystem::create_directories(path()); }

    std::string path() const { return (temp_.path() / "data").string(); }

    // Writes data file i with `records`; a file of no records when none are given.
    void write(int i, const std::vector<Record>& records = {}) {
        Catalogue declarations;
        ds::Packet packet;
        packet.fields = declarations.dataSet(i).declaredFields();
        for (const Record& record : records) {
            std::vector<ds::Value> row;
            for (const ds::FieldDef& field : packet.fields) {
                const auto value = record.find(field.name);
                row.push_back(value == record.end() ? ds::Value{ds::Null{}} : value->second);
            }
            packet.rows.push_back(std::move(row));
        }
        temp_.write("data/" + Catalogue::fileName(i), ds::writeBinaryPacket(packet));
    }

    // Every file, the represented firms and brands with a few records.
    void writeAll(const std::set<int>& except = {}) {
        for (int i = 0; i < Catalogue::kDataSetCount; ++i) {
            if (except.contains(i)) {
                continue;
            }
            if (i == 6) {
                write(i, {firm("Zeta"), firm(" alfa "), firm("ALFA"), firm("Beta")});
            } else if (i == 7) {
                write(i, {brand("Omega"), brand("omega "), brand("Delta")});
            } else {
                write(i);
            }
        }
    }

  private:
    static Record firm(const char* name) { return {{"KAT_ID", int64_t{1}}, {"KTF_TEXT", name}}; }
    static Record brand(const char* name) { return {{"KAT_ID", int64_t{1}}, {"KTZ_TEXT", name}}; }

    expo::testing::TempFolder temp_;
};

// Loads as the language loading does after building the navigation tree.
struct LoadRun {
    LoadRun(const DataFolder& folder, const std::string& config, bool loadData,
            bool hideData = false) {
        const IniFile ini = settings(config);
        tree = buildNavigationTree(ini, ini.sections(), 0, hideData);
        const CatalogueLoading request{0, loadData, hideData, "sablona.htm", folder.path(), "z"};
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
    // The progress lines ended with that of step `last`.
    bool stepsUpTo(size_t last) const {
        return lines.size() == last && lines.back() == text::cp("načítání datových souborů: ") +
                                                           std::to_string(last) + " z 12.";
    }

    Catalogue catalogue;
    NavigationTree tree;
    RepresentedLists lists;
    std::vector<std::string> lines;
    std::string error;
    std::string open;  // '1' for each open dataset, data0 first
};

const char* const kConfigSections =
    "[SysPolozkaVystavovatele]\ntext0=Vystavovatele\nsablona0=sablona.htm\n"
    "[sekce katalogu]\nano=1\n"
    "[sekce 1 na CD]\njaz0=Stroje\nsekce katalogu=1,2\n"
    "[sekce 2 na CD]\njaz0=Nabytek\nsekce katalogu=3\n";
const char* const kNoConfigSections = "[SysPolozkaVystavovatele]\ntext0=V\nsablona0=s.htm\n";

TEST(LogicCatalogueLoading, ProgressLineAndErrorMessage) {
    EXPECT_EQ(dataFileProgressLine("loading", 7, "of"), "loading: 7 of 12.");
    EXPECT_EQ(dataFileErrorMessage(10, "missing"),
              text::cp("Nepodařilo se otevřít datový soubor data10.dat:\r\rDůvod:missing"));
}

TEST(LogicCatalogueLoading, FirstLoadingOpensEveryFileButTheSectionsAndBuildsTheLists) {
    DataFolder folder;
    folder.writeAll();
    const LoadRun run(folder, kConfigSections, true);
    EXPECT_TRUE(run.stepsUpTo(12));
    EXPECT_EQ(run.open, "101111111111");  // the sections come from config.ini
    EXPECT_EQ(run.lists.firms, (std::vector<std::string>{"alfa", "Beta", "Zeta"}));
    EXPECT_EQ(run.lists.brands, (std::vector<std::string>{"Delta", "Omega"}));
    ASSERT_NE(run.tree.exhibitorNode, nullptr);
    const auto& sections = run.tree.exhibitorNode->children;
    ASSERT_EQ(sections.size(), 2u);
    EXPECT_EQ(sections[0]->caption, "Stroje");
    EXPECT_EQ(sections[0]->data.Filter, "SEKCE_ID in (1 , 2)");
    EXPECT_EQ(sections[0]->data.Url, "sablona.htm");
    EXPECT_EQ(sections[1]->data.ItemKey, "sekce 2 na CD");
}

TEST(LogicCatalogueLoading, LanguageSwitchLoadsNoFileButBuildsTheSections) {
    DataFolder folder;  // no files at all
    const LoadRun run(folder, kConfigSections, false);
    EXPECT_TRUE(run.stepsUpTo(12));
    EXPECT_EQ(run.open, "000000000000");
    EXPECT_EQ(run.tree.exhibitorNode->children.size(), 2u);
    EXPECT_TRUE(run.lists.firms.empty());
}

TEST(LogicCatalogueLoading, SectionsFromTheDatasetAlsoOnALanguageSwitch) {
    DataFolder folder;
    folder.write(1, {{{"SEKCE_ID", int64_t{5}}, {"SEKCE_NAZEV0", "Obuv  "}},
                     {{"SEKCE_ID", int64_t{9}}, {"SEKCE_NAZEV0", ""}}});
    // "sekce 1 na CD" without the section "sekce katalogu".
    const LoadRun run(folder, std::string(kNoConfigSections) + "[sekce 1 na CD]\njaz0=Nepouzito\n",
                      false);
    EXPECT_EQ(run.open, "010000000000");
    const auto& sections = run.tree.exhibitorNode->children;
    ASSERT_EQ(sections.size(), 2u);
    EXPECT_EQ(sections[0]->caption, "Obuv");
    EXPECT_EQ(sections[0]->data.Filter, "SEKCE_ID=5");
    EXPECT_EQ(sections[0]->data.ItemKey, "");
    EXPECT_EQ(sections[1]->caption, "");
}

TEST(LogicCatalogueLoading, HiddenDataLoadOnlyTheLanguages) {
    DataFolder folder;
    folder.writeAll();
    const LoadRun run(folder, std::string(kConfigSections) + "[aplikace]\nSkrytData=\n", true,
                      true);
    EXPECT_TRUE(run.stepsUpTo(1));
    EXPECT_EQ(run.open, "100000000000");
    EXPECT_TRUE(run.tree.empty());
}

TEST(LogicCatalogueLoading, AMissingFileEndsTheLoadingWithItsMessageButTheLastOne) {
    const struct {
        int missing;
        const char* config;
        size_t steps;
        const char* error;  // the beginning of the message, UTF-8
        const char* open;
    } cases[] = {
        {3, kConfigSections, 4,
         "Nepodařilo se otevřít datový soubor data3.dat:\r\rDůvod:", "101000000000"},
        {1, kNoConfigSections, 2, "Nepodařilo se otevřít datový soubor data1.dat:", "100000000000"},
        {11, kConfigSections, 12, "", "101111111110"},  // additional information is optional
    };
    for (const auto& c : cases) {
        DataFolder folder;
        folder.writeAll({c.missing});
        const LoadRun run(folder, c.config, true);
        EXPECT_TRUE(run.error.starts_with(text::cp(c.error))) << run.error;
        EXPECT_EQ(run.error.empty(), *c.error == '\0') << run.error;
        EXPECT_TRUE(run.stepsUpTo(c.steps)) << c.missing;
        EXPECT_EQ(run.open, c.open) << c.missing;
    }
}

}  // namespace
}  // namespace expo::presentation
