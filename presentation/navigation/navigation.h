#pragma once
// The navigation tree as plain data: the items of config.ini ("polozka" sections nested through
// their "rodic" key), the exhibitor item "SysPolozkaVystavovatele" and, below it, the catalogue
// sections. The main window mirrors this tree into its tree control.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ini/inifile.h"

namespace expo::presentation {

enum class NodeKind : int32_t {
    Page = 0,              // a presentation page of config.ini
    ExhibitorItem = 1,     // the exhibitor item; its page is the exhibitor template
    CatalogueSection = 3,  // lists the exhibitors that pass `Filter`
};

// What a tree node shows.
struct TNodeData {
    std::string Url;  // page relative to the program's folder; a section's is the template
    NodeKind Kind = NodeKind::Page;
    std::string Filter;   // exhibitor filter of a catalogue section
    std::string ItemKey;  // name of the node's config.ini section ("sekce i na CD" for sections)
    // The item's sub-pages, searched by the full-text search and tracked for the path bar.
    // Both are present exactly when the item names sub-pages, and hold as many entries.
    std::optional<std::vector<std::string>> SubPageFiles;
    std::optional<std::vector<std::string>> SubPageTitles;
    std::string CurrentSubPageFile;  // the sub-page now shown, as written in the settings
    std::string CurrentSubPageTitle;
};

struct NavNode {
    std::string caption;
    TNodeData data;
    NavNode* parent = nullptr;
    std::vector<std::unique_ptr<NavNode>> children;
};

class NavigationTree {
  public:
    // Adds a node as the last child of `parent`, or at the end of the top level for none.
    NavNode& add(NavNode* parent, std::string caption, TNodeData data);

    const std::vector<std::unique_ptr<NavNode>>& roots() const { return roots_; }
    bool empty() const { return roots_.empty(); }
    NavNode* first() const { return roots_.empty() ? nullptr : roots_.front().get(); }

    // The first node in depth-first order, from the first root, whose `ItemKey`, trimmed, is not
    // empty and equals `key` exactly (case included).
    NavNode* findByItemKey(std::string_view key) const;

    // The node of the exhibitor item reached last; the catalogue sections go below it.
    NavNode* exhibitorNode = nullptr;

  private:
    std::vector<std::unique_ptr<NavNode>> roots_;
};

// Splits the ";"-separated sub-page files and titles of an item. Each part is trimmed; the
// first empty file part ends the lists; missing titles are empty. Both lists are given (maybe
// empty) whenever `files` is not empty, neither when it is.
void splitSubPages(std::string_view files, std::string_view titles, TNodeData& data);

// Builds the item nodes. `sections` holds every section name of config.ini in file order,
// repeats included; a repeated item is built once, where its name first stands; `language` selects
// the keys "text", "url", "sablona", "fulltext" and "fulltextName" followed by its decimal digits.
// With `hideData` the exhibitor item gets no node and `exhibitorNode` stays none.
NavigationTree buildNavigationTree(const IniFile& config, const std::vector<std::string>& sections,
                                   int language, bool hideData);

}  // namespace expo::presentation
