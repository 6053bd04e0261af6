// The criteria search in the main window on the demo disc: the simple search and the "Výběr"
// view, no match, an advanced search and a cancelled one, the advanced page's alternative rows,
// added country and pavilion lists and OK check, the values carried between the pages, and the
// nomenclature picker's keys, double click and language before any exhibitor page.

#include <gmock/gmock.h>

#include "presentation/widgets/exhibitor_list_view.h"
#include "search/dlg_hledani.h"
#include "search/dlg_vyber_nom.h"
#include "search/drop_down_combo.h"
#include "search/search_command.h"
#include "tests/support/window_fixture.h"

namespace expo::testing {
namespace {

using search::TDlgHledani;

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
        EXPECT_EQ(withModal<TDlgHledani>([this] { form().ActHledani->trigger(); },
                                         [&](TDlgHledani& d) {
                                             act(d);
                                             if (d.isVisible()) {
                                                 d.BtnSelVyber->click();
                                             }
                                         }),
                  1);
    }
    static QLineEdit* edit(const TDlgHledani::ConditionRowWidgets& row) {
        return qobject_cast<QLineEdit*>(row.valueControl);
    }
};

TEST_F(SearchTest, ASimpleSearchIsListedInTheSelectionViewUntilAnotherNode) {
    TFormExpozice& w = openSection();
    const Lines found = {"Strojírny Lipová Hora a.s.", "Strojmat a.s."};
    search([](TDlgHledani& d) { d.EditNAZEVFIRMY->setText("stroj"); });
    EXPECT_EQ(listNames(), found);
    EXPECT_EQ(statusBar(),
              statusLine(0, 2) + "   - Výběr: (název vystavovatele začíná na \"stroj\")");
    EXPECT_EQ(w.LblNovyVyber->text(), "Nový výběr");
    w.ActVse->trigger();
    w.ActVyber->trigger();
    search([](TDlgHledani& d) { d.EditNAZEVFIRMY->setText("zzz"); });
    EXPECT_EQ(takeMessages(),
              Lines{"Information: Zadanému výběru neodpovídá ani jeden vystavovatel."});
    EXPECT_TRUE(listNames().empty());
    EXPECT_FALSE(w.PnlDoZapisniku->isEnabled());
    waitShown(*w.WebBrowser, "about:blank");
    select(section("Elektrotechnika a automatizace"));
    w.ActVyber->trigger();
    EXPECT_EQ(w.LblNovyVyber->text(), ui::toQ(text::cp("Provést výběr")));
}

// An advanced search lists what it finds and shows the first entry, its description in lower
// case in the status line; cancelling the dialog keeps the view, the list and the status line.
// Finding nothing blanks the page.
TEST_F(SearchTest, AnAdvancedSearchShowsItsFirstEntryOrBlanksThePage) {
    TFormExpozice& w = openSection();
    const auto city = [](const char* value) {
        return [value](TDlgHledani& d) {
            d.BtnPokocile->click();
            const TDlgHledani::CriterionBand& band = d.criterionBand(search::Criterion::City);
            band.check->setChecked(true);
            edit(band.own)->setText(value);
        };
    };
    search(city("Brno"));
    ASSERT_FALSE(listNames().empty());
    const std::string status = statusBar();
    EXPECT_THAT(status, ::testing::EndsWith("   - Výběr: (město začíná na \"brno\")"));
    EXPECT_EQ(
        lastFilter(),
        "KAT_ID=" + std::to_string(*presentation::exhibitorKeyOf(w.ListBoxSeznamFirem->item(0))));
    const Lines found = listNames();
    EXPECT_EQ(withModal<TDlgHledani>([&] { w.ActHledani->trigger(); },
                                     [](TDlgHledani& d) { d.reject(); }),
              1);
    EXPECT_TRUE(w.ToolButtonVyber->isChecked());
    EXPECT_EQ(listNames(), found);
    EXPECT_EQ(statusBar(), status);
    search(city("Zzz"));
    EXPECT_EQ(takeMessages(),
              Lines{"Information: Zadanému výběru neodpovídá ani jeden vystavovatel."});
    waitShown(*w.WebBrowser, "about:blank");
}

// Alternative rows count until removed or unticked; OK names what is missing and focuses it.
TEST_F(SearchTest, TheAdvancedPagesAlternativeRows) {
    TDlgHledani d(openSection());
    d.show();
    d.BtnPokocile->click();
    d.BtnSelVyber->click();
    EXPECT_EQ(takeMessages(), Lines{"Error: Alespoň jedna podmínka musí být zadána."});
    EXPECT_TRUE(d.isVisible());
    const TDlgHledani::CriterionBand& city = d.criterionBand(search::Criterion::City);
    city.check->setChecked(true);
    edit(city.own)->setText("Brno");
    city.plus->click();
    city.plus->click();
    city.plus->click();
    edit(city.alternatives[0])->setText("Zlín");
    edit(city.alternatives[1])->setText("Olomouc");
    d.BtnSelVyber->click();
    EXPECT_EQ(takeMessages(), Lines{"Error: Hodnota musí být zadána."});
    EXPECT_EQ(d.focusWidget(), city.alternatives[2].valueControl);
    city.alternatives[2].panel->findChildren<QToolButton*>().back()->click();  // its "-"
    city.alternatives[0].panel->findChildren<QToolButton*>().back()->click();
    d.BtnSelVyber->click();
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(text::cp1250ToUtf8(d.filters().FSelectionDescription),
              "((Město Začíná na \"Brno\") nebo (Město Začíná na \"Olomouc\"))");
    city.check->setChecked(false);
    city.check->setChecked(true);
    d.BtnSelVyber->click();
    EXPECT_EQ(text::cp1250ToUtf8(d.filters().FSelectionDescription), "(Město Začíná na \"Brno\")");
    // An added country list fills as it opens, with the countries of the row's own list, and
    // forgets its choice each time.
    const TDlgHledani::CriterionBand& country = d.criterionBand(search::Criterion::Country);
    country.check->setChecked(true);
    country.plus->click();
    auto* added = qobject_cast<QComboBox*>(country.alternatives[0].valueControl);
    const auto items = [](const QComboBox& combo) {
        QStringList texts;
        for (int i = 0; i < combo.count(); ++i) {
            texts << combo.itemText(i);
        }
        return texts;
    };
    EXPECT_EQ(added->count(), 0);
    for (int i = 0; i < 2; ++i) {
        added->showPopup();
        added->hidePopup();
        ASSERT_GT(added->count(), 1);
        EXPECT_EQ(items(*added), items(*qobject_cast<QComboBox*>(country.own.valueControl)));
        EXPECT_EQ(added->currentText(), "");
        added->setCurrentIndex(1);
    }
    // Typing into the pavilion list of the criterion's own row opens it filled; into an added
    // row's list, not.
    const TDlgHledani::CriterionBand& pavilion = d.criterionBand(search::Criterion::Pavilion);
    pavilion.check->setChecked(true);
    pavilion.plus->click();
    for (QWidget* control : {pavilion.own.valueControl, pavilion.alternatives[0].valueControl}) {
        auto& list = *qobject_cast<QComboBox*>(control);
        list.setFocus();
        QTest::keyClick(&list, Qt::Key_A);
        EXPECT_EQ(list.view()->isVisible(), control == pavilion.own.valueControl);
        EXPECT_EQ(list.count() > 0, control == pavilion.own.valueControl);
        list.hidePopup();
    }
}

// Switching pages carries a value into an empty field of the other page, never over a value:
// towards the advanced page it ticks the row; back, only ticked rows are carried. Ticking a row
// enables its controls.
TEST_F(SearchTest, SwitchingPagesCarriesValuesIntoEmptyFields) {
    using enum search::Criterion;
    TDlgHledani d(openSection());
    d.show();
    const auto advanced = [&] {
        std::string rows;
        for (const search::Criterion c : {ExhibitorName, Street, City, Postcode}) {
            const TDlgHledani::CriterionBand& band = d.criterionBand(c);
            rows += edit(band.own)->text().toStdString() + (band.check->isChecked() ? "+|" : "-|");
        }
        return rows + std::to_string(d.CBoxStatEx->currentIndex()) +
               (d.criterionBand(Country).check->isChecked() ? "+" : "-");
    };
    // The switch button's text, the description and the dialog's height tell the page.
    const auto page = [&] {
        return std::tuple{d.BtnPokocile->text(), d.StaticTextPopis->text(), d.height()};
    };
    const auto simplePage = page();
    ASSERT_GT(d.CBoxStat->count(), 4);
    d.EditNAZEVFIRMY->setText("Stroj");
    d.EditULICE->setText("   ");
    d.EditMESTO->setText("Olomouc");
    edit(d.criterionBand(City).own)->setText("Brno");
    d.EditPSC->setText("612");
    d.CBoxStat->setCurrentIndex(2);
    d.BtnPokocile->click();
    EXPECT_EQ(advanced(), "Stroj+|-|Brno-|612+|2+");
    const auto [button, description, height] = page();
    EXPECT_NE(button, std::get<0>(simplePage));
    EXPECT_NE(description, std::get<1>(simplePage));
    EXPECT_GT(height, std::get<2>(simplePage));
    // A ticked row's controls are enabled, an unticked row's not.
    EXPECT_TRUE(d.criterionBand(ExhibitorName).own.valueControl->isEnabled());
    EXPECT_FALSE(d.criterionBand(City).own.valueControl->isEnabled());

    edit(d.criterionBand(ExhibitorName).own)->setText("Strojmat");
    edit(d.criterionBand(Street).own)->setText("Lipová");
    d.criterionBand(Street).check->setChecked(true);
    d.criterionBand(Postcode).check->setChecked(false);
    d.EditPSC->clear();
    d.CBoxStat->setCurrentIndex(-1);
    d.CBoxStatEx->setCurrentIndex(4);
    d.BtnPokocile->click();
    EXPECT_EQ(page(), simplePage);
    EXPECT_EQ((QStringList{d.EditNAZEVFIRMY->text(), d.EditULICE->text(), d.EditMESTO->text(),
                           d.EditPSC->text(), QString::number(d.CBoxStat->currentIndex())}),
              (QStringList{"Stroj", "Lipová", "Olomouc", "", "4"}));
}

// Before any exhibitor page, the picker describes the codes in the interface's language (Czech
// here; the demo disc's default catalogue column is the English one). Escape leaves the edit; a
// double click takes its row; the keys move from the first code beginning as the edit's text.
TEST_F(SearchTest, ThePickersLanguageMouseAndKeys) {
    open();
    for (const auto& [typed, keys, taken] :
         {std::tuple{"03.0", std::vector{Qt::Key_Escape}, "03.0"},
          {"03.0", std::vector<Qt::Key>{}, "01.03"},
          {"01.0",
           std::vector{Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Return},
           "01.05"}}) {
        QLineEdit target(typed);
        search::TDlgVyberNom picker(&form(), form(), target);
        picker.show();
        QTableWidget& grid = *picker.ValueListEditorNom;
        EXPECT_EQ(grid.item(1, 1)->text(), "Soustruhy");
        EXPECT_EQ(grid.rowHeight(1), 16);
        for (const Qt::Key key : keys) {
            QTest::keyClick(&grid, key);
        }
        if (keys.empty()) {
            QTest::mouseClick(grid.viewport(), Qt::LeftButton, {},
                              grid.visualItemRect(grid.item(3, 0)).center());
            QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {},
                               grid.visualItemRect(grid.item(3, 0)).center());
        }
        EXPECT_EQ(target.text(), taken);
    }
}

}  // namespace
}  // namespace expo::testing
