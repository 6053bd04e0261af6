#include "platform/dataset/order_index.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include "platform/dataset/table.h"
#include "platform/text/text.h"

namespace expo::ds {

OrderIndex::OrderIndex(const Column& column) : column_(column) {
    rows_.resize(column.size());
    std::iota(rows_.begin(), rows_.end(), 0u);
    // Nulls first, in file order; then the values, sorted stably.
    const auto valuesBegin = std::stable_partition(rows_.begin(), rows_.end(),
                                                   [&](uint32_t r) { return column.isNull(r); });
    firstValue_ = static_cast<size_t>(valuesBegin - rows_.begin());
    const auto sortValues = [&](auto less) { std::stable_sort(valuesBegin, rows_.end(), less); };
    switch (column.storage()) {
        case Storage::Number:
            sortValues([&](uint32_t a, uint32_t b) { return column.number(a) < column.number(b); });
            break;
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
                sortValues([&](uint32_t a, uint32_t b) {
                    return text::collate(column.bytes(a), column.bytes(b)) < 0;
                });
            } else {
                sortValues(
                    [&](uint32_t a, uint32_t b) { return column.bytes(a) < column.bytes(b); });
            }
            break;
    }
}

std::span<const uint32_t> OrderIndex::equalRange(int64_t key) const {
    const auto [lo, hi] =
        std::equal_range(rows_.begin() + static_cast<std::ptrdiff_t>(firstValue_), rows_.end(), key,
                         [&](const auto& a, const auto& b) {
                             const auto value = [&](const auto& v) {
                                 if constexpr (std::is_same_v<std::decay_t<decltype(v)>, int64_t>) {
                                     return v;
                                 } else {
                                     return column_.number(v);
                                 }
                             };
                             return value(a) < value(b);
                         });
    return {lo, hi};
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
