#include "presentation/catalogue/fulltext.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include <array>
#include <bit>

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
// is folded through a table as it is compared. Candidates are found 16 bytes at a time: where
// the page holds a form of the query's first byte and, as far on as the query is long, a form
// of its last byte; only those places are compared whole.
class FoldedSearch {
  public:
    explicit FoldedSearch(std::string_view query) : query_(query) {
        for (int b = 0; b < 256; ++b) {
            fold_[b] = text::upperChar(static_cast<unsigned char>(b));
        }
        if (!query_.empty()) {
            firstForms_ = formsOf(query_.front());
            lastForms_ = formsOf(query_.back());
        }
    }

    bool foundIn(std::string_view page) const {
        if (query_.empty()) {
            return true;
        }
        if (page.size() < query_.size() || firstForms_.empty() || lastForms_.empty()) {
            return false;  // too short, or a byte no upper case is
        }
        const size_t lastStart = page.size() - query_.size();  // the last place it can start
        size_t at = 0;
#if defined(__SSE2__)
        if (firstForms_.size() <= 2 && lastForms_.size() <= 2) {
            const __m128i first1 = _mm_set1_epi8(firstForms_.front());
            const __m128i first2 = _mm_set1_epi8(firstForms_.back());
            const __m128i last1 = _mm_set1_epi8(lastForms_.front());
            const __m128i last2 = _mm_set1_epi8(lastForms_.back());
            const char* const base = page.data();
            const size_t lastOffset = query_.size() - 1;
            for (; at + 16 <= lastStart + 1; at += 16) {
                const __m128i starts = _mm_loadu_si128(reinterpret_cast<const __m128i*>(base + at));
                const __m128i ends =
                    _mm_loadu_si128(reinterpret_cast<const __m128i*>(base + at + lastOffset));
                const __m128i firstHit =
                    _mm_or_si128(_mm_cmpeq_epi8(starts, first1), _mm_cmpeq_epi8(starts, first2));
                const __m128i lastHit =
                    _mm_or_si128(_mm_cmpeq_epi8(ends, last1), _mm_cmpeq_epi8(ends, last2));
                auto mask =
                    static_cast<unsigned>(_mm_movemask_epi8(_mm_and_si128(firstHit, lastHit)));
                while (mask != 0) {
                    if (matchesAt(base + at + static_cast<size_t>(std::countr_zero(mask)))) {
                        return true;
                    }
                    mask &= mask - 1;
                }
            }
        }
#endif
        for (; at <= lastStart; ++at) {
            if (matchesAt(page.data() + at)) {
                return true;
            }
        }
        return false;
    }

  private:
    // Every byte whose upper case is `upperByte`.
    std::string formsOf(char upperByte) const {
        std::string forms;
        for (int b = 0; b < 256; ++b) {
            if (fold_[b] == static_cast<unsigned char>(upperByte)) {
                forms.push_back(static_cast<char>(b));
            }
        }
        return forms;
    }

    bool matchesAt(const char* at) const {
        for (size_t i = 0; i < query_.size(); ++i) {
            if (fold_[static_cast<unsigned char>(at[i])] != static_cast<unsigned char>(query_[i])) {
                return false;
            }
        }
        return true;
    }

    std::string_view query_;
    std::array<unsigned char, 256> fold_{};
    std::string firstForms_;  // every byte whose upper case is the query's first byte
    std::string lastForms_;   // and its last byte
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
