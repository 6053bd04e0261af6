#pragma once
// The rows of a table sorted by one column, kept per column once built: the order of a
// dataset, and for an integer column the lookup of the rows with a given value.
#include <cstdint>
#include <map>
#include <memory>
#include <span>
#include <vector>

namespace expo::ds {

class Column;

class OrderIndex {
  public:
    // Ascending, stable, nulls first; integers and the calendar by value, text by the Czech
    // collation, blobs by their bytes.
    explicit OrderIndex(const Column& column);

    std::span<const uint32_t> rows() const { return rows_; }
    // Rows holding `key`, in file order (integral columns only).
    std::span<const uint32_t> equalRange(int64_t key) const;
    // Position of each row in rows(); built when first asked for.
    const std::vector<uint32_t>& rank() const;

  private:
    void indexDenseKeys();

    std::vector<uint32_t> rows_;
    size_t firstValue_ = 0;  // rows_ before it are the nulls
    // Integral columns: the value of each row from firstValue_; or, when the values are dense
    // (as keys numbered from 1 are), where each value from minKey_ on starts in rows_.
    std::vector<int64_t> keys_;
    std::vector<uint32_t> starts_;
    int64_t minKey_ = 0;
    mutable std::vector<uint32_t> rank_;
};

// Indexes built on demand and kept until the table they belong to is replaced.
class IndexCache {
  public:
    const OrderIndex& of(const Column& column) const;
    void clear() { indexes_.clear(); }

  private:
    mutable std::map<const Column*, std::unique_ptr<OrderIndex>> indexes_;
};

}  // namespace expo::ds
