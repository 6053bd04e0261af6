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
    const Column& column_;
    std::vector<uint32_t> rows_;
    size_t firstValue_ = 0;  // rows_ before it are the nulls
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
