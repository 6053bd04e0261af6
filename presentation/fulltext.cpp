#include "presentation/fulltext.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "platform/text/text.h"

namespace expo::presentation {
namespace {

// The text a sub-page hit is listed by.
std::string subPageHitText(const NavNode& node, size_t index, std::string_view file) {
    const std::vector<std::string>& titles = *node.data.SubPageTitles;
    const bool titled = index < titles.size() && !titles[index].empty();
    return (titled ? titles[index] : node.caption) + "=" + std::string(file);
}

class PageSearch {
  public:
    PageSearch(std::string_view typed, FulltextHost& host)
        : query_(fulltextQuery(typed)), host_(host) {}

    void searchNodes(const std::vector<std::unique_ptr<NavNode>>& nodes) {
        for (const std::unique_ptr<NavNode>& node : nodes) {
            searchNode(*node);
            searchNodes(node->children);
        }
    }

  private:
    void searchNode(NavNode& node) {
        TNodeData& data = node.data;
        data.CurrentSubPageFile.clear();
        data.CurrentSubPageTitle.clear();
        const std::string url = text::trim(data.Url);
        if (url.empty() || data.Kind != NodeKind::Page) {
            return;
        }
        const std::optional<std::string> page = host_.readPage(url);
        if (!page) {
            return;  // its sub-pages go unsearched too
        }
        host_.searchingNode(node);
        if (pageHoldsText(*page, query_)) {
            host_.found({node.caption, &node, {}});
        }
        if (!data.SubPageFiles) {
            return;
        }
        const std::vector<std::string>& files = *data.SubPageFiles;
        for (size_t i = 0; i < files.size(); ++i) {
            const std::string file = text::trim(files[i]);
            if (file.empty()) {
                continue;
            }
            const std::optional<std::string> subPage = host_.readPage(file);
            if (subPage && pageHoldsText(*subPage, query_)) {
                host_.found({subPageHitText(node, i, file), &node, file});
            }
        }
    }

    const std::string query_;
    FulltextHost& host_;
};

// Finds a text in the locale's upper case of a page without making that upper case: each byte
// is folded through a table as it is compared. The scan looks for the query's rarest byte (in
// every form that folds to it) with memchr and compares the rest around each find.
class FoldedSearch {
  public:
    explicit FoldedSearch(std::string_view query) : query_(query) {
        for (int b = 0; b < 256; ++b) {
            fold_[b] = text::upperChar(static_cast<unsigned char>(b));
        }
        if (query_.empty()) {
            return;
        }
        anchor_ = rarestPosition();
        const auto wanted = static_cast<unsigned char>(query_[anchor_]);
        for (int b = 0; b < 256; ++b) {
            if (fold_[b] == wanted) {
                anchorBytes_.push_back(static_cast<char>(b));
            }
        }
    }

    bool foundIn(std::string_view page) const {
        if (query_.empty()) {
            return true;
        }
        if (page.size() < query_.size()) {
            return false;
        }
        // Where the anchor byte can lie for the whole query to fit in the page.
        const char* const base = page.data();
        const char* const first = base + anchor_;
        const char* const last = base + (page.size() - query_.size()) + anchor_ + 1;
        std::array<const char*, 256> next{};
        const size_t kinds = anchorBytes_.size();
        for (size_t k = 0; k < kinds; ++k) {
            next[k] = find(first, last, anchorBytes_[k]);
        }
        for (;;) {
            const char* at = last;
            for (size_t k = 0; k < kinds; ++k) {
                at = std::min(at, next[k]);
            }
            if (at == last) {
                return false;
            }
            if (matchesAt(at - anchor_)) {
                return true;
            }
            for (size_t k = 0; k < kinds; ++k) {
                if (next[k] == at) {
                    next[k] = find(at + 1, last, anchorBytes_[k]);
                }
            }
        }
    }

  private:
    static const char* find(const char* from, const char* to, char byte) {
        if (from >= to) {
            return to;
        }
        const void* hit = std::memchr(from, byte, static_cast<size_t>(to - from));
        return hit != nullptr ? static_cast<const char*>(hit) : to;
    }

    bool matchesAt(const char* at) const {
        for (size_t i = 0; i < query_.size(); ++i) {
            if (fold_[static_cast<unsigned char>(at[i])] != static_cast<unsigned char>(query_[i])) {
                return false;
            }
        }
        return true;
    }

    // How often a byte is met in pages, roughly: markup and common letters often, the rest
    // seldom. The scan anchors on the query's byte met least often.
    static int frequency(unsigned char upperByte) {
        static constexpr std::string_view kCommon = " <>=\"/EAOTINSRLHDC";
        const size_t rank = kCommon.find(static_cast<char>(upperByte));
        if (rank != std::string_view::npos) {
            return 100 - static_cast<int>(rank);
        }
        if (upperByte >= 'A' && upperByte <= 'Z') {
            return 50;
        }
        return upperByte < 0x80 ? 40 : 10;
    }

    size_t rarestPosition() const {
        size_t best = 0;
        for (size_t i = 1; i < query_.size(); ++i) {
            if (frequency(static_cast<unsigned char>(query_[i])) <
                frequency(static_cast<unsigned char>(query_[best]))) {
                best = i;
            }
        }
        return best;
    }

    std::string_view query_;
    std::array<unsigned char, 256> fold_{};
    size_t anchor_ = 0;
    std::string anchorBytes_;  // every byte whose upper case is the query's byte at anchor_
};

}  // namespace

std::string fulltextQuery(std::string_view typed) {
    return text::upper(text::trim(typed));
}

bool pageHoldsText(std::string_view page, std::string_view query) {
    if (query.find_first_of("\r\n") != std::string_view::npos) {
        return false;
    }
    // The query holds no line end, so wherever it occurs it lies within one line.
    return FoldedSearch(query).foundIn(page);
}

void searchPages(NavigationTree& tree, std::string_view typed, FulltextHost& host) {
    PageSearch(typed, host).searchNodes(tree.roots());
}

}  // namespace expo::presentation
