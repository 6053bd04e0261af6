// The criteria search in the main window on the demo disc: the simple search and the "Výběr"
// view, no match and Cancel, the advanced page with its picker, alternatives and OK checks, the
// switch between the pages, and the nomenclature picker's keys and its language before any
// exhibitor page.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

#include "search/dlg_hledani.h"
#include "search/dlg_vyber_nom.h"
#include "search/drop_down_combo.h"
#include "search/search_command.h"
#include "tests/support/window_fixture.h"

namespace expo::testing {
namespace {

using search::Criterion;
using search::TDlgHledani;
using search::TDlgVyberNom;

const Lines kStroj = {"Strojírny Lipová Hora a.s.", "Strojmat a.s."};
const std::string kStrojLine = "   - Výběr: (název vystavovatele začíná na \"stroj\")";

class SearchTest : public WindowTest {
  protected:
    SearchTest() { TFormExpozice::setSearchDialogStep(&search::RunSearchDialog); }
    // "Strojírenství" listed and the "Výběr" view shown, as the user starts a search.
    TFormExpozice& openSection() {
        TFormExpozice& w = open();
        select(section("Strojírenství"));
        w.ActVyber->trigger();
        return w;
    }
    // The search command with its dialog worked by `act`, then OK unless `act` closed it.
    void search(const std::function<void(TDlgHledani&)>& act) {
        EXPECT_TRUE(withModal<TDlgHledani>([this] { form().ActHledani->trigger(); },
                                           [&](TDlgHledani& d) {
                                               act(d);
                                               if (d.isVisible()) {
                                                   d.BtnSelVyber->click();
                                               }
                                           }));
    }
    static QLineEdit* edit(const TDlgHledani::ConditionRowWidgets& row) {
        return qobject_cast<QLineEdit*>(row.valueControl);
    }
    // The dialog over the listed section, on its advanced page with `criterion` ticked.
    std::unique_ptr<TDlgHledani> advanced(Criterion criterion, const char* value) {
        auto d = std::make_unique<TDlgHledani>(openSection());
        d->show();
        d->BtnPokocile->click();
        d->criterionBand(criterion).check->setChecked(true);
        edit(d->criterionBand(criterion).own)->setText(value);
        return d;
    }
};

TEST_F(SearchTest, ASimpleSearchIsListedInTheSelectionViewUntilAnotherNode) {
    TFormExpozice& w = openSection();
    search([](TDlgHledani& d) { d.EditNAZEVFIRMY->setText("stroj"); });
    for (int again = 0; again < 2; ++again) {
        EXPECT_EQ(listNames(), kStroj);
        EXPECT_NE(read(privateFile("temp.html")).find(text::cp(kStroj[0])), std::string::npos);
        EXPECT_EQ(statusBar(), statusLine(0, 2) + kStrojLine);
        EXPECT_EQ(w.LblNovyVyber->text(), "Nový výběr");
        EXPECT_TRUE(w.ToolButtonVyber->isChecked());
        w.ActVse->trigger();
        EXPECT_EQ(statusBar(), statusLine(0, 89));
        w.ActVyber->trigger();
    }
    search([](TDlgHledani& d) { d.BtnCancel->click(); });
    EXPECT_EQ(listNames(), kStroj);
    EXPECT_TRUE(w.ToolButtonVyber->isChecked());
    select(section("Elektrotechnika a automatizace"));
    w.ActVyber->trigger();
    EXPECT_TRUE(listNames().empty());
    EXPECT_EQ(w.LblNovyVyber->text(), ui::toQ(text::cp("Provést výběr")));
}

TEST_F(SearchTest, NoMatchIsToldOnceAndLeavesTheListEmpty) {
    TFormExpozice& w = openSection();
    search([](TDlgHledani& d) { d.EditNAZEVFIRMY->setText("zzz"); });
    EXPECT_EQ(takeMessages(),
              Lines{"Information: Zadanému výběru neodpovídá ani jeden vystavovatel."});
    EXPECT_TRUE(listNames().empty());
    EXPECT_FALSE(w.PnlDoZapisniku->isEnabled());
    EXPECT_EQ(statusBar(), statusLine(0, 0));
    waitShown(*w.WebBrowser, "about:blank");
}

TEST_F(SearchTest, AnAdvancedSearchTakesTheCodePickedAndTheSectionsPavilion) {
    openSection();
    search([this](TDlgHledani& d) {
        d.BtnPokocile->click();
        d.criterionBand(Criterion::NomenclatureCode).check->setChecked(true);
        QLineEdit* code = edit(d.criterionBand(Criterion::NomenclatureCode).own);
        code->setText("01.0");
        EXPECT_TRUE(withModal<TDlgVyberNom>(
            [&] { d.SpeedButtonVyberNom->click(); },
            [](TDlgVyberNom& p) {
                EXPECT_EQ(p.ValueListEditorNom->currentRow(), 1);  // the first code beginning so
                for (const Qt::Key key :
                     {Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Return}) {
                    QTest::keyClick(p.ValueListEditorNom, key);
                }
            }));
        EXPECT_EQ(code->text(), "01.05");
        d.criterionBand(Criterion::Pavilion).check->setChecked(true);
        auto* areas =
            qobject_cast<QComboBox*>(d.criterionBand(Criterion::Pavilion).own.valueControl);
        QTest::keyClick(areas, Qt::Key_A);  // typing opens and fills the list
        EXPECT_EQ(areas->count(), 2) << "the areas of the section";
        areas->hidePopup();
    });
    EXPECT_EQ(listNames().size(), 8u);
    waitShown(*form().WebBrowser, privateFile("temp.html"));
    EXPECT_NE(read(privateFile("temp.html")).find("Betoritm s.r.o."), std::string::npos);
    EXPECT_EQ(statusBar(),
              statusLine(0, 8) +
                  "   - Výběr: (pavilon rovná se \"a\") a (kód nomenklatury začíná na \"01.05\")");
}

TEST_F(SearchTest, AlternativesCountUntilRemovedOrUnticked) {
    auto d = advanced(Criterion::City, "Brno");
    const TDlgHledani::CriterionBand& city = d->criterionBand(Criterion::City);
    city.plus->click();
    city.plus->click();
    edit(city.alternatives[0])->setText("Zlín");
    edit(city.alternatives[1])->setText("Olomouc");
    city.alternatives[0].panel->findChildren<QToolButton*>().back()->click();  // its "-"
    d->BtnSelVyber->click();
    EXPECT_EQ(d->result(), QDialog::Accepted);
    EXPECT_EQ(text::cp1250ToUtf8(d->filters().FSelectionDescription),
              "((Město Začíná na \"Brno\") nebo (Město Začíná na \"Olomouc\"))");
    city.check->setChecked(false);
    city.check->setChecked(true);
    d->BtnSelVyber->click();
    EXPECT_EQ(text::cp1250ToUtf8(d->filters().FSelectionDescription), "(Město Začíná na \"Brno\")");
}

TEST_F(SearchTest, OkNamesWhatIsMissingAndFocusesIt) {
    auto d = advanced(Criterion::City, "Brno");
    d->criterionBand(Criterion::City).plus->click();
    d->BtnSelVyber->click();
    EXPECT_EQ(takeMessages(), Lines{"Error: Hodnota musí být zadána."});
    EXPECT_EQ(d->focusWidget(), d->criterionBand(Criterion::City).alternatives[0].valueControl);
    d->BtnPokocile->click();
    d->EditMESTO->clear();
    d->BtnSelVyber->click();
    EXPECT_EQ(takeMessages(), Lines{"Error: Alespoň jedna podmínka musí být zadána."});
    EXPECT_EQ(d->focusWidget(), d->EditNAZEVFIRMY);
    EXPECT_TRUE(d->isVisible());
}

TEST_F(SearchTest, TheSwitchCarriesValuesIntoEmptyFieldsOfTheOtherPage) {
    auto d = advanced(Criterion::Street, "Lipová");
    d->BtnPokocile->click();
    EXPECT_EQ(d->EditULICE->text(), "Lipová");
    d->EditNAZEVFIRMY->setText("Stroj");
    d->EditMESTO->setText("   ");
    d->CBoxStat->setCurrentIndex(2);
    d->BtnPokocile->click();
    EXPECT_EQ(edit(d->criterionBand(Criterion::ExhibitorName).own)->text(), "Stroj");
    EXPECT_TRUE(d->criterionBand(Criterion::ExhibitorName).check->isChecked());
    EXPECT_FALSE(d->criterionBand(Criterion::City).check->isChecked()) << "blanks are no value";
    EXPECT_EQ(d->CBoxStatEx->currentIndex(), 2);
    EXPECT_TRUE(d->criterionBand(Criterion::Country).check->isChecked());
}

TEST_F(SearchTest, ThePickerTakesTheRowDoubleClickedAndEscapeLeavesTheEdit) {
    openSection();
    QLineEdit target("03.0");
    for (const bool pick : {false, true}) {
        TDlgVyberNom picker(&form(), form(), target);
        picker.show();
        QTableWidget& grid = *picker.ValueListEditorNom;
        if (pick) {
            QTest::mouseClick(grid.viewport(), Qt::LeftButton, {},
                              grid.visualItemRect(grid.item(3, 0)).center());
            QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {},
                               grid.visualItemRect(grid.item(3, 0)).center());
        } else {
            QTest::keyClick(&grid, Qt::Key_Escape);
        }
        EXPECT_EQ(picker.result(), pick ? QDialog::Accepted : QDialog::Rejected);
        EXPECT_EQ(target.text(), pick ? "01.03" : "03.0");
    }
}

// Before any exhibitor page, the picker describes the codes in the interface's language (Czech
// here; the demo disc's default catalogue column is the English one).
TEST_F(SearchTest, BeforeAnyExhibitorPageThePickerDescribesInTheInterfacesLanguage) {
    open();
    QLineEdit target;
    TDlgVyberNom picker(&form(), form(), target);
    picker.show();
    EXPECT_EQ(picker.ValueListEditorNom->item(1, 1)->text(), "Soustruhy");
}

}  // namespace
}  // namespace expo::testing
