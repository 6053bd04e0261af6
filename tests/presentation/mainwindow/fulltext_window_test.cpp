// The full-text search in the main window: the hits listed in order under the progress notice,
// the messages for a blank query and for no hit, a hit shown, hits outliving
// their tree, the close box, an Enter queued during a search, and the hits of the first node.

#include "tests/support/window_fixture.h"

namespace expo::testing {
namespace {

const Lines kHits = {"Alfa", "Hora", "Chata=sub\\z1.html", "Zeta", "Zeta=sub/z2.html"};

// "Zeta" stands first in the tree with two sub-pages and "Hora" below it; "Čeřen" has no page.
// Two Enter presses wait in the queue; the first search's notice pumps the second before it
// disables the window: that second search must not run inside the first one. A hit shows its
// node or sub-page (the first node's selects it); hits outliving a rebuilt tree open nothing.
TEST_F(WindowTest, HitsAreListedUnderTheNoticeShowTheirPageAndHitsOfARebuiltTreeOpenNothing) {
    TFormExpozice& w = open(writeDisc(
        "[aplikace]\nSkrytData=\n[polozka_z]\ntext0=Zeta\nurl0=z.html\n"
        "fulltext0=sub\\z1.html ;sub/z2.html\nfulltextName0=Chata\n"
        "[polozka_h]\nrodic=polozka_z\ntext0=Hora\nurl0=h.html\n"
        "[polozka_c]\ntext0=Čeřen\nurl0=chybi.html\n[polozka_a]\ntext0=Alfa\nurl0=a.html\n",
        {{"z.html", "Veletrh Lipová"},
         {"sub/z1.html", "<p>LIPOVÁ hora</p>"},
         {"sub/z2.html", "lipová"},
         {"h.html", "<a title='lipová'>Hora</a>"},
         {"a.html", "Lipová"}}));
    notices.notices.clear();  // the loading's
    w.EditHledani->setText(ui::toQ(text::cp("lipová")));
    // A press of `button` on the hit with this text.
    const auto choose = [&](const char* utf8, Qt::MouseButton button = Qt::LeftButton) {
        QListWidget& list = *w.ListBoxNalezene;
        const QListWidgetItem* hit = list.findItems(ui::toQ(text::cp(utf8)), Qt::MatchExactly)[0];
        QTest::mouseClick(list.viewport(), button, {}, list.visualItemRect(hit).center());
        settle();
    };
    const auto expectPage = [&](const char* page) { waitShown(*w.WebBrowser, discFile(page)); };
    for (int i = 0; i < 2; ++i) {
        QCoreApplication::postEvent(
            w.EditHledani, new QKeyEvent(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier));
    }
    settle();
    EXPECT_EQ(rows(*w.ListBoxNalezene), kHits);
    EXPECT_EQ(w.EditHledani->text(), "");
    ASSERT_EQ(notices.notices.size(), 1u);
    EXPECT_EQ(notices.notices[0].lines,
              (Lines{"Zpracovávám položku: Zeta", "Zpracovávám položku: Hora",
                     "Zpracovávám položku: Alfa"}));
    EXPECT_TRUE(notices.notices[0].blocking);
    choose("Chata=sub\\z1.html");  // the first node, current after the loading but not selected
    EXPECT_EQ(w.TreeViewNavigace->selectedItems(),
              QList<QTreeWidgetItem*>{w.TreeViewNavigace->topLevelItem(0)});
    expectPage("sub/z1.html");
    EXPECT_TRUE(waitFor([&] { return w.LabelInfo->text() == "- Zeta - Chata"; }));
    choose("Zeta");  // the node selected: its page again
    expectPage("z.html");
    choose("Hora", Qt::RightButton);  // any button
    expectPage("h.html");
    EXPECT_EQ(pathBar(), "- Zeta - Hora");
    choose("Zeta");
    EXPECT_TRUE(follow("nastav_jaz0"));  // the tree is built anew
    expectPage("z.html");                // its first node
    QTreeWidgetItem* current = w.TreeViewNavigace->currentItem();
    EXPECT_EQ(rows(*w.ListBoxNalezene), kHits);
    choose("Alfa");
    choose("Chata=sub\\z1.html");
    EXPECT_EQ(w.TreeViewNavigace->currentItem(), current);
    EXPECT_EQ(shownUrl(*w.WebBrowser), discFile("z.html"));

    w.EditHledani->setText("  \t ");
    QTest::keyClick(w.EditHledani, Qt::Key_Return);
    settle();
    EXPECT_EQ(takeMessages(), Lines{"Error: Musí být zadán hledaný text."});
    EXPECT_TRUE(w.PanelBackHledani->isVisible());
    // The close box, at the strip's right end, hides the panel and keeps the hits.
    const QRect box = w.PanelZavritHledani->geometry();
    EXPECT_GE(box.right(), w.PanelHledaniText->width() - box.width()) << box.right();
    QTest::mouseClick(w.PanelZavritHledani, Qt::LeftButton);
    settle();
    EXPECT_FALSE(w.PanelBackHledani->isVisible());
    EXPECT_EQ(rows(*w.ListBoxNalezene), kHits);
    w.EditHledani->setText(ui::toQ(text::cp("lipová")));
    QTest::keyClick(w.EditHledani, Qt::Key_Return);
    settle();
    EXPECT_TRUE(w.PanelBackHledani->isVisible());
    w.EditHledani->setText("xyz");
    QTest::mouseClick(w.PanelFull, Qt::LeftButton);  // "Hledej"
    settle();
    EXPECT_EQ(takeMessages(), Lines{"Information: Zadaný řetězec nebyl nalezen."});
    EXPECT_FALSE(w.PanelBackHledani->isVisible());
}

}  // namespace
}  // namespace expo::testing
