// The advanced page of the search dialog: ten criterion bands, each holding the criterion's own
// row and the alternative rows added with "+". A band is 29 pixels high per row it shows; a row
// taken away with "-", and every alternative when the criterion is unticked, is hidden, not
// freed, and counts no more.
#include <QBoxLayout>
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QStackedWidget>
#include <QToolButton>
#include <algorithm>

#include "platform/ui/guard.h"
#include "platform/ui/text_room.h"
#include "presentation/mainwindow/expozice.h"
#include "search/code_lists.h"
#include "search/dlg_hledani.h"
#include "search/dlg_vyber_nom.h"
#include "search/drop_down_combo.h"
#include "search/widgets.h"

namespace expo::search {
namespace {

using presentation::LanguageTexts;
using ui::toQ;

constexpr int kRowHeight = 29;

enum class OperatorKind { Choice, EqualsLabel, StartsWithLabel };
enum class ValueKind { Edit, Country, Pavilion, RepresentedFirm, RepresentedBrand };

// The components of one criterion's band, in the order of Criterion.
struct BandDef {
    const char* name;  // the band is "PanelBGround" + name, its row "Panel" + name, ...
    const char* operatorName;
    const char* valueName;
    OperatorKind operatorKind;
    ValueKind valueKind;
    std::string LanguageTexts::*caption;
};

constexpr BandDef kBands[kCriterionCount] = {
    {"NazevVyst", "ComboBoxNazevVyst", "EditNazevVystEx", OperatorKind::Choice, ValueKind::Edit,
     &LanguageTexts::FTextExhibitorName},
    {"Ulice", "ComboBoxUlice", "EditUliceEx", OperatorKind::Choice, ValueKind::Edit,
     &LanguageTexts::FTextStreet},
    {"Mesto", "ComboBoxMesto", "EditMestoEx", OperatorKind::Choice, ValueKind::Edit,
     &LanguageTexts::FTextCity},
    {"PSC", "ComboBoxPSC", "EditPSCEx", OperatorKind::Choice, ValueKind::Edit,
     &LanguageTexts::FTextPostcode},
    {"Stat", "LabelRovnaSeStat", "CBoxStatEx", OperatorKind::EqualsLabel, ValueKind::Country,
     &LanguageTexts::FTextCountry},
    {"Pavilon", "LabelRovnaSePavilon", "CBoxPavilonEx", OperatorKind::EqualsLabel,
     ValueKind::Pavilion, &LanguageTexts::FTextPavilion},
    {"Nomen", "LabelZacinaNaNomen", "EditNomen", OperatorKind::StartsWithLabel, ValueKind::Edit,
     &LanguageTexts::FTextNomenclatureCode},
    {"NomenPopis", "ComboBoxNomenPopis", "EditNomenPopis", OperatorKind::Choice, ValueKind::Edit,
     &LanguageTexts::FTextNomenclatureDescription},
    {"ZastFir", "ComboBoxZastFirOp", "CBoxZastFir", OperatorKind::Choice,
     ValueKind::RepresentedFirm, &LanguageTexts::FTextRepresentedFirm},
    {"ZastZnac", "ComboBoxZatZnacOp", "CBoxZastZnac", OperatorKind::Choice,
     ValueKind::RepresentedBrand, &LanguageTexts::FTextRepresentedBrand},
};

const BandDef& defOf(Criterion criterion) {
    return kBands[static_cast<int>(criterion)];
}

std::string prefixed(const char* prefix, const char* name) {
    return std::string(prefix) + name;
}

// The nomenclature code's value is narrower, to leave room for its "? " button.
constexpr int kValueWidth = 224;
constexpr int kNomenValueWidth = 196;

QToolButton* speedButton(const QString& caption, QFrame* row, int left, std::string_view name) {
    auto* button = placed(named(new QToolButton(row), name), left, 4, 22, 22);
    button->setText(caption);
    button->setAutoRaise(true);
    return button;
}

int bandHeight(const QFrame* band) {
    return band->maximumHeight();
}

// Replaces a list's items; none is chosen afterwards.
void fillList(QComboBox* combo, const std::vector<std::string>& entries) {
    combo->clear();
    for (const std::string& entry : entries) {
        combo->addItem(toQ(entry));
    }
    combo->setCurrentIndex(-1);
}

QFrame* rowPanel(QFrame* band, std::string_view name) {
    auto* row = named(new QFrame(band), name);
    row->setFixedHeight(kRowHeight);
    band->layout()->addWidget(row);
    return row;
}

}  // namespace

// The check boxes take their longest caption; the operator column its longest text, whether
// shown in a combo or as a label; the columns right of them move over by what these grew.
void TDlgHledani::measureRowColumns() {
    const LanguageTexts& texts = FMainForm.texts();
    const RowColumns layout;
    QCheckBox check(this);
    QComboBox combo(this);
    QLabel label(this);
    int checkWidth = layout.checkWidth;
    for (const BandDef& def : kBands) {
        checkWidth = ui::widthForText(check, toQ(texts.*def.caption), checkWidth);
    }
    const QStringList operators = {trimmedQ(texts.FTextStartsWith), trimmedQ(texts.FTextContains),
                                   trimmedQ(texts.FTextEquals)};
    int operatorWidth = ui::widthForItems(combo, operators, layout.operatorWidth);
    for (const QString& shown : {trimmedQ(texts.FTextEquals), trimmedQ(texts.FTextStartsWith)}) {
        label.setText(shown);
        operatorWidth = std::max(operatorWidth, label.sizeHint().width());
    }
    const int shift = (checkWidth - layout.checkWidth) + (operatorWidth - layout.operatorWidth);
    FColumns = {.checkWidth = checkWidth,
                .operatorLeft = layout.operatorLeft + checkWidth - layout.checkWidth,
                .operatorWidth = operatorWidth,
                .valueLeft = layout.valueLeft + shift,
                .pickLeft = layout.pickLeft + shift,
                .plusLeft = layout.plusLeft + shift,
                .minusLeft = layout.minusLeft + shift};
    FPageAdded = std::max(FPageAdded, shift);
}

void TDlgHledani::createAdvancedPage() {
    measureRowColumns();
    TabSheetPokrocile = named(new QWidget(PageControlHledani), "TabSheetPokrocile");
    PageControlHledani->addWidget(TabSheetPokrocile);
    auto* fill = new QVBoxLayout(TabSheetPokrocile);
    fill->setContentsMargins(0, 0, 0, 0);
    ScrollBoxExHledani = named(new QScrollArea(TabSheetPokrocile), "ScrollBoxExHledani");
    ScrollBoxExHledani->setFrameShape(QFrame::NoFrame);
    ScrollBoxExHledani->setWidgetResizable(true);
    fill->addWidget(ScrollBoxExHledani);
    ScrollBoxSelection = named(new QWidget, "ScrollBoxSelection");
    auto* bands = new QVBoxLayout(ScrollBoxSelection);
    bands->setContentsMargins(0, 0, 0, 0);
    bands->setSpacing(0);
    for (int i = 0; i < kCriterionCount; ++i) {
        createBand(static_cast<Criterion>(i));
    }
    bands->addStretch(1);
    ScrollBoxExHledani->setWidget(ScrollBoxSelection);

    // Nobody can tick a criterion that has nothing to find. The lists tell whether the catalogue
    // has represented firms and brands at all; the datasets may still be filtered by the last
    // page or search.
    criterionBand(Criterion::RepresentedFirm)
        .band->setVisible(!FMainForm.representedFirms().empty());
    criterionBand(Criterion::RepresentedBrand)
        .band->setVisible(!FMainForm.representedBrands().empty());
}

void TDlgHledani::createBand(Criterion criterion) {
    const BandDef& def = defOf(criterion);
    CriterionBand& band = FBands[static_cast<int>(criterion)];
    band.band = named(new QFrame(ScrollBoxSelection), prefixed("PanelBGround", def.name));
    auto* rows = new QVBoxLayout(band.band);
    rows->setContentsMargins(0, 0, 0, 0);
    rows->setSpacing(0);
    rows->setAlignment(Qt::AlignTop);
    band.band->setFixedHeight(kRowHeight);
    ScrollBoxSelection->layout()->addWidget(band.band);

    QFrame* row = rowPanel(band.band, prefixed("Panel", def.name));
    band.own.panel = row;
    band.check = placed(named(new QCheckBox(toQ(FMainForm.texts().*def.caption), row),
                              prefixed("CheckBox", def.name)),
                        5, 7, FColumns.checkWidth);
    band.own.operatorControl = createOperatorControl(criterion, row, def.operatorName);
    band.own.valueControl = createValueControl(criterion, row, def.valueName, false);
    if (criterion == Criterion::NomenclatureCode) {
        SpeedButtonVyberNom = createPickButton(row, qobject_cast<QLineEdit*>(band.own.valueControl),
                                               "SpeedButtonVyberNom");
    }
    band.plus = speedButton("+", row, FColumns.plusLeft, prefixed("SpeedButton", def.name));
    connect(band.plus, &QToolButton::clicked, this,
            [this, criterion] { ui::guard([&] { SpeedButtonPridatPodminkuClick(criterion); }); });
    connect(band.check, &QCheckBox::toggled, this, [this, criterion](bool ticked) {
        ui::guard([&] { CheckBoxPolozkaClick(criterion, ticked); });
    });
    CheckBoxPolozkaClick(criterion, false);  // an unticked row starts disabled
}

QWidget* TDlgHledani::createOperatorControl(Criterion criterion, QFrame* row, const char* name) {
    const LanguageTexts& texts = FMainForm.texts();
    switch (defOf(criterion).operatorKind) {
        case OperatorKind::EqualsLabel:
            return placed(named(new QLabel(trimmedQ(texts.FTextEquals), row), name),
                          FColumns.operatorLeft, 8);
        case OperatorKind::StartsWithLabel:
            return placed(named(new QLabel(trimmedQ(texts.FTextStartsWith), row), name),
                          FColumns.operatorLeft, 8);
        case OperatorKind::Choice:
            break;
    }
    auto* combo = placed(named(new QComboBox(row), name), FColumns.operatorLeft, 4,
                         FColumns.operatorWidth, 21);
    combo->addItems({trimmedQ(texts.FTextStartsWith), trimmedQ(texts.FTextContains),
                     trimmedQ(texts.FTextEquals)});
    combo->setCurrentIndex(0);
    return combo;
}

// The value control of a row. The country list of the criterion's own row is filled once with
// the dialog; every other list fills itself each time it opens.
QWidget* TDlgHledani::createValueControl(Criterion criterion, QFrame* row, const char* name,
                                         bool alternative) {
    const int width = criterion == Criterion::NomenclatureCode ? kNomenValueWidth : kValueWidth;
    const ValueKind kind = defOf(criterion).valueKind;
    if (kind == ValueKind::Edit) {
        return placed(named(new QLineEdit(row), name), FColumns.valueLeft, 4, width, 21);
    }
    const bool editable = kind == ValueKind::RepresentedFirm || kind == ValueKind::RepresentedBrand;
    auto* combo =
        placed(named(new DropDownComboBox(editable, row), name), FColumns.valueLeft, 4, width, 21);
    switch (kind) {
        case ValueKind::Country:
            if (alternative) {
                combo->setDropDown([this, combo] { CBoxStatExDropDown(combo); });
            } else {
                CBoxStatEx = combo;
                combo->setAutoDropDown(true);
            }
            break;
        case ValueKind::Pavilion:
            combo->setDropDown([this, combo] { CBoxPavilonExDropDown(combo); });
            combo->setAutoDropDown(!alternative);
            break;
        case ValueKind::RepresentedFirm:
            combo->setDropDown([this, combo] { fillList(combo, FMainForm.representedFirms()); });
            break;
        case ValueKind::RepresentedBrand:
            combo->setDropDown([this, combo] { fillList(combo, FMainForm.representedBrands()); });
            break;
        case ValueKind::Edit:
            break;
    }
    return combo;
}

QToolButton* TDlgHledani::createPickButton(QFrame* row, QLineEdit* edit, const char* name) {
    QToolButton* pick = speedButton("? ", row, FColumns.pickLeft, name);
    connect(pick, &QToolButton::clicked, this,
            [this, edit] { ui::guard([&] { SpeedButtonVyberNomClick(edit); }); });
    return pick;
}

// Ticking enables the row's operator choice, value and buttons; unticking disables them and
// hides the criterion's alternatives, which ticking again does not bring back.
void TDlgHledani::CheckBoxPolozkaClick(Criterion criterion, bool ticked) {
    CriterionBand& band = FBands[static_cast<int>(criterion)];
    for (QObject* child : band.own.panel->children()) {
        const bool control = qobject_cast<QComboBox*>(child) || qobject_cast<QLineEdit*>(child) ||
                             qobject_cast<QToolButton*>(child);
        if (control) {
            static_cast<QWidget*>(child)->setEnabled(ticked);
        }
    }
    if (ticked) {
        return;
    }
    for (const ConditionRowWidgets& alternative : band.alternatives) {
        if (!alternative.panel->isHidden()) {
            alternative.panel->hide();
            if (bandHeight(band.band) > kRowHeight) {
                band.band->setFixedHeight(bandHeight(band.band) - kRowHeight);
            }
        }
    }
}

void TDlgHledani::SpeedButtonPridatPodminkuClick(Criterion criterion) {
    const LanguageTexts& texts = FMainForm.texts();
    CriterionBand& band = FBands[static_cast<int>(criterion)];
    band.band->setFixedHeight(bandHeight(band.band) + kRowHeight);
    QFrame* row = rowPanel(band.band, "");
    placed(new QLabel(trimmedQ(texts.FTextOrLabel), row), 22, 6);
    ConditionRowWidgets added{row, createOperatorControl(criterion, row, ""),
                              createValueControl(criterion, row, "", true)};
    if (criterion == Criterion::NomenclatureCode) {
        createPickButton(row, qobject_cast<QLineEdit*>(added.valueControl), "");
    }
    QToolButton* plus = speedButton("+", row, FColumns.plusLeft, "");
    connect(plus, &QToolButton::clicked, this,
            [this, criterion] { ui::guard([&] { SpeedButtonPridatPodminkuClick(criterion); }); });
    QToolButton* minus = speedButton("-", row, FColumns.minusLeft, "");
    connect(minus, &QToolButton::clicked, this, [this, criterion, row, minus] {
        ui::guard([&] {
            SpeedButtonZrusitPodminkuClick(FBands[static_cast<int>(criterion)], row, minus);
        });
    });
    band.alternatives.push_back(added);
    row->show();
}

void TDlgHledani::SpeedButtonZrusitPodminkuClick(CriterionBand& band, QFrame* row,
                                                 QToolButton* minus) {
    if (bandHeight(band.band) <= kRowHeight) {
        return;
    }
    band.band->setFixedHeight(bandHeight(band.band) - kRowHeight);
    minus->setEnabled(false);
    minus->hide();
    row->hide();
}

// The picker writes the chosen code into the row's edit itself.
void TDlgHledani::SpeedButtonVyberNomClick(QLineEdit* edit) {
    TDlgVyberNom picker(this, FMainForm, *edit);
    picker.exec();
}

void TDlgHledani::CBoxStatExDropDown(QComboBox* combo) {
    combo->clear();  // before the dataset is read: a failure leaves the list empty
    std::vector<std::string> shown;
    for (CountryEntry& entry :
         countryEntries(FMainForm.catalogue().CDSCisStat, FMainForm.sectionFilter(),
                        FMainForm.languageName())) {
        shown.push_back(std::move(entry.shown));
    }
    fillList(combo, shown);
}

void TDlgHledani::CBoxPavilonExDropDown(QComboBox* combo) {
    combo->clear();
    fillList(combo, pavilionEntries(FMainForm.catalogue().CDSCisPloch, FMainForm.sectionFilter()));
}

}  // namespace expo::search
