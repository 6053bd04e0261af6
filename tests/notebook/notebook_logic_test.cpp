// The notebook's changes without a window: adding the selected exhibitors with the "already
// there" rule, and removing the selected ones with the entry shown afterwards.
#include <gtest/gtest.h>

#include <tuple>

#include "presentation/notebook.h"

namespace expo::presentation {
namespace {

using Names = std::vector<std::string>;

Names names(const Notebook& notebook) {
    Names result;
    for (const ExhibitorEntry& e : notebook) {
        result.push_back(e.name);
    }
    return result;
}

TEST(NotebookAdd, AppendsWhatIsNotThereByKeyAndTellsOnlyOfASingleNotedOne) {
    const std::tuple<Notebook, std::vector<ExhibitorEntry>, size_t, bool, Names> cases[] = {
        {{{"Gama", 3}}, {{"Alfa", 1}, {"Beta", 2}}, 0, false, {"Gama", "Alfa", "Beta"}},
        {{{"Alfa", 1}}, {{"Alfa", 1}}, 1, true, {"Alfa"}},
        {{{"Beta", 2}},
         {{"Alfa", 1}, {"Beta", 2}, {"Gama", 3}},
         1,
         false,
         {"Beta", "Alfa", "Gama"}},
        {{}, {{"Alfa", 1}}, 0, false, {"Alfa"}},
        {{}, {{"Alfa", 1}, {"Alfa", 2}}, 0, false, {"Alfa", "Alfa"}},  // keys decide, not names
        {{{"Alfa", 2}}, {{"Alfa s.r.o.", 2}}, 1, true, {"Alfa"}},      // the noted entry is kept
        {{}, {{"Alfa", 1}, {"Alfa", 1}}, 1, false, {"Alfa"}},          // added in the same call
    };
    for (const auto& [before, selected, passedOver, tells, after] : cases) {
        Notebook notebook = before;
        const size_t skipped = addToNotebook(notebook, selected);
        EXPECT_EQ(skipped, passedOver) << selected.front().name;
        EXPECT_EQ(tellsAlreadyInNotebook(selected.size(), skipped), tells) << selected.size();
        EXPECT_EQ(names(notebook), after);
    }
}

TEST(NotebookRemove, KeepsTheOthersInListOrderAndShowsTheOneBeforeTheLastSelected) {
    const std::vector<ExhibitorEntry> list{{"A", 1}, {"B", 2}, {"C", 3}, {"D", 4}, {"E", 5}};
    const std::tuple<std::vector<bool>, Names, int> cases[] = {
        {{true, false, false, false, false}, {"B", "C", "D", "E"}, 0},  // the new first
        {{false, false, true, false, false}, {"A", "B", "D", "E"}, 1},
        {{false, true, false, true, false}, {"A", "C", "E"}, 1},  // C stood before D
        {{false, false, false, false, true}, {"A", "B", "C", "D"}, 3},
        {{true, true, false, false, false}, {"C", "D", "E"}, 0},
        {{false, false, false, false, false}, {"A", "B", "C", "D", "E"}, 0},
        {{true, true, true, true, true}, {}, -1},
    };
    for (const auto& [selected, remaining, rowToShow] : cases) {
        const NotebookRemoval removal = removeSelected(list, selected);
        EXPECT_EQ(names(removal.remaining), remaining);
        EXPECT_EQ(removal.rowToShow, rowToShow) << names(removal.remaining).size();
    }
    EXPECT_EQ(removeSelected({}, {}).rowToShow, -1);
}

}  // namespace
}  // namespace expo::presentation
