#include "search/search_command.h"

#include <QListWidget>

#include "platform/browser/webbrowser.h"
#include "platform/text/text.h"
#include "platform/ui/messages.h"
#include "platform/ui/pump.h"
#include "presentation/mainwindow/expozice.h"
#include "presentation/widgets/exhibitor_list_view.h"
#include "search/advanced_search.h"
#include "search/dlg_hledani.h"

namespace expo::search {
namespace {

using presentation::ExhibitorEntry;
using presentation::TFormExpozice;

void showNoMatch(TFormExpozice& form) {
    ui::showInformation(form.texts().FTextNoMatch + ".");
}

}  // namespace

bool RunSearchDialog(TFormExpozice& form) {
    TDlgHledani dialog(form);
    if (dialog.exec() != QDialog::Accepted) {
        if (QToolButton* view = form.currentViewButton()) {
            form.SetViewButton(view);
        }
        return false;
    }
    QListWidget& list = *form.ListBoxSeznamFirem;
    {
        ui::BusyCursor busy;
        list.clear();
        form.setSelectionList({});
        if (dialog.simpleMode()) {
            BuildSimpleSearchFilter(form, dialog);
        } else {
            RunAdvancedSearch(form, dialog);
        }
        form.setSelectionList(presentation::exhibitorEntries(list));
    }
    // The simple search has shown its first exhibitor already; the advanced one leaves that
    // until its details are unlinked again.
    if (!dialog.simpleMode() && list.count() > 0) {
        form.ShowListEntry(0);
    }
    return true;
}

// Every exhibitor that passes the filter is listed, with placements or without, as in the
// window's other views.
void BuildSimpleSearchFilter(TFormExpozice& form, const TDlgHledani& dialog) {
    const SimpleSearch search =
        buildSimpleSearch(dialog.simpleInput(), form.texts(), form.sectionFilter());
    form.setSelectionText(search.description);
    if (form.selectFilterVyst(search.filter) == 0) {
        showNoMatch(form);
        form.ListBoxSeznamFirem->clear();
    }
}

void RunAdvancedSearch(TFormExpozice& form, const TDlgHledani& dialog) {
    const AdvancedFilters& filters = dialog.filters();
    form.setSelectionText(text::lower(filters.FSelectionDescription));
    std::vector<ExhibitorEntry> found = findExhibitors(form.catalogue(), filters);
    if (found.empty()) {
        form.ListBoxSeznamFirem->clear();
        form.WebBrowser->navigate("about:blank");
        showNoMatch(form);
        return;
    }
    presentation::setExhibitorEntries(*form.ListBoxSeznamFirem, std::move(found));
}

}  // namespace expo::search
