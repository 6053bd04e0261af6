// Every text of every window in each of the demo disc's five languages is shown whole: the main
// window in its views and with the full-text hits (each drawn whole, the list scrolling
// sideways), the progress notice, the export window, both pages of the search dialog (the
// advanced one with an alternative row for each criterion) and the nomenclature picker.

#include <QScrollBar>

#include "presentation/windows/dlg_jednoduchy_export.h"
#include "search/dlg_hledani.h"
#include "search/dlg_vyber_nom.h"
#include "tests/support/window_fixture.h"

namespace expo::testing {
namespace {

using search::TDlgHledani;

// What does not fit in `window` (its shown controls, those in its visible part), one line each:
// each button, check box, label and combo (every item of a combo) must hold its whole text in the
// font it is drawn in, with the room its style wants around the text.
Lines clippedTexts(const QWidget& window) {
    Lines clipped;
    for (const QWidget* w : window.findChildren<QWidget*>()) {
        const auto check = [&](const QString& text, int needed, int room) {
            if (needed > room && !text.isEmpty() && w->isVisibleTo(&window) && !w->isWindow() &&
                window.rect().intersects(QRect(w->mapTo(&window, QPoint()), w->size()))) {
                clipped.push_back(w->objectName().toStdString() + " \"" + text.toStdString() +
                                  "\" " + std::to_string(needed) + " > " + std::to_string(room));
            }
        };
        const QFontMetrics metrics = w->fontMetrics();
        if (const auto* label = qobject_cast<const QLabel*>(w)) {
            const QString text = Qt::mightBeRichText(label->text()) ? QString() : label->text();
            const bool wraps = label->wordWrap();
            check(text,
                  wraps ? label->heightForWidth(label->width()) : metrics.horizontalAdvance(text),
                  wraps ? label->height() : label->contentsRect().width() - 2 * label->margin());
        } else if (const auto* tool = qobject_cast<const QToolButton*>(w)) {
            check(tool->toolButtonStyle() == Qt::ToolButtonIconOnly ? QString() : tool->text(),
                  tool->sizeHint().width(), tool->width());
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(w)) {
            // The style's own measure of the control around its text: frame, margins, box.
            check(button->text(), button->sizeHint().width(), button->width());
        } else if (const auto* combo = qobject_cast<const QComboBox*>(w)) {
            // Each item as the style measures a combo showing it alone, arrow and frame included.
            QComboBox probe;
            probe.setSizeAdjustPolicy(QComboBox::AdjustToContents);
            probe.setStyle(combo->style());
            probe.setFont(combo->font());
            probe.setEditable(combo->isEditable());
            probe.setFrame(combo->hasFrame());
            for (int i = 0; i < combo->count(); ++i) {
                probe.clear();
                probe.addItem(combo->itemText(i));
                check(combo->itemText(i), probe.sizeHint().width(), combo->width());
            }
        }
    }
    return clipped;
}

// Each language in each of the styles at hand: the one the program gets by default and the
// plain Windows style, whose frames and margins differ.
class TextFit : public WindowTest,
                public ::testing::WithParamInterface<std::tuple<int, std::string>> {
  protected:
    TextFit() : defaultStyle_(QApplication::style()->name()) {
        if (QStyle* style =
                QStyleFactory::create(QString::fromStdString(std::get<1>(GetParam())))) {
            QApplication::setStyle(style);
        }
    }
    ~TextFit() override { QApplication::setStyle(defaultStyle_); }

    static int language() { return std::get<0>(GetParam()); }
    void expectFits(QWidget& window, const char* name) {
        window.show();
        settle();
        EXPECT_EQ(clippedTexts(window), Lines{})
            << name << ", language " << language() << ", style " << std::get<1>(GetParam());
    }

  private:
    const QString defaultStyle_;
};

TEST_P(TextFit, EveryWindowShowsItsWholeTexts) {
    Lines inNotices;
    notices.eachLine = [&](const QWidget& notice) {
        const Lines clipped = clippedTexts(notice);
        inNotices.insert(inNotices.end(), clipped.begin(), clipped.end());
    };
    TFormExpozice& w = open(EXPO_DISC_DIR, language());
    notices.eachLine = nullptr;
    EXPECT_FALSE(notices.notices.at(0).lines.empty());
    EXPECT_EQ(inNotices, Lines{}) << "notice, language " << language();
    select(w.TreeViewNavigace->topLevelItem(0));
    for (QAction* view : {w.ActVse, w.ActZapisnik, w.ActVyber}) {
        view->trigger();
        expectFits(w, view->objectName().toLatin1().constData());
    }
    w.EditHledani->setText(ui::toQ(text::cp("lipová")));
    w.ActFulltext->trigger();
    expectFits(w, "main window with hits");
    // A hit is drawn whole: wider than the list, it scrolls as far as the widest one needs.
    const QListWidget& hits = *w.ListBoxNalezene;
    ASSERT_GT(hits.count(), 0);
    EXPECT_NE(hits.horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    for (int row = 0; row < hits.count(); ++row) {
        EXPECT_GE(hits.viewport()->width() + hits.horizontalScrollBar()->maximum(),
                  hits.fontMetrics().horizontalAdvance(hits.item(row)->text()))
            << hits.item(row)->text().toStdString();
    }
    presentation::TDlgJednoduchyExport exportWindow(w);
    expectFits(exportWindow, "export");
    TDlgHledani dialog(w);
    expectFits(dialog, "simple search");
    dialog.BtnPokocile->click();
    for (int c = 0; c < search::kCriterionCount; ++c) {
        const TDlgHledani::CriterionBand& band = dialog.criterionBand(search::Criterion(c));
        if (band.band->isVisibleTo(&dialog)) {
            band.check->setChecked(true);
            band.plus->click();
        }
    }
    expectFits(dialog, "advanced search");
    QLineEdit edit;
    search::TDlgVyberNom picker(&w, w, edit);
    expectFits(picker, "picker");
}

INSTANTIATE_TEST_SUITE_P(Languages, TextFit,
                         ::testing::Combine(::testing::Range(0, 5),
                                            ::testing::Values(std::string("Default"),
                                                              std::string("Windows"))),
                         [](const auto& info) {
                             return std::get<1>(info.param) + "_language_" +
                                    std::to_string(std::get<0>(info.param));
                         });

}  // namespace
}  // namespace expo::testing
