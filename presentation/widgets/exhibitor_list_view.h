#pragma once
// The exhibitor list control: its entries stand sorted as the list shows them (the Czech
// alphabet, letter case aside), and each item carries its entry, the key included.
#include <QListWidget>
#include <optional>
#include <vector>

#include "presentation/catalogue/exhibitor_list.h"

namespace expo::presentation {

// Replaces the list's items by `entries`, sorted; nothing is current or selected afterwards.
void setExhibitorEntries(QListWidget& list, std::vector<ExhibitorEntry> entries);

// The entry an item stands for.
ExhibitorEntry exhibitorEntryOf(const QListWidgetItem& item);
// The entries of every item, in the list's order.
std::vector<ExhibitorEntry> exhibitorEntries(const QListWidget& list);
// The exhibitor's key of an item; none for no item or the empty-section entry.
std::optional<int32_t> exhibitorKeyOf(const QListWidgetItem* item);

// Makes `row` the current entry and its only selected one.
void selectOnly(QListWidget& list, int row);

}  // namespace expo::presentation
