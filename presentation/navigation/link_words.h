#pragma once
// Link words of the shown pages. Every navigation of the page browser passes through them in two
// steps. First, while the browser waits for the answer, pageLinkCancels decides whether the
// browser's own navigation is cancelled, from the URL and what the window holds now, changing
// nothing. Then, from the event loop, followPageLink acts on the words, one after the other,
// through the window (PageLinkHost). The words are looked for as substrings of the URL after an
// ASCII lower-case conversion; texts cut out of the URL (a navigation key, a language number)
// are cut from the URL in its own case, without decoding.
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

// What the link words read of the window to decide.
class PageLinkState {
  public:
    virtual ~PageLinkState() = default;
    // The exhibitor list has a current entry, and it carries a key.
    virtual bool hasCurrentExhibitor() const = 0;
    virtual const NavigationTree& navigationTree() const = 0;
};

// What the window does for the link words.
class PageLinkHost : public PageLinkState {
  public:
    // "zpet:": selects and shows the exhibitor list's current entry; nothing when the list has
    // no current entry or it carries no key.
    virtual void showCurrentExhibitor() = 0;
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

// True when the page browser's navigation to `url` is cancelled: "zpet:" while the list has a
// current entry with a key, "go_polozka_" naming a node of the tree, ".exe", the video files,
// ".zip" and "nastav_jaz". Every other URL (a sub-page among them) navigates.
bool pageLinkCancels(std::string_view url, const PageLinkState& state);

// Acts on the page browser's link words in `url`, in this order: "zpet:", "go_polozka_", the
// selected node's sub-pages, ".exe", ".zip", "nastav_jaz". Runs once the browser has its answer;
// each word finds what it acts on in the window as it is then (the list's current entry, the
// node by its key, the node selected after the words before). A URL may hold several words and
// gets all their actions. An error of the first five leaves the later words untried. A ".exe"
// link starts its program only when the program's file name ends in ".exe".
void followPageLink(std::string_view url, PageLinkHost& host);

// True when the URL holds one of the link words above: such a link is the program's, never one
// for the system's handler of its scheme, whether or not its word found anything to do.
bool holdsLinkWord(std::string_view url);

// The language word alone, as the page browser and the header browser run it: a URL that holds
// "nastav_jaz" is cancelled; following it switches the language when an integer follows the
// word, and swallows any error of the switch.
bool isLanguageLink(std::string_view url);
void followLanguageLink(std::string_view url, const std::function<void(int)>& switchLanguage);

}  // namespace expo::presentation
