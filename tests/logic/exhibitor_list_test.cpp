#include "presentation/exhibitor_list.h"

#include <gtest/gtest.h>

#include <tuple>

#include "platform/text/text.h"
#include "tests/template/page_data.h"

namespace expo::presentation {
namespace {

using text::cp;

// "name key" of each entry.
std::vector<std::string> listed(const std::vector<ExhibitorEntry>& entries) {
    std::vector<std::string> result;
    for (const auto& entry : entries) {
        result.push_back(entry.name + " " + std::to_string(entry.key.value()));
    }
    return result;
}

TEST(LogicExhibitorList, NameTrimmedWithLineBreaksAsBlanks) {
    const std::pair<const char*, const char*> cases[] = {
        {"  ACME\r\nPraha  ", "ACME Praha"},
        {"\tA\r\n\r\nB\x01", "A  B"},
        {"A\rB\nC", "A\rB\nC"},
        {"A\n\r\nB", "A\n B"},
        {"   ", ""},
    };
    for (const auto& [katNazev, name] : cases) {
        EXPECT_EQ(exhibitorDisplayName(katNazev), name) << katNazev;
    }
}

TEST(LogicExhibitorList, EntriesUnderTheFilterSortedByTheCzechAlphabetWithoutCase) {
    ds::ClientDataSet zaznamy("CDSZaznamy");
    testing::load(zaznamy, {"KAT_ID:int", "KAT_NAZEV", "SEKCE_ID:int"},
                  {{10, "  Beta\r\nTrade  ", 1}, {11, "Alfa", 2}, {12, "Gama", 1}});
    zaznamy.setFilter("SEKCE_ID=1");
    zaznamy.setFiltered(true);
    EXPECT_EQ(listed(readExhibitorEntries(zaznamy)),
              (std::vector<std::string>{"Beta Trade 10", "Gama 12"}));
    std::vector<ExhibitorEntry> entries{{cp("Dům"), 1}, {cp("čaj"), 2},   {"Cukr", 3}, {"ahoj", 4},
                                        {"AHOJ", 5},    {cp("Šipka"), 6}, {"sova", 7}};
    sortExhibitorEntries(entries);
    EXPECT_EQ(listed(entries), (std::vector<std::string>{"ahoj 4", "AHOJ 5", "Cukr 3", cp("čaj 2"),
                                                         cp("Dům 1"), "sova 7", cp("Šipka 6")}));
}

TEST(LogicExhibitorList, ViewFilterWithinTheListedSection) {
    const std::tuple<ExhibitorView, const char*, const char*> cases[] = {
        {ExhibitorView::News, "  SEKCE_ID in (1 , 2) ", "NOVINKA='x' and SEKCE_ID in (1 , 2)"},
        {ExhibitorView::News, "   ", "NOVINKA='x'"},
        {ExhibitorView::Exhibits, "SEKCE_ID=4", "COUNTEXP>0 and SEKCE_ID=4"},
    };
    for (const auto& [view, section, filter] : cases) {
        EXPECT_EQ(viewFilter(view, section), filter);
    }
}

TEST(LogicExhibitorList, StatusLine) {
    LanguageTexts texts;
    texts.FTextExhibitorCount = "Count";
    texts.FTextInNotebook = "Noted";
    texts.FTextShown = "Shown";
    texts.FTextSelection = "Sel";
    const StatusLine plain = statusLine(texts, 2, 15);
    EXPECT_EQ(plain.caption + "|" + plain.hint,
              " Count - Noted: 2, Shown: 15| Count - Noted: 2, Shown: 15");
    const StatusLine selection = statusLine(texts, 0, 3, "(a)");
    EXPECT_EQ(selection.caption + "|" + selection.hint,
              " Count - Noted: 0, Shown: 3   - Sel: (a)|Sel: (a)");
}

}  // namespace
}  // namespace expo::presentation
