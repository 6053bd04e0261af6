#include "presentation/exhibitor_list.h"

#include <gtest/gtest.h>

#include "platform/text/text.h"

namespace expo::presentation {
namespace {

struct NameCase {
    const char* katNazev;
    const char* name;
    friend void PrintTo(const NameCase& c, std::ostream* os) {
        *os << ::testing::PrintToString(c.katNazev);
    }
};

class LogicExhibitorName : public ::testing::TestWithParam<NameCase> {};

TEST_P(LogicExhibitorName, TrimmedWithLineBreaksAsBlanks) {
    EXPECT_EQ(exhibitorDisplayName(GetParam().katNazev), GetParam().name);
}

INSTANTIATE_TEST_SUITE_P(Values, LogicExhibitorName,
                         ::testing::Values(NameCase{"ACME s.r.o.", "ACME s.r.o."},
                                           NameCase{"  ACME\r\nPraha  ", "ACME Praha"},
                                           NameCase{"\tA\r\n\r\nB\x01", "A  B"},
                                           NameCase{"A\rB\nC", "A\rB\nC"},
                                           NameCase{"A\n\r\nB", "A\n B"},
                                           NameCase{"\r\nA\r\n", "A"}, NameCase{"   ", ""}));

TEST(LogicExhibitorList, SortsByTheCzechAlphabetWithoutCase) {
    std::vector<ExhibitorEntry> entries{
        {text::cp("Dům"), 1}, {text::cp("čaj"), 2},   {"Cukr", 3}, {"ahoj", 4},
        {"AHOJ", 5},          {text::cp("Šipka"), 6}, {"sova", 7}};
    sortExhibitorEntries(entries);
    std::vector<int> keys;
    for (const auto& entry : entries) {
        keys.push_back(entry.key.value());
    }
    EXPECT_EQ(keys, (std::vector<int>{4, 5, 3, 2, 1, 7, 6}));
}

struct FilterCase {
    ExhibitorView view;
    const char* sectionFilter;
    const char* filter;
    friend void PrintTo(const FilterCase& c, std::ostream* os) {
        *os << ::testing::PrintToString(c.sectionFilter);
    }
};

class LogicExhibitorViewFilter : public ::testing::TestWithParam<FilterCase> {};

TEST_P(LogicExhibitorViewFilter, WithinTheListedSection) {
    EXPECT_EQ(viewFilter(GetParam().view, GetParam().sectionFilter), GetParam().filter);
}

INSTANTIATE_TEST_SUITE_P(Values, LogicExhibitorViewFilter,
                         ::testing::Values(FilterCase{ExhibitorView::News, "SEKCE_ID=4",
                                                      "NOVINKA='x' and SEKCE_ID=4"},
                                           FilterCase{ExhibitorView::News, "  SEKCE_ID in (1 , 2) ",
                                                      "NOVINKA='x' and SEKCE_ID in (1 , 2)"},
                                           FilterCase{ExhibitorView::News, "", "NOVINKA='x'"},
                                           FilterCase{ExhibitorView::News, "   ", "NOVINKA='x'"},
                                           FilterCase{ExhibitorView::Exhibits, "SEKCE_ID=4",
                                                      "COUNTEXP>0 and SEKCE_ID=4"},
                                           FilterCase{ExhibitorView::Exhibits, "", "COUNTEXP>0"}));

LanguageTexts statusTexts() {
    LanguageTexts texts;
    texts.FTextExhibitorCount = text::cp("Počet vystavovatelů");
    texts.FTextInNotebook = text::cp("V zápisníku");
    texts.FTextShown = text::cp("Zobrazených");
    texts.FTextSelection = text::cp("Vyběr");
    return texts;
}

TEST(LogicExhibitorList, StatusLineWithoutSelection) {
    const StatusLine line = statusLine(statusTexts(), 2, 15);
    EXPECT_EQ(line.caption, text::cp(" Počet vystavovatelů - V zápisníku: 2, Zobrazených: 15"));
    EXPECT_EQ(line.hint, line.caption);
}

TEST(LogicExhibitorList, StatusLineWithSelection) {
    const StatusLine line = statusLine(statusTexts(), 0, 3, text::cp("(název obsahuje \"a\")"));
    EXPECT_EQ(line.caption, text::cp(" Počet vystavovatelů - V zápisníku: 0, Zobrazených: 3   - "
                                     "Vyběr: (název obsahuje \"a\")"));
    EXPECT_EQ(line.hint, text::cp("Vyběr: (název obsahuje \"a\")"));
}

TEST(LogicExhibitorList, StatusLineWithEmptyTexts) {
    const StatusLine line = statusLine({}, 0, 1);
    EXPECT_EQ(line.caption, "  - : 0, : 1");
}

}  // namespace
}  // namespace expo::presentation
