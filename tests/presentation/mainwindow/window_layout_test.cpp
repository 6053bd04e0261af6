// The main window made as small as it goes, in each of its layouts: no control laid out in a
// panel overlaps another or sticks out of the panel, and the least size fits a screen of 800 x 600.

#include "tests/support/window_fixture.h"

namespace expo::testing {
namespace {

bool manages(const QLayout& layout, const QWidget* widget) {
    for (int i = 0; i < layout.count(); ++i) {
        QLayoutItem* item = layout.itemAt(i);
        if (item->widget() == widget || (item->layout() && manages(*item->layout(), widget))) {
            return true;
        }
    }
    return false;
}

// Each pair of shown controls one layout places side by side that overlap, and each that
// reaches out of its panel.
Lines overlaps(const QWidget& window) {
    Lines found;
    auto name = [](const QWidget* w) { return w->objectName().toStdString(); };
    for (const QWidget* panel : window.findChildren<QWidget*>()) {
        if (panel->layout() == nullptr || !panel->isVisibleTo(&window)) {
            continue;
        }
        std::vector<const QWidget*> placed;
        for (const QWidget* child : panel->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (child->isVisibleTo(&window) && !child->isWindow() &&
                manages(*panel->layout(), child)) {
                placed.push_back(child);
            }
        }
        for (size_t i = 0; i < placed.size(); ++i) {
            if (!panel->rect().contains(placed[i]->geometry())) {
                found.push_back(name(placed[i]) + " out of " + name(panel));
            }
            for (size_t j = i + 1; j < placed.size(); ++j) {
                if (placed[i]->geometry().intersects(placed[j]->geometry())) {
                    found.push_back(name(placed[i]) + " over " + name(placed[j]));
                }
            }
        }
    }
    return found;
}

using SmallWindow = WindowTest;

TEST_F(SmallWindow, NothingOverlapsAtTheLeastSize) {
    TFormExpozice& w = open();
    const auto expectLaidOut = [&](const char* layout) {
        for (const QSize size : {QSize(500, 400), QSize(1, 1)}) {
            w.resize(size);
            settle();
            EXPECT_EQ(overlaps(w), Lines{})
                << layout << " at " << size.width() << " x " << size.height();
        }
        EXPECT_LE(w.minimumSize().width(), 800) << layout;
        EXPECT_LE(w.minimumSize().height(), 600) << layout;
    };
    expectLaidOut("page");
    select(section("Strojírenství"));
    expectLaidOut("exhibitor list");
    select(w.TreeViewNavigace->topLevelItem(0));
    w.EditHledani->setText(ui::toQ(text::cp("lipová")));
    w.ActFulltext->trigger();
    ASSERT_TRUE(w.PanelBackHledani->isVisible());
    expectLaidOut("full-text hits");
}

}  // namespace
}  // namespace expo::testing
