// The notebook's changes without a window: adding the selected exhibitors with the "already
// there" rule, and removing the selected ones with the entry shown afterwards.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "presentation/notebook.h"

namespace expo::presentation {
namespace {

ExhibitorEntry entry(const char* name, int32_t key) {
    return {name, key};
}

std::vector<std::string> names(const Notebook& notebook) {
    std::vector<std::string> result;
    for (const ExhibitorEntry& e : notebook) {
        result.push_back(e.name);
    }
    return result;
}

using Names = std::vector<std::string>;

TEST(NotebookAdd, AppendsInTheListsOrderAfterWhatIsThere) {
    Notebook notebook{entry("Gama", 3)};
    EXPECT_EQ(addToNotebook(notebook, {entry("Alfa", 1), entry("Beta", 2)}), 0u);
    EXPECT_EQ(names(notebook), (Names{"Gama", "Alfa", "Beta"}));
}

TEST(NotebookAdd, TheSameExhibitorAloneIsReportedAndNotAddedAgain) {
    Notebook notebook{entry("Alfa", 1)};
    const size_t skipped = addToNotebook(notebook, {entry("Alfa", 1)});
    EXPECT_EQ(skipped, 1u);
    EXPECT_TRUE(tellsAlreadyInNotebook(1, skipped));
    EXPECT_EQ(names(notebook), (Names{"Alfa"}));
}

TEST(NotebookAdd, AmongSeveralSelectedTheNotedOneIsPassedOverSilently) {
    Notebook notebook{entry("Beta", 2)};
    const std::vector<ExhibitorEntry> selected{entry("Alfa", 1), entry("Beta", 2),
                                               entry("Gama", 3)};
    const size_t skipped = addToNotebook(notebook, selected);
    EXPECT_EQ(skipped, 1u);
    EXPECT_FALSE(tellsAlreadyInNotebook(selected.size(), skipped));
    EXPECT_EQ(names(notebook), (Names{"Beta", "Alfa", "Gama"}));
}

TEST(NotebookAdd, ASingleNewExhibitorIsNotReported) {
    Notebook notebook;
    const size_t skipped = addToNotebook(notebook, {entry("Alfa", 1)});
    EXPECT_EQ(skipped, 0u);
    EXPECT_FALSE(tellsAlreadyInNotebook(1, skipped));
    EXPECT_EQ(names(notebook), (Names{"Alfa"}));
}

TEST(NotebookAdd, KeysDecideNotNames) {
    Notebook notebook;
    addToNotebook(notebook, {entry("Alfa", 1), entry("Alfa", 2)});
    EXPECT_EQ(notebook.size(), 2u);
    // A different name under a key already noted is the same exhibitor.
    EXPECT_EQ(addToNotebook(notebook, {entry("Alfa s.r.o.", 2)}), 1u);
    EXPECT_EQ(names(notebook), (Names{"Alfa", "Alfa"}));  // the noted entry is kept as it was
}

TEST(NotebookAdd, EntriesAddedInTheSameCallCountAsNoted) {
    Notebook notebook;
    EXPECT_EQ(addToNotebook(notebook, {entry("Alfa", 1), entry("Alfa", 1)}), 1u);
    EXPECT_EQ(names(notebook), (Names{"Alfa"}));
}

struct RemovalCase {
    const char* name;
    std::vector<bool> selected;  // of the list A B C D E
    Names remaining;
    int rowToShow;
};

class NotebookRemove : public ::testing::TestWithParam<RemovalCase> {};

TEST_P(NotebookRemove, KeepsTheOthersInListOrderAndShowsTheOneBeforeTheLastSelected) {
    const std::vector<ExhibitorEntry> list{entry("A", 1), entry("B", 2), entry("C", 3),
                                           entry("D", 4), entry("E", 5)};
    const NotebookRemoval removal = removeSelected(list, GetParam().selected);
    EXPECT_EQ(names(removal.remaining), GetParam().remaining);
    EXPECT_EQ(removal.rowToShow, GetParam().rowToShow);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NotebookRemove,
    ::testing::Values(
        // The new first entry.
        RemovalCase{"First", {true, false, false, false, false}, {"B", "C", "D", "E"}, 0},
        // The second, which stood just before the third.
        RemovalCase{"Third", {false, false, true, false, false}, {"A", "B", "D", "E"}, 1},
        // The third, which stood just before the fourth.
        RemovalCase{"SecondAndFourth", {false, true, false, true, false}, {"A", "C", "E"}, 1},
        RemovalCase{"Last", {false, false, false, false, true}, {"A", "B", "C", "D"}, 3},
        RemovalCase{"FirstTwo", {true, true, false, false, false}, {"C", "D", "E"}, 0},
        RemovalCase{"Nothing", {false, false, false, false, false}, {"A", "B", "C", "D", "E"}, 0},
        RemovalCase{"Everything", {true, true, true, true, true}, {}, -1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(NotebookRemoveFromEmpty, NothingRemainsAndNothingIsShown) {
    const NotebookRemoval removal = removeSelected({}, {});
    EXPECT_TRUE(removal.remaining.empty());
    EXPECT_EQ(removal.rowToShow, -1);
}

}  // namespace
}  // namespace expo::presentation
