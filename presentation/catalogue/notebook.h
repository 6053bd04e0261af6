#pragma once
// The notebook: the user's own list of exhibitors, collected from the exhibitor list while the
// program runs and kept in memory only. These are its two changes, adding the entries selected
// in the list and removing those selected in the notebook view; the window applies them.
#include <cstddef>
#include <vector>

#include "presentation/catalogue/exhibitor_list.h"

namespace expo::presentation {

using Notebook = std::vector<ExhibitorEntry>;

// Appends every entry of `selected` (exhibitors, with their keys, in the list's order) whose
// key the notebook does not hold yet; entries appended earlier in the same call count as held.
// Names are not compared. Returns how many entries were skipped as already held.
size_t addToNotebook(Notebook& notebook, const std::vector<ExhibitorEntry>& selected);

// Whether adding `selected` tells the user that the exhibitor is in the notebook already: only
// for a single selected entry that was skipped as such.
bool tellsAlreadyInNotebook(size_t selectedCount, size_t skipped);

// The notebook view after "Vyřadit": the entries of the list (in its order) that were not
// selected become the notebook, and the entry to show is the last remaining one that stood
// before the last selected entry; with none there (or nothing selected), the first.
struct NotebookRemoval {
    Notebook remaining;
    int rowToShow = -1;  // in `remaining`; -1 when nothing remains
};
// `selected[i]` tells whether list row i is selected; it has one value per entry.
NotebookRemoval removeSelected(const std::vector<ExhibitorEntry>& listEntries,
                               const std::vector<bool>& selected);

}  // namespace expo::presentation
