// The notebook and its export without a window: adding and removing exhibitors, the place and
// placement lines, each exhibitor's block, the notebook's order, the saved file's bytes and
// Ctrl+Shift+Q's drive message.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "platform/text/error.h"
#include "platform/text/text.h"
#include "presentation/catalogue/notebook.h"
#include "presentation/catalogue/notebook_export.h"
#include "tests/presentation/page/page_data.h"

namespace expo::presentation {
namespace {

using text::cp;
using Lines = std::vector<std::string>;

Lines names(const Notebook& notebook) {
    Lines result;
    for (const ExhibitorEntry& e : notebook) {
        result.push_back(e.name);
    }
    return result;
}

TEST(NotebookAdd, AppendsWhatIsNotThereByKeyAndTellsOnlyOfASingleNotedOne) {
    const std::tuple<Notebook, std::vector<ExhibitorEntry>, size_t, bool, Lines> cases[] = {
        // clang-format off
        {{{"Gama", 3}}, {{"Alfa", 1}, {"Beta", 2}}, 0, false, {"Gama", "Alfa", "Beta"}},
        {{{"Alfa", 1}}, {{"Alfa", 1}}, 1, true, {"Alfa"}},
        {{}, {{"Alfa", 1}, {"Alfa", 2}}, 0, false, {"Alfa", "Alfa"}},  // keys decide, not names
        {{{"Alfa", 2}}, {{"Alfa s.r.o.", 2}}, 1, true, {"Alfa"}},      // the noted entry is kept
        {{}, {{"Alfa", 1}, {"Alfa", 1}}, 1, false, {"Alfa"}},          // added in the same call
        // clang-format on
    };
    for (const auto& [before, selected, passedOver, tells, after] : cases) {
        Notebook notebook = before;
        const size_t skipped = addToNotebook(notebook, selected);
        EXPECT_EQ(
            std::tuple(skipped, tellsAlreadyInNotebook(selected.size(), skipped), names(notebook)),
            std::tuple(passedOver, tells, after));
    }
}

TEST(NotebookRemove, KeepsTheOthersInListOrderAndShowsTheOneBeforeTheLastSelected) {
    const std::vector<ExhibitorEntry> list{{"A", 1}, {"B", 2}, {"C", 3}, {"D", 4}, {"E", 5}};
    const std::tuple<std::vector<bool>, Lines, int> cases[] = {
        // clang-format off
        {{true, false, false, false, false}, {"B", "C", "D", "E"}, 0},  // the new first
        {{false, true, false, true, false}, {"A", "C", "E"}, 1},        // C stood before D
        {{false, false, false, false, true}, {"A", "B", "C", "D"}, 3}, {{true, true, true, true, true}, {}, -1},
        // clang-format on
    };
    for (const auto& [selected, remaining, rowToShow] : cases) {
        const NotebookRemoval removal = removeSelected(list, selected);
        EXPECT_EQ(std::pair(names(removal.remaining), removal.rowToShow),
                  std::pair(remaining, rowToShow));
    }
}

// Name, place, the placements with an area and the separator of each exhibitor in the
// notebook's order, each position told; the box shows the lines each ended by a line break.
// Exhibitors and placements as the catalogue holds them: fixed-length text with its blanks.
TEST(ExportBlocks, BlocksInTheNotebooksOrder) {
    ds::ClientDataSet zaznamy{"CDSZaznamy"}, umisteni{"CDSUmisteni"};
    // clang-format off
    testing::load(zaznamy, {"KAT_ID:int", "KAT_NAZEV", "KAT_MESTO", "STAT_ID"},
         {{1, cp("  Agroline a.s.   "), cp("Frýdek-Místek   "), "CZE"}, {3, "Bez adresy", ds::Null{}, ds::Null{}},
          {2, cp("Sdružení výrobců\r\nzemědělské techniky"), "", "SVK"}, {4, "Lone\nLF", "Brno", "   "}});
    testing::load(umisteni, {"KTU_STANEK", "PLO_ZKRAT", "KAT_ID:int"}, {{"A 140     ", "A", 1},
         {"X 1       ", "   ", 1}, {"          ", "VP", 1}, {"G 101     ", "G", 2}, {"Z 9       ", "Z", 99}});
    // clang-format on
    umisteni.setIndexFieldNames("KAT_ID");
    const auto block = [&](int32_t key) { return exhibitorExportLines(zaznamy, umisteni, key); };
    // A line break in the name becomes one blank; a lone LF stays.
    EXPECT_EQ(block(2),
              (Lines{cp("Sdružení výrobců zemědělské techniky"), ", SVK", "G - G 101", ""}));
    EXPECT_EQ(block(4), (Lines{"Lone\nLF", "Brno", ""}));
    EXPECT_EQ(block(99), Lines{});  // without its record: its placement is not looked at
    const Notebook notebook{{"C", 3}, {"chybí", 99}, {"A", 1}};
    std::vector<std::pair<size_t, size_t>> told;
    const Lines lines = notebookExportLines(notebook, zaznamy, umisteni,
                                            [&](size_t i, size_t n) { told.emplace_back(i, n); });
    EXPECT_EQ(exportBoxText(lines),
              cp("Bez adresy\n\nAgroline a.s.\nFrýdek-Místek, CZE\nA - A 140\nVP\n\n"));
    EXPECT_EQ(told, (std::vector<std::pair<size_t, size_t>>{{1, 3}, {2, 3}, {3, 3}}));
}

TEST(ExportFile, EveryLineEndsWithCrLfAndAFinalEmptyLineIsNone) {
    EXPECT_EQ(exportFileBytes({}) + "|" + exportFileBytes({""}) + "|" + exportFileBytes({"a", ""}) +
                  "|" + exportFileBytes({"", "b"}),
              "||a\r\n|\r\nb\r\n");
}

TEST(DriveTypeMessage, TheNumberOrTheReason) {
    EXPECT_EQ(driveTypeMessage([] { return 5; }), "Typ jednotky: 5");
    EXPECT_EQ(driveTypeMessage([]() -> int { throw Error(cp("Jednotka není připravena")); }),
              cp("Chyba při zjišťování typu jednotky.\r\rDůvod:Jednotka není připravena"));
}

}  // namespace
}  // namespace expo::presentation
