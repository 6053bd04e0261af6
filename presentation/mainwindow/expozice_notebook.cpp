// The notebook in the main window: "Do zápisníku" adds the exhibitors selected in the list, the
// "Zápisník" view lists the notebook, "Vyřadit" removes the entries selected there, and
// "Export" (or Ctrl+Shift+Q, after two messages) shows the notebook's export text in the export
// window. "Vyřadit" and "Export" are enabled from the first addition until a removal empties the
// notebook.
#include <QAction>
#include <QListWidget>
#include <QToolButton>
#include <chrono>
#include <memory>
#include <utility>
#include <vector>

#include "platform/browser/webbrowser.h"
#include "platform/os/files.h"
#include "platform/os/paths.h"
#include "platform/text/text.h"
#include "platform/ui/guard.h"
#include "platform/ui/messages.h"
#include "platform/ui/pump.h"
#include "presentation/catalogue/notebook.h"
#include "presentation/catalogue/notebook_export.h"
#include "presentation/mainwindow/expozice.h"
#include "presentation/widgets/exhibitor_list_view.h"
#include "presentation/widgets/panel_button.h"
#include "presentation/windows/dlg_hlaseni.h"
#include "presentation/windows/dlg_jednoduchy_export.h"

namespace expo::presentation {
namespace {

using namespace std::chrono_literals;

constexpr auto kPress = 100ms;
constexpr auto kExportPress = 250ms;

// The exhibitors selected in the list, in its order; the empty-section entry is none.
std::vector<ExhibitorEntry> selectedExhibitors(const QListWidget& list) {
    std::vector<ExhibitorEntry> selected;
    for (int row = 0; row < list.count(); ++row) {
        const QListWidgetItem& item = *list.item(row);
        if (item.isSelected() && exhibitorKeyOf(&item)) {
            selected.push_back(exhibitorEntryOf(item));
        }
    }
    return selected;
}

}  // namespace

void TFormExpozice::connectNotebookHandlers() {
    const std::pair<QAction*, void (TFormExpozice::*)()> commands[] = {
        {ActDoZapisniku, &TFormExpozice::ActDoZapisnikuExecute},
        {ActZapisnik, &TFormExpozice::ActZapisnikExecute},
        {ActZrusitZeZapisniku, &TFormExpozice::ActZrusitZeZapisnikuExecute},
        {ActExportZapisniku, &TFormExpozice::ActExportZapisnikuExecute},
        {ActVerze, &TFormExpozice::ActVerzeExecute},
    };
    for (const auto& [action, handler] : commands) {
        connect(action, &QAction::triggered, this,
                [this, handler] { ui::guard([&] { (this->*handler)(); }); });
    }
}

void TFormExpozice::enableNotebookButtons(bool enabled) {
    PnlVyradit->setEnabled(enabled);
    PnlExport->setEnabled(enabled);
}

// With a single entry selected, an exhibitor already noted is reported; of several, those
// already noted are passed over in silence.
void TFormExpozice::ActDoZapisnikuExecute() {
    PnlDoZapisniku->press(kPress);
    const std::vector<ExhibitorEntry> selected = selectedExhibitors(*ListBoxSeznamFirem);
    if (!selected.empty()) {
        const size_t skipped = addToNotebook(FNotebook, selected);
        if (tellsAlreadyInNotebook(selected.size(), skipped)) {
            ui::showInformation(FTexts.FTextAlreadyInNotebook + ".");
        }
        enableNotebookButtons(true);
    }
    ShowStatusLine();
}

// The tree, its selection and the listed section stay as they are.
void TFormExpozice::ActZapisnikExecute() {
    SetViewButton(ToolButtonZapisnik);
    {
        const ui::BusyCursor busy;
        setExhibitorEntries(*ListBoxSeznamFirem, FNotebook);
        if (ListBoxSeznamFirem->count() > 0) {
            ShowListEntry(0);
        } else {
            WebBrowser->navigate("about:blank");
        }
    }
    FCurrentViewButton = ToolButtonZapisnik;
    ShowStatusLine();
}

// The notebook takes the list's order at every removal, even when nothing was selected. Only
// the notebook view shows "Vyřadit".
void TFormExpozice::ActZrusitZeZapisnikuExecute() {
    PnlVyradit->press(kPress);
    if (!ToolButtonZapisnik->isChecked()) {
        return;
    }
    std::vector<bool> selected;
    for (int row = 0; row < ListBoxSeznamFirem->count(); ++row) {
        selected.push_back(ListBoxSeznamFirem->item(row)->isSelected());
    }
    NotebookRemoval removal = removeSelected(exhibitorEntries(*ListBoxSeznamFirem), selected);
    FNotebook = std::move(removal.remaining);
    setExhibitorEntries(*ListBoxSeznamFirem, FNotebook);
    if (removal.rowToShow >= 0) {
        ShowListEntry(removal.rowToShow);
    } else {
        WebBrowser->navigate("about:blank");
        enableNotebookButtons(false);
    }
    ShowStatusLine();
}

void TFormExpozice::ActExportZapisnikuExecute() {
    PnlExport->press(kExportPress);
    ShowSimpleExport();
}

// Ctrl+Shift+Q: the kind of drive the program runs from, then the export.
void TFormExpozice::ActVerzeExecute() {
    PnlExport->press(kExportPress);
    ui::showInformation(
        driveTypeMessage([] { return static_cast<int>(os::driveType(os::programFolder())); }));
    ui::showInformation(text::cp("Jednoduchý export."));
    ShowSimpleExport();
}

void TFormExpozice::ShowSimpleExport() {
    const os::CurrentDirectoryGuard directory;
    if (FNotebook.empty()) {
        return;
    }
    TDlgJednoduchyExport dialog(*this);
    {
        const std::unique_ptr<TFormDlgHlaseni> notice = showNotice(FTexts.FTextExport + ":");
        const ui::BusyCursor busy;
        const std::vector<std::string> lines = notebookExportLines(
            FNotebook, FCatalogue.CDSZaznamy, FCatalogue.CDSUmisteni,
            [&](size_t position, size_t count) {
                notice->SetMessageText(exportProgressLine(FTexts, position, count));
            });
        dialog.setExportText(exportBoxText(lines));
    }
    dialog.exec();
}

}  // namespace expo::presentation
