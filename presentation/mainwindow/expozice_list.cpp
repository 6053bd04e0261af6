// The exhibitor list: a catalogue section's exhibitors, the exhibitors of a view's filter, the
// list's mouse and key handling, and the status bar line that every view writes.
#include <QLabel>
#include <QListWidget>
#include <QToolButton>

#include "platform/browser/webbrowser.h"
#include "platform/ui/pump.h"
#include "platform/ui/qtext.h"
#include "presentation/mainwindow/expozice.h"
#include "presentation/widgets/exhibitor_list_view.h"
#include "presentation/widgets/panel_button.h"

namespace expo::presentation {

void TFormExpozice::FillExhibitorList(const std::string& filter) {
    SetViewButton(ToolButtonVse);
    {
        ui::BusyCursor busy;
        ListBoxSeznamFirem->clear();
        ds::ClientDataSet& zaznamy = FCatalogue.CDSZaznamy;
        zaznamy.setFilter(filter);
        FSectionFilter = filter;
        zaznamy.setFiltered(true);
        zaznamy.setIndexFieldNames("KAT_NAZEV");
        std::vector<ExhibitorEntry> entries = readExhibitorEntries(zaznamy);
        if (entries.empty()) {
            setExhibitorEntries(*ListBoxSeznamFirem, {{FTexts.FTextSectionEmpty, std::nullopt}});
            WebBrowser->navigate("about:blank");
        } else {
            setExhibitorEntries(*ListBoxSeznamFirem, std::move(entries));
            ShowListEntry(0);
        }
    }
    ShowStatusLine();
}

int TFormExpozice::selectFilterVyst(const std::string& filter) {
    ui::BusyCursor busy;
    ListBoxSeznamFirem->clear();
    ds::ClientDataSet& zaznamy = FCatalogue.CDSZaznamy;
    zaznamy.setFilter(filter);
    zaznamy.setFiltered(true);
    std::vector<ExhibitorEntry> entries = readExhibitorEntries(zaznamy);
    const bool found = !entries.empty();
    PnlDoZapisniku->setEnabled(found);
    if (!found) {
        WebBrowser->navigate("about:blank");
        return 0;
    }
    const int count = zaznamy.recordCount();
    setExhibitorEntries(*ListBoxSeznamFirem, std::move(entries));
    ShowListEntry(0);
    return count;
}

void TFormExpozice::ShowListEntry(int row) {
    selectOnly(*ListBoxSeznamFirem, row);
    if (const std::optional<int32_t> key = exhibitorKeyOf(ListBoxSeznamFirem->item(row))) {
        ShowExhibitorPage(*key);
    }
}

// The list handles the press (the entry becomes current and selected) before the exhibitor's
// page is shown; any button shows it.
void TFormExpozice::ListBoxSeznamFiremMouseDown(QPoint position) {
    showExhibitorLater(exhibitorKeyOf(ListBoxSeznamFirem->itemAt(position)));
}

void TFormExpozice::ListBoxSeznamFiremKeyUp(int key) {
    switch (key) {
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
        case Qt::Key_End:
        case Qt::Key_Home:
        case Qt::Key_Up:
        case Qt::Key_Down:
            showExhibitorLater(exhibitorKeyOf(ListBoxSeznamFirem->currentItem()));
            break;
        default:
            break;
    }
}

// Shown only while the entry is still the list's current one: a node chosen meanwhile may have
// put another list in its place.
void TFormExpozice::showExhibitorLater(std::optional<int32_t> key) {
    if (!key) {
        return;  // no entry, or the empty-section entry
    }
    ui::runLater(this, [this, katId = *key] {
        if (exhibitorKeyOf(ListBoxSeznamFirem->currentItem()) == katId) {
            ShowExhibitorPage(katId);
        }
    });
}

void TFormExpozice::ShowStatusLine() {
    const bool selection = ToolButtonVyber->isChecked() && !FSelectionList.empty();
    writeStatusBar(statusLine(FTexts, FNotebook.size(),
                              static_cast<size_t>(ListBoxSeznamFirem->count()),
                              selection ? std::string_view(FSelectionText) : std::string_view()));
}

void TFormExpozice::writeStatusBar(const StatusLine& line) {
    PnlStatusBar->setText(ui::toQ(line.caption));
    PnlStatusBar->setToolTip(ui::toQ(line.hint));
}

}  // namespace expo::presentation
