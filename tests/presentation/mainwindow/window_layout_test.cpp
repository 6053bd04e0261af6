// The main window made as small as it goes, in each of its layouts: no control laid out in a
// panel overlaps another or sticks out of the panel, and the least size fits a screen of 800 x 600.
// The panel-buttons' captions stand in the middle of their panels.

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

// In each view, at the first loading and after each language switch, every panel-button under the
// exhibitor list shows its caption in the middle, 5 pixels from either side.
TEST_F(WindowTest, PanelButtonCaptionsStandInTheMiddle) {
    const std::pair<int, const char*> languages[] = {{0, "Provést výběr"}, {1, "Search"},
                                                     {2, "Suchen"},        {3, "Wyszukaj"},
                                                     {4, "Vykonať výber"}, {0, "Provést výběr"}};
    TFormExpozice& w = open();
    QTreeWidgetItem* listed = section("Strojírenství");
    const int catalogue = w.TreeViewNavigace->indexOfTopLevelItem(listed->parent());
    const int row = listed->parent()->indexOfChild(listed);
    int shown = 0;
    bool loaded = true;  // the first language comes with the window
    for (const auto& [language, search] : languages) {
        if (!std::exchange(loaded, false)) {
            EXPECT_TRUE(follow("nastav_jaz" + std::to_string(language)));
        }
        select(w.TreeViewNavigace->topLevelItem(catalogue)->child(row));
        EXPECT_EQ(w.LblNovyVyber->text().toStdString(), search);
        for (QAction* view : {w.ActVse, w.ActZapisnik, w.ActVyber}) {
            view->trigger();
            settle();
            for (const auto* button : w.PanelTlacitka->findChildren<presentation::PanelButton*>()) {
                if (!button->isVisibleTo(&w)) {
                    continue;
                }
                ++shown;
                const QLabel& label = *button->label();
                const QRect caption = QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter,
                                                          label.sizeHint(), label.geometry());
                EXPECT_EQ(std::pair(caption.left(), button->width() - 1 - caption.right()),
                          std::pair(5, 5))
                    << label.text().toStdString() << ", language " << language;
            }
        }
    }
    EXPECT_EQ(shown, 6 * 5);
}

}  // namespace
}  // namespace expo::testing
