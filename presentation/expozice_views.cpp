// The view buttons: one of five is down, and the current view decides which panel-buttons the
// row under the exhibitor list shows.
#include <QToolButton>

#include "presentation/expozice.h"
#include "presentation/panel_button.h"

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

}  // namespace expo::presentation
