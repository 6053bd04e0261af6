#include "presentation/widgets/exhibitor_list_view.h"

#include <QByteArray>
#include <QVariant>

#include "platform/ui/qtext.h"

namespace expo::presentation {
namespace {

// The name in code page 1250 as it was given, and the key when there is one.
constexpr int kNameRole = Qt::UserRole;
constexpr int kKeyRole = Qt::UserRole + 1;

}  // namespace

void setExhibitorEntries(QListWidget& list, std::vector<ExhibitorEntry> entries) {
    sortExhibitorEntries(entries);
    list.clear();
    for (const ExhibitorEntry& entry : entries) {
        auto* item = new QListWidgetItem(ui::toQ(entry.name), &list);
        item->setData(kNameRole, QByteArray(entry.name.data(), qsizetype(entry.name.size())));
        if (entry.key) {
            item->setData(kKeyRole, *entry.key);
        }
    }
}

ExhibitorEntry exhibitorEntryOf(const QListWidgetItem& item) {
    return {item.data(kNameRole).toByteArray().toStdString(), exhibitorKeyOf(&item)};
}

std::vector<ExhibitorEntry> exhibitorEntries(const QListWidget& list) {
    std::vector<ExhibitorEntry> entries;
    entries.reserve(static_cast<size_t>(list.count()));
    for (int row = 0; row < list.count(); ++row) {
        entries.push_back(exhibitorEntryOf(*list.item(row)));
    }
    return entries;
}

std::optional<int32_t> exhibitorKeyOf(const QListWidgetItem* item) {
    if (!item) {
        return std::nullopt;
    }
    const QVariant key = item->data(kKeyRole);
    return key.isValid() ? std::optional<int32_t>(key.toInt()) : std::nullopt;
}

void selectOnly(QListWidget& list, int row) {
    list.setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
}

}  // namespace expo::presentation
