#include "presentation/catalogue/notebook.h"

#include <algorithm>

namespace expo::presentation {

size_t addToNotebook(Notebook& notebook, const std::vector<ExhibitorEntry>& selected) {
    size_t skipped = 0;
    for (const ExhibitorEntry& entry : selected) {
        const bool held =
            std::any_of(notebook.begin(), notebook.end(),
                        [&](const ExhibitorEntry& noted) { return noted.key == entry.key; });
        if (held) {
            ++skipped;
        } else {
            notebook.push_back(entry);
        }
    }
    return skipped;
}

bool tellsAlreadyInNotebook(size_t selectedCount, size_t skipped) {
    return selectedCount == 1 && skipped == 1;
}

NotebookRemoval removeSelected(const std::vector<ExhibitorEntry>& listEntries,
                               const std::vector<bool>& selected) {
    NotebookRemoval removal;
    // The remaining entries before the last selected one, counted as the list stood.
    int remainingBeforeLastSelected = 0;
    for (size_t row = 0; row < listEntries.size(); ++row) {
        if (selected[row]) {
            remainingBeforeLastSelected = static_cast<int>(removal.remaining.size());
        } else {
            removal.remaining.push_back(listEntries[row]);
        }
    }
    if (!removal.remaining.empty()) {
        removal.rowToShow = std::max(remainingBeforeLastSelected - 1, 0);
    }
    return removal;
}

}  // namespace expo::presentation
