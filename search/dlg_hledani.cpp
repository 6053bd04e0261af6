// The search dialog's construction, its two pages and the switch between them, and its OK
// command.
#include "search/dlg_hledani.h"

#include <QAction>
#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QStackedWidget>
#include <algorithm>

#include "platform/ui/guard.h"
#include "platform/ui/pump.h"
#include "platform/ui/text_room.h"
#include "presentation/mainwindow/expozice.h"
#include "search/code_lists.h"
#include "search/drop_down_combo.h"
#include "search/widgets.h"

namespace expo::search {
namespace {

using text::trim;
using ui::fromQ;
using ui::toQ;

constexpr int kWidth = 700;
constexpr int kSimpleHeight = 320;
constexpr int kAdvancedHeight = 530;
constexpr int kHeaderHeight = 126;
constexpr int kButtonPanelWidth = 122;
constexpr int kRestrictionWidth = 162;
constexpr int kCaseLeft = 284;
constexpr int kCaseWidth = 367;
constexpr int kLabelLeft = 22;
constexpr int kInputLeft = 183;
constexpr int kLabelGap = 4;  // at least, between a label of the simple page and its input

// A separator line of the header in the button-shadow colour.
QFrame* separator(const char* name, int top, QWidget* parent) {
    QFrame* line = placed(named(new QFrame(parent), name), 10, top, 674, 2);
    line->setAutoFillBackground(true);
    QPalette palette = line->palette();
    palette.setColor(QPalette::Window, palette.color(QPalette::Dark));
    line->setPalette(palette);
    return line;
}

QString textOf(const QWidget* control) {
    if (const auto* edit = qobject_cast<const QLineEdit*>(control)) {
        return edit->text();
    }
    if (const auto* combo = qobject_cast<const QComboBox*>(control)) {
        return combo->currentText();
    }
    return qobject_cast<const QLabel*>(control)->text();
}

void focusIfPossible(QWidget* control) {
    if (control->isVisible() && control->isEnabled()) {
        control->setFocus();
    }
}

}  // namespace

TDlgHledani::TDlgHledani(presentation::TFormExpozice& owner) : QDialog(&owner), FMainForm(owner) {
    ui::BusyCursor busy;
    setObjectName("DlgHledani");
    const presentation::LanguageTexts& texts = FMainForm.texts();
    setWindowTitle(toQ(texts.FTextSearch));

    auto* rows = new QVBoxLayout(this);
    rows->setContentsMargins(0, 0, 0, 0);
    rows->setSpacing(0);
    createHeader();
    rows->addWidget(Panel2);
    auto* body = new QHBoxLayout;
    PageControlHledani = named(new QStackedWidget(this), "PageControlHledani");
    body->addWidget(PageControlHledani, 1);
    createButtons();
    body->addWidget(PanelBtn);
    rows->addLayout(body, 1);
    createSimplePage();
    createAdvancedPage();
    fillCountryLists();
    showPage(true);
}

TDlgHledani::~TDlgHledani() = default;

void TDlgHledani::createHeader() {
    const presentation::LanguageTexts& texts = FMainForm.texts();
    Panel2 = named(new QFrame(this), "Panel2");
    Panel2->setFixedHeight(kHeaderHeight);
    StaticTextPopis = placed(named(new QLabel(Panel2), "StaticTextPopis"), 10, 5, 673, 55);
    StaticTextPopis->setWordWrap(true);
    StaticTextPopis->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Panel3 = separator("Panel3", 63, Panel2);
    Panel1 = separator("Panel1", 119, Panel2);
    StaticTextVybrat =
        placed(named(new QLabel(toQ(texts.FTextChoose + ":"), Panel2), "StaticTextVybrat"), 26, 73);
    ComboBoxVybrat =
        placed(named(new QComboBox(Panel2), "ComboBoxVybrat"), 26, 88, kRestrictionWidth);
    ComboBoxVybrat->addItems(
        {toQ(texts.FTextAll), toQ(texts.FTextOnlyNovelties), toQ(texts.FTextOnlyExhibits)});
    ComboBoxVybrat->setCurrentIndex(0);
    QStringList restrictions;
    for (int i = 0; i < ComboBoxVybrat->count(); ++i) {
        restrictions << ComboBoxVybrat->itemText(i);
    }
    const int comboWidth = ui::widthForItems(*ComboBoxVybrat, restrictions, kRestrictionWidth);
    ComboBoxVybrat->resize(comboWidth, ComboBoxVybrat->height());
    // The check box keeps its distance from a widened list.
    const int checkLeft = kCaseLeft + comboWidth - kRestrictionWidth;
    CheckBoxMalaVelka =
        named(new QCheckBox(toQ(texts.FTextCaseSensitive), Panel2), "CheckBoxMalaVelka");
    placed(CheckBoxMalaVelka, checkLeft, 89,
           ui::widthForText(*CheckBoxMalaVelka, CheckBoxMalaVelka->text(), kCaseWidth));
    FHeaderAdded =
        std::max(0, CheckBoxMalaVelka->geometry().right() + 1 - (kCaseLeft + kCaseWidth));
}

void TDlgHledani::createButtons() {
    const presentation::LanguageTexts& texts = FMainForm.texts();
    PanelBtn = named(new QFrame(this), "PanelBtn");

    // OK is a command of its own: its button and the Enter key run it from anywhere in the
    // dialog, and a failed check leaves the dialog open.
    ActProvestVyber = named(new QAction(toQ(texts.FTextRunSelection), this), "ActProvestVyber");
    ActProvestVyber->setShortcuts({QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)});
    ActProvestVyber->setShortcutContext(Qt::WindowShortcut);
    addAction(ActProvestVyber);
    connect(ActProvestVyber, &QAction::triggered, this,
            [this] { ui::guard([this] { ActProvestVyberExecute(); }); });

    // Each button as wide as the layout makes it, or as its texts need; the panel grows with
    // the widest growth.
    const auto button = [this](const char* name, const QStringList& captions, int left, int top,
                               int width, int height) {
        auto* b = named(new QPushButton(captions.front(), PanelBtn), name);
        const int fitted = ui::widthForTexts(*b, captions, width);
        FButtonsAdded = std::max(FButtonsAdded, fitted - width);
        b->setAutoDefault(false);  // Enter belongs to ActProvestVyber
        return placed(b, left, top, fitted, height);
    };
    BtnSelVyber = button("BtnSelVyber", {ActProvestVyber->text()}, 4, 9, 110, 26);
    connect(BtnSelVyber, &QPushButton::clicked, ActProvestVyber, &QAction::trigger);
    BtnCancel = button("BtnCancel", {toQ(texts.FTextCancel)}, 4, 37, 110, 25);
    connect(BtnCancel, &QPushButton::clicked, this, &QDialog::reject);
    // It reads the name of the page it switches to.
    BtnPokocile =
        button("BtnPokocile", {toQ(texts.FTextAdvancedSearch), toQ(texts.FTextSimpleSearch)}, 3, 92,
               111, 25);
    connect(BtnPokocile, &QPushButton::clicked, this,
            [this] { ui::guard([this] { BtnPokocileClick(); }); });
    PanelBtn->setFixedWidth(kButtonPanelWidth + FButtonsAdded);
}

void TDlgHledani::createSimplePage() {
    const presentation::LanguageTexts& texts = FMainForm.texts();
    TabSheetJednoduche = named(new QWidget(PageControlHledani), "TabSheetJednoduche");
    PageControlHledani->addWidget(TabSheetJednoduche);
    auto* fill = new QVBoxLayout(TabSheetJednoduche);
    fill->setContentsMargins(0, 0, 0, 0);
    PanelVyb = named(new QFrame(TabSheetJednoduche), "PanelVyb");
    fill->addWidget(PanelVyb);

    // The inputs stand right of the widest label.
    int inputLeft = kInputLeft;
    for (const std::string* caption :
         {&texts.FTextExhibitorName, &texts.FTextStreet, &texts.FTextCity, &texts.FTextPostcode,
          &texts.FTextCountry}) {
        const QLabel probe(toQ(*caption), PanelVyb);
        inputLeft = std::max(inputLeft, kLabelLeft + probe.sizeHint().width() + kLabelGap);
    }
    FPageAdded = std::max(FPageAdded, inputLeft - kInputLeft);
    auto labelled = [&](const char* labelName, const std::string& caption, QWidget* input,
                        const char* inputName, int top) {
        placed(named(new QLabel(toQ(caption), PanelVyb), labelName), kLabelLeft, top + 3);
        placed(named(input, inputName), inputLeft, top, 338, 21);
    };
    EditNAZEVFIRMY = new QLineEdit(PanelVyb);
    labelled("StaticTextNAZEVFIRMY", texts.FTextExhibitorName, EditNAZEVFIRMY, "EditNAZEVFIRMY", 4);
    EditULICE = new QLineEdit(PanelVyb);
    labelled("StaticTextULICE", texts.FTextStreet, EditULICE, "EditULICE", 33);
    EditMESTO = new QLineEdit(PanelVyb);
    labelled("StaticTextMESTO", texts.FTextCity, EditMESTO, "EditMESTO", 62);
    EditPSC = new QLineEdit(PanelVyb);
    labelled("StaticTextPSC", texts.FTextPostcode, EditPSC, "EditPSC", 91);
    CBoxStat = new DropDownComboBox(false, PanelVyb);
    labelled("StaticTextSTAT", texts.FTextCountry, CBoxStat, "CBoxStat", 120);
    setTabOrder(EditNAZEVFIRMY, EditULICE);
    setTabOrder(EditULICE, EditMESTO);
    setTabOrder(EditMESTO, EditPSC);
    setTabOrder(EditPSC, CBoxStat);
}

// The country lists of both pages correspond item by item: the advanced one shows the names
// of the language, the simple one the Czech names.
void TDlgHledani::fillCountryLists() {
    for (const CountryEntry& entry :
         countryEntries(FMainForm.catalogue().CDSCisStat, FMainForm.sectionFilter(),
                        FMainForm.languageName())) {
        CBoxStatEx->addItem(toQ(entry.shown));
        CBoxStat->addItem(toQ(entry.czech));
    }
    CBoxStatEx->setCurrentIndex(-1);
    CBoxStat->setCurrentIndex(-1);
}

bool TDlgHledani::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) {
        FormActivate();
    }
    return QDialog::event(event);
}

// The name edit takes the focus only while the simple page is shown.
void TDlgHledani::FormActivate() {
    focusIfPossible(EditNAZEVFIRMY);
}

SimpleSearchInput TDlgHledani::simpleInput() const {
    return {.name = fromQ(EditNAZEVFIRMY->text()),
            .street = fromQ(EditULICE->text()),
            .city = fromQ(EditMESTO->text()),
            .country = fromQ(CBoxStat->currentText()),
            .postcode = fromQ(EditPSC->text()),
            .caseSensitive = CheckBoxMalaVelka->isChecked(),
            .restriction = static_cast<Restriction>(ComboBoxVybrat->currentIndex())};
}

bool TDlgHledani::simpleMode() const {
    return PageControlHledani->currentWidget() == TabSheetJednoduche;
}

void TDlgHledani::BtnPokocileClick() {
    if (simpleMode()) {
        showPage(false);
        carryToAdvanced();
    } else {
        showPage(true);
        carryToSimple();
    }
}

void TDlgHledani::showPage(bool simple) {
    const presentation::LanguageTexts& texts = FMainForm.texts();
    PageControlHledani->setCurrentWidget(simple ? TabSheetJednoduche : TabSheetPokrocile);
    setFixedSize(kWidth + std::max(FHeaderAdded, FButtonsAdded + FPageAdded),
                 simple ? kSimpleHeight : kAdvancedHeight);
    BtnPokocile->setText(toQ(simple ? texts.FTextAdvancedSearch : texts.FTextSimpleSearch));
    StaticTextPopis->setText(
        toQ(simple ? texts.FTextEnterCondition : texts.FTextEnterConditionAdvanced));
}

namespace {

// The simple edits and the advanced criteria that take over their values.
struct CarriedField {
    QLineEdit* TDlgHledani::*simple;
    Criterion criterion;
};
constexpr CarriedField kCarried[] = {
    {&TDlgHledani::EditNAZEVFIRMY, Criterion::ExhibitorName},
    {&TDlgHledani::EditULICE, Criterion::Street},
    {&TDlgHledani::EditMESTO, Criterion::City},
    {&TDlgHledani::EditPSC, Criterion::Postcode},
};

}  // namespace

// A value typed on the simple page goes into an empty advanced row, and ticks it; operators
// stay as they are.
void TDlgHledani::carryToAdvanced() {
    for (const CarriedField& field : kCarried) {
        QLineEdit* simple = this->*field.simple;
        const CriterionBand& band = criterionBand(field.criterion);
        auto* advanced = qobject_cast<QLineEdit*>(band.own.valueControl);
        if (!trim(fromQ(simple->text())).empty() && advanced->text().isEmpty()) {
            advanced->setText(simple->text());
            band.check->setChecked(true);
        }
    }
    const CriterionBand& country = criterionBand(Criterion::Country);
    if (!trim(fromQ(CBoxStat->currentText())).empty() && CBoxStatEx->currentText().isEmpty()) {
        CBoxStatEx->setCurrentIndex(CBoxStat->currentIndex());
        country.check->setChecked(true);
    }
}

// A ticked advanced row's value goes back into an empty simple field; alternatives do not.
void TDlgHledani::carryToSimple() {
    for (const CarriedField& field : kCarried) {
        QLineEdit* simple = this->*field.simple;
        const CriterionBand& band = criterionBand(field.criterion);
        auto* advanced = qobject_cast<QLineEdit*>(band.own.valueControl);
        if (trim(fromQ(simple->text())).empty() && !advanced->text().isEmpty() &&
            band.check->isChecked()) {
            simple->setText(advanced->text());
        }
    }
    const CriterionBand& country = criterionBand(Criterion::Country);
    if (trim(fromQ(CBoxStat->currentText())).empty() && !CBoxStatEx->currentText().isEmpty() &&
        country.check->isChecked()) {
        CBoxStat->setCurrentIndex(CBoxStatEx->currentIndex());
    }
}

// The advanced page as the filters see it; `shownRows` receives the alternatives read, so that
// a missing value can be found again.
AdvancedSearchInput TDlgHledani::advancedInput(ShownRows& shownRows) const {
    auto rowOf = [](const ConditionRowWidgets& row) {
        return ConditionRow{fromQ(textOf(row.operatorControl)), fromQ(textOf(row.valueControl))};
    };
    AdvancedSearchInput input;
    for (int i = 0; i < kCriterionCount; ++i) {
        const CriterionBand& band = FBands[i];
        CriterionInput& criterion = input.criteria[i];
        criterion.ticked = band.check->isChecked();
        criterion.row = rowOf(band.own);
        for (const ConditionRowWidgets& alternative : band.alternatives) {
            if (!alternative.panel->isHidden()) {
                criterion.alternatives.push_back(rowOf(alternative));
                shownRows[i].push_back(&alternative);
            }
        }
    }
    input.caseSensitive = CheckBoxMalaVelka->isChecked();
    input.restriction = static_cast<Restriction>(ComboBoxVybrat->currentIndex());
    input.sectionFilter = FMainForm.sectionFilter();
    input.languageSuffix = FMainForm.languageSuffix();
    return input;
}

void TDlgHledani::ActProvestVyberExecute() {
    setResult(0);
    const presentation::LanguageTexts& texts = FMainForm.texts();
    if (simpleMode()) {
        if (!hasSimpleCondition(simpleInput())) {
            EditNAZEVFIRMY->setFocus();
            throw Error(texts.FTextNeedOneCondition);
        }
        accept();
        return;
    }
    FFilters = {};
    ShownRows shownRows;
    const AdvancedSearchInput input = advancedInput(shownRows);
    try {
        FFilters = buildAdvancedSearch(input, texts);
    } catch (const ValueRequired& missing) {
        const int i = static_cast<int>(missing.criterion);
        const ConditionRowWidgets& row =
            missing.alternative < 0 ? FBands[i].own : *shownRows[i][size_t(missing.alternative)];
        focusIfPossible(row.valueControl);
        throw;
    }
    accept();
}

}  // namespace expo::search
