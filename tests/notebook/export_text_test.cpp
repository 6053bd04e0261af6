// The export text without a window: the place and placement lines, each exhibitor's block, the
// notebook's order, the progress line, the saved file's bytes and Ctrl+Shift+Q's drive message.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "platform/os/files.h"
#include "platform/text/error.h"
#include "platform/text/text.h"
#include "presentation/notebook_export.h"
#include "tests/template/page_data.h"

namespace expo::presentation {
namespace {

using text::cp;
using Lines = std::vector<std::string>;

TEST(ExportLines, PlaceJoinsCityAndCountryCodePlacementAreaAndStand) {
    const struct {
        const char* city;  // UTF-8
        const char* code;
        const char* line;
    } places[] = {
        {"Brno", "CZE", "Brno, CZE"},
        {"", "CZE", ", CZE"},
        {"   ", "SVK", ", SVK"},
        {"Frýdek-Místek", "", "Frýdek-Místek"},
        {"Brno", "   ", "Brno"},
        {"  ", " ", ""},
        {"  Kroměříž    ", " CZE", "Kroměříž, CZE"},
    };
    for (const auto& c : places) {
        EXPECT_EQ(exportPlaceLine(cp(c.city), c.code), cp(c.line)) << c.city << c.code;
    }
    const std::tuple<const char*, const char*, const char*> placements[] = {
        {"A", "A 140", "A - A 140"}, {"B", "", "B"},       {"B", "     ", "B"},
        {"", "A 140", ""},           {"   ", "A 140", ""}, {" VP ", "VP 101    ", "VP - VP 101"},
    };
    for (const auto& [area, stand, line] : placements) {
        EXPECT_EQ(exportPlacementLine(area, stand), line) << area << stand;
    }
}

// Exhibitors and placements as the catalogue holds them: fixed-length text with its blanks.
class ExportBlocks : public ::testing::Test {
  protected:
    ExportBlocks() {
        using testing::load;
        load(zaznamy, {"KAT_ID:int", "KAT_NAZEV", "KAT_MESTO", "STAT_ID"},
             {{1, cp("  Agroline a.s.   "), cp("Frýdek-Místek   "), "CZE"},
              {2, cp("Sdružení výrobců\r\nzemědělské techniky"), "", "SVK"},
              {3, "Bez adresy", ds::Null{}, ds::Null{}},
              {4, "Lone\nLF", "Brno", "   "}});
        load(umisteni, {"KTU_STANEK", "PLO_ZKRAT", "KAT_ID:int"},
             {{"A 140     ", "A", 1},
              {"X 1       ", "   ", 1},
              {"          ", "VP", 1},
              {"G 101     ", "G", 2},
              {"Z 9       ", "Z", 99}});
        umisteni.setIndexFieldNames("KAT_ID");
    }

    Lines block(int32_t key) { return exhibitorExportLines(zaznamy, umisteni, key); }

    Lines exportOf(const Notebook& notebook) {
        return notebookExportLines(notebook, zaznamy, umisteni, [](size_t, size_t) {});
    }

    ds::ClientDataSet zaznamy{"CDSZaznamy"};
    ds::ClientDataSet umisteni{"CDSUmisteni"};
};

TEST_F(ExportBlocks, NamePlaceThePlacementsWithAnAreaAndTheSeparator) {
    EXPECT_EQ(block(1), (Lines{"Agroline a.s.", cp("Frýdek-Místek, CZE"), "A - A 140", "VP", ""}));
    // A line break in the name becomes one blank; a lone LF stays.
    EXPECT_EQ(block(2),
              (Lines{cp("Sdružení výrobců zemědělské techniky"), ", SVK", "G - G 101", ""}));
    EXPECT_EQ(block(4), (Lines{"Lone\nLF", "Brno", ""}));
    EXPECT_EQ(block(3), (Lines{"Bez adresy", ""}));
    EXPECT_EQ(block(99), Lines{});  // without its record: its placement is not looked at
}

TEST_F(ExportBlocks, BothDataSetsStayNarrowedToTheLastExhibitor) {
    block(2);
    EXPECT_EQ(zaznamy.filter(), "KAT_ID=2");
    EXPECT_TRUE(zaznamy.filtered());
    EXPECT_EQ(umisteni.filter(), "KAT_ID=2");
    EXPECT_TRUE(umisteni.filtered());
    EXPECT_EQ(umisteni.recordCount(), 1);
}

TEST_F(ExportBlocks, BlocksFollowTheNotebooksOrderAndToldEachPosition) {
    const Notebook notebook{{"C", 3}, {"chybí", 99}, {"A", 1}};
    std::vector<std::pair<size_t, size_t>> told;
    const Lines lines = notebookExportLines(notebook, zaznamy, umisteni,
                                            [&](size_t i, size_t n) { told.emplace_back(i, n); });
    EXPECT_EQ(lines, (Lines{"Bez adresy", "", "Agroline a.s.", cp("Frýdek-Místek, CZE"),
                            "A - A 140", "VP", ""}));
    EXPECT_EQ(told, (std::vector<std::pair<size_t, size_t>>{{1, 3}, {2, 3}, {3, 3}}));
}

TEST_F(ExportBlocks, TheBoxShowsTheLinesEachEndedByALineBreak) {
    EXPECT_EQ(exportBoxText(exportOf({{"A", 1}, {"B", 3}})),
              cp("Agroline a.s.\nFrýdek-Místek, CZE\nA - A 140\nVP\n\nBez adresy\n\n"));
}

TEST(ExportFile, EveryLineEndsWithCrLfAndAFinalEmptyLineIsNone) {
    const std::pair<Lines, const char*> cases[] = {
        {{}, ""},
        {{""}, ""},
        {{"a"}, "a\r\n"},
        {{"a", ""}, "a\r\n"},
        {{"a", "", ""}, "a\r\n\r\n"},
        {{"", "b"}, "\r\nb\r\n"},
    };
    for (const auto& [lines, bytes] : cases) {
        EXPECT_EQ(exportFileBytes(lines), bytes) << lines.size();
    }
}

TEST(ExportProgress, RecordOfCount) {
    LanguageTexts texts;
    texts.FTextRecord = cp("záznam");
    texts.FTextOf = "z";
    EXPECT_EQ(exportProgressLine(texts, 2, 15), cp("záznam 2 z 15"));
}

TEST(DriveTypeMessage, TheNumberOrTheReason) {
    EXPECT_EQ(driveTypeMessage([] { return 5; }), "Typ jednotky: 5");
    EXPECT_EQ(driveTypeMessage([]() -> int { throw Error(cp("Jednotka není připravena")); }),
              cp("Chyba při zjišťování typu jednotky.\r\rDůvod:Jednotka není připravena"));
}

TEST(OutputFile, AFailingWriteNamesTheFileAndTheReason) {
    if (!std::filesystem::exists("/dev/full")) {
        GTEST_SKIP() << "no /dev/full";
    }
    os::OutputFile file;
    ASSERT_EQ(file.create("/dev/full"), 0);
    try {
        file.write("x");
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_EQ(std::string(e.what()),
                  cp("Chyba při zápisu do souboru: /dev/full (") + std::strerror(ENOSPC) + ")");
    }
}

}  // namespace
}  // namespace expo::presentation
