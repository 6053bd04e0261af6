// The notebook in the main window: "Do zápisníku" with one, several or no entries selected, the
// "Zápisník" view, "Vyřadit" and the entry shown afterwards, the buttons' enabling, the status
// line, the notebook through a language switch, and the panel-buttons' press.
#include <QLabel>
#include <QListWidget>
#include <QTimer>
#include <QToolButton>
#include <chrono>

#include "platform/os/paths.h"
#include "presentation/panel_button.h"
#include "tests/notebook/notebook_fixture.h"

namespace expo::presentation::testing {
namespace {

using namespace std::chrono_literals;
using Names = std::vector<std::string>;

constexpr int kSectionCount = 89;  // exhibitors of "Strojírenství"

class NotebookCommands : public NotebookTest {
  protected:
    void expectNotebookButtons(bool enabled) {
        TFormExpozice& w = form();
        EXPECT_EQ(w.PnlVyradit->isEnabled(), enabled);
        EXPECT_EQ(w.LblVyradit->isEnabled(), enabled);
        EXPECT_EQ(w.PnlExport->isEnabled(), enabled);
        EXPECT_EQ(w.LblExport->isEnabled(), enabled);
    }

    // Adds the first five entries of the section and shows the notebook.
    Names showFiveInNotebook() {
        add({0, 1, 2, 3, 4});
        form().ActZapisnik->trigger();
        settle();
        return listNames();
    }

    void remove(std::initializer_list<int> rows) {
        selectRows(rows);
        form().ActZrusitZeZapisniku->trigger();
        settle();
    }
};

TEST_F(NotebookCommands, AddingTheSameExhibitorAgainTellsSoAndChangesNothing) {
    TFormExpozice& w = openSection();
    expectNotebookButtons(false);
    add({0});
    EXPECT_EQ(notebookNames(), Names{"Agroline a.s."});
    EXPECT_TRUE(takeInformation().empty());
    EXPECT_EQ(statusCaption(), status(1, kSectionCount));
    expectNotebookButtons(true);

    add({0});
    EXPECT_EQ(takeInformation(), Names{"Vystavovatel již v zápisníku existuje."});
    EXPECT_EQ(notebookNames(), Names{"Agroline a.s."});
    EXPECT_EQ(statusCaption(), status(1, kSectionCount));
    EXPECT_TRUE(w.ToolButtonVse->isChecked());  // the view stays
}

TEST_F(NotebookCommands, OfSeveralSelectedTheNewOnesAreAddedSilently) {
    openSection();
    add({1});
    add({0, 1, 2});
    EXPECT_TRUE(takeInformation().empty());
    EXPECT_EQ(notebookNames(), (Names{"Agrotech a.s.", "Agroline a.s.", nameOfRow(2)}));
    EXPECT_EQ(statusCaption(), status(3, kSectionCount));
}

TEST_F(NotebookCommands, NothingSelectedAddsAndEnablesNothingButWritesTheStatusLine) {
    TFormExpozice& w = openSection();
    w.PnlStatusBar->clear();
    add({});
    EXPECT_TRUE(w.notebook().empty());
    expectNotebookButtons(false);
    EXPECT_EQ(statusCaption(), status(0, kSectionCount));
}

TEST_F(NotebookCommands, TheEmptySectionsEntryIsNoExhibitor) {
    TFormExpozice& w = open();
    replaceExhibitors({{1200, {}}});  // in "Strojírenství" only
    select(node({"Katalog vystavovatelů", "Potraviny a obaly"}));
    add({0});
    EXPECT_TRUE(w.notebook().empty());
    expectNotebookButtons(false);
    EXPECT_EQ(statusCaption(), status(0, 1));
}

TEST_F(NotebookCommands, ExhibitorsOfTheSameNameAreBothAdded) {
    open();
    replaceExhibitors({{1200, {{"KAT_NAZEV", ds::Value(std::string("Dvojnik"))}}},
                       {1353, {{"KAT_NAZEV", ds::Value(std::string("Dvojnik"))}}}});
    select(node({"Katalog vystavovatelů", "Strojírenství"}));
    add({0, 1});
    EXPECT_EQ(notebookNames(), (Names{"Dvojnik", "Dvojnik"}));
}

TEST_F(NotebookCommands, ItsViewListsItSortedAndShowsTheFirst) {
    TFormExpozice& w = openSection();
    const Names section = listNames();
    const int32_t firstKey = keyOfRow(0);
    add({2});
    add({0});
    add({1});
    EXPECT_EQ(notebookNames(), (Names{section[2], section[0], section[1]}));  // as added

    w.ActZapisnik->trigger();
    settle();
    EXPECT_EQ(listNames(), (Names{section[0], section[1], section[2]}));
    EXPECT_EQ(notebookNames(), (Names{section[2], section[0], section[1]}));
    EXPECT_TRUE(w.ToolButtonZapisnik->isChecked());
    EXPECT_FALSE(w.ToolButtonVse->isChecked());
    EXPECT_EQ(w.ListBoxSeznamFirem->currentRow(), 0);
    EXPECT_EQ(w.ListBoxSeznamFirem->selectedItems().size(), 1);
    EXPECT_TRUE(w.ListBoxSeznamFirem->item(0)->isSelected());
    EXPECT_EQ(lastExhibitorFilter(), "KAT_ID=" + std::to_string(firstKey));
    waitShown(*w.WebBrowser, privateFolder() + "temp.html");
    EXPECT_FALSE(w.PnlDoZapisniku->isVisible());
    EXPECT_TRUE(w.PnlVyradit->isVisible());
    EXPECT_TRUE(w.PnlExport->isVisible());
    expectNotebookButtons(true);
    EXPECT_EQ(statusCaption(), status(3, 3));
    EXPECT_EQ(statusHint(), status(3, 3));
    // The tree and the listed section are left as they were.
    EXPECT_EQ(w.TreeViewNavigace->currentItem(), node({"Katalog vystavovatelů", "Strojírenství"}));
    EXPECT_EQ(w.sectionFilter(), "SEKCE_ID in (1)");
}

TEST_F(NotebookCommands, AnEmptyNotebooksViewShowsABlankPageAndDisabledButtons) {
    TFormExpozice& w = openSection();
    w.ActZapisnik->trigger();
    settle();
    EXPECT_EQ(w.ListBoxSeznamFirem->count(), 0);
    waitShown(*w.WebBrowser, "about:blank");
    EXPECT_TRUE(w.PnlVyradit->isVisible());
    EXPECT_TRUE(w.PnlExport->isVisible());
    expectNotebookButtons(false);
    EXPECT_EQ(statusCaption(), status(0, 0));
}

TEST_F(NotebookCommands, RemovingTheSecondAndFourthShowsTheThird) {
    TFormExpozice& w = openSection();
    const Names five = showFiveInNotebook();
    remove({1, 3});
    EXPECT_EQ(listNames(), (Names{five[0], five[2], five[4]}));
    EXPECT_EQ(notebookNames(), listNames());
    EXPECT_EQ(w.ListBoxSeznamFirem->currentRow(), 1);
    EXPECT_EQ(w.ListBoxSeznamFirem->selectedItems().size(), 1);
    EXPECT_EQ(lastExhibitorFilter(), "KAT_ID=" + std::to_string(keyOfRow(1)));
    expectNotebookButtons(true);
    EXPECT_EQ(statusCaption(), status(3, 3));
}

TEST_F(NotebookCommands, RemovingTheFirstShowsTheNewFirst) {
    TFormExpozice& w = openSection();
    const Names five = showFiveInNotebook();
    remove({0});
    EXPECT_EQ(listNames(), (Names{five[1], five[2], five[3], five[4]}));
    EXPECT_EQ(w.ListBoxSeznamFirem->currentRow(), 0);
    EXPECT_EQ(lastExhibitorFilter(), "KAT_ID=" + std::to_string(keyOfRow(0)));
}

TEST_F(NotebookCommands, RemovingEverythingBlanksThePageAndDisablesTheButtons) {
    TFormExpozice& w = openSection();
    showFiveInNotebook();
    remove({0, 1, 2, 3, 4});
    EXPECT_EQ(w.ListBoxSeznamFirem->count(), 0);
    EXPECT_TRUE(w.notebook().empty());
    waitShown(*w.WebBrowser, "about:blank");
    expectNotebookButtons(false);
    EXPECT_EQ(statusCaption(), status(0, 0));

    // Other views leave them disabled; the next addition enables them again.
    w.ActVse->trigger();
    settle();
    expectNotebookButtons(false);
    add({0});
    expectNotebookButtons(true);
}

TEST_F(NotebookCommands, RemovingWithNothingSelectedPutsTheNotebookIntoTheListsOrder) {
    TFormExpozice& w = openSection();
    const Names section = listNames();
    add({2});
    add({0});
    add({1});
    w.ActZapisnik->trigger();
    settle();
    w.ListBoxSeznamFirem->setCurrentRow(2);
    remove({});
    EXPECT_EQ(notebookNames(), (Names{section[0], section[1], section[2]}));
    EXPECT_EQ(w.ListBoxSeznamFirem->currentRow(), 0);
    EXPECT_TRUE(w.ListBoxSeznamFirem->item(0)->isSelected());
    EXPECT_EQ(lastExhibitorFilter(), "KAT_ID=" + std::to_string(keyOfRow(0)));
}

TEST_F(NotebookCommands, AfterARemovalTheNotebookFollowsTheList) {
    TFormExpozice& w = openSection();
    const Names section = listNames();  // A, B, C
    add({2});
    add({0});
    add({1});  // C, A, B
    w.ActZapisnik->trigger();
    settle();
    remove({1});  // B
    EXPECT_EQ(notebookNames(), (Names{section[0], section[2]}));
}

TEST_F(NotebookCommands, SurvivesALanguageSwitch) {
    TFormExpozice& w = openSection();
    add({0, 1});
    bool cancel = false;
    w.WebBrowserBeforeNavigate2(text::utf8ToCp1250(os::programFolder() + "stranky/nastav_jaz1"),
                                cancel);
    settle();
    EXPECT_TRUE(cancel);
    ASSERT_EQ(w.language(), 1);
    EXPECT_EQ(notebookNames(), (Names{"Agroline a.s.", "Agrotech a.s."}));
    expectNotebookButtons(true);

    w.ActZapisnik->trigger();
    settle();
    EXPECT_EQ(listNames(), (Names{"Agroline a.s.", "Agrotech a.s."}));
    EXPECT_EQ(statusCaption(), " Exhibitors - In notebook: 2, Shown: 2");
    EXPECT_EQ(w.LblVyradit->text(), "Remove");  // only the captions change
}

TEST_F(NotebookCommands, APanelButtonIsDownWhileItsCommandWaits) {
    TFormExpozice& w = openSection();
    std::optional<QFrame::Shadow> during;
    QTimer::singleShot(30ms, [&] { during = w.PnlDoZapisniku->frameShadow(); });
    w.PnlDoZapisniku->press(100ms);
    EXPECT_EQ(during, QFrame::Sunken);
    EXPECT_EQ(w.PnlDoZapisniku->frameShadow(), QFrame::Raised);
}

}  // namespace
}  // namespace expo::presentation::testing
