#include "presentation/navigation/link_words.h"

#include <gtest/gtest.h>

#include <tuple>

#include "platform/text/error.h"
#include "tests/logic/support.h"

namespace expo::presentation {
namespace {

using testing::keyed;

// Records what the handler asks of the window, the calls separated by " / ".
class RecordingHost : public PageLinkHost {
  public:
    RecordingHost() {
        NavNode& pages = tree.add(nullptr, "Pages", keyed("polozka Pages"));
        tree.add(&pages, "Deep", keyed("polozka deep"));
        selected = &pages;
        pages.data.SubPageFiles = {{"pages/Jedna.htm", "pages\\dva.htm", "pages/tri.htm"}};
        pages.data.SubPageTitles = {{"Jedna", "", "Tri"}};
    }
    bool noEntry = false, copyFails = false, switchFails = false;
    std::string calls;
    NavigationTree tree;
    NavNode* selected = nullptr;

    void call(const std::string& what, bool fails = false) {
        calls += " / " + what;
        if (fails) {
            throw Error("failed");
        }
    }
    bool showCurrentExhibitor() override {
        call(noEntry ? "no entry" : "show entry");
        return !noEntry;
    }
    const NavigationTree& navigationTree() const override { return tree; }
    void selectNavigationNode(NavNode& node) override {
        call("select " + node.caption);
        selected = &node;
    }
    NavNode* selectedNavigationNode() override { return selected; }
    void showSubPageInPathBar(NavNode& node) override {
        const TNodeData& d = node.data;
        call("sub-page " + node.caption + " " + d.CurrentSubPageFile + " " + d.CurrentSubPageTitle);
    }
    void startProgram(const CommandLine& command) override {
        call("start " + command.program + (command.arguments.empty() ? "" : " [") +
             (command.arguments.empty() ? "" : command.arguments.back()));
    }
    void offerCopy(std::string_view url) override { call("copy " + std::string(url), copyFails); }
    void switchLanguage(int language) override {
        call("language " + std::to_string(language), switchFails);
    }
};

// "cancel" or "pass", the window's calls, and " / error" when the handler threw.
std::string outcome(std::string_view url, RecordingHost& host) {
    bool cancel = false;
    std::string error;
    try {
        handlePageLink(url, host, cancel);
    } catch (const Error&) {
        error = " / error";
    }
    return (cancel ? "cancel" : "pass") + host.calls + error;
}

TEST(LogicLinkWords, ActionsAndCancel) {
    const struct {
        const char* url;
        const char* expected;
        bool RecordingHost::*failure = nullptr;  // what the window cannot do
    } cases[] = {
        {"file:///disc/pages/index.htm", "pass"},
        {"file:///disc/ZPET:1", "cancel / show entry"},
        {"zpet:", "pass / no entry", &RecordingHost::noEntry},
        {"file:///disc/go_polozka_polozka deep", "cancel / select Deep"},
        {"GO_POLOZKA_polozka Pages", "cancel / select Pages"},
        {"go_polozka_polozka Deep", "pass"},  // the key respects case and is not decoded
        {"file:///disc/pages\\jedna.htm", "pass / sub-page Pages pages/Jedna.htm Jedna"},
        {"file:///disc/pages/dva.htm", "pass"},  // a sub-page without title
        {"file:///disc/bin/Setup.EXE /S \"C:/Program Files\"",
         "cancel / start /disc/bin/Setup.EXE [C:/Program Files"},
        // Only a program whose file name ends in ".exe" is started.
        {"/bin/sh -c \"touch x\" .exe2", "cancel"},
        {"file:///disc/film.MPEG", "cancel"},
        {"file:///disc/ceny.zip", "cancel / copy file:///disc/ceny.zip"},
        // A failed copy stops the later words but cancels; a failed switch is swallowed.
        {"a.zip?nastav_jaz1", "cancel / copy a.zip?nastav_jaz1 / error", &RecordingHost::copyFails},
        {"NASTAV_JAZ3", "cancel / language 3"},
        {"nastav_jaz-1", "cancel / language -1", &RecordingHost::switchFails},  // any integer
        {"file:///disc/nastav_jaz1.html", "cancel"},
        // Several words: each acts, in a fixed order.
        {"zpet:pages/tri.htm.exe .mpg.zip nastav_jaz2",
         "cancel / show entry / sub-page Pages pages/tri.htm Tri / start zpet:pages/tri.htm.exe "
         "[nastav_jaz2 / copy zpet:pages/tri.htm.exe .mpg.zip nastav_jaz2 / language 2"},
    };
    for (const auto& c : cases) {
        RecordingHost host;
        if (c.failure != nullptr) {
            host.*c.failure = true;
        }
        EXPECT_EQ(outcome(c.url, host), c.expected) << c.url;
    }
}

TEST(LogicLinkWordsHost, SubPagesAreThoseOfTheNodeTheLinkSelected) {
    RecordingHost host;
    NavNode& deep = *host.tree.roots()[0]->children[0];
    deep.data.SubPageFiles = {{"_polozka deep"}};
    deep.data.SubPageTitles = {{"D"}};
    EXPECT_EQ(outcome("go_polozka_polozka deep", host),
              "cancel / select Deep / sub-page Deep _polozka deep D");
    EXPECT_EQ(host.tree.roots()[0]->data.CurrentSubPageFile, "");
}

TEST(LogicLinkWordsHost, HeaderBrowserKnowsOnlyTheLanguageWord) {
    std::string switched;
    const auto switchTo = [&switched](int language) { switched += std::to_string(language); };
    for (const char* url : {"file:///disc/nastav_jaz4", "nastav_jaz 1", "file:///disc/a.zip"}) {
        switched += followLanguageLink(url, switchTo) ? "+" : "-";
    }
    EXPECT_EQ(switched, "4+1+-");
}

std::string local(std::string_view url) {
    return localPathFromUrl(url);
}
std::string split(std::string_view line) {  // the program and each argument after a "|"
    const CommandLine command = splitCommandLine(line);
    std::string text = command.program;
    for (const std::string& argument : command.arguments) {
        text += "|" + argument;
    }
    return text;
}
std::string holds(std::string_view url) {  // kept as the program's own word, not the desktop's
    return holdsLinkWord(url) ? "word" : "desktop";
}

TEST(LogicLinkWords, LocalPathCommandLineAndTheLinksKeptAsWords) {
    const std::tuple<std::string (*)(std::string_view), const char*, const char*> cases[] = {
        {local, "FILE:///disc/a%20b.zip#page", "/disc/a%20b.zip"},
        {local, "file://localhost/disc/a.zip?x", "/disc/a.zip"},
        {local, "file://server/share/a.zip", "//server/share/a.zip"},
        {local, "data\\a.zip", "data\\a.zip"},
        {split, "  /disc/My Tools/run.exe -a  b ", "/disc/My Tools/run.exe|-a|b"},
        {split, "/disc/a.exe.bak/run.EXE x", "/disc/a.exe.bak/run.EXE|x"},
        {split, "\"/disc/My Tools/run.exe\" \"one two\" three",
         "/disc/My Tools/run.exe|one two|three"},
        {split, "\"/disc/unclosed.exe", "/disc/unclosed.exe"},
        // clang-format off
        {holds, "ZPET:", "word"}, {holds, "go_polozka_polozka_x", "word"},
        {holds, "program:pruvodce.EXE", "word"}, {holds, "video:film.MPEG", "word"},
        {holds, "video:film.avi", "word"}, {holds, "archiv:ceniky.zip", "word"},
        {holds, "nastav_jaz2", "word"}, {holds, "mailto:zpet@veletrh.cz", "desktop"},
        // clang-format on
    };
    for (const auto& [function, text, expected] : cases) {
        EXPECT_EQ(function(text), expected) << text;
    }
    LanguageTexts texts;
    std::tie(texts.FTextSourceFile, texts.FTextDoesNotExist) = std::tuple("Zdrojovy", "chybi");
    EXPECT_EQ(missingSourceMessage(texts, " file:///disc/a.zip "),
              "Zdrojovy \"file:///disc/a.zip\" chybi.");
}

}  // namespace
}  // namespace expo::presentation
