// The cursor of a client dataset: which rows are visible, in what order, and where it stands.
// A filter naming a key ("KAT_ID=12", "SEKCE_ID in (1, 2)") and the master/detail link take
// their rows from an index; other filters are tested row by row along the order.
#include <algorithm>

#include "platform/dataset/dataset_impl.h"
#include "platform/text/error.h"

namespace expo::ds {
namespace {

// Rows from one index for the keys of a filter term or the link, in key order.
struct Candidates {
    const Column* column = nullptr;
    std::vector<std::span<const uint32_t>> ranges;
    size_t count = 0;
};

Candidates candidates(const IndexCache& indexes, const Column& column,
                      const std::vector<int64_t>& keys) {
    Candidates c;
    c.column = &column;
    const OrderIndex& index = indexes.of(column);
    for (int64_t key : keys) {
        c.ranges.push_back(index.equalRange(key));
        c.count += c.ranges.back().size();
    }
    return c;
}

}  // namespace

std::optional<int64_t> ClientDataSet::Impl::masterKey() const {
    const Impl& m = masterSource->dataSet()->impl();
    const std::optional<uint32_t> row = m.active ? m.currentRow() : std::nullopt;
    if (!row) {
        return std::nullopt;
    }
    const int field = m.findField(masterFields);
    if (field < 0) {
        fail("the master " + m.name + " has no field '" + masterFields + "'");
    }
    const Column& column = *m.columns[static_cast<size_t>(field)];
    if (column.storage() != Storage::Number) {
        fail("the master field '" + masterFields + "' does not hold integers");
    }
    if (column.isNull(*row)) {
        return std::nullopt;
    }
    return column.number(*row);
}

void ClientDataSet::Impl::fillView(const Column* link, int64_t key) const {
    const auto accept = [&](uint32_t r) {
        return (link == nullptr || (!link->isNull(r) && link->number(r) == key)) &&
               (!predicate || (*predicate)(r));
    };
    std::optional<Candidates> best;
    const auto consider = [&](Candidates c) {
        if (!best || c.count < best->count) {
            best = std::move(c);
        }
    };
    if (link != nullptr) {
        consider(candidates(indexes, *link, {key}));
    }
    if (predicate) {
        for (const filter::Predicate::KeyTerm& term : predicate->keyTerms()) {
            consider(candidates(indexes, *term.column, term.keys));
        }
    }
    const size_t rowCount = table.rowCount;
    if (best && best->count <= rowCount / 4) {
        for (const std::span<const uint32_t> range : best->ranges) {
            std::copy_if(range.begin(), range.end(), std::back_inserter(view), accept);
        }
        // Ranges come in key order and each in file order: already ordered by their own column.
        if (orderColumn == nullptr && best->ranges.size() > 1) {
            std::sort(view.begin(), view.end());
        } else if (orderColumn != nullptr && orderColumn != best->column) {
            const std::vector<uint32_t>& rank = indexes.of(*orderColumn).rank();
            std::sort(view.begin(), view.end(),
                      [&](uint32_t a, uint32_t b) { return rank[a] < rank[b]; });
        }
        return;
    }
    if (orderColumn != nullptr) {
        const std::span<const uint32_t> rows = indexes.of(*orderColumn).rows();
        std::copy_if(rows.begin(), rows.end(), std::back_inserter(view), accept);
    } else {
        for (uint32_t r = 0; r < rowCount; ++r) {
            if (accept(r)) {
                view.push_back(r);
            }
        }
    }
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
                fillView(linkColumn(), *key);
            }
        }
    }
    const auto at = previous ? std::find(view.begin(), view.end(), *previous) : view.end();
    position = at == view.end() ? 0 : static_cast<size_t>(at - view.begin());
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
