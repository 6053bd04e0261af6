#pragma once
// The full-text search of the presentation pages. There is no index: every search reads the
// page files of the navigation tree's page items and of their sub-pages again and compares their
// raw text, markup and character references included, line by line in the locale's upper case.
#include <optional>
#include <string>
#include <string_view>

#include "presentation/navigation/navigation.h"

namespace expo::presentation {

// One page that holds the text searched for.
struct FulltextHit {
    // What the hit list shows: the node's caption for its page; for a sub-page its title (the
    // node's caption when it has none), "=" and the sub-page's file.
    std::string text;
    NavNode* node = nullptr;
    // The sub-page's file as the settings name it; empty for the node's own page.
    std::string subPageFile;
    bool operator==(const FulltextHit&) const = default;
};

// What the search needs of the window around it.
class FulltextHost {
  public:
    virtual ~FulltextHost() = default;
    // The bytes of a page file named as the settings write it (relative to the program's
    // folder, blanks around it left out); none when there is no file of that name. Throws
    // expo::Error when the file is there but cannot be read.
    virtual std::optional<std::string> readPage(std::string_view name) = 0;
    // The page of `node` is about to be searched: the progress line. Its sub-pages follow
    // without a line of their own.
    virtual void searchingNode(const NavNode& node) = 0;
    // A page holds the text; called in the tree's order as the pages are searched.
    virtual void found(FulltextHit hit) = 0;
};

// The search text as the pages are compared with it: trimmed, in the locale's upper case.
std::string fulltextQuery(std::string_view typed);

// True when one line of `page` holds `query` (as fulltextQuery gives it) once both are in the
// locale's upper case. A line ends at CR, LF or CR LF, so a query that holds one of them is
// never found.
bool pageHoldsText(std::string_view page, std::string_view query);

// Searches every node of `tree` in the tree's order (a node, its children, then its next
// sibling). Each node's current sub-page is forgotten. A page item (kind 0) whose page file
// exists is searched, then each of its sub-pages whose file exists; the exhibitor item, the
// catalogue sections and the sub-pages of a node whose own page is missing are not. Each file
// gives at most one hit. `typed` must not be blank. An error of readPage ends the search; the
// hits found before it have been reported.
void searchPages(NavigationTree& tree, std::string_view typed, FulltextHost& host);

}  // namespace expo::presentation
