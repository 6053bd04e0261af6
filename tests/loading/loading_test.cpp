// The language loading as the window shows it: the progress notice's lines, the look on the
// widgets, the tree with its sections, and the navigation panel with its first node current but not
// selected.

#include "presentation/widgets/splitter_bar.h"
#include "tests/support/window_fixture.h"

namespace expo::testing {
namespace {

QColor colour(const QWidget* w, QPalette::ColorRole role) {
    return w->palette().color(role);
}

TEST_F(WindowTest, TheDemoDiscLoadsUnderOneNoticeWithItsLookTreeAndSections) {
    TFormExpozice& w = open(EXPO_DISC_DIR, 1);
    ASSERT_EQ(notices.notices.size(), 1u);
    EXPECT_EQ(notices.notices[0].title, "Starting the catalogue:");
    EXPECT_EQ(Lines(notices.notices[0].lines.begin(), notices.notices[0].lines.begin() + 4),
              (Lines{"loading the layout.", "loading the logo.", "loading the navigation.",
                     "loading data files: 1 of 12."}));
    EXPECT_TRUE(notices.notices[0].freed);
    EXPECT_EQ(w.TreeViewNavigace->topLevelItem(0)->text(0), "Welcome");
    EXPECT_EQ(node({"Exhibitor catalogue"})->childCount(), 6);
    EXPECT_EQ(w.ListBoxSeznamFirem->font().family(), "Verdana");
    EXPECT_EQ(colour(w.TreeViewNavigace, QPalette::Text), QColor(0x10, 0x20, 0x40));
    EXPECT_EQ(colour(w.ListBoxSeznamFirem, QPalette::Base), QColor(0xF4, 0xF7, 0xFB));
    EXPECT_EQ(colour(w.LabelInfo, QPalette::WindowText), QColor(0x1F, 0x4E, 0x8C));
    EXPECT_EQ(colour(w.PanelTlacitka, QPalette::Window), QColor(0xD3, 0xDD, 0xE6));
}

// The navigation panel is never narrower than
// its view bar, hidden buttons included; the first node is shown and current, not selected.
TEST_F(WindowTest, TheNavigationPanelKeepsItsViewBarAndItsFirstNodeUnselected) {
    TFormExpozice& w = open(writeDisc(
        "[aplikace]\nSkrytData=\n[tlacitka]\nnovinky=\n[menu - graficka podoba]\nnavigaceSirka=10\n"
        "[polozka_a]\ntext0=A\nurl0=a.html\n[polozka_b]\ntext0=B\nurl0=b.html\n"));
    const int narrowest = w.navigationMinimumWidth();
    EXPECT_GT(narrowest, w.ToolBarSwitch->sizeHint().width()) << "the hidden button counts";
    QTest::mousePress(w.SplitterWeb, Qt::LeftButton, {}, QPoint(1, 5));
    QTest::mouseMove(w.SplitterWeb, QPoint(-100, 5));
    QTest::mouseRelease(w.SplitterWeb, Qt::LeftButton, {}, QPoint(-100, 5));
    EXPECT_EQ(w.PanelNavigace->width(), narrowest);
    QTreeWidget& tree = *w.TreeViewNavigace;
    waitShown(*w.WebBrowser, discFile("a.html"));
    tree.setFocus(Qt::TabFocusReason);
    settle();
    EXPECT_EQ(tree.currentItem(), tree.topLevelItem(0));
    EXPECT_TRUE(tree.selectedItems().empty());
}

}  // namespace
}  // namespace expo::testing
