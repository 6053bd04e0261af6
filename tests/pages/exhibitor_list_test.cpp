// The exhibitor list of a catalogue section: its entries and their order, the first exhibitor
// shown, the empty section, the views "Vše", "Novinky" and "Exponáty", and the status line.
#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QToolButton>
#include <QTreeWidget>
#include <algorithm>

#include "platform/text/text.h"
#include "presentation/exhibitor_list_view.h"
#include "presentation/panel_button.h"
#include "presentation/splitter_bar.h"
#include "tests/pages/window_fixture.h"

namespace expo::presentation::testing {
namespace {

using text::cp;

// Exhibitors of the demo disc's section "Strojírenství": all, with news, with exhibits.
constexpr int kSectionOne = 89;
constexpr int kSectionOneNews = 37;
constexpr int kSectionOneExhibits = 67;
// Exhibitors of that section with neither news nor exhibits.
constexpr int kPlain[] = {1112, 1158, 1080};

std::string status(int notebook, int shown) {
    return " Počet vystavovatelů - V zápisníku: " + std::to_string(notebook) +
           ", Zobrazených: " + std::to_string(shown);
}

class ExhibitorList : public WindowTest {
  protected:
    QTreeWidgetItem* section(const char* caption) {
        return node({"Katalog vystavovatelů", caption});
    }
    QTreeWidgetItem* sectionOne() { return section("Strojírenství"); }

    void expectNothingListed(TFormExpozice& w, int shownEntries) {
        EXPECT_EQ(w.ListBoxSeznamFirem->selectedItems().size(), 0);
        waitShown(*w.WebBrowser, "about:blank");
        EXPECT_FALSE(w.PnlDoZapisniku->isEnabled());
        EXPECT_FALSE(w.LblDoZapisniku->isEnabled());
        EXPECT_EQ(statusCaption(), status(0, shownEntries));
    }
};

TEST_F(ExhibitorList, SectionListsItsExhibitorsSortedAndShowsTheFirst) {
    TFormExpozice& w = open();
    select(sectionOne());

    const std::vector<std::string> names = listNames();
    ASSERT_EQ(names.size(), size_t{kSectionOne});
    EXPECT_TRUE(std::is_sorted(names.begin(), names.end(), [](const auto& a, const auto& b) {
        return text::collateNoCase(text::utf8ToCp1250(a), text::utf8ToCp1250(b)) < 0;
    }));
    EXPECT_EQ(w.ListBoxSeznamFirem->currentRow(), 0);
    ASSERT_EQ(w.ListBoxSeznamFirem->selectedItems().size(), 1);
    EXPECT_TRUE(w.ListBoxSeznamFirem->item(0)->isSelected());
    EXPECT_EQ(exhibitorKeyOf(w.ListBoxSeznamFirem->item(0)), 1200);
    EXPECT_EQ(lastExhibitorFilter(), "KAT_ID=1200");
    waitShown(*w.WebBrowser, privateFolder() + "temp.html");
    EXPECT_NE(privateFile("temp.html").find("Agroline a.s."), std::string::npos);

    EXPECT_EQ(w.sectionFilter(), "SEKCE_ID in (1)");
    EXPECT_EQ(statusCaption(), status(0, kSectionOne));
    EXPECT_EQ(statusHint(), status(0, kSectionOne));
    EXPECT_TRUE(w.ToolButtonVse->isChecked());
    EXPECT_TRUE(w.PnlDoZapisniku->isEnabled());
    EXPECT_TRUE(w.PanelSeznamFirem->isVisible());
    EXPECT_TRUE(w.SplitterFirmy->isVisible());
    EXPECT_FALSE(w.PanelFulltext->isVisible());
    EXPECT_EQ(w.TreeViewNavigace->height(), w.treeHeight());
    EXPECT_EQ(w.ListBoxSeznamFirem->selectionMode(), QAbstractItemView::ExtendedSelection);
}

TEST_F(ExhibitorList, EmptySectionShowsItsPlaceholderOnly) {
    TFormExpozice& w = open();
    replaceExhibitors({{1200, {}}, {1353, {}}});  // both in "Strojírenství"
    select(section("Potraviny a obaly"));

    EXPECT_EQ(listNames(), std::vector<std::string>{"Sekce je prázdná"});
    EXPECT_FALSE(exhibitorKeyOf(w.ListBoxSeznamFirem->item(0)).has_value());
    expectNothingListed(w, 1);
    EXPECT_TRUE(w.PanelSeznamFirem->isVisible());

    select(sectionOne());  // "Do zápisníku" comes back with the exhibitors
    EXPECT_EQ(listNames().size(), 2u);
    EXPECT_TRUE(w.PnlDoZapisniku->isEnabled());
    EXPECT_TRUE(w.LblDoZapisniku->isEnabled());
}

TEST_F(ExhibitorList, NamesAreTrimmedJoinedAndSortedInTheCzechAlphabet) {
    open();
    auto named = [](int katId, const char* name) {
        return Record{katId, {{"KAT_NAZEV", ds::Value(cp(name))}}};
    };
    replaceExhibitors({named(1200, "  Beta\r\nGamma  "), named(1353, "chmel"), named(1363, "Hrad"),
                       named(1112, "Čedok"), named(1158, "Cyklo"), named(1013, "ALFA"),
                       named(1299, "Lone\nLF\r")});
    select(sectionOne());

    EXPECT_EQ(listNames(), (std::vector<std::string>{"ALFA", "Beta Gamma", "Cyklo", "Čedok", "Hrad",
                                                     "chmel", "Lone\nLF"}));
    EXPECT_EQ(lastExhibitorFilter(), "KAT_ID=1013");
    EXPECT_EQ(statusCaption(), status(0, 7));
}

TEST_F(ExhibitorList, NewsAndExhibitsViewsNarrowTheSection) {
    TFormExpozice& w = open();
    select(sectionOne());

    w.ActNovinky->trigger();
    EXPECT_TRUE(w.ToolButtonNovinky->isChecked());
    EXPECT_FALSE(w.ToolButtonVse->isChecked());
    EXPECT_EQ(listNames().size(), size_t{kSectionOneNews});
    EXPECT_EQ(statusCaption(), status(0, kSectionOneNews));
    EXPECT_EQ(w.ListBoxSeznamFirem->currentRow(), 0);
    EXPECT_EQ(lastExhibitorFilter(),
              "KAT_ID=" + std::to_string(*exhibitorKeyOf(w.ListBoxSeznamFirem->item(0))));
    EXPECT_TRUE(w.PnlDoZapisniku->isEnabled());
    EXPECT_EQ(w.sectionFilter(), "SEKCE_ID in (1)");  // the views keep the section

    w.ActExponaty->trigger();
    EXPECT_TRUE(w.ToolButtonExponaty->isChecked());
    EXPECT_EQ(listNames().size(), size_t{kSectionOneExhibits});
    EXPECT_EQ(statusCaption(), status(0, kSectionOneExhibits));

    w.ActVse->trigger();
    EXPECT_TRUE(w.ToolButtonVse->isChecked());
    EXPECT_EQ(listNames().size(), size_t{kSectionOne});
    EXPECT_EQ(statusCaption(), status(0, kSectionOne));

    EXPECT_EQ(w.selectFilterVyst("NOVINKA='x' and SEKCE_ID in (1)"), kSectionOneNews);
}

TEST_F(ExhibitorList, ViewsWithoutMatchesLeaveTheListEmpty) {
    TFormExpozice& w = open();
    replaceExhibitors({{kPlain[0], {}}, {kPlain[1], {}}, {kPlain[2], {}}});
    select(sectionOne());
    ASSERT_EQ(listNames().size(), 3u);

    for (QAction* view : {w.ActNovinky, w.ActExponaty}) {
        view->trigger();
        EXPECT_TRUE(listNames().empty());
        expectNothingListed(w, 0);
    }
    EXPECT_EQ(w.selectFilterVyst("NOVINKA='x'"), 0);
}

TEST_F(ExhibitorList, SelectingASectionReturnsToAll) {
    TFormExpozice& w = open();
    select(sectionOne());
    w.ActNovinky->trigger();
    ASSERT_TRUE(w.ToolButtonNovinky->isChecked());

    select(section("Elektrotechnika a automatizace"));
    EXPECT_TRUE(w.ToolButtonVse->isChecked());
    EXPECT_FALSE(w.ToolButtonNovinky->isChecked());
    EXPECT_EQ(w.sectionFilter(), "SEKCE_ID in (2)");
}

// With no node selected there is no section to list: the list empties and the page is blank.
TEST_F(ExhibitorList, AllWithoutASelectedNodeShowsNothing) {
    TFormExpozice& w = open();
    select(sectionOne());
    w.TreeViewNavigace->setCurrentItem(nullptr);
    settle();
    ASSERT_GT(listNames().size(), 0u);

    w.ActVse->trigger();
    EXPECT_TRUE(listNames().empty());
    EXPECT_EQ(w.sectionFilter(), "");
    waitShown(*w.WebBrowser, "about:blank");
    EXPECT_EQ(statusCaption(), status(0, 0));
}

TEST_F(ExhibitorList, PageNodeHidesTheListAndEmptiesTheStatusBar) {
    TFormExpozice& w = open();
    select(sectionOne());
    select(node({"Úvod"}));

    EXPECT_FALSE(w.PanelSeznamFirem->isVisible());
    EXPECT_FALSE(w.SplitterFirmy->isVisible());
    EXPECT_TRUE(w.PanelFulltext->isVisible());
    EXPECT_EQ(statusCaption(), "");
    EXPECT_EQ(statusHint(), "");
    EXPECT_EQ(w.sectionFilter(), "");
    waitShown(*w.WebBrowser, std::string(EXPO_DISC_DIR) + "/stranky/uvod0.html");
}

}  // namespace
}  // namespace expo::presentation::testing
