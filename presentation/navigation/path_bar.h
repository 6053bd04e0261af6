#pragma once
// The path bar above the page: a small HTML page that names the shown navigation node and its
// ancestors up to the root, and the node's open sub-page, each as a link "link_K_N" (K is 0 for
// a node and 1 for the sub-page, N the index of the node in the bar's node list).
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "presentation/navigation/navigation.h"
#include "presentation/settings/look.h"

namespace expo::presentation {

// "#RRGGBB" in upper-case hexadecimal digits.
std::string ColorToHtml(Colour colour);

struct PathBarStyle {
    Colour linkColor = kBlack;
    Colour activeLinkColor = kBlack;
    Colour backColor = kWhite;
    int fontPointSize = 8;
};

// The path-bar colours and the point size of the path-bar panel's font.
PathBarStyle pathBarStyleOf(const Look& look);

struct PathBar {
    // The nodes named, from the given node (index 0) up to the root.
    std::vector<const NavNode*> nodes;
    // The breadcrumb as plain text ("- Root - Child - Sub-page"), which sizes the bar.
    std::string caption;
    // The bar's page in code page 1250; empty when no node was given (the bar stays hidden).
    std::string page;
};

// Builds the bar for `node` (may be null). The node at level i gets the number startIndex + i;
// with `withSubPage` the node's non-blank `CurrentSubPageTitle` ends the bar as a link of its own.
// Captions and titles go into the page as they are, without HTML escaping.
PathBar buildPathBar(const NavNode* node, int startIndex, bool withSubPage,
                     const PathBarStyle& style);

// True when `url` (in any letter case) holds "link_": the navigation is then the bar's own link
// and is always cancelled.
bool isPathBarLink(std::string_view url);

struct PathBarTarget {
    size_t index;  // of the node in the bar's node list
    bool subPage;  // open the node's current sub-page as well
};

// What a bar link points to: node N of the bar's `nodeCount` nodes, read after the URL's last
// "link_" (in any letter case); nothing when the URL holds no "link_", its number part is not a
// number, or N is negative or beyond the list.
std::optional<PathBarTarget> pathBarTarget(std::string_view url, size_t nodeCount);

}  // namespace expo::presentation
