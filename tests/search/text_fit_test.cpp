// Every text of every window in each of the demo disc's five languages is shown whole: the main
// window in its views and with the full-text hits, the progress notice, the export window, both
// pages of the search dialog (the advanced one with an alternative row for each criterion) and
// the nomenclature picker. Where a Czech text fits, its control keeps the layout's geometry.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>

#include "presentation/windows/dlg_jednoduchy_export.h"
#include "search/dlg_hledani.h"
#include "search/dlg_vyber_nom.h"
#include "tests/support/window_fixture.h"

namespace expo::testing {
namespace {

using search::Criterion;
using search::TDlgHledani;

// What does not fit in `window` (its shown controls only), one line each: each button, check
// box, label and combo (every item of a combo) must hold its whole text in the font it is drawn
// in, stand wholly inside its parent and run into no control beside it.
Lines clippedTexts(const QWidget& window) {
    Lines clipped;
    const auto tell = [&](const QWidget& w, const QString& text, int needed, int room,
                          const std::string& more = "") {
        clipped.push_back(w.objectName().toStdString() + " " + w.metaObject()->className() + " \"" +
                          text.toStdString() + "\" needs " + std::to_string(needed) + ", has " +
                          std::to_string(room) + more);
    };
    const auto check = [&](const QWidget& w, const QString& text, int needed, int room) {
        if (needed > room) {
            tell(w, text, needed, room);
        }
    };
    const auto isControl = [](const QObject* o) {
        return qobject_cast<const QLabel*>(o) || qobject_cast<const QAbstractButton*>(o) ||
               qobject_cast<const QComboBox*>(o) || qobject_cast<const QLineEdit*>(o);
    };
    for (const QWidget* w : window.findChildren<QWidget*>()) {
        if (!w->isVisibleTo(&window) || w->isWindow() || !isControl(w) ||
            qobject_cast<const QLineEdit*>(w)) {
            continue;
        }
        const QFontMetrics metrics = w->fontMetrics();
        QString text;
        if (const auto* label = qobject_cast<const QLabel*>(w)) {
            text = label->text();
            if (text.isEmpty() || Qt::mightBeRichText(text)) {
                continue;
            }
            const int margin = label->margin();
            if (label->wordWrap()) {
                check(*w, text, label->heightForWidth(label->width()), label->height());
            } else {
                check(*w, text, metrics.horizontalAdvance(text),
                      label->contentsRect().width() - 2 * margin);
            }
        } else if (const auto* tool = qobject_cast<const QToolButton*>(w)) {
            text = tool->text();
            if (text.isEmpty() || tool->toolButtonStyle() == Qt::ToolButtonIconOnly) {
                continue;
            }
            check(*w, text, tool->sizeHint().width(), tool->width());
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(w)) {
            text = button->text();
            const QStyle::SubElement contents =
                qobject_cast<const QCheckBox*>(w)      ? QStyle::SE_CheckBoxContents
                : qobject_cast<const QRadioButton*>(w) ? QStyle::SE_RadioButtonContents
                                                       : QStyle::SE_PushButtonContents;
            QStyleOptionButton option;
            option.initFrom(button);
            option.text = text;
            check(*w, text, metrics.horizontalAdvance(QString(text).remove('&')),
                  w->style()->subElementRect(contents, &option, w).width());
        } else if (const auto* combo = qobject_cast<const QComboBox*>(w)) {
            QStyleOptionComboBox option;
            option.initFrom(combo);
            option.editable = combo->isEditable();
            const int room =
                w->style()
                    ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, w)
                    .width();
            for (int i = 0; i < combo->count(); ++i) {
                check(*w, combo->itemText(i), metrics.horizontalAdvance(combo->itemText(i)), room);
            }
            text = combo->currentText();
        }
        const QWidget& parent = *w->parentWidget();
        const QRect place = w->geometry();
        if (place.right() >= parent.width() || place.left() < 0) {
            tell(*w, text, place.right() + 1, parent.width(), " in its parent");
        }
        for (const QObject* child : parent.children()) {
            const auto* beside = qobject_cast<const QWidget*>(child);
            if (beside && beside != w && isControl(beside) && beside->isVisibleTo(&window) &&
                beside->geometry().intersects(place)) {
                tell(*w, text, place.right() + 1, place.right() + 1,
                     " runs into " + beside->objectName().toStdString());
            }
        }
    }
    return clipped;
}

class TextFit : public WindowTest, public ::testing::WithParamInterface<int> {
  protected:
    void expectFits(const QWidget& window, const char* name) {
        EXPECT_EQ(clippedTexts(window), Lines{}) << name << ", language " << GetParam();
    }
};

TEST_P(TextFit, EveryWindowShowsItsWholeTexts) {
    Lines inNotices;
    notices.eachLine = [&](const QWidget& notice) {
        const Lines clipped = clippedTexts(notice);
        inNotices.insert(inNotices.end(), clipped.begin(), clipped.end());
    };
    TFormExpozice& w = open(EXPO_DISC_DIR, GetParam());
    notices.eachLine = nullptr;
    ASSERT_FALSE(notices.notices.empty());
    EXPECT_FALSE(notices.notices[0].lines.empty());
    EXPECT_EQ(inNotices, Lines{}) << "notice, language " << GetParam();
    select(w.TreeViewNavigace->topLevelItem(0));

    expectFits(w, "main window");
    for (QAction* view : {w.ActZapisnik, w.ActVyber}) {
        view->trigger();
        settle();
        expectFits(w, view->objectName().toLatin1().constData());
    }
    w.EditHledani->setText(ui::toQ(text::cp("lipová")));
    w.ActFulltext->trigger();
    settle();
    ASSERT_GT(w.ListBoxNalezene->count(), 0);
    expectFits(w, "main window with hits");
    // A hit is drawn whole: wider than the list, it scrolls.
    QListWidget& hits = *w.ListBoxNalezene;
    EXPECT_NE(hits.horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    for (int row = 0; row < hits.count(); ++row) {
        const QString hit = hits.item(row)->text();
        EXPECT_GE(hits.visualItemRect(hits.item(row)).width(),
                  hits.fontMetrics().horizontalAdvance(hit))
            << hit.toStdString();
    }

    presentation::TDlgJednoduchyExport exportWindow(w);
    exportWindow.show();
    settle();
    expectFits(exportWindow, "export");
    TDlgHledani dialog(w);
    dialog.show();
    settle();
    expectFits(dialog, "simple search");
    dialog.BtnPokocile->click();
    for (int c = 0; c < search::kCriterionCount; ++c) {
        const TDlgHledani::CriterionBand& band = dialog.criterionBand(static_cast<Criterion>(c));
        if (band.band->isVisibleTo(&dialog)) {
            band.check->setChecked(true);
            band.plus->click();
        }
    }
    settle();
    expectFits(dialog, "advanced search");
    QLineEdit edit;
    search::TDlgVyberNom picker(&w, w, edit);
    picker.show();
    settle();
    expectFits(picker, "picker");
}

INSTANTIATE_TEST_SUITE_P(Languages, TextFit, ::testing::Range(0, 5));

TEST_F(WindowTest, SearchControlsWhoseCzechTextsFitKeepTheLayoutsGeometry) {
    TDlgHledani dialog(open());
    QWidget* const city = dialog.criterionBand(Criterion::City).check;
    const std::pair<QWidget*, QRect> kept[] = {
        {dialog.ComboBoxVybrat, {26, 88, 162, dialog.ComboBoxVybrat->height()}},
        {dialog.CheckBoxMalaVelka, {284, 89, 367, dialog.CheckBoxMalaVelka->height()}},
        {dialog.BtnSelVyber, {4, 9, 110, 26}},
        {dialog.BtnCancel, {4, 37, 110, 25}},
        {dialog.EditNAZEVFIRMY, {183, 4, 338, 21}},
        {city, {5, 7, 175, city->height()}},
    };
    for (const auto& [control, geometry] : kept) {
        EXPECT_EQ(control->geometry(), geometry) << control->objectName().toStdString();
    }
}

}  // namespace
}  // namespace expo::testing
