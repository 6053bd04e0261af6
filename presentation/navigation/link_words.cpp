#include "presentation/navigation/link_words.h"

#include <algorithm>
#include <exception>
#include <optional>

#include "platform/text/text.h"

namespace expo::presentation {

namespace {

constexpr std::string_view kBackWord = "zpet:";
constexpr std::string_view kItemLinkWord = "go_polozka_polozka";
constexpr std::string_view kSectionLinkWord = "go_polozka_sekce";
constexpr size_t kNavigationPrefixLength = 11;  // "go_polozka_"
constexpr std::string_view kLanguageWord = "nastav_jaz";

bool isBlank(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

bool contains(std::string_view text, std::string_view word) {
    return text.find(word) != std::string_view::npos;
}

// Folder separators compared as one.
std::string withSlashes(std::string text) {
    std::replace(text.begin(), text.end(), '\\', '/');
    return text;
}

// The words of an argument list: blanks separate them, double quotes group blanks into a word
// and are themselves left out.
std::vector<std::string> splitArguments(std::string_view text) {
    std::vector<std::string> words;
    size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && isBlank(text[i])) {
            ++i;
        }
        if (i == text.size()) {
            break;
        }
        std::string word;
        bool quoted = false;
        for (; i < text.size() && (quoted || !isBlank(text[i])); ++i) {
            if (text[i] == '"') {
                quoted = !quoted;
            } else {
                word += text[i];
            }
        }
        words.push_back(std::move(word));
    }
    return words;
}

// The navigation key of a "go_polozka_polozka..." or "go_polozka_sekce..." link: the text after
// "go_polozka_", trimmed; none when the URL holds neither word.
std::optional<std::string> navigationKeyOfLink(std::string_view url) {
    const std::string lower = text::asciiLower(url);
    size_t at = lower.find(kItemLinkWord);
    if (at == std::string::npos) {
        at = lower.find(kSectionLinkWord);
    }
    if (at == std::string::npos) {
        return std::nullopt;
    }
    return text::trim(url.substr(at + kNavigationPrefixLength));
}

// The language of a "nastav_jaz" link: the text after the word, to the end of the URL, read as an
// integer; none when the URL lacks the word or the text is no integer.
std::optional<int> languageOfLink(std::string_view url) {
    const size_t at = text::asciiLower(url).find(kLanguageWord);
    if (at == std::string::npos) {
        return std::nullopt;
    }
    return text::tryStrToInt(url.substr(at + kLanguageWord.size()));
}

// Records the sub-page of `node` that `url` opens: the first sub-page file whose lower-case
// form occurs in the lower-cased URL (folder separators "/" and "\" compared as one). Returns
// true when it has a title and became the node's current sub-page; false when no file matched
// or the first match has no title.
bool recordSubPage(std::string_view url, TNodeData& node) {
    if (!node.SubPageFiles || !node.SubPageTitles) {
        return false;
    }
    const std::string target = withSlashes(text::asciiLower(url));
    const auto& files = *node.SubPageFiles;
    const auto& titles = *node.SubPageTitles;
    for (size_t i = 0; i < files.size(); ++i) {
        if (!contains(target, withSlashes(text::asciiLower(files[i])))) {
            continue;
        }
        if (i >= titles.size() || titles[i].empty()) {
            return false;
        }
        node.CurrentSubPageFile = files[i];
        node.CurrentSubPageTitle = titles[i];
        return true;
    }
    return false;
}

}  // namespace

std::string localPathFromUrl(std::string_view url) {
    constexpr std::string_view kScheme = "file:";
    if (text::asciiLower(url.substr(0, kScheme.size())) != kScheme) {
        return std::string(url);
    }
    std::string_view rest = url.substr(kScheme.size());
    rest = rest.substr(0, std::min(rest.find('?'), rest.find('#')));
    if (rest.starts_with("//")) {
        // "file://host/path": only an empty host or "localhost" names this machine's path.
        const size_t pathStart = std::min(rest.find('/', 2), rest.size());
        const std::string host = text::asciiLower(rest.substr(2, pathStart - 2));
        if (host.empty() || host == "localhost") {
            rest.remove_prefix(pathStart);
        }
    }
    return std::string(rest);
}

std::string fileNameOfLink(std::string_view url) {
    const std::string path = localPathFromUrl(url);
    const size_t folderEnd = path.find_last_of("/\\");
    return folderEnd == std::string::npos ? path : path.substr(folderEnd + 1);
}

CommandLine splitCommandLine(std::string_view commandLine) {
    const std::string line = text::trimLeft(commandLine);
    CommandLine result;
    size_t programEnd = 0;  // where the arguments begin
    if (line.starts_with('"')) {
        const size_t close = std::min(line.find('"', 1), line.size());
        result.program = line.substr(1, close - 1);
        programEnd = std::min(close + 1, line.size());
    } else {
        const std::string lower = text::asciiLower(line);
        programEnd = std::find_if(line.begin(), line.end(), isBlank) - line.begin();
        for (size_t at = lower.find(".exe"); at != std::string::npos;
             at = lower.find(".exe", at + 1)) {
            const size_t end = at + 4;
            if (end == line.size() || isBlank(line[end])) {
                programEnd = end;
                break;
            }
        }
        result.program = line.substr(0, programEnd);
    }
    result.arguments = splitArguments(std::string_view(line).substr(programEnd));
    return result;
}

std::string missingSourceMessage(const LanguageTexts& texts, std::string_view url) {
    return texts.FTextSourceFile + " \"" + text::trim(url) + "\" " + texts.FTextDoesNotExist + ".";
}

bool pageLinkCancels(std::string_view url, const PageLinkState& state) {
    const std::string lower = text::asciiLower(url);
    const auto has = [&lower](std::string_view word) { return contains(lower, word); };
    if (has(kBackWord) && state.hasCurrentExhibitor()) {
        return true;
    }
    if (const auto key = navigationKeyOfLink(url);
        key && state.navigationTree().findByItemKey(*key)) {
        return true;
    }
    // Programs, video files and copies are never followed by the browser.
    return has(".exe") || has(".mpg") || has(".mpeg") || has(".avi") || has(".zip") ||
           isLanguageLink(url);
}

void followPageLink(std::string_view url, PageLinkHost& host) {
    const std::string lower = text::asciiLower(url);
    const auto has = [&lower](std::string_view word) { return contains(lower, word); };

    if (has(kBackWord)) {
        host.showCurrentExhibitor();
    }
    if (const auto key = navigationKeyOfLink(url)) {
        if (NavNode* node = host.navigationTree().findByItemKey(*key)) {
            host.selectNavigationNode(*node);
        }
    }
    // The selected node after the links above: selecting a node may have changed it.
    if (NavNode* selected = host.selectedNavigationNode();
        selected && recordSubPage(url, selected->data)) {
        host.showSubPageInPathBar(*selected);
    }
    if (has(".exe")) {
        // Only the program the link names is started, never another one of the system (a shell
        // with the rest of the link as its commands) that the link puts first.
        const CommandLine commandLine = splitCommandLine(localPathFromUrl(url));
        if (text::asciiLower(commandLine.program).ends_with(".exe")) {
            host.startProgram(commandLine);
        }
    }
    if (has(".zip")) {
        host.offerCopy(url);
    }
    followLanguageLink(url, [&host](int language) { host.switchLanguage(language); });
}

bool holdsLinkWord(std::string_view url) {
    const std::string lower = text::asciiLower(url);
    constexpr std::string_view kWords[] = {kBackWord, "go_polozka_", ".exe", ".mpg",
                                           ".mpeg",   ".avi",        ".zip", kLanguageWord};
    return std::any_of(std::begin(kWords), std::end(kWords),
                       [&lower](std::string_view word) { return contains(lower, word); });
}

bool isLanguageLink(std::string_view url) {
    return contains(text::asciiLower(url), kLanguageWord);
}

void followLanguageLink(std::string_view url, const std::function<void(int)>& switchLanguage) {
    const std::optional<int> language = languageOfLink(url);
    if (!language) {
        return;
    }
    try {
        switchLanguage(*language);
    } catch (const std::exception&) {
        // A failed switch is not reported; the tree may stay empty or partly built.
    }
}

}  // namespace expo::presentation
