// The language loading as the window shows it: the progress notice's lines, the look on the
// widgets, the tree with its sections, what a failing step leaves, the header picture, the
// navigation panel with its first node, and a tree of sections alone, which the focus leaves
// without a current node.
#include <QImage>
#include <QWebEngineView>

#include "presentation/widgets/splitter_bar.h"
#include "tests/support/window_fixture.h"

namespace expo::testing {
namespace {

QColor colour(const QWidget* w, QPalette::ColorRole role) {
    return w->palette().color(role);
}

class LoadingTest : public WindowTest {};

TEST_F(LoadingTest, TheDemoDiscLoadsUnderOneNoticeWithItsLookTreeAndSections) {
    TFormExpozice& w = open(EXPO_DISC_DIR, 1);
    ASSERT_EQ(notices.notices.size(), 1u);
    const NoticeRecorder::Notice& notice = notices.notices[0];
    EXPECT_EQ(notice.title, "Starting the catalogue:");
    ASSERT_EQ(notice.lines.size(), 15u);
    EXPECT_EQ(Lines(notice.lines.begin(), notice.lines.begin() + 4),
              (Lines{"loading the layout.", "loading the logo.", "loading the navigation.",
                     "loading data files: 1 of 12."}));
    EXPECT_TRUE(notice.freed);

    EXPECT_EQ(w.ToolButtonVse->text(), "All");
    EXPECT_EQ(w.TreeViewNavigace->topLevelItem(0)->text(0), "Welcome");
    EXPECT_EQ(node({"Exhibitor catalogue"})->childCount(), 6);
    for (const QWidget* list :
         std::initializer_list<const QWidget*>{w.TreeViewNavigace, w.ListBoxSeznamFirem}) {
        EXPECT_EQ(list->font().family(), "Verdana");
        EXPECT_EQ(list->font().pointSize(), 9);
        EXPECT_EQ(colour(list, QPalette::Text), QColor(0x10, 0x20, 0x40));
        EXPECT_EQ(colour(list, QPalette::Base), QColor(0xF4, 0xF7, 0xFB));
    }
    EXPECT_EQ(w.PanelLogo->height(), 90);
    EXPECT_EQ(colour(w.PanelLogo, QPalette::Window), QColor(0x1F, 0x4E, 0x8C));
    EXPECT_EQ(colour(w.LabelInfo, QPalette::WindowText), QColor(0x1F, 0x4E, 0x8C));
    EXPECT_EQ(colour(w.PanelInfo, QPalette::Window), QColor(0xDF, 0xE9, 0xF3));
    EXPECT_EQ(colour(w.PnlStatusBar, QPalette::Window), QColor(0x1F, 0x4E, 0x8C));
    EXPECT_EQ(colour(w.PanelTlacitka, QPalette::Window), QColor(0xD3, 0xDD, 0xE6));
}

// A bad colour ends the loading at its step; what the step read before it is shown all the same.
TEST_F(LoadingTest, AFailingStepKeepsWhatWasReadBeforeIt) {
    struct Case {
        const char* config;
        const char* message;
        const char* treeFace;
        bool headerRead;  // logoVyska=70
    };
    const Case cases[] = {{"[menu - graficka podoba]\npismo=Courier New\npismoBarva=modra\n",
                           "Error: 'modra' is not a valid integer value.", "Courier New", false},
                          {"[stavova lista]\npozadiBarva=$00FF0000\npismoBarva=x\n",
                           "Error: 'x' is not a valid integer value.", "MS Sans Serif", true}};
    for (const Case& c : cases) {
        TFormExpozice& w = open(writeDisc(std::string("[logo]\nlogoVyska=70\n") + c.config));
        EXPECT_EQ(takeMessages(), Lines{c.message});
        EXPECT_EQ(w.TreeViewNavigace->font().family(), c.treeFace);
        EXPECT_EQ(w.PanelLogo->height() == 70, c.headerRead);
        EXPECT_EQ(w.TreeViewNavigace->topLevelItemCount(), 0);
        ASSERT_EQ(notices.notices.size(), 1u);
        EXPECT_EQ(notices.notices[0].lines.size(), 1u);
        EXPECT_TRUE(notices.notices[0].freed);
        notices.notices.clear();
    }
    EXPECT_EQ(colour(form().PnlStatusBar, QPalette::Window), QColor(Qt::blue));
}

TEST_F(LoadingTest, AHigherHeaderPictureMakesTheHeaderTaller) {
    const std::string disc =
        writeDisc("[aplikace]\nSkrytData=\n[logo]\nlogoVyska=50\nlogoObrazek=Vysoke.BMP\n");
    ASSERT_TRUE(
        QImage(30, 80, QImage::Format_RGB32).save(QString::fromStdString(disc + "/vysoke.bmp")));
    TFormExpozice& w = open(disc);
    EXPECT_EQ(w.ImageLogo->size(), QSize(30, 80));
    EXPECT_EQ(w.PanelLogo->height(), 80);
    EXPECT_FALSE(w.WebBrowserLogo->isVisibleTo(&w));
}

// The panel is never narrower than its view bar, hidden buttons included; the first node is
// shown and current without being selected.
TEST_F(LoadingTest, TheNavigationPanelKeepsItsViewBarAndItsFirstNodeUnselected) {
    TFormExpozice& w =
        open(writeDisc("[aplikace]\nSkrytData=\n[tlacitka]\nnovinky=\n"
                       "[menu - graficka podoba]\nnavigaceSirka=10\npismoStyl=I\n"
                       "[polozka_a]\ntext0=A\nurl0=a.html\n[polozka_b]\ntext0=B\nurl0=b.html\n"));
    EXPECT_TRUE(w.ToolButtonNovinky->isHidden());
    EXPECT_TRUE(w.ListBoxSeznamFirem->font().italic());
    const int narrowest = w.navigationMinimumWidth();
    EXPECT_GT(narrowest, w.ToolBarSwitch->sizeHint().width()) << "the hidden button counts";
    EXPECT_EQ(w.PanelNavigace->width(), narrowest);
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

// Without navigation items nothing is shown, and the focus makes no section node current.
TEST_F(LoadingTest, WithoutItemsNothingIsShownAndTheFocusListsNoSection) {
    const std::string disc =
        writeDisc("[sekce katalogu]\npocet=1\n[sekce 1 na CD]\njaz0=A\nsekce katalogu=1\n");
    for (int i = 1; i < 12; ++i) {
        temp.write("disc/data/data" + std::to_string(i) + ".dat",
                   read(EXPO_DISC_DIR "/data/data" + std::to_string(i) + ".dat"));
    }
    TFormExpozice& w = open(disc);
    ASSERT_EQ(w.TreeViewNavigace->topLevelItemCount(), 1);
    w.TreeViewNavigace->setFocus(Qt::TabFocusReason);
    settle();
    EXPECT_EQ(w.TreeViewNavigace->currentItem(), nullptr);
    EXPECT_FALSE(w.PanelSeznamFirem->isVisible());
    EXPECT_TRUE(w.WebBrowser->view()->url().isEmpty());
    EXPECT_FALSE(w.WebBrowserInfo->isVisible());
}

}  // namespace
}  // namespace expo::testing
