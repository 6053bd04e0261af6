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
std::string outcome(std::string_view url) {
    RecordingHost host;
    return outcome(url, host);
}

TEST(LogicLinkWords, ActionsAndCancel) {
    const std::pair<const char*, const char*> cases[] = {
        {"file:///disc/pages/index.htm", "pass"},
        {"file:///disc/ZPET:1", "cancel / show entry"},
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
        {"NASTAV_JAZ3", "cancel / language 3"},
        {"nastav_jaz-1", "cancel / language -1"},  // any integer, even outside the five
        {"file:///disc/nastav_jaz1.html", "cancel"},
        // Several words: each acts, in a fixed order.
        {"zpet:pages/tri.htm.exe .mpg.zip nastav_jaz2",
         "cancel / show entry / sub-page Pages pages/tri.htm Tri / start zpet:pages/tri.htm.exe "
         "[nastav_jaz2 / copy zpet:pages/tri.htm.exe .mpg.zip nastav_jaz2 / language "
         "2"},
    };
    for (const auto& [url, expected] : cases) {
        EXPECT_EQ(outcome(url), expected) << url;
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

TEST(LogicLinkWordsHost, WhatTheWindowCannotDo) {
    const std::tuple<bool RecordingHost::*, const char*, const char*> cases[] = {
        {&RecordingHost::noEntry, "zpet:", "pass / no entry"},
        // A failed copy stops the later words but cancels; a failed switch is swallowed.
        {&RecordingHost::copyFails, "a.zip?nastav_jaz1", "cancel / copy a.zip?nastav_jaz1 / error"},
        {&RecordingHost::switchFails, "nastav_jaz0", "cancel / language 0"},
    };
    for (const auto& [failure, url, expected] : cases) {
        RecordingHost host;
        host.*failure = true;
        EXPECT_EQ(outcome(url, host), expected);
    }
}

TEST(LogicLinkWordsHost, HeaderBrowserKnowsOnlyTheLanguageWord) {
    std::string switched;
    const auto switchTo = [&switched](int language) { switched += std::to_string(language); };
    for (const char* url : {"file:///disc/nastav_jaz4", "nastav_jaz 1", "file:///disc/a.zip"}) {
        switched += followLanguageLink(url, switchTo) ? "+" : "-";
    }
    EXPECT_EQ(switched, "4+1+-");
}

TEST(LogicLocalPath, FromUrl) {
    const std::pair<const char*, const char*> cases[] = {
        {"FILE:///disc/a.zip", "/disc/a.zip"},
        {"file:///disc/a%20b.zip#page", "/disc/a%20b.zip"},
        {"file://server/share/a.zip", "//server/share/a.zip"},
        {"data\\a.zip", "data\\a.zip"},
    };
    for (const auto& [url, path] : cases) {
        EXPECT_EQ(localPathFromUrl(url), path) << url;
    }
}

TEST(LogicCommandLine, Split) {
    const std::pair<const char*, CommandLine> cases[] = {
        {"  /disc/setup.exe  ", {"/disc/setup.exe", {}}},
        {"/disc/My Tools/run.exe -a b", {"/disc/My Tools/run.exe", {"-a", "b"}}},
        {"/disc/a.exe.bak/run.EXE x", {"/disc/a.exe.bak/run.EXE", {"x"}}},
        {"\"/disc/My Tools/run.exe\" \"one two\" three",
         {"/disc/My Tools/run.exe", {"one two", "three"}}},
        {"\"/disc/unclosed.exe", {"/disc/unclosed.exe", {}}},
    };
    for (const auto& [line, command] : cases) {
        EXPECT_EQ(splitCommandLine(line), command) << line;
    }
}

TEST(LogicLinkWordsHost, MissingSourceMessage) {
    LanguageTexts texts;
    std::tie(texts.FTextSourceFile, texts.FTextDoesNotExist) = std::tuple("Zdrojovy", "chybi");
    EXPECT_EQ(missingSourceMessage(texts, " file:///disc/a.zip "),
              "Zdrojovy \"file:///disc/a.zip\" chybi.");
}

// Links of an unknown scheme the page browsers keep as the program's own words.
TEST(HoldsLinkWord, TheWordsInAnyCaseAndNothingElse) {
    const std::pair<const char*, bool> cases[] = {
        {"ZPET:", true},
        {"go_polozka_polozka_x", true},
        {"program:pruvodce.EXE", true},
        {"video:film.MPEG", true},
        {"video:film.avi", true},
        {"archiv:ceniky.zip", true},
        {"nastav_jaz2", true},
        {"tel:+420123456789", false},
        {"mailto:zpet@veletrh.cz", false},
    };
    for (const auto& [url, kept] : cases) {
        EXPECT_EQ(holdsLinkWord(url), kept) << url;
    }
}

}  // namespace
}  // namespace expo::presentation
