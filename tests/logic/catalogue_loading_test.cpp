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

const char* const kConfigSections =
    "[SysPolozkaVystavovatele]\ntext0=Vystavovatele\nsablona0=sablona.htm\n"
    "[sekce katalogu]\nano=1\n"
    "[sekce 1 na CD]\njaz0=Stroje\nsekce katalogu=1,2\n"
    "[sekce 2 na CD]\njaz0=Nabytek\nsekce katalogu=3\n";

struct LoadRun {
    NavigationTree tree;
    RepresentedLists lists;
    std::vector<std::string> lines;
};

// Loads as the language loading does after building the navigation tree.
void load(Catalogue& catalogue, const IniFile& config, const DataFolder& folder, bool loadData,
          LoadRun& run, bool hideData = false) {
    run.tree = buildNavigationTree(config, config.sections(), 0, hideData);
    const CatalogueLoading request{0, loadData, hideData, "sablona.htm", folder.path(), "z"};
    loadCatalogue(catalogue, config, request, run.tree, run.lists,
                  [&run](const std::string& line) { run.lines.push_back(line); });
}

std::string line(int step) {
    return text::cp("načítání datových souborů: ") + std::to_string(step) + " z 12.";
}

std::vector<std::string> lines(int last) {
    std::vector<std::string> result;
    for (int step = 1; step <= last; ++step) {
        result.push_back(line(step));
    }
    return result;
}

std::vector<bool> openDataSets(Catalogue& catalogue) {
    std::vector<bool> open;
    for (int i = 0; i < Catalogue::kDataSetCount; ++i) {
        open.push_back(catalogue.dataSet(i).active());
    }
    return open;
}

std::string errorOf(const std::function<void()>& run) {
    try {
        run();
    } catch (const Error& e) {
        return e.what();
    }
    return "no error";
}

TEST(LogicCatalogueLoading, ProgressLineAndErrorMessage) {
    EXPECT_EQ(dataFileProgressLine("loading", 7, "of"), "loading: 7 of 12.");
    EXPECT_EQ(dataFileErrorMessage(10, "missing"),
              text::cp("Nepodařilo se otevřít datový soubor data10.dat:\r\rDůvod:missing"));
}

TEST(LogicCatalogueLoading, FirstLoadingOpensEveryFileAndBuildsTheLists) {
    DataFolder folder;
    folder.writeAll();
    Catalogue catalogue;
    LoadRun run;
    load(catalogue, settings(kConfigSections), folder, true, run);

    EXPECT_EQ(run.lines, lines(12));
    // data1.dat is not needed: the sections come from config.ini.
    std::vector<bool> expected(12, true);
    expected[1] = false;
    EXPECT_EQ(openDataSets(catalogue), expected);
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
    Catalogue catalogue;
    LoadRun run;
    load(catalogue, settings(kConfigSections), folder, false, run);
    EXPECT_EQ(run.lines, lines(12));
    EXPECT_EQ(openDataSets(catalogue), std::vector<bool>(12, false));
    EXPECT_EQ(run.tree.exhibitorNode->children.size(), 2u);
    EXPECT_TRUE(run.lists.firms.empty());
}

TEST(LogicCatalogueLoading, SectionsFromTheDatasetAlsoOnALanguageSwitch) {
    DataFolder folder;
    folder.write(1, {{{"SEKCE_ID", int64_t{5}}, {"SEKCE_NAZEV0", "Obuv  "}},
                     {{"SEKCE_ID", int64_t{9}}, {"SEKCE_NAZEV0", ""}}});
    Catalogue catalogue;
    LoadRun run;
    // "sekce 1 na CD" without the section "sekce katalogu".
    load(catalogue,
         settings("[SysPolozkaVystavovatele]\ntext0=V\nsablona0=s.htm\n"
                  "[sekce 1 na CD]\njaz0=Nepouzito\n"),
         folder, false, run);
    EXPECT_TRUE(catalogue.CDSSekce.active());
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
    Catalogue catalogue;
    LoadRun run;
    load(catalogue, settings(std::string(kConfigSections) + "[aplikace]\nSkrytData=\n"), folder,
         true, run, true);
    EXPECT_EQ(run.lines, lines(1));
    std::vector<bool> expected(12, false);
    expected[0] = true;
    EXPECT_EQ(openDataSets(catalogue), expected);
    EXPECT_EQ(run.tree.exhibitorNode, nullptr);
    EXPECT_TRUE(run.tree.empty());
}

TEST(LogicCatalogueLoading, AMissingFileEndsTheLoadingWithItsMessage) {
    DataFolder folder;
    folder.writeAll({3});
    Catalogue catalogue;
    LoadRun run;
    const std::string message =
        errorOf([&] { load(catalogue, settings(kConfigSections), folder, true, run); });
    EXPECT_EQ(
        message.rfind(text::cp("Nepodařilo se otevřít datový soubor data3.dat:\r\rDůvod:"), 0), 0u)
        << message;
    EXPECT_EQ(run.lines, lines(4));
    std::vector<bool> expected(12, false);
    expected[0] = expected[2] = true;
    EXPECT_EQ(openDataSets(catalogue), expected);
}

TEST(LogicCatalogueLoading, AMissingSectionsFileIsTheErrorOfDataOne) {
    DataFolder folder;
    folder.writeAll({1});
    Catalogue catalogue;
    LoadRun run;
    const std::string message = errorOf([&] {
        load(catalogue, settings("[SysPolozkaVystavovatele]\ntext0=V\nsablona0=s.htm\n"), folder,
             true, run);
    });
    EXPECT_EQ(message.rfind(text::cp("Nepodařilo se otevřít datový soubor data1.dat:"), 0), 0u)
        << message;
    EXPECT_EQ(run.lines, lines(2));
}

TEST(LogicCatalogueLoading, AMissingAdditionalInformationFileIsIgnored) {
    DataFolder folder;
    folder.writeAll({11});
    Catalogue catalogue;
    LoadRun run;
    EXPECT_NO_THROW(load(catalogue, settings(kConfigSections), folder, true, run));
    EXPECT_EQ(run.lines, lines(12));
    EXPECT_FALSE(catalogue.CDSDoplnInf.active());
    EXPECT_TRUE(catalogue.CDSCisStat.active());
}

}  // namespace
}  // namespace expo::presentation
