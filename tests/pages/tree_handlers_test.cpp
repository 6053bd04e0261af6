// The navigation tree's clicks and the exhibitor list's mouse and keys: a click on the page node
// already selected shows its page again once a click has armed the tree; a press of any mouse
// button on an entry shows it; six keys show the current entry, the others nothing.
#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>

#include "presentation/exhibitor_list_view.h"
#include "tests/pages/window_fixture.h"

namespace expo::presentation::testing {
namespace {

const std::string kDisc = EXPO_DISC_DIR;

class TreeAndListHandlers : public WindowTest {
  protected:
    // The page browser sent elsewhere, as a link in the page would send it.
    void followLink(TFormExpozice& w) {
        w.WebBrowser->navigate(kDisc + "/stranky/plan0.html");
        waitShown(*w.WebBrowser, kDisc + "/stranky/plan0.html");
    }
    void expectPage(TFormExpozice& w, const std::string& page) {
        waitShown(*w.WebBrowser, kDisc + "/" + page);
    }
    // Waits for the showing the list's handlers leave for the event loop.
    std::string shownAfterHandlers() {
        settle();
        QTest::qWait(50);
        settle();
        return lastExhibitorFilter();
    }
    std::string keyOfRow(TFormExpozice& w, int row) {
        return "KAT_ID=" + std::to_string(*exhibitorKeyOf(w.ListBoxSeznamFirem->item(row)));
    }
};

TEST_F(TreeAndListHandlers, ClickOnTheSelectedPageNodeShowsItsPageAgain) {
    TFormExpozice& w = open();
    QTreeWidgetItem* intro = node({"Úvod"});
    click(intro);  // selects and shows it, and arms the tree
    expectPage(w, "stranky/uvod0.html");
    followLink(w);

    click(intro);
    expectPage(w, "stranky/uvod0.html");
}

TEST_F(TreeAndListHandlers, FirstClickAfterAKeyboardSelectionOnlyArms) {
    TFormExpozice& w = open();
    click(node({"Úvod"}));
    w.TreeViewNavigace->setFocus();
    QTest::keyClick(w.TreeViewNavigace, Qt::Key_Down);
    settle();
    QTreeWidgetItem* fair = node({"O veletrhu"});
    ASSERT_EQ(w.TreeViewNavigace->currentItem(), fair);
    expectPage(w, "stranky/veletrh0.html");
    followLink(w);

    click(fair);
    settle();
    EXPECT_EQ(shownUrl(*w.WebBrowser), kDisc + "/stranky/plan0.html");
    click(fair);
    expectPage(w, "stranky/veletrh0.html");
}

TEST_F(TreeAndListHandlers, ExpandingOrCollapsingDisarmsTheClick) {
    TFormExpozice& w = open();
    QTreeWidgetItem* fair = node({"O veletrhu"});
    click(fair);
    followLink(w);
    w.TreeViewNavigace->expandItem(fair);
    settle();

    click(fair);
    EXPECT_EQ(shownUrl(*w.WebBrowser), kDisc + "/stranky/plan0.html");
    w.TreeViewNavigace->collapseItem(fair);
    click(fair);
    EXPECT_EQ(shownUrl(*w.WebBrowser), kDisc + "/stranky/plan0.html");
    click(fair);
    expectPage(w, "stranky/veletrh0.html");
}

// Only the left button clicks the tree: other buttons neither choose a node nor show the chosen
// one again (showing a node would empty the status bar at once).
TEST_F(TreeAndListHandlers, OtherButtonsNeitherChooseNorShowANode) {
    TFormExpozice& w = open();
    QTreeWidgetItem* intro = node({"Úvod"});
    click(intro);  // arms the tree
    QTreeWidget& tree = *w.TreeViewNavigace;
    w.PnlStatusBar->setText("x");
    for (const Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton}) {
        for (QTreeWidgetItem* item : {intro, node({"O veletrhu"})}) {
            QTest::mouseClick(tree.viewport(), button, {}, tree.visualItemRect(item).center());
            settle();
            EXPECT_EQ(tree.currentItem(), intro) << button;
            EXPECT_EQ(statusCaption(), "x") << button;
        }
    }
    followLink(w);
    click(intro);  // still armed by the left click
    expectPage(w, "stranky/uvod0.html");
}

TEST_F(TreeAndListHandlers, SectionNodeIsNotListedAgainByAClick) {
    TFormExpozice& w = open();
    QTreeWidgetItem* section = node({"Katalog vystavovatelů", "Strojírenství"});
    click(section);
    w.ActNovinky->trigger();
    const size_t news = listNames().size();

    click(section);
    EXPECT_TRUE(w.ToolButtonNovinky->isChecked());
    EXPECT_EQ(listNames().size(), news);
}

TEST_F(TreeAndListHandlers, AnyMouseButtonOnAnEntryShowsIt) {
    TFormExpozice& w = open();
    select(node({"Katalog vystavovatelů", "Strojírenství"}));
    QListWidget& list = *w.ListBoxSeznamFirem;

    for (const auto& [button, row] :
         {std::pair{Qt::RightButton, 3}, {Qt::MiddleButton, 5}, {Qt::LeftButton, 2}}) {
        QTest::mousePress(list.viewport(), button, {},
                          list.visualItemRect(list.item(row)).center());
        QTest::mouseRelease(list.viewport(), button, {},
                            list.visualItemRect(list.item(row)).center());
        EXPECT_EQ(shownAfterHandlers(), keyOfRow(w, row)) << button;
    }
    EXPECT_TRUE(list.item(2)->isSelected());
    waitShown(*w.WebBrowser, privateFolder() + "temp.html");
}

TEST_F(TreeAndListHandlers, PressBelowTheLastEntryOrOnThePlaceholderShowsNothing) {
    TFormExpozice& w = open();
    replaceExhibitors({{1200, {}}});
    QListWidget& list = *w.ListBoxSeznamFirem;
    select(node({"Katalog vystavovatelů", "Strojírenství"}));
    const std::string shown = lastExhibitorFilter();
    w.catalogue().CDSZaznamy.setFilter("");  // whatever shows an exhibitor sets it again

    QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                      QPoint(5, list.viewport()->height() - 3));
    EXPECT_EQ(shownAfterHandlers(), "");

    select(node({"Katalog vystavovatelů", "Potraviny a obaly"}));  // empty now
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                      list.visualItemRect(list.item(0)).center());
    list.setFocus();
    QTest::keyClick(&list, Qt::Key_Home);
    EXPECT_EQ(shownAfterHandlers(), "SEKCE_ID in (5)");
    EXPECT_EQ(shown, "KAT_ID=1200");
}

TEST_F(TreeAndListHandlers, SixKeysShowTheCurrentEntryTheOthersNothing) {
    TFormExpozice& w = open();
    select(node({"Katalog vystavovatelů", "Strojírenství"}));
    QListWidget& list = *w.ListBoxSeznamFirem;
    list.setFocus();

    for (const Qt::Key key : {Qt::Key_Down, Qt::Key_Down, Qt::Key_PageDown, Qt::Key_Up, Qt::Key_End,
                              Qt::Key_PageUp, Qt::Key_Home}) {
        QTest::keyClick(&list, key);
        EXPECT_EQ(shownAfterHandlers(), keyOfRow(w, list.currentRow())) << key;
    }
    QTest::keyClick(&list, Qt::Key_Down);
    const std::string shown = shownAfterHandlers();
    w.catalogue().CDSZaznamy.setFilter("");
    for (const Qt::Key key :
         {Qt::Key_Left, Qt::Key_Right, Qt::Key_Space, Qt::Key_Return, Qt::Key_A, Qt::Key_Tab}) {
        list.setFocus();
        QTest::keyClick(&list, key);
        EXPECT_EQ(shownAfterHandlers(), "") << key;
    }
    EXPECT_EQ(shown, keyOfRow(w, 1));
}

}  // namespace
}  // namespace expo::presentation::testing
