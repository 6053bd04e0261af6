// The navigation panel after the loading: never narrower than its view bar, whatever the
// settings or the splitter ask; the first node shown is the tree's current node without being
// selected, and the tree's focus alone makes no other node current. The path bar's page shows
// the face its height is measured in.
#include <QFontInfo>
#include <QFrame>
#include <QLabel>
#include <QTest>
#include <QTreeWidget>
#include <QWebEngineSettings>

#include "platform/browser/webbrowser.h"
#include "presentation/splitter_bar.h"
#include "tests/loading/loading_fixture.h"

namespace expo::presentation::testing {
namespace {

class NavigationPanelTest : public LoadingTest {};

// Presses the splitter, moves it by `dx` pixels and lets it go.
void drag(QWidget& splitter, int dx) {
    const QPoint from(1, splitter.height() / 2);
    QTest::mousePress(&splitter, Qt::LeftButton, {}, from);
    QTest::mouseMove(&splitter, from + QPoint(dx, 0));
    QTest::mouseRelease(&splitter, Qt::LeftButton, {}, from + QPoint(dx, 0));
}

TEST_F(NavigationPanelTest, NeitherSettingsNorSplitterMakeThePanelNarrowerThanItsViewBar) {
    writeSmallDisc(
        "[menu - graficka podoba]\nnavigaceSirka=10\n"
        "[polozka_a]\ntext0=A\nurl0=a.html\n");
    startIn(0, [](TFormExpozice& form) {
        const int narrowest = form.navigationMinimumWidth();
        ASSERT_GT(narrowest, 10);
        EXPECT_EQ(form.treeWidth(), 10) << "as config.ini gives it";
        EXPECT_EQ(form.PanelNavigace->width(), narrowest);

        drag(*form.SplitterWeb, 60);
        EXPECT_EQ(form.PanelNavigace->width(), narrowest + 60);
        drag(*form.SplitterWeb, -narrowest - 100);
        EXPECT_EQ(form.PanelNavigace->width(), narrowest);

        drag(*form.SplitterWeb, 60);
        reactivate(form);
        EXPECT_EQ(form.PanelNavigace->width(), narrowest) << "the activation sets it again";
    });
    expectNoErrors();
}

TEST_F(NavigationPanelTest, TheFirstNodeShownIsCurrentUnselectedAndKeptInThePathBar) {
    writeSmallDisc("[polozka_a]\ntext0=A\nurl0=a.html\n[polozka_b]\ntext0=B\nurl0=b.html\n");
    startIn(0, [](TFormExpozice& form) {
        QTreeWidget& tree = *form.TreeViewNavigace;
        EXPECT_EQ(tree.currentItem(), tree.topLevelItem(0));
        EXPECT_TRUE(tree.selectedItems().empty());

        form.resize(form.width() - 40, form.height());
        QTest::qWait(50);  // the path bar is rebuilt for the new width once the resize is done
        EXPECT_EQ(form.LabelInfo->text(), "- A");

        tree.setFocus(Qt::TabFocusReason);
        QTest::qWait(50);
        EXPECT_EQ(tree.currentItem(), tree.topLevelItem(0));
        EXPECT_TRUE(tree.selectedItems().empty());
    });
    expectNoErrors();
}

// The bar's page names Verdana; where the system lacks it, the page shows the face that the
// label measuring the bar's height falls back to.
TEST_F(NavigationPanelTest, ThePathBarsPageFallsBackToTheFaceItIsMeasuredIn) {
    writeSmallDisc("[polozka_a]\ntext0=A\nurl0=a.html\n");
    startIn(0, [](TFormExpozice& form) {
        const QWebEngineSettings& settings = *form.WebBrowserInfo->view()->page()->settings();
        EXPECT_EQ(settings.fontFamily(QWebEngineSettings::StandardFont),
                  QFontInfo(form.LabelInfo->font()).family());
    });
    expectNoErrors();
}

// Without navigation items there is no first node: nothing is shown, the path bar stays empty
// and hidden, and the section nodes added afterwards are not shown either.
TEST_F(NavigationPanelTest, WithoutItemsNothingIsShown) {
    writeSmallDisc(
        "[SysPolozkaVystavovatele]\nsablona0=s.html\n"
        "[sekce katalogu]\npocet=1\n"
        "[sekce 1 na CD]\njaz0=První\nsekce katalogu=1\n");
    startIn(0, [](TFormExpozice& form) {
        ASSERT_EQ(form.TreeViewNavigace->topLevelItemCount(), 1) << "the section alone";
        EXPECT_TRUE(form.WebBrowser->view()->url().isEmpty());
        EXPECT_EQ(form.LabelInfo->text(), "");
        EXPECT_FALSE(form.WebBrowserInfo->isVisible());
        EXPECT_FALSE(form.PanelSeznamFirem->isVisible());
        EXPECT_EQ(form.PnlStatusBar->text(), "");
    });
    expectNoErrors();
}

// Without navigation items the tree holds only catalogue sections, none of them shown; the
// focus would otherwise list the first and show its first exhibitor through a template that
// is not there.
TEST_F(NavigationPanelTest, TheFocusMakesNoNodeCurrent) {
    writeSmallDisc(
        "[SysPolozkaVystavovatele]\nsablona0=chybi.html\n"
        "[sekce katalogu]\npocet=1\n"
        "[sekce 1 na CD]\njaz0=První\nsekce katalogu=1\n");
    startIn(0, [](TFormExpozice& form) {
        QTreeWidget& tree = *form.TreeViewNavigace;
        ASSERT_EQ(tree.topLevelItemCount(), 1);
        ASSERT_EQ(tree.currentItem(), nullptr);

        for (const Qt::FocusReason reason :
             {Qt::TabFocusReason, Qt::ActiveWindowFocusReason, Qt::OtherFocusReason}) {
            form.setFocus();
            tree.setFocus(reason);
            QTest::qWait(50);
            EXPECT_TRUE(tree.hasFocus());
            EXPECT_EQ(tree.currentItem(), nullptr) << reason;
            EXPECT_FALSE(form.PanelSeznamFirem->isVisible()) << reason;
        }

        QTest::keyClick(&tree, Qt::Key_Down);  // the keys choose the first node
        EXPECT_EQ(tree.currentItem(), tree.topLevelItem(0));
    });
    // Listing the section shows its first exhibitor: the template is missing.
    EXPECT_EQ(errors().size(), 1u);
}

}  // namespace
}  // namespace expo::presentation::testing
