#include "platform/dataset/like_pattern.h"

namespace expo::ds {
namespace {

bool partMatchesAt(std::string_view text, size_t at, std::string_view part) {
    if (text.size() - at < part.size()) {
        return false;
    }
    for (size_t i = 0; i < part.size(); ++i) {
        if (part[i] != '_' && part[i] != text[at + i]) {
            return false;
        }
    }
    return true;
}

// Leftmost position at or after `from` where the part matches, or npos.
size_t findPart(std::string_view text, size_t from, std::string_view part) {
    if (part.find('_') == std::string_view::npos) {
        return text.find(part, from);
    }
    for (size_t at = from; at + part.size() <= text.size(); ++at) {
        if (partMatchesAt(text, at, part)) {
            return at;
        }
    }
    return std::string_view::npos;
}

}  // namespace

LikePattern::LikePattern(std::string_view pattern) {
    anchoredStart_ = pattern.empty() || pattern.front() != '%';
    anchoredEnd_ = pattern.empty() || pattern.back() != '%';
    std::string part;
    for (char c : pattern) {
        if (c == '%') {
            if (!part.empty() || parts_.empty()) {
                parts_.push_back(std::move(part));
            }
            part.clear();
        } else {
            part.push_back(c);
        }
    }
    parts_.push_back(std::move(part));
}

bool LikePattern::matches(std::string_view text) const {
    if (parts_.size() == 1) {  // no "%": the whole text
        return text.size() == parts_[0].size() && partMatchesAt(text, 0, parts_[0]);
    }
    size_t from = 0;
    size_t first = 0;
    size_t last = parts_.size();
    if (anchoredStart_) {
        if (!partMatchesAt(text, 0, parts_[0])) {
            return false;
        }
        from = parts_[0].size();
        first = 1;
    }
    size_t end = text.size();
    if (anchoredEnd_) {
        const std::string& tail = parts_.back();
        if (tail.size() > text.size() - from ||
            !partMatchesAt(text, text.size() - tail.size(), tail)) {
            return false;
        }
        end = text.size() - tail.size();
        last = parts_.size() - 1;
    }
    // The inner parts, each at its leftmost place: that leaves the most room for the rest.
    const std::string_view window = text.substr(0, end);
    for (size_t i = first; i < last; ++i) {
        const size_t at = findPart(window, from, parts_[i]);
        if (at == std::string_view::npos) {
            return false;
        }
        from = at + parts_[i].size();
    }
    return true;
}

}  // namespace expo::ds
