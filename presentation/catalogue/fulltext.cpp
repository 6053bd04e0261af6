#include "presentation/catalogue/fulltext.h"

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

}  // namespace

std::string fulltextQuery(std::string_view typed) {
    return text::upper(text::trim(typed));
}

bool pageHoldsText(std::string_view page, std::string_view query) {
    if (query.find_first_of("\r\n") != std::string_view::npos) {
        return false;
    }
    // The query holds no line end, so wherever it occurs it lies within one line.
    return text::upper(page).find(query) != std::string::npos;
}

void searchPages(NavigationTree& tree, std::string_view typed, FulltextHost& host) {
    PageSearch(typed, host).searchNodes(tree.roots());
}

}  // namespace expo::presentation
