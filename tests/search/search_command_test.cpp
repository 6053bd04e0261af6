// The criteria search in the main window on the demo disc: simple and advanced searches within
// the listed section and without one, the picker, no match, Cancel, and the "Výběr" view.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>

#include "platform/text/text.h"
#include "presentation/exhibitor_list_view.h"
#include "presentation/panel_button.h"
#include "search/dlg_vyber_nom.h"
#include "search/drop_down_combo.h"
#include "tests/search/search_fixture.h"

namespace expo::search::testing {
namespace {

using presentation::TFormExpozice;
using text::cp;

const std::string kNoMatch = "Zadanému výběru neodpovídá ani jeden vystavovatel.";

std::string status(int shown, const std::string& selection = "") {
    std::string line =
        " Počet vystavovatelů - V zápisníku: 0, Zobrazených: " + std::to_string(shown);
    return selection.empty() ? line : line + "   - Výběr: " + selection;
}

QString q(const char* utf8) {
    return QString::fromUtf8(utf8);
}

// OK; a dialog that stays open (its check failed) is cancelled so that the test goes on.
void confirm(TDlgHledani& dialog) {
    dialog.BtnSelVyber->click();
    if (dialog.isVisible()) {
        ADD_FAILURE() << "the dialog refused OK";
        dialog.reject();
    }
}

class SearchCommand : public SearchTest {
  protected:
    // The section "Strojírenství" listed and the "Výběr" view shown, as the user starts a
    // search.
    TFormExpozice& openSectionOne() {
        TFormExpozice& w = open();
        select(section("Strojírenství"));
        w.ActVyber->trigger();
        settle();
        return w;
    }

    void searchName(const char* name) {
        search([&](TDlgHledani& d) {
            d.EditNAZEVFIRMY->setText(q(name));
            confirm(d);
        });
    }

    std::vector<int32_t> listedKeys() {
        std::vector<int32_t> keys;
        for (int i = 0; i < form().ListBoxSeznamFirem->count(); ++i) {
            keys.push_back(*presentation::exhibitorKeyOf(form().ListBoxSeznamFirem->item(i)));
        }
        return keys;
    }

    void expectFirstShown(const char* name) {
        TFormExpozice& w = form();
        EXPECT_EQ(w.ListBoxSeznamFirem->currentRow(), 0);
        ASSERT_EQ(w.ListBoxSeznamFirem->selectedItems().size(), 1);
        waitShown(*w.WebBrowser, privateFolder() + "temp.html");
        EXPECT_NE(privateFile("temp.html").find(cp(name)), std::string::npos);
    }
};

TEST_F(SearchCommand, SimpleNamePrefixWithinTheSection) {
    TFormExpozice& w = openSectionOne();
    EXPECT_TRUE(w.PnlNovyVyber->isVisible());
    searchName("stroj");

    EXPECT_EQ(listNames(),
              (std::vector<std::string>{"Strojírny Lipová Hora a.s.", "Strojmat a.s."}));
    expectFirstShown("Strojírny Lipová Hora a.s.");
    const std::string description = "(název vystavovatele začíná na \"stroj\")";
    EXPECT_EQ(statusCaption(), status(2, description));
    EXPECT_EQ(statusHint(), "Výběr: " + description);
    EXPECT_EQ(w.LblNovyVyber->text(), q("Nový výběr"));
    EXPECT_EQ(w.PnlNovyVyber->width(), w.LblNovyVyber->sizeHint().width() + 10);
    EXPECT_TRUE(w.PnlDoZapisniku->isEnabled());
    EXPECT_TRUE(w.ToolButtonVyber->isChecked());
    EXPECT_EQ(w.selectionList().size(), 2u);
    EXPECT_EQ(w.selectionText(), cp(description));
}

TEST_F(SearchCommand, SimpleCityCountryAndNewsWithinTheSection) {
    openSectionOne();
    search([](TDlgHledani& d) {
        d.EditMESTO->setText(q("košice"));
        d.CBoxStat->setCurrentIndex(d.CBoxStat->findText(q("SVK - Slovensko")));
        d.ComboBoxVybrat->setCurrentIndex(1);
        confirm(d);
    });
    EXPECT_EQ(listedKeys(), (std::vector<int32_t>{1220, 1025, 1078}));
    EXPECT_EQ(statusCaption(),
              status(3,
                     "(město začíná na \"košice\") a (stát rovná se \"svk - slovensko\") a "
                     "(záznamy jen s novinkami)"));
}

TEST_F(SearchCommand, SimpleSearchWithoutASectionSearchesTheWholeCatalogue) {
    open();
    select(node({"Úvod"}));
    ASSERT_EQ(form().sectionFilter(), "");
    searchName("Strojmont");
    EXPECT_EQ(listNames(), (std::vector<std::string>{"Strojmont a.s.", "Strojmont s.r.o.",
                                                     "Strojmont spol. s r.o."}));
}

TEST_F(SearchCommand, SimpleValueWithAQuoteFindsItsExhibitor) {
    open();
    replaceExhibitors(
        {{1001, {{"KAT_NAZEV", ds::Value(std::string("D'Artagnan s.r.o."))}}}, {1002, {}}});
    select(section("Strojírenství"));
    form().ActVyber->trigger();
    searchName("d'art");
    EXPECT_EQ(listNames(), std::vector<std::string>{"D'Artagnan s.r.o."});
}

TEST_F(SearchCommand, AdvancedNomenclatureCodePickedAndPavilion) {
    TFormExpozice& w = openSectionOne();
    search([this](TDlgHledani& d) {
        d.BtnPokocile->click();
        d.criterionBand(Criterion::NomenclatureCode).check->setChecked(true);
        auto* code =
            qobject_cast<QLineEdit*>(d.criterionBand(Criterion::NomenclatureCode).own.valueControl);
        code->setText("01.0");
        const auto picked = whenOpen<TDlgVyberNom>([](TDlgVyberNom& picker) {
            QTableWidget& grid = *picker.ValueListEditorNom;
            EXPECT_EQ(grid.item(grid.currentRow(), 0)->text(), "01.01");
            for (int i = 0; i < 4; ++i) {
                QTest::keyClick(&grid, Qt::Key_Down);
            }
            QTest::keyClick(&grid, Qt::Key_Return);
        });
        d.SpeedButtonVyberNom->click();
        EXPECT_TRUE(*picked);
        EXPECT_EQ(code->text(), "01.05");

        const TDlgHledani::CriterionBand& pavilion = d.criterionBand(Criterion::Pavilion);
        pavilion.check->setChecked(true);
        auto* areas = qobject_cast<QComboBox*>(pavilion.own.valueControl);
        areas->showPopup();  // fills the list
        areas->hidePopup();
        EXPECT_EQ(areas->count(), 2) << "the areas of the section: A and B";
        areas->setCurrentIndex(areas->findText("A"));
        confirm(d);
    });
    EXPECT_EQ(listedKeys().size(), 8u);
    EXPECT_EQ(listNames().front(), "Betoritm s.r.o.");
    expectFirstShown("Betoritm s.r.o.");
    EXPECT_EQ(statusCaption(),
              status(8, "(pavilon rovná se \"a\") a (kód nomenklatury začíná na \"01.05\")"));
    EXPECT_EQ(w.LblNovyVyber->text(), q("Nový výběr"));
    EXPECT_EQ(w.catalogue().CDSUmisteni.masterSource(), nullptr);
}

TEST_F(SearchCommand, SimpleSearchWithoutMatchShowsTheMessageOnceAndAnEmptyResult) {
    TFormExpozice& w = openSectionOne();
    searchName("zzz");
    EXPECT_EQ(takeMessages(), std::vector<std::string>{kNoMatch});
    EXPECT_EQ(w.ListBoxSeznamFirem->count(), 0);
    EXPECT_FALSE(w.PnlDoZapisniku->isEnabled());
    EXPECT_EQ(w.LblNovyVyber->text(), q("Provést výběr"));
    EXPECT_EQ(statusCaption(), status(0));
    EXPECT_TRUE(w.ToolButtonVyber->isChecked());

    w.ActVyber->trigger();
    settle();
    EXPECT_EQ(w.ListBoxSeznamFirem->count(), 0);
    EXPECT_EQ(w.LblNovyVyber->text(), q("Provést výběr"));
    EXPECT_EQ(statusCaption(), status(0));
}

TEST_F(SearchCommand, AdvancedSearchWithoutMatchBlanksThePage) {
    TFormExpozice& w = openSectionOne();
    search([](TDlgHledani& d) {
        d.BtnPokocile->click();
        const TDlgHledani::CriterionBand& name = d.criterionBand(Criterion::ExhibitorName);
        name.check->setChecked(true);
        qobject_cast<QLineEdit*>(name.own.valueControl)->setText("zzz");
        confirm(d);
    });
    EXPECT_EQ(takeMessages(), std::vector<std::string>{kNoMatch});
    EXPECT_EQ(w.ListBoxSeznamFirem->count(), 0);
    waitShown(*w.WebBrowser, "about:blank");
    EXPECT_EQ(statusCaption(), status(0));
}

// The represented-firm dataset keeps the filter of a search that found no firm; the next
// dialog still offers the criterion, as the catalogue still has firms.
TEST_F(SearchCommand, RepresentedFirmWithoutMatchIsStillOfferedNextTime) {
    openSectionOne();
    search([](TDlgHledani& d) {
        d.BtnPokocile->click();
        const TDlgHledani::CriterionBand& firm = d.criterionBand(Criterion::RepresentedFirm);
        firm.check->setChecked(true);
        qobject_cast<QComboBox*>(firm.own.valueControl)->setEditText("zzz");
        confirm(d);
    });
    EXPECT_EQ(takeMessages(), std::vector<std::string>{kNoMatch});
    search([](TDlgHledani& d) {
        EXPECT_FALSE(d.criterionBand(Criterion::RepresentedFirm).band->isHidden());
        d.BtnCancel->click();
    });
}

TEST_F(SearchCommand, CancelKeepsTheViewTheResultAndItsStatusLine) {
    TFormExpozice& w = openSectionOne();
    searchName("stroj");
    const std::string line = statusCaption();
    search([](TDlgHledani& d) {
        d.EditNAZEVFIRMY->setText("zzz");
        d.BtnCancel->click();
    });
    EXPECT_EQ(listNames(),
              (std::vector<std::string>{"Strojírny Lipová Hora a.s.", "Strojmat a.s."}));
    EXPECT_EQ(statusCaption(), line);
    EXPECT_TRUE(w.ToolButtonVyber->isChecked());
    EXPECT_TRUE(w.PnlNovyVyber->isVisible());
    EXPECT_EQ(w.selectionList().size(), 2u);
}

TEST_F(SearchCommand, SelectionViewShowsTheLastResultAgain) {
    TFormExpozice& w = openSectionOne();
    searchName("stroj");
    const std::string line = statusCaption();

    w.ActVse->trigger();
    settle();
    EXPECT_EQ(w.ListBoxSeznamFirem->count(), 89);
    EXPECT_FALSE(w.PnlNovyVyber->isVisible());
    EXPECT_EQ(statusCaption(), status(89)) << "no selection part outside the \"Výběr\" view";

    for (int twice = 0; twice < 2; ++twice) {
        w.ActVyber->trigger();
        settle();
        EXPECT_EQ(listNames(),
                  (std::vector<std::string>{"Strojírny Lipová Hora a.s.", "Strojmat a.s."}));
        EXPECT_TRUE(w.ToolButtonVyber->isChecked());
        EXPECT_TRUE(w.PnlNovyVyber->isVisible());
        EXPECT_EQ(w.LblNovyVyber->text(), q("Nový výběr"));
        EXPECT_EQ(statusCaption(), line);
        expectFirstShown("Strojírny Lipová Hora a.s.");
    }
}

TEST_F(SearchCommand, ChoosingAnotherNodeForgetsTheResult) {
    TFormExpozice& w = openSectionOne();
    searchName("stroj");
    select(section("Elektrotechnika a automatizace"));
    w.ActVyber->trigger();
    settle();
    EXPECT_EQ(w.ListBoxSeznamFirem->count(), 0);
    EXPECT_EQ(w.LblNovyVyber->text(), q("Provést výběr"));
    EXPECT_EQ(statusCaption(), status(0));
}

}  // namespace
}  // namespace expo::search::testing
