#pragma once
// The criteria-search dialog. The simple page asks for the exhibitor's name, street, city,
// postcode and country; the advanced page holds ten criteria, each a row with a check box, an
// operator and a value, to which "+" adds alternative rows and "-" takes them away again. Both
// pages share the restriction ComboBoxVybrat and the case switch CheckBoxMalaVelka.
//
// The main window creates the dialog for one search, shows it modally and reads, after OK, the
// page confirmed and either the simple page's controls or the advanced page's filters. The
// dialog reads texts, code lists, value lists and the section filter through that main window.
// dlg_hledani.cpp builds the dialog and handles its pages and OK; dlg_hledani_rows.cpp the
// criterion rows of the advanced page.
#include <QDialog>
#include <array>
#include <vector>

#include "search/search_filter.h"

class QAction;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;
class QStackedWidget;
class QToolButton;

namespace expo::presentation {
class TFormExpozice;
}

namespace expo::search {

class DropDownComboBox;

class TDlgHledani : public QDialog {
    Q_OBJECT
  public:
    // Builds the dialog on its simple page. Throws expo::Error when a code list cannot be read.
    explicit TDlgHledani(presentation::TFormExpozice& owner);
    ~TDlgHledani() override;

    // Whether the simple page was shown when the dialog closed.
    bool simpleMode() const;
    // The advanced page's filters and description, as OK built them.
    const AdvancedFilters& filters() const { return FFilters; }
    // The simple page's controls as the user left them.
    SimpleSearchInput simpleInput() const;

    // One row of an advanced criterion: its own row or an alternative.
    struct ConditionRowWidgets {
        QFrame* panel = nullptr;
        QWidget* operatorControl = nullptr;  // a combo box or a label
        QWidget* valueControl = nullptr;     // an edit or a combo box
    };
    // An advanced criterion: its band panel, check box, own row, "+" button and the rows "+"
    // added (hidden ones included, in the order they were made).
    struct CriterionBand {
        QFrame* band = nullptr;
        QCheckBox* check = nullptr;
        ConditionRowWidgets own;
        QToolButton* plus = nullptr;
        std::vector<ConditionRowWidgets> alternatives;
    };
    const CriterionBand& criterionBand(Criterion criterion) const {
        return FBands[static_cast<int>(criterion)];
    }

    // Header
    QFrame* Panel2 = nullptr;
    QLabel* StaticTextPopis = nullptr;
    QFrame* Panel3 = nullptr;
    QFrame* Panel1 = nullptr;
    QLabel* StaticTextVybrat = nullptr;
    QComboBox* ComboBoxVybrat = nullptr;
    QCheckBox* CheckBoxMalaVelka = nullptr;
    // Buttons
    QFrame* PanelBtn = nullptr;
    QAction* ActProvestVyber = nullptr;
    QPushButton* BtnSelVyber = nullptr;
    QPushButton* BtnCancel = nullptr;
    QPushButton* BtnPokocile = nullptr;
    // Pages
    QStackedWidget* PageControlHledani = nullptr;
    QWidget* TabSheetJednoduche = nullptr;
    QWidget* TabSheetPokrocile = nullptr;
    // Simple page
    QFrame* PanelVyb = nullptr;
    QLineEdit* EditNAZEVFIRMY = nullptr;
    QLineEdit* EditULICE = nullptr;
    QLineEdit* EditMESTO = nullptr;
    QLineEdit* EditPSC = nullptr;
    DropDownComboBox* CBoxStat = nullptr;
    // Advanced page
    QScrollArea* ScrollBoxExHledani = nullptr;
    QWidget* ScrollBoxSelection = nullptr;
    DropDownComboBox* CBoxStatEx = nullptr;
    QToolButton* SpeedButtonVyberNom = nullptr;

  protected:
    bool event(QEvent* event) override;

  private:
    // dlg_hledani.cpp
    void createHeader();
    void createButtons();
    void createSimplePage();
    void fillCountryLists();
    void FormActivate();
    void BtnPokocileClick();
    void showPage(bool simple);
    void carryToAdvanced();
    void carryToSimple();
    void ActProvestVyberExecute();
    // Per criterion, the alternative rows whose values the filters read, in their order.
    using ShownRows = std::array<std::vector<const ConditionRowWidgets*>, kCriterionCount>;
    AdvancedSearchInput advancedInput(ShownRows& shownRows) const;

    // dlg_hledani_rows.cpp
    void createAdvancedPage();
    void createBand(Criterion criterion);
    QWidget* createOperatorControl(Criterion criterion, QFrame* row, const char* name);
    QWidget* createValueControl(Criterion criterion, QFrame* row, const char* name,
                                bool alternative);
    QToolButton* createPickButton(QFrame* row, QLineEdit* edit, const char* name);
    void CheckBoxPolozkaClick(Criterion criterion, bool ticked);
    void SpeedButtonPridatPodminkuClick(Criterion criterion);
    void SpeedButtonZrusitPodminkuClick(CriterionBand& band, QFrame* row, QToolButton* minus);
    void SpeedButtonVyberNomClick(QLineEdit* edit);
    void CBoxStatExDropDown(QComboBox* combo);
    void CBoxPavilonExDropDown(QComboBox* combo);
    void measureRowColumns();

    // Where the rows of the advanced page place their parts: the layout's columns, moved right
    // as far as the language's captions and operator texts need in the font used.
    struct RowColumns {
        int checkWidth = 175;
        int operatorLeft = 183;
        int operatorWidth = 81;
        int valueLeft = 266;
        int pickLeft = 466;
        int plusLeft = 497;
        int minusLeft = 523;
    };

    presentation::TFormExpozice& FMainForm;
    RowColumns FColumns;
    // What the dialog grows by beyond its layout's width for the texts of its header, and for
    // those of its buttons and pages, which stand side by side.
    int FHeaderAdded = 0;
    int FButtonsAdded = 0;
    int FPageAdded = 0;
    AdvancedFilters FFilters;
    std::array<CriterionBand, kCriterionCount> FBands;
};

}  // namespace expo::search
