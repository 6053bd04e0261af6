#include "search/dlg_vyber_nom.h"

#include <QBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTableWidget>

#include "presentation/mainwindow/expozice.h"
#include "search/code_lists.h"
#include "search/widgets.h"

namespace expo::search {
namespace {

using ui::toQ;

constexpr int kClientWidth = 383;
constexpr int kClientHeight = 169;
constexpr int kRowHeight = 16;
constexpr int kCodeWidth = 75;
constexpr int kDescriptionWidth = 302;

}  // namespace

TDlgVyberNom::TDlgVyberNom(QWidget* owner, presentation::TFormExpozice& mainForm,
                           QLineEdit& targetEdit)
    : QDialog(owner, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      FMainForm(mainForm),
      FTargetEdit(targetEdit) {
    setObjectName("DlgVyberNom");
    const presentation::LanguageTexts& texts = FMainForm.texts();
    setWindowTitle(toQ(texts.FTextNomenclatures));
    resize(kClientWidth, kClientHeight);

    ValueListEditorNom = named(new QTableWidget(0, 2, this), "ValueListEditorNom");
    auto* fill = new QVBoxLayout(this);
    fill->setContentsMargins(0, 0, 0, 0);
    fill->addWidget(ValueListEditorNom);
    QTableWidget& grid = *ValueListEditorNom;
    grid.setHorizontalHeaderLabels({toQ(texts.FTextCode), toQ(texts.FTextDescription)});
    grid.verticalHeader()->hide();
    // The style's least row height, taller than the rows here, would override theirs.
    grid.verticalHeader()->setMinimumSectionSize(kRowHeight);
    grid.verticalHeader()->setDefaultSectionSize(kRowHeight);
    grid.horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    grid.setColumnWidth(0, kCodeWidth);
    grid.setColumnWidth(1, kDescriptionWidth);
    grid.setSelectionBehavior(QAbstractItemView::SelectRows);
    grid.setSelectionMode(QAbstractItemView::SingleSelection);
    grid.setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid.setShowGrid(true);

    const std::vector<NomenclatureRow> rows =
        nomenclatureRows(FMainForm.catalogue().CDSCisNom, FMainForm.languageSuffix());
    grid.setRowCount(static_cast<int>(rows.size()));
    for (size_t i = 0; i < rows.size(); ++i) {
        const int row = static_cast<int>(i);
        grid.setItem(row, 0, new QTableWidgetItem(toQ(rows[i].code)));
        grid.setItem(row, 1, new QTableWidgetItem(toQ(rows[i].description)));
    }
    if (const std::optional<size_t> chosen = preselectedRow(rows, ui::fromQ(FTargetEdit.text()))) {
        FPreselectedRow = static_cast<int>(*chosen);
        grid.setCurrentCell(FPreselectedRow, 0);
    } else if (!rows.empty()) {
        grid.setCurrentCell(0, 0);
    }

    grid.installEventFilter(this);
    grid.viewport()->installEventFilter(this);
}

void TDlgVyberNom::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (FPreselectedRow >= 0) {
        ValueListEditorNom->scrollToItem(ValueListEditorNom->item(FPreselectedRow, 0),
                                         QAbstractItemView::PositionAtTop);
        FPreselectedRow = -1;
    }
}

bool TDlgVyberNom::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonDblClick && watched == ValueListEditorNom->viewport()) {
        ValueListEditorNomDblClick();
        return true;
    }
    if (event->type() == QEvent::KeyPress && watched == ValueListEditorNom) {
        return ValueListEditorNomKeyDown(static_cast<QKeyEvent*>(event)->key());
    }
    return QDialog::eventFilter(watched, event);
}

void TDlgVyberNom::ValueListEditorNomDblClick() {
    if (const QTableWidgetItem* code =
            ValueListEditorNom->item(ValueListEditorNom->currentRow(), 0)) {
        FTargetEdit.setText(code->text());
    }
    accept();
}

bool TDlgVyberNom::ValueListEditorNomKeyDown(int key) {
    switch (key) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            ValueListEditorNomDblClick();
            return true;
        case Qt::Key_Escape:
            reject();
            return true;
        default:
            return false;
    }
}

}  // namespace expo::search
