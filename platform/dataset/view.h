#pragma once
// The rows a cursor shows, in order: every row in file order, the rows of an order index
// (both without a copy), or a list of its own.
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "platform/dataset/order_index.h"

namespace expo::ds {

class View {
  public:
    size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    uint32_t operator[](size_t i) const {
        return rows_ == nullptr ? static_cast<uint32_t>(i) : rows_[i];
    }

    void showAll(size_t rowCount);
    void showIndex(const OrderIndex& index);
    // The list to fill; shown once `showOwn` is called.
    std::vector<uint32_t>& own();
    void showOwn();
    void clear() { showAll(0); }

    // Position of a row in the view, if it is there.
    std::optional<size_t> find(uint32_t row) const;

  private:
    const uint32_t* rows_ = nullptr;  // null: every row in file order
    size_t size_ = 0;
    const OrderIndex* index_ = nullptr;  // when the rows are an index's
    std::vector<uint32_t> owned_;
};

}  // namespace expo::ds
