#include "platform/dataset/view.h"

#include <algorithm>

namespace expo::ds {

void View::showAll(size_t rowCount) {
    rows_ = nullptr;
    size_ = rowCount;
    index_ = nullptr;
}

void View::showIndex(const OrderIndex& index) {
    rows_ = index.rows().data();
    size_ = index.rows().size();
    index_ = &index;
}

std::vector<uint32_t>& View::own() {
    owned_.clear();
    return owned_;
}

void View::showOwn() {
    rows_ = owned_.data();
    size_ = owned_.size();
    index_ = nullptr;
}

std::optional<size_t> View::find(uint32_t row) const {
    if (rows_ == nullptr) {
        return row < size_ ? std::optional<size_t>(row) : std::nullopt;
    }
    if (index_ != nullptr) {
        return row < index_->rank().size() ? std::optional<size_t>(index_->rank()[row])
                                           : std::nullopt;
    }
    const uint32_t* end = rows_ + size_;
    const uint32_t* at = std::find(rows_, end, row);
    return at == end ? std::nullopt : std::optional<size_t>(static_cast<size_t>(at - rows_));
}

}  // namespace expo::ds
