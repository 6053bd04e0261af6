#pragma once
// The main window's side of the criteria search: runs the search dialog over the window and
// lists the exhibitors the confirmed search finds, within the catalogue section listed.
//
// This library builds on the main window's, so the window cannot call it directly: the program
// registers RunSearchDialog with TFormExpozice::setSearchDialogStep at start-up, and the
// window's search command (ActHledani) runs it between its button press and its status line.
namespace expo::presentation {
class TFormExpozice;
}

namespace expo::search {

class TDlgHledani;

// Creates the dialog with the window as owner and shows it modally. On Cancel the current view
// is made current again and false comes back; on OK the list and the last result are emptied,
// the simple or the advanced search fills them, the first exhibitor found is shown and true
// comes back. The dialog is freed in every case; a failing search throws expo::Error.
bool RunSearchDialog(presentation::TFormExpozice& form);

// The simple page's search: the exhibitors whose columns start with the values typed. With
// none, the message "Zadanému výběru neodpovídá ani jeden vystavovatel." is shown.
void BuildSimpleSearchFilter(presentation::TFormExpozice& form, const TDlgHledani& dialog);

// The advanced page's search, with the same message when nothing matches.
void RunAdvancedSearch(presentation::TFormExpozice& form, const TDlgHledani& dialog);

}  // namespace expo::search
