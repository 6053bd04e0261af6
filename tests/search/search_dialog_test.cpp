// The search dialog over the main window on the demo disc: its start, the switch between its
// pages, alternative rows, value lists, its OK checks, and the nomenclature picker.
#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QStackedWidget>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>
#include <filesystem>

#include "platform/dataset/packet.h"
#include "search/dlg_vyber_nom.h"
#include "search/drop_down_combo.h"
#include "tests/search/search_fixture.h"

namespace expo::search::testing {
namespace {

using presentation::TFormExpozice;
using Band = TDlgHledani::CriterionBand;

QString q(const char* utf8) {
    return QString::fromUtf8(utf8);
}

QLineEdit* editOf(const TDlgHledani::ConditionRowWidgets& row) {
    return qobject_cast<QLineEdit*>(row.valueControl);
}

QComboBox* comboOf(const TDlgHledani::ConditionRowWidgets& row) {
    return qobject_cast<QComboBox*>(row.valueControl);
}

// The rows of a band that are shown.
int shownAlternatives(const Band& band) {
    int shown = 0;
    for (const auto& row : band.alternatives) {
        shown += row.panel->isHidden() ? 0 : 1;
    }
    return shown;
}

// A button of an added row by its caption.
QToolButton* rowButton(const TDlgHledani::ConditionRowWidgets& row, const char* caption) {
    for (QToolButton* b : row.panel->findChildren<QToolButton*>()) {
        if (b->text() == q(caption)) {
            return b;
        }
    }
    ADD_FAILURE() << "no button " << caption;
    return nullptr;
}

class SearchDialog : public SearchTest {
  protected:
    // The window with the section "Strojírenství" listed and the dialog shown over it.
    TDlgHledani& openDialog() {
        open();
        select(section("Strojírenství"));
        dialog_ = std::make_unique<TDlgHledani>(form());
        dialog_->show();
        dialog_->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(dialog_.get()));
        settle();
        return *dialog_;
    }

    const Band& band(Criterion c) { return dialog_->criterionBand(c); }

    void tick(Criterion c, const char* value) {
        band(c).check->setChecked(true);
        if (QLineEdit* edit = editOf(band(c).own)) {
            edit->setText(q(value));
        }
    }

    std::unique_ptr<TDlgHledani> dialog_;
};

TEST_F(SearchDialog, StartsOnTheSimplePageWithEveryCriterionOff) {
    TDlgHledani& d = openDialog();
    EXPECT_EQ(d.windowTitle(), q("Hledání"));
    EXPECT_TRUE(d.simpleMode());
    EXPECT_EQ(d.PageControlHledani->currentWidget(), d.TabSheetJednoduche);
    EXPECT_EQ(d.height(), 320);
    EXPECT_GE(d.width(), 700);  // wider where the texts need it
    EXPECT_EQ(d.focusWidget(), d.EditNAZEVFIRMY) << "the name edit takes the focus";
    EXPECT_EQ(d.StaticTextPopis->text(), q("Zadejte vyhledávací podmínku a potvrďte výběr."));
    EXPECT_EQ(d.BtnPokocile->text(), q("Pokročilé hledání"));
    EXPECT_EQ(d.BtnSelVyber->text(), q("Provést výběr"));
    ASSERT_EQ(d.ComboBoxVybrat->count(), 3);
    EXPECT_EQ(d.ComboBoxVybrat->currentIndex(), 0);
    EXPECT_EQ(d.ComboBoxVybrat->itemText(2), q("Jen s exponáty"));
    EXPECT_FALSE(d.CheckBoxMalaVelka->isChecked());

    for (int i = 0; i < kCriterionCount; ++i) {
        const Band& b = band(static_cast<Criterion>(i));
        EXPECT_FALSE(b.check->isChecked()) << i;
        EXPECT_FALSE(b.own.valueControl->isEnabled()) << i;
        EXPECT_FALSE(b.plus->isEnabled()) << i;
        EXPECT_EQ(b.band->maximumHeight(), 29) << i;
        EXPECT_FALSE(b.band->isHidden()) << i << ": the demo disc has firms and brands";
        if (auto* op = qobject_cast<QComboBox*>(b.own.operatorControl)) {
            ASSERT_EQ(op->count(), 3);
            EXPECT_EQ(op->currentText(), q("Začíná na"));
            EXPECT_EQ(op->itemText(2), q("Rovná se"));
            EXPECT_FALSE(op->isEnabled());
        }
    }
    EXPECT_EQ(qobject_cast<QLabel*>(band(Criterion::Country).own.operatorControl)->text(),
              q("Rovná se"));
    EXPECT_EQ(qobject_cast<QLabel*>(band(Criterion::NomenclatureCode).own.operatorControl)->text(),
              q("Začíná na"));
    EXPECT_FALSE(d.SpeedButtonVyberNom->isEnabled());

    // The countries of the section, the same in both lists, none chosen.
    ASSERT_EQ(d.CBoxStat->count(), 6);
    ASSERT_EQ(d.CBoxStatEx->count(), 6);
    EXPECT_EQ(d.CBoxStat->itemText(0), q("CZE - Česká republika"));
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(d.CBoxStat->itemText(i), d.CBoxStatEx->itemText(i));
    }
    EXPECT_EQ(d.CBoxStat->currentText(), "");
    EXPECT_EQ(d.CBoxStatEx->currentText(), "");
}

TEST_F(SearchDialog, TickingEnablesTheRow) {
    openDialog();
    tick(Criterion::NomenclatureCode, "");
    const Band& nomen = band(Criterion::NomenclatureCode);
    EXPECT_TRUE(nomen.own.valueControl->isEnabled());
    EXPECT_TRUE(nomen.plus->isEnabled());
    EXPECT_TRUE(dialog_->SpeedButtonVyberNom->isEnabled());
    nomen.check->setChecked(false);
    EXPECT_FALSE(nomen.own.valueControl->isEnabled());
}

TEST_F(SearchDialog, SwitchCarriesSimpleValuesIntoEmptyAdvancedRows) {
    TDlgHledani& d = openDialog();
    d.EditNAZEVFIRMY->setText("Stroj");
    d.EditULICE->setText("   ");
    d.CBoxStat->setCurrentIndex(2);
    editOf(band(Criterion::City).own)->setText(q("Brno"));
    d.EditMESTO->setText(q("Olomouc"));

    d.BtnPokocile->click();
    EXPECT_FALSE(d.simpleMode());
    EXPECT_EQ(d.PageControlHledani->currentWidget(), d.TabSheetPokrocile);
    EXPECT_EQ(d.height(), 530);
    EXPECT_GE(d.width(), 700);  // wider where the texts need it
    EXPECT_EQ(d.BtnPokocile->text(), q("Jednoduché hledání"));
    EXPECT_EQ(d.StaticTextPopis->text(),
              q("Zadejte vyhledávací podmínku a potvrďte výběr. Položky stát, pavilon a "
                "nomenklatura lze zadat výběrem z číselníku."));

    EXPECT_EQ(editOf(band(Criterion::ExhibitorName).own)->text(), "Stroj");
    EXPECT_TRUE(band(Criterion::ExhibitorName).check->isChecked());
    EXPECT_TRUE(band(Criterion::ExhibitorName).own.valueControl->isEnabled());
    EXPECT_FALSE(band(Criterion::Street).check->isChecked()) << "blanks are no value";
    EXPECT_EQ(editOf(band(Criterion::City).own)->text(), q("Brno")) << "never overwritten";
    EXPECT_FALSE(band(Criterion::City).check->isChecked());
    EXPECT_EQ(d.CBoxStatEx->currentIndex(), 2);
    EXPECT_TRUE(band(Criterion::Country).check->isChecked());
    EXPECT_EQ(d.EditNAZEVFIRMY->text(), "Stroj") << "nothing is cleared";
}

TEST_F(SearchDialog, SwitchBackCarriesTickedRowsIntoEmptyFields) {
    TDlgHledani& d = openDialog();
    d.BtnPokocile->click();
    tick(Criterion::Street, "Lipová");
    editOf(band(Criterion::City).own)->setText("Brno");  // not ticked
    tick(Criterion::Postcode, "779");
    d.EditPSC->setText("612");
    band(Criterion::Country).check->setChecked(true);
    d.CBoxStatEx->setCurrentIndex(4);

    d.BtnPokocile->click();
    EXPECT_TRUE(d.simpleMode());
    EXPECT_EQ(d.height(), 320);
    EXPECT_GE(d.width(), 700);  // wider where the texts need it
    EXPECT_EQ(d.EditULICE->text(), q("Lipová"));
    EXPECT_EQ(d.EditMESTO->text(), "");
    EXPECT_EQ(d.EditPSC->text(), "612");
    EXPECT_EQ(d.CBoxStat->currentIndex(), 4);
}

TEST_F(SearchDialog, AlternativesGrowTheBandAndUntickingHidesThemForGood) {
    openDialog();
    tick(Criterion::City, "Brno");
    const Band& city = band(Criterion::City);
    city.plus->click();
    ASSERT_EQ(city.alternatives.size(), 1u);
    rowButton(city.alternatives[0], "+")->click();  // a further alternative of the same band
    ASSERT_EQ(city.alternatives.size(), 2u);
    EXPECT_EQ(city.band->maximumHeight(), 87);
    EXPECT_EQ(shownAlternatives(city), 2);
    EXPECT_EQ(qobject_cast<QComboBox*>(city.alternatives[1].operatorControl)->count(), 3);
    EXPECT_EQ(city.alternatives[1].panel->findChild<QLabel*>()->text(), q("nebo"));

    city.check->setChecked(false);
    EXPECT_EQ(city.band->maximumHeight(), 29);
    EXPECT_EQ(shownAlternatives(city), 0);
    city.check->setChecked(true);
    EXPECT_EQ(shownAlternatives(city), 0);
    EXPECT_EQ(city.band->maximumHeight(), 29);
}

TEST_F(SearchDialog, RemovedAlternativeCountsNoMore) {
    TDlgHledani& d = openDialog();
    d.BtnPokocile->click();
    tick(Criterion::City, "Brno");
    const Band& city = band(Criterion::City);
    city.plus->click();
    city.plus->click();
    editOf(city.alternatives[0])->setText(q("Zlín"));
    editOf(city.alternatives[1])->setText("Olomouc");
    QToolButton* minus = rowButton(city.alternatives[0], "-");
    minus->click();
    EXPECT_EQ(city.band->maximumHeight(), 58);
    EXPECT_TRUE(city.alternatives[0].panel->isHidden());
    EXPECT_TRUE(minus->isHidden());
    EXPECT_FALSE(minus->isEnabled());

    d.BtnSelVyber->click();
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(d.filters().FExhibitorFilter,
              "((upper(KAT_MESTO) LIKE 'BRNO%') or (upper(KAT_MESTO) LIKE 'OLOMOUC%')) and  "
              "(SEKCE_ID in (1))");
}

TEST_F(SearchDialog, SimpleOkNeedsOneFilledField) {
    TDlgHledani& d = openDialog();
    d.ComboBoxVybrat->setCurrentIndex(1);
    d.CBoxStat->setCurrentIndex(1);
    d.CBoxStat->setFocus();
    QTest::keyClick(d.CBoxStat, Qt::Key_Delete);
    EXPECT_EQ(d.CBoxStat->currentText(), "") << "Delete empties the country";

    d.BtnSelVyber->click();
    EXPECT_EQ(takeMessages(), std::vector<std::string>{"Alespoň jedna podmínka musí být zadána."});
    EXPECT_TRUE(d.isVisible());
    EXPECT_EQ(d.result(), 0);
    EXPECT_EQ(d.focusWidget(), d.EditNAZEVFIRMY);

    d.EditNAZEVFIRMY->setText("   ");
    d.EditPSC->setText("779");
    QTest::keyClick(d.EditPSC, Qt::Key_Return);  // Enter runs OK as well
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_TRUE(d.simpleMode());
}

TEST_F(SearchDialog, AdvancedOkNamesTheEmptyAlternative) {
    TDlgHledani& d = openDialog();
    d.BtnPokocile->click();
    tick(Criterion::City, "Brno");
    band(Criterion::City).plus->click();
    d.BtnSelVyber->click();
    EXPECT_EQ(takeMessages(), std::vector<std::string>{"Hodnota musí být zadána."});
    EXPECT_EQ(d.result(), 0);
    EXPECT_EQ(d.focusWidget(), band(Criterion::City).alternatives[0].valueControl);

    editOf(band(Criterion::City).alternatives[0])->setText(q("Zlín"));
    d.BtnSelVyber->click();
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(d.filters().FSelectionDescription,
              text::cp("((Město Začíná na \"Brno\") nebo (Město Začíná na \"Zlín\"))"));
}

TEST_F(SearchDialog, AdvancedOkNeedsATickedCriterion) {
    TDlgHledani& d = openDialog();
    d.BtnPokocile->click();
    d.ComboBoxVybrat->setCurrentIndex(2);
    editOf(band(Criterion::ExhibitorName).own)->setText("Stroj");
    d.BtnSelVyber->click();
    EXPECT_EQ(takeMessages(), std::vector<std::string>{"Alespoň jedna podmínka musí být zadána."});
    EXPECT_EQ(d.result(), 0);
}

TEST_F(SearchDialog, AddedCountryListRefillsAndForgetsItsChoiceWhenItOpens) {
    openDialog();
    tick(Criterion::Country, "");
    const Band& country = band(Criterion::Country);
    country.plus->click();
    QComboBox* added = comboOf(country.alternatives[0]);
    EXPECT_EQ(added->count(), 0);
    added->showPopup();
    added->hidePopup();
    ASSERT_EQ(added->count(), 6);
    added->setCurrentIndex(3);
    added->showPopup();
    added->hidePopup();
    EXPECT_EQ(added->count(), 6);
    EXPECT_EQ(added->currentText(), "");
}

TEST_F(SearchDialog, PavilionListOpensWhenTypedInto) {
    TDlgHledani& d = openDialog();
    d.BtnPokocile->click();
    tick(Criterion::Pavilion, "");
    QComboBox* areas = comboOf(band(Criterion::Pavilion).own);
    areas->setFocus();
    QTest::keyClick(areas, Qt::Key_B);
    EXPECT_TRUE(areas->view()->isVisible());
    EXPECT_EQ(areas->count(), 2) << "filled as it opened";
    EXPECT_EQ(areas->currentText(), "B");
    areas->hidePopup();
    QTest::keyClick(areas, Qt::Key_Delete);
    EXPECT_EQ(areas->currentText(), "");
}

TEST_F(SearchDialog, RepresentedFirmListIsTheCataloguesFirms) {
    openDialog();
    tick(Criterion::RepresentedFirm, "");
    QComboBox* firms = comboOf(band(Criterion::RepresentedFirm).own);
    ASSERT_TRUE(firms->isEditable());
    firms->setEditText("Nord");
    firms->showPopup();
    firms->hidePopup();
    EXPECT_EQ(firms->count(), static_cast<int>(form().representedFirms().size()));
    firms->setEditText("Kornel");
    firms->setFocus();
    QTest::keyClick(firms, Qt::Key_Delete);
    EXPECT_EQ(firms->currentText(), "");
}

TEST_F(SearchDialog, PickButtonOfAnAddedRowFillsThatRow) {
    openDialog();
    tick(Criterion::NomenclatureCode, "");
    const Band& nomen = band(Criterion::NomenclatureCode);
    nomen.plus->click();
    const auto picked = whenOpen<TDlgVyberNom>(
        [](TDlgVyberNom& picker) { QTest::keyClick(picker.ValueListEditorNom, Qt::Key_Return); });
    rowButton(nomen.alternatives[0], "? ")->click();
    EXPECT_TRUE(*picked);
    EXPECT_EQ(editOf(nomen.alternatives[0])->text(), "01");
    EXPECT_EQ(editOf(nomen.own)->text(), "");
}

TEST_F(SearchDialog, CriterionWithoutRecordsIsNotOffered) {
    // The demo disc without represented firms.
    const std::filesystem::path disc = temp.path() / "disc";
    std::filesystem::copy(EXPO_DISC_DIR, disc, std::filesystem::copy_options::recursive);
    ds::Packet firms = ds::readPacketFile((disc / "data/data6.dat").string());
    firms.rows.clear();
    temp.write("disc/data/data6.dat", ds::writeBinaryPacket(firms));
    open(disc.string());
    TDlgHledani d(form());
    EXPECT_TRUE(d.criterionBand(Criterion::RepresentedFirm).band->isHidden());
    EXPECT_FALSE(d.criterionBand(Criterion::RepresentedBrand).band->isHidden());
}

class NomenclaturePicker : public SearchTest {
  protected:
    void SetUp() override {
        open();
        select(section("Strojírenství"));
        edit_.setText(typed_);
    }

    std::unique_ptr<TDlgVyberNom> picker() {
        auto p = std::make_unique<TDlgVyberNom>(&form(), form(), edit_);
        p->show();
        return p;
    }

    QString currentCode(TDlgVyberNom& p) {
        QTableWidget& grid = *p.ValueListEditorNom;
        return grid.item(grid.currentRow(), 0)->text();
    }

    QString typed_;
    QLineEdit edit_;
};

TEST_F(NomenclaturePicker, ListsTheWholeCodeListAndStartsOnTheFirstRow) {
    auto p = picker();
    QTableWidget& grid = *p->ValueListEditorNom;
    EXPECT_EQ(p->windowTitle(), q("Nomenklatury"));
    EXPECT_EQ(grid.horizontalHeaderItem(0)->text(), q("Kód"));
    EXPECT_EQ(grid.horizontalHeaderItem(1)->text(), q("Popis"));
    EXPECT_EQ(grid.rowCount(), 150);
    EXPECT_EQ(grid.item(1, 0)->text(), "01.01");
    EXPECT_EQ(grid.item(1, 1)->text(), q("Soustruhy"));
    EXPECT_EQ(grid.currentRow(), 0);

    QTest::keyClick(&grid, Qt::Key_Down);
    QTest::keyClick(&grid, Qt::Key_Enter);
    EXPECT_EQ(p->result(), QDialog::Accepted);
    EXPECT_EQ(edit_.text(), "01.01");
}

TEST_F(NomenclaturePicker, OpensOnTheFirstCodeBeginningWithTheEdit) {
    edit_.setText(" 04 ");
    auto p = picker();
    EXPECT_EQ(currentCode(*p), "04");
    EXPECT_EQ(p->ValueListEditorNom->rowAt(0), p->ValueListEditorNom->currentRow())
        << "scrolled to the top";
}

TEST_F(NomenclaturePicker, EscLeavesTheEditAlone) {
    edit_.setText("03.0");
    auto p = picker();
    QTest::keyClick(p->ValueListEditorNom, Qt::Key_Escape);
    EXPECT_EQ(p->result(), QDialog::Rejected);
    EXPECT_EQ(edit_.text(), "03.0");
}

TEST_F(NomenclaturePicker, DoubleClickPicksTheRowClicked) {
    auto p = picker();
    QTableWidget& grid = *p->ValueListEditorNom;
    const QPoint row3 = grid.visualItemRect(grid.item(3, 0)).center();
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, row3);
    QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {}, row3);
    EXPECT_EQ(p->result(), QDialog::Accepted);
    EXPECT_EQ(edit_.text(), "01.03");
}

TEST_F(NomenclaturePicker, DescriptionsFollowTheCatalogueOfTheLastPage) {
    select(section("Služby, logistika a vzdělávání"));  // a catalogue with Czech in column 2
    auto p = picker();
    EXPECT_EQ(p->ValueListEditorNom->item(1, 1)->text(), "Drehmaschinen");
}

}  // namespace
}  // namespace expo::search::testing
