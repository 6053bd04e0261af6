#include "presentation/exhibitor_list.h"

#include <gtest/gtest.h>

#include <tuple>

#include "platform/text/text.h"

namespace expo::presentation {
namespace {

using text::cp;

TEST(LogicExhibitorList, NameTrimmedWithLineBreaksAsBlanks) {
    const std::pair<const char*, const char*> cases[] = {
        {"  ACME\r\nPraha  ", "ACME Praha"},
        {"\tA\r\n\r\nB\x01", "A  B"},
        {"A\rB\nC", "A\rB\nC"},
        {"A\n\r\nB", "A\n B"},
        {"\r\nA\r\n", "A"},
        {"   ", ""},
    };
    for (const auto& [katNazev, name] : cases) {
        EXPECT_EQ(exhibitorDisplayName(katNazev), name) << katNazev;
    }
}

TEST(LogicExhibitorList, SortsByTheCzechAlphabetWithoutCase) {
    std::vector<ExhibitorEntry> entries{{cp("Dům"), 1}, {cp("čaj"), 2},   {"Cukr", 3}, {"ahoj", 4},
                                        {"AHOJ", 5},    {cp("Šipka"), 6}, {"sova", 7}};
    sortExhibitorEntries(entries);
    std::vector<int> keys;
    for (const auto& entry : entries) {
        keys.push_back(entry.key.value());
    }
    EXPECT_EQ(keys, (std::vector<int>{4, 5, 3, 2, 1, 7, 6}));
}

TEST(LogicExhibitorList, ViewFilterWithinTheListedSection) {
    const std::tuple<ExhibitorView, const char*, const char*> cases[] = {
        {ExhibitorView::News, "SEKCE_ID=4", "NOVINKA='x' and SEKCE_ID=4"},
        {ExhibitorView::News, "  SEKCE_ID in (1 , 2) ", "NOVINKA='x' and SEKCE_ID in (1 , 2)"},
        {ExhibitorView::News, "   ", "NOVINKA='x'"},
        {ExhibitorView::Exhibits, "SEKCE_ID=4", "COUNTEXP>0 and SEKCE_ID=4"},
        {ExhibitorView::Exhibits, "", "COUNTEXP>0"},
    };
    for (const auto& [view, section, filter] : cases) {
        EXPECT_EQ(viewFilter(view, section), filter);
    }
}

TEST(LogicExhibitorList, StatusLine) {
    LanguageTexts texts;
    texts.FTextExhibitorCount = cp("Počet vystavovatelů");
    texts.FTextInNotebook = cp("V zápisníku");
    texts.FTextShown = cp("Zobrazených");
    texts.FTextSelection = cp("Vyběr");
    const StatusLine plain = statusLine(texts, 2, 15);
    EXPECT_EQ(plain.caption, cp(" Počet vystavovatelů - V zápisníku: 2, Zobrazených: 15"));
    EXPECT_EQ(plain.hint, plain.caption);
    const StatusLine selection = statusLine(texts, 0, 3, cp("(název obsahuje \"a\")"));
    EXPECT_EQ(selection.caption, cp(" Počet vystavovatelů - V zápisníku: 0, Zobrazených: 3   - "
                                    "Vyběr: (název obsahuje \"a\")"));
    EXPECT_EQ(selection.hint, cp("Vyběr: (název obsahuje \"a\")"));
}

}  // namespace
}  // namespace expo::presentation
