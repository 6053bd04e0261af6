// The cursor of a client dataset: which rows are visible, in what order, and where it stands.
// A filter naming a key ("KAT_ID=12", "SEKCE_ID in (1, 2)") and the master/detail link take
// their rows from an index; other filters are tested row by row along the order.
#include <algorithm>

#include "platform/dataset/dataset_impl.h"
#include "platform/text/error.h"

namespace expo::ds {

std::optional<int64_t> ClientDataSet::Impl::masterKey() const {
    const Impl& m = masterSource->dataSet()->impl();
    const std::optional<uint32_t> row = m.active ? m.currentRow() : std::nullopt;
    if (!row) {
        return std::nullopt;
    }
    if (masterOfColumn != &m || masterLoads != m.loads) {
        const int field = m.findField(masterFieldName);
        if (field < 0) {
            fail("the master " + m.name + " has no field '" + masterFieldName + "'");
        }
        const Column* column = m.columns[static_cast<size_t>(field)];
        if (column->storage() != Storage::Number) {
            fail("the master field '" + masterFieldName + "' does not hold integers");
        }
        masterOfColumn = &m;
        masterLoads = m.loads;
        masterColumn = column;
    }
    if (masterColumn->isNull(*row)) {
        return std::nullopt;
    }
    return masterColumn->number(*row);
}

void ClientDataSet::Impl::fillView(const Column* link, int64_t key) const {
    const size_t rowCount = table.rowCount;
    if (link == nullptr && !predicate) {
        if (orderColumn == nullptr) {
            view.showAll(rowCount);
        } else {
            view.showIndex(indexes.of(*orderColumn));
        }
        return;
    }
    // The fewest rows that a key of the link or of the filter allows.
    const Column* best = nullptr;
    std::span<const int64_t> bestKeys;
    size_t bestCount = rowCount / 4 + 1;  // more are better walked along the order
    bool linkHolds = false;               // for every row of the best keys
    bool filterHolds = false;             // likewise
    const auto consider = [&](const Column& column, std::span<const int64_t> keys, bool isLink,
                              bool isWholeFilter) {
        const OrderIndex& index = indexes.of(column);
        size_t count = 0;
        for (const int64_t k : keys) {
            count += index.equalRange(k).size();
        }
        if (count < bestCount) {
            best = &column;
            bestKeys = keys;
            bestCount = count;
            linkHolds = isLink;
            filterHolds = isWholeFilter;
        }
    };
    if (link != nullptr) {
        consider(*link, {&key, 1}, true, false);
    }
    if (predicate) {
        for (const filter::Predicate::KeyTerm& term : predicate->keyTerms()) {
            consider(*term.column, term.keys, false, predicate->isKeyTermOnly());
        }
    }
    const auto accept = [&](uint32_t r) {
        return (link == nullptr || linkHolds || (!link->isNull(r) && link->number(r) == key)) &&
               (!predicate || filterHolds || (*predicate)(r));
    };
    std::vector<uint32_t>& rows = view.own();
    if (best != nullptr) {
        const OrderIndex& index = indexes.of(*best);
        for (const int64_t k : bestKeys) {
            const std::span<const uint32_t> range = index.equalRange(k);
            std::copy_if(range.begin(), range.end(), std::back_inserter(rows), accept);
        }
        // Keys come sorted and the rows of a key in file order: already ordered by that column.
        if (orderColumn == nullptr && bestKeys.size() > 1) {
            std::sort(rows.begin(), rows.end());
        } else if (orderColumn != nullptr && orderColumn != best) {
            const std::vector<uint32_t>& rank = indexes.of(*orderColumn).rank();
            std::sort(rows.begin(), rows.end(),
                      [&](uint32_t a, uint32_t b) { return rank[a] < rank[b]; });
        }
    } else if (orderColumn != nullptr) {
        const std::span<const uint32_t> all = indexes.of(*orderColumn).rows();
        std::copy_if(all.begin(), all.end(), std::back_inserter(rows), accept);
    } else {
        for (uint32_t r = 0; r < rowCount; ++r) {
            if (accept(r)) {
                rows.push_back(r);
            }
        }
    }
    view.showOwn();
}

void ClientDataSet::Impl::rebuild(Keep keep) const {
    std::optional<uint32_t> previous;
    if (keep == Keep::Record && viewValid && position < view.size()) {
        previous = view[position];
    }
    view.clear();
    viewValid = true;
    ++moves;
    if (active) {
        if (!linked()) {
            fillView(nullptr, 0);
        } else {
            seenMaster = masterSource->dataSet();
            seenMasterMoves = seenMaster->impl().moves;
            if (const std::optional<int64_t> key = masterKey()) {
                fillView(linkField != nullptr ? linkField : linkColumn(), *key);
            }
        }
    }
    const std::optional<size_t> at = previous ? view.find(*previous) : std::nullopt;
    position = at.value_or(0);
    atEof = view.empty();
}

bool ClientDataSet::Impl::syncMaster() const {
    if (!linked()) {
        return false;
    }
    if (syncing) {
        fail("the master/detail link leads back to this dataset");
    }
    const ClientDataSet* master = masterSource->dataSet();
    syncing = true;
    try {
        master->impl().sync();
    } catch (...) {
        syncing = false;
        throw;
    }
    syncing = false;
    return master != seenMaster || master->impl().moves != seenMasterMoves;
}

void ClientDataSet::Impl::sync() const {
    if (!active) {
        return;
    }
    if (syncMaster()) {
        viewValid = false;
    }
    if (!viewValid) {
        rebuild(Keep::First);
    }
}

std::optional<uint32_t> ClientDataSet::Impl::currentRow() const {
    checkActive();
    sync();
    if (view.empty()) {
        return std::nullopt;
    }
    return view[position];
}

void ClientDataSet::first() {
    impl_->checkActive();
    impl_->sync();
    impl_->position = 0;
    impl_->atEof = impl_->view.empty();
    ++impl_->moves;
}

void ClientDataSet::next() {
    impl_->checkActive();
    impl_->sync();
    if (impl_->position + 1 < impl_->view.size()) {
        ++impl_->position;
        ++impl_->moves;
    } else {
        impl_->atEof = true;
    }
}

bool ClientDataSet::eof() const {
    if (!impl_->active) {
        return true;
    }
    impl_->sync();
    return impl_->atEof;
}

int ClientDataSet::recordCount() const {
    impl_->checkActive();
    impl_->sync();
    return static_cast<int>(impl_->view.size());
}

}  // namespace expo::ds
