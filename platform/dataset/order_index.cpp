#include "platform/dataset/order_index.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>

#include "platform/dataset/table.h"
#include "platform/text/text.h"

namespace expo::ds {

namespace {

// Sorts the rows from `begin` (in row order) by the collation of their text. Catalogue
// columns repeat few values many times (codes, areas), so each distinct value is collated once:
// the distinct values are sorted by sort keys compared as bytes, and the rows are then placed by
// their value's rank, each value's rows kept in row order.
void sortTextValues(const Column& column, std::vector<uint32_t>::iterator begin,
                    std::vector<uint32_t>::iterator end) {
    const size_t count = static_cast<size_t>(end - begin);
    std::unordered_map<std::string_view, uint32_t> idOf;
    std::vector<std::string_view> values;
    std::vector<uint32_t> rowIds(count);
    for (size_t i = 0; i < count; ++i) {
        const auto [it, added] =
            idOf.try_emplace(column.bytes(begin[i]), static_cast<uint32_t>(values.size()));
        if (added) {
            values.push_back(it->first);
        }
        rowIds[i] = it->second;
    }
    idOf = {};
    std::string keys;
    std::vector<size_t> keyEnds;
    keyEnds.reserve(values.size());
    for (const std::string_view value : values) {
        text::appendCollationKey(value, keys);
        keyEnds.push_back(keys.size());
    }
    std::vector<std::pair<std::string_view, uint32_t>> keyed;
    keyed.reserve(values.size());
    for (size_t id = 0; id < values.size(); ++id) {
        const size_t from = id == 0 ? 0 : keyEnds[id - 1];
        keyed.emplace_back(std::string_view(keys).substr(from, keyEnds[id] - from),
                           static_cast<uint32_t>(id));
    }
    std::sort(keyed.begin(), keyed.end());  // distinct values have distinct keys
    std::vector<uint32_t> counts(values.size(), 0);
    for (const uint32_t id : rowIds) {
        ++counts[id];
    }
    // Where each value's rows start in the result.
    std::vector<uint32_t> startOf(values.size());
    uint32_t at = 0;
    for (const auto& entry : keyed) {
        startOf[entry.second] = at;
        at += counts[entry.second];
    }
    const std::vector<uint32_t> rows(begin, end);
    for (size_t i = 0; i < count; ++i) {
        begin[startOf[rowIds[i]]++] = rows[i];
    }
}

}  // namespace

OrderIndex::OrderIndex(const Column& column) {
    rows_.resize(column.size());
    std::iota(rows_.begin(), rows_.end(), 0u);
    // Nulls first, in file order; then the values, sorted stably.
    const auto valuesBegin = std::stable_partition(rows_.begin(), rows_.end(),
                                                   [&](uint32_t r) { return column.isNull(r); });
    firstValue_ = static_cast<size_t>(valuesBegin - rows_.begin());
    const auto sortValues = [&](auto less) { std::stable_sort(valuesBegin, rows_.end(), less); };
    switch (column.storage()) {
        case Storage::Number: {
            // Sorted with their keys at hand, which equalRange then searches.
            std::vector<std::pair<int64_t, uint32_t>> keyed;
            keyed.reserve(rows_.size() - firstValue_);
            for (auto r = valuesBegin; r != rows_.end(); ++r) {
                keyed.emplace_back(column.number(*r), *r);
            }
            std::sort(keyed.begin(), keyed.end());  // equal keys by row: stable
            keys_.reserve(keyed.size());
            auto out = valuesBegin;
            for (const auto& [key, row] : keyed) {
                keys_.push_back(key);
                *out++ = row;
            }
            indexDenseKeys();
            break;
        }
        case Storage::Real:
            // NaN last, so that the order stays a strict weak one.
            sortValues([&](uint32_t a, uint32_t b) {
                const double x = column.real(a);
                const double y = column.real(b);
                return x < y || (!std::isnan(x) && std::isnan(y));
            });
            break;
        case Storage::Bytes:
            if (isTextType(column.def().type)) {
                sortTextValues(column, valuesBegin, rows_.end());
            } else {
                sortValues(
                    [&](uint32_t a, uint32_t b) { return column.bytes(a) < column.bytes(b); });
            }
            break;
    }
}

void OrderIndex::indexDenseKeys() {
    if (keys_.empty()) {
        return;
    }
    const uint64_t range =
        static_cast<uint64_t>(keys_.back()) - static_cast<uint64_t>(keys_.front());
    if (range > 2 * keys_.size() + 1024) {
        return;  // sparse: equalRange searches keys_
    }
    minKey_ = keys_.front();
    starts_.assign(range + 2, 0);
    size_t at = 0;
    for (uint64_t k = 0; k <= range + 1; ++k) {
        while (at < keys_.size() && static_cast<uint64_t>(keys_[at] - minKey_) < k) {
            ++at;
        }
        starts_[k] = static_cast<uint32_t>(firstValue_ + at);
    }
    keys_ = {};
}

std::span<const uint32_t> OrderIndex::equalRange(int64_t key) const {
    if (!starts_.empty()) {
        const uint64_t k = static_cast<uint64_t>(key) - static_cast<uint64_t>(minKey_);
        if (key < minKey_ || k + 1 >= starts_.size()) {
            return {};
        }
        return std::span<const uint32_t>(rows_).subspan(starts_[k], starts_[k + 1] - starts_[k]);
    }
    const auto [lo, hi] = std::equal_range(keys_.begin(), keys_.end(), key);
    const size_t from = firstValue_ + static_cast<size_t>(lo - keys_.begin());
    return std::span<const uint32_t>(rows_).subspan(from, static_cast<size_t>(hi - lo));
}

const std::vector<uint32_t>& OrderIndex::rank() const {
    if (rank_.size() != rows_.size()) {
        rank_.resize(rows_.size());
        for (size_t i = 0; i < rows_.size(); ++i) {
            rank_[rows_[i]] = static_cast<uint32_t>(i);
        }
    }
    return rank_;
}

const OrderIndex& IndexCache::of(const Column& column) const {
    std::unique_ptr<OrderIndex>& index = indexes_[&column];
    if (!index) {
        index = std::make_unique<OrderIndex>(column);
    }
    return *index;
}

}  // namespace expo::ds
