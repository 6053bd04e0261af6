// Every text of every window in each of the demo disc's five languages is shown whole: the main
// window in its views and with the full-text hits, the progress notice, the export window, both
// pages of the search dialog (the advanced one with an alternative row for each criterion) and
// the nomenclature picker.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>
#include <ostream>

#include "platform/ui/qtext.h"
#include "presentation/dlg_hlaseni.h"
#include "presentation/dlg_jednoduchy_export.h"
#include "search/dlg_vyber_nom.h"
#include "tests/search/search_fixture.h"
#include "tests/support/text_fit.h"

namespace expo::search::testing {
namespace {

using expo::testing::clippedTexts;
using Clipped = std::vector<std::string>;

// Checks each progress notice at every line it shows.
class NoticeCheck : public QObject {
  public:
    NoticeCheck() { qApp->installEventFilter(this); }
    ~NoticeCheck() override { qApp->removeEventFilter(this); }
    Clipped clipped;
    int checked = 0;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            if (auto* notice = qobject_cast<presentation::TFormDlgHlaseni*>(watched)) {
                connect(notice, &presentation::TFormDlgHlaseni::messageTextSet, this,
                        [this, notice] {
                            ++checked;
                            for (std::string& c : clippedTexts(*notice)) {
                                clipped.push_back(std::move(c));
                            }
                        });
            }
        }
        return false;
    }
};

class TextFit : public SearchTest, public ::testing::WithParamInterface<int> {
  protected:
    // The window's texts that do not fit, each named with the window.
    void expectFits(const QWidget& window, const char* name) {
        EXPECT_EQ(clippedTexts(window), Clipped{}) << name << ", language " << GetParam();
    }
};

TEST_P(TextFit, EveryWindowShowsItsWholeTexts) {
    presentation::TFormExpozice& w = open();
    NoticeCheck notices;
    bool cancel = false;
    w.WebBrowserBeforeNavigate2("nastav_jaz" + std::to_string(GetParam()), cancel);
    settle();
    EXPECT_GT(notices.checked, 0);
    EXPECT_EQ(notices.clipped, Clipped{}) << "notice, language " << GetParam();
    w.TreeViewNavigace->setCurrentItem(w.TreeViewNavigace->topLevelItem(0));
    settle();

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

    {
        presentation::TDlgJednoduchyExport exportWindow(w);
        exportWindow.show();
        settle();
        expectFits(exportWindow, "export");
    }
    {
        TDlgHledani dialog(w);
        dialog.show();
        settle();
        expectFits(dialog, "simple search");
        dialog.BtnPokocile->click();
        settle();
        for (int c = 0; c < kCriterionCount; ++c) {
            const TDlgHledani::CriterionBand& band =
                dialog.criterionBand(static_cast<Criterion>(c));
            if (!band.band->isVisibleTo(&dialog)) {
                continue;
            }
            band.check->setChecked(true);
            band.plus->click();
        }
        settle();
        expectFits(dialog, "advanced search");
    }
    {
        QLineEdit edit;
        TDlgVyberNom picker(&w, w, edit);
        picker.show();
        settle();
        expectFits(picker, "picker");
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, TextFit, ::testing::Range(0, 5));

// Where a Czech text fits, its control keeps the place and size of the window layout.
class KeptLayout : public SearchTest {};

TEST_F(KeptLayout, ControlsWhoseTextsFitKeepTheLayoutsGeometry) {
    TDlgHledani dialog(open());
    const std::pair<QWidget*, QRect> kept[] = {
        {dialog.ComboBoxVybrat, {26, 88, 162, dialog.ComboBoxVybrat->height()}},
        {dialog.CheckBoxMalaVelka, {284, 89, 367, dialog.CheckBoxMalaVelka->height()}},
        {dialog.BtnSelVyber, {4, 9, 110, 26}},
        {dialog.BtnCancel, {4, 37, 110, 25}},
        {dialog.EditNAZEVFIRMY, {183, 4, 338, 21}},
        {dialog.criterionBand(Criterion::City).check,
         {5, 7, 175, dialog.criterionBand(Criterion::City).check->height()}},
    };
    for (const auto& [control, geometry] : kept) {
        EXPECT_EQ(control->geometry(), geometry) << control->objectName().toStdString();
    }
}

}  // namespace
}  // namespace expo::search::testing
