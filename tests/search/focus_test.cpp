// The control that had the focus has it again once a window of the program has closed: the export
// window (after its notice), the notice of a full-text search, and the nomenclature picker over
// the search dialog.

#include "presentation/windows/dlg_jednoduchy_export.h"
#include "search/dlg_hledani.h"
#include "search/dlg_vyber_nom.h"
#include "search/search_command.h"
#include "tests/support/window_fixture.h"

namespace expo::testing {
namespace {

using presentation::TDlgJednoduchyExport;
using search::TDlgHledani;
using search::TDlgVyberNom;

class FocusTest : public WindowTest {
  public:
    FocusTest() { TFormExpozice::setSearchDialogStep(&search::RunSearchDialog); }
    // For the cases' steps.
    using WindowTest::section;
    using WindowTest::select;
    using WindowTest::withModal;

    // Focuses `control` in its active window, runs `act`, and tells whether the focus is back on
    // `control` once the windows `act` opened have closed and its window is active again (as a
    // window manager activates it; the offscreen platform has none).
    ::testing::AssertionResult focusComesBack(QWidget* control, const std::function<void()>& act) {
        control->setFocus();
        EXPECT_TRUE(waitFor([&] { return QApplication::focusWidget() == control; }));
        act();
        settle();
        control->window()->activateWindow();
        EXPECT_TRUE(waitFor([&] { return control->window()->isActiveWindow(); }));
        settle();
        const QWidget* focus = QApplication::focusWidget();
        if (focus == control) {
            return ::testing::AssertionSuccess();
        }
        return ::testing::AssertionFailure()
               << "focus on " << (focus ? focus->objectName().toStdString() : "nothing");
    }
};

struct Case {
    const char* name;
    // Prepares the main window and returns the control to focus.
    QWidget* (*prepare)(FocusTest&, TFormExpozice&);
    void (*act)(FocusTest&, TFormExpozice&);
};

void PrintTo(const Case& c, std::ostream* out) {
    *out << c.name;
}

class FocusReturns : public FocusTest, public ::testing::WithParamInterface<Case> {};

TEST_P(FocusReturns, ToTheControlThatHadIt) {
    TFormExpozice& w = open();
    w.activateWindow();
    ASSERT_TRUE(waitFor([&] { return w.isActiveWindow(); }));
    QWidget* control = GetParam().prepare(*this, w);
    EXPECT_TRUE(focusComesBack(control, [&] { GetParam().act(*this, w); }));
}

INSTANTIATE_TEST_SUITE_P(
    Windows, FocusReturns,
    ::testing::Values(Case{"export",
                           [](FocusTest& t, TFormExpozice& w) -> QWidget* {
                               t.select(t.section("Strojírenství"));
                               w.ActDoZapisniku->trigger();
                               w.ActZapisnik->trigger();
                               return w.ListBoxSeznamFirem;
                           },
                           [](FocusTest& t, TFormExpozice& w) {
                               EXPECT_EQ(t.withModal<TDlgJednoduchyExport>(
                                             [&] { w.ActExportZapisniku->trigger(); },
                                             [](TDlgJednoduchyExport&) {}),
                                         1);
                           }},
                      Case{"fullTextNotice",
                           [](FocusTest&, TFormExpozice& w) -> QWidget* {
                               w.EditHledani->setText(ui::toQ(text::cp("lipová")));
                               return w.EditHledani;
                           },
                           [](FocusTest&, TFormExpozice& w) { w.ActFulltext->trigger(); }},
                      Case{"pickerOverTheSearchDialog",
                           [](FocusTest& t, TFormExpozice& w) -> QWidget* {
                               t.select(t.section("Strojírenství"));
                               return w.ListBoxSeznamFirem;
                           },
                           [](FocusTest& t, TFormExpozice& w) {
                               t.withModal<TDlgHledani>(
                                   [&] { w.ActHledani->trigger(); },
                                   [&](TDlgHledani& d) {
                                       d.BtnPokocile->click();
                                       const auto& band =
                                           d.criterionBand(search::Criterion::NomenclatureCode);
                                       band.check->setChecked(true);
                                       EXPECT_TRUE(t.focusComesBack(band.own.valueControl, [&] {
                                           t.withModal<TDlgVyberNom>(
                                               [&] { d.SpeedButtonVyberNom->click(); },
                                               [](TDlgVyberNom&) {});
                                       }));
                                   });
                           }}),
    [](const ::testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace expo::testing
