// The splitters dragged with the real mouse on a real X server: they move within the window as
// it is, however far the mouse goes, and back.
#include "presentation/widgets/splitter_bar.h"
#include "tests/support/x_input.h"
#include "tests/support/x_window_test.h"

namespace expo::testing {
namespace {

using presentation::SplitterBar;

// The splitter over the exhibitor list is pressed, the mouse goes past the screen's bottom edge
// and is released there: the window keeps its size and its least size, the list keeps its view
// bar and panel-button row in the window; dragged back up, the splitter follows the mouse. The
// splitter beside the page area, dragged past the right edge, leaves the window's size too.
TEST_F(XServerWindowTest, TheSplittersMoveWithinTheWindow) {
    TFormExpozice& w = open();
    select(section("Strojírenství"));
    ASSERT_TRUE(activate(w));
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QRect window = w.frameGeometry();
    const QSize least = w.minimumSize();
    ASSERT_TRUE(screen.contains(window));
    XInput input;
    // Pressed in its middle, moved halfway, then by `by`, and released there.
    const auto drag = [&](SplitterBar& bar, QPoint by) {
        QSignalSpy moved(&bar, &SplitterBar::moved);
        const QPoint from = bar.mapToGlobal(bar.rect().center());
        input.send({XStep::moveTo(from), XStep::buttonPress(), XStep::moveTo(from + by / 2),
                    XStep::moveTo(from + by), XStep::buttonRelease()});
        EXPECT_TRUE(waitFor([&] { return moved.count() == 1; }));
        settle();
    };

    EXPECT_EQ(w.TreeViewNavigace->height(), w.treeHeight());  // its kept height
    drag(*w.SplitterFirmy, {0, screen.height()});
    EXPECT_GT(w.TreeViewNavigace->height(), w.treeHeight());
    EXPECT_EQ(w.frameGeometry(), window);
    EXPECT_EQ(w.minimumSize(), least);
    for (const QWidget* row : std::initializer_list<const QWidget*>{
             w.PanelBtnZobr, w.ListBoxSeznamFirem, w.PanelTlacitka}) {
        const QRect shown(row->mapToGlobal(QPoint()), row->size());
        EXPECT_TRUE(w.geometry().contains(shown) && screen.contains(shown))
            << row->objectName().toStdString();
    }
    EXPECT_TRUE(w.PanelBtnZobr->geometry().bottom() < w.ListBoxSeznamFirem->geometry().top() &&
                w.ListBoxSeznamFirem->geometry().bottom() < w.PanelTlacitka->geometry().top());

    const int treeHeight = w.TreeViewNavigace->height();
    drag(*w.SplitterFirmy, {0, -300});
    EXPECT_EQ(w.TreeViewNavigace->height(), treeHeight - 300);
    EXPECT_EQ(w.frameGeometry(), window);
    EXPECT_EQ(w.minimumSize(), least);

    drag(*w.SplitterWeb, {screen.width(), 0});
    EXPECT_EQ(w.frameGeometry(), window);
    EXPECT_TRUE(w.geometry().contains(
        QRect(w.PanelExpozice->mapToGlobal(QPoint()), w.PanelExpozice->size())));
}

}  // namespace
}  // namespace expo::testing
