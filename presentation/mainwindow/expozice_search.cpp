// The criteria search's commands in the main window: "Provést výběr" (ActHledani) runs the
// search dialog and lists what it found; the "Výběr" view (ActVyber) lists the last result
// again. The dialog and the searches themselves are in search/ (see setSearchDialogStep).
#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QToolButton>
#include <chrono>

#include "platform/ui/guard.h"
#include "platform/ui/qtext.h"
#include "presentation/mainwindow/expozice.h"
#include "presentation/widgets/exhibitor_list_view.h"
#include "presentation/widgets/panel_button.h"

namespace expo::presentation {
namespace {

using namespace std::chrono_literals;

TFormExpozice::SearchDialogStep searchDialogStep = nullptr;

}  // namespace

void TFormExpozice::setSearchDialogStep(SearchDialogStep step) {
    searchDialogStep = step;
}

void TFormExpozice::connectSearchHandlers() {
    connect(ActHledani, &QAction::triggered, this,
            [this] { ui::guard([&] { ActHledaniExecute(); }); });
    connect(ActVyber, &QAction::triggered, this, [this] { ui::guard([&] { ActVyberExecute(); }); });
}

void TFormExpozice::ActHledaniExecute() {
    PnlNovyVyber->press(100ms);
    if (!searchDialogStep || !searchDialogStep(*this)) {
        return;
    }
    showSelectionButtons();
    ShowStatusLine();
}

void TFormExpozice::ActVyberExecute() {
    SetViewButton(ToolButtonVyber);
    setExhibitorEntries(*ListBoxSeznamFirem, FSelectionList);
    if (!FSelectionList.empty()) {
        ShowListEntry(0);
    }
    showSelectionButtons();
    FCurrentViewButton = ToolButtonVyber;
    ShowStatusLine();
}

// "Do zápisníku" takes an exhibitor found; the search button reads "Nový výběr" while the list
// holds exhibitors found.
void TFormExpozice::showSelectionButtons() {
    const bool found = ListBoxSeznamFirem->count() > 0;
    PnlDoZapisniku->setEnabled(found);
    LblNovyVyber->setText(ui::toQ(found ? FTexts.FTextNewSelection : FTexts.FTextRunSelection));
    PnlNovyVyber->fitToLabel();
}

}  // namespace expo::presentation
