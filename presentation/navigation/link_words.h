#pragma once
// Link words of the shown pages. Every navigation of the page browser passes through
// handlePageLink, which looks for the words as substrings of the URL after an ASCII lower-case
// conversion, one after the other, acts on each through the window (PageLinkHost) and decides
// whether the browser's own navigation is cancelled. Texts cut out of the URL (a navigation
// key, a language number) are cut from the URL in its own case, without decoding.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "presentation/navigation/navigation.h"
#include "presentation/settings/language_texts.h"

namespace expo::presentation {

// A program started from a link: never through a shell.
struct CommandLine {
    std::string program;
    std::vector<std::string> arguments;
    bool operator==(const CommandLine&) const = default;
};

// The local path that a "file:" URL names, a query or fragment left out; any other text is taken
// as a path as it is. The URL comes decoded from the browser (a "%" in it is the file name's own).
std::string localPathFromUrl(std::string_view url);

// The name of the file a link names, without its folders ("\" or "/" between them).
std::string fileNameOfLink(std::string_view url);

// Splits a command line into program and arguments. The program is the text in double quotes
// when the line begins with one; else the text up to the end of the first ".exe" that ends a
// word; else the first word. The arguments are the remaining words, double quotes grouping.
CommandLine splitCommandLine(std::string_view commandLine);

// The message of a ".zip" link whose file does not exist.
std::string missingSourceMessage(const LanguageTexts& texts, std::string_view url);

// What the window does for the link words.
class PageLinkHost {
  public:
    virtual ~PageLinkHost() = default;
    // "zpet:": selects and shows the exhibitor list's current entry; false when the list has no
    // current entry or it carries no key.
    virtual bool showCurrentExhibitor() = 0;
    virtual const NavigationTree& navigationTree() const = 0;
    // Selects `node` in the tree, which runs the tree's change handling.
    virtual void selectNavigationNode(NavNode& node) = 0;
    virtual NavNode* selectedNavigationNode() = 0;
    // Rebuilds the path bar for `node` with its sub-page.
    virtual void showSubPageInPathBar(NavNode& node) = 0;
    // ".exe": starts the program, whose file name ends in ".exe"; its outcome is ignored.
    virtual void startProgram(const CommandLine& commandLine) = 0;
    // ".zip": offers to save a copy of the file `url` names; throws expo::Error on failure.
    virtual void offerCopy(std::string_view url) = 0;
    // "nastav_jaz": switches to `language` (the tree is emptied and the language loaded again
    // without data). Errors are swallowed by the caller.
    virtual void switchLanguage(int language) = 0;
};

// Runs the page browser's link words on `url`, in this order, and sets `cancel` as each one
// says: "zpet:", "go_polozka_", the selected node's sub-pages, ".exe", the video files, ".zip",
// "nastav_jaz". A URL may hold several words and gets all their actions. An error of the first
// six leaves the handler with `cancel` as set so far and the later words untried. A ".exe" link
// starts its program only when the program's file name ends in ".exe".
void handlePageLink(std::string_view url, PageLinkHost& host, bool& cancel);

// True when the URL holds one of the link words above: such a link is the program's, never one
// for the system's handler of its scheme, whether or not its word found anything to do.
bool holdsLinkWord(std::string_view url);

// The language word alone, as the page browser and the header browser run it: true (cancel)
// when the URL holds "nastav_jaz"; then switches the language when an integer follows, and
// swallows any error of the switch.
bool followLanguageLink(std::string_view url, const std::function<void(int)>& switchLanguage);

}  // namespace expo::presentation
