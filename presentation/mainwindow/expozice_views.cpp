// The view buttons: one of five is down, and the current view decides which panel-buttons the
// row under the exhibitor list shows. The "Vše", "Exponáty" and "Novinky" views list the
// exhibitors of the catalogue section now listed: all of them, those with exhibits, those with
// news.
#include <QListWidget>
#include <QToolButton>
#include <QTreeWidget>

#include "presentation/mainwindow/expozice.h"
#include "presentation/widgets/panel_button.h"

namespace expo::presentation {

void TFormExpozice::SetViewButton(QToolButton* button) {
    for (QToolButton* b : {ToolButtonVse, ToolButtonExponaty, ToolButtonNovinky, ToolButtonZapisnik,
                           ToolButtonVyber}) {
        b->setChecked(b == button);
    }
    // The row's layout keeps the panel-buttons in their order and drops the hidden ones, so the
    // notebook view reads "Vyřadit", gap, "Export" and the selection view "Do zápisníku", gap,
    // "Provést výběr".
    const bool notebook = button == ToolButtonZapisnik;
    const bool selection = button == ToolButtonVyber;
    PnlDoZapisniku->setVisible(!notebook);
    PnlVyradit->setVisible(notebook);
    PnlExport->setVisible(notebook);
    PnlNovyVyber->setVisible(selection);
    PanelTlacitkaVpravo1->setVisible(notebook || selection);
}

// The node selected in the tree is shown anew. With none selected (the tree is empty, or was
// rebuilt and nothing is selected yet) there is no section to list: the list stays empty, the
// page blank, and the status line counts no exhibitor.
void TFormExpozice::ActVseExecute() {
    SetViewButton(ToolButtonVse);
    ListBoxSeznamFirem->clear();
    ShowNodeContent(TreeViewNavigace->currentItem());
    FCurrentViewButton = ToolButtonVse;
    ShowStatusLine();
}

void TFormExpozice::ActNovinkyExecute() {
    showView(ToolButtonNovinky, ExhibitorView::News);
}

void TFormExpozice::ActExponatyExecute() {
    showView(ToolButtonExponaty, ExhibitorView::Exhibits);
}

void TFormExpozice::showView(QToolButton* button, ExhibitorView view) {
    SetViewButton(button);
    selectFilterVyst(viewFilter(view, FSectionFilter));
    FCurrentViewButton = button;
    ShowStatusLine();
}

}  // namespace expo::presentation
