#pragma once
// The exhibitor list: its entries (also the items of the notebook and of the last search
// result), their order, the filters of the "Exponáty" and "Novinky" views and the status bar
// line that every view writes.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/dataset/dataset.h"
#include "presentation/settings/language_texts.h"

namespace expo::presentation {

struct ExhibitorEntry {
    std::string name;            // display name
    std::optional<int32_t> key;  // the exhibitor's KAT_ID; none for the empty-section entry
};

// `KAT_NAZEV` trimmed, then every CR LF pair inside it made one blank (a lone CR or LF stays).
std::string exhibitorDisplayName(std::string_view katNazev);

// One entry per record of `CDSZaznamy` under its present filter and order, from its first
// record to its end.
std::vector<ExhibitorEntry> readExhibitorEntries(ds::ClientDataSet& zaznamy);

// Sorts as the list shows its entries: the Czech locale's alphabet without regard to case;
// entries of equal names keep their order.
void sortExhibitorEntries(std::vector<ExhibitorEntry>& entries);

enum class ExhibitorView { News, Exhibits };

// The filter of the "Novinky" or "Exponáty" view within the section now listed (an empty
// section filter means the whole catalogue).
std::string viewFilter(ExhibitorView view, std::string_view sectionFilter);

struct StatusLine {
    std::string caption;
    std::string hint;
};

// The status bar line and its hint, from the texts "Počet vystavovatelů", "V zápisníku",
// "Zobrazených" and "Výběr". `selectionText` is the description of the last search; pass
// it only in the "Výběr" view when the last search found exhibitors (empty: no selection part).
StatusLine statusLine(const LanguageTexts& texts, size_t notebookCount, size_t shownCount,
                      std::string_view selectionText = {});

}  // namespace expo::presentation
