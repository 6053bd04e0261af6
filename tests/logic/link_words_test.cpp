#include "presentation/link_words.h"

#include <gtest/gtest.h>

#include <tuple>

#include "platform/text/error.h"
#include "tests/logic/support.h"

namespace expo::presentation {
namespace {

using testing::keyed;

// Records what the handler asks of the window, as one line per call.
class RecordingHost : public PageLinkHost {
  public:
    RecordingHost() {
        NavNode& pages = tree_.add(nullptr, "Pages", keyed("polozka Pages"));
        tree_.add(&pages, "Deep", keyed("polozka deep"));
        NavNode& exhibitors = tree_.add(nullptr, "Exhibitors", keyed("SysPolozkaVystavovatele"));
        tree_.add(&exhibitors, "Section", keyed("sekce 1 na CD"));
        selected_ = &pages;
        selected_->data.SubPageFiles = {{"pages/Jedna.htm", "pages\\dva.htm", "pages/tri.htm"}};
        selected_->data.SubPageTitles = {{"Jedna", "", "Tri"}};
    }

    bool noEntry = false;
    bool copyFails = false;
    bool switchFails = false;
    std::vector<std::string> calls;

    bool showCurrentExhibitor() override {
        calls.push_back(noEntry ? "no entry" : "show entry");
        return !noEntry;
    }
    const NavigationTree& navigationTree() const override { return tree_; }
    void selectNavigationNode(NavNode& node) override {
        calls.push_back("select " + node.caption);
        selected_ = &node;
    }
    NavNode* selectedNavigationNode() override { return selected_; }
    void showSubPageInPathBar(NavNode& node) override {
        calls.push_back("sub-page " + node.caption + " " + node.data.CurrentSubPageFile + " " +
                        node.data.CurrentSubPageTitle);
    }
    void startProgram(const CommandLine& commandLine) override {
        std::string call = "start " + commandLine.program;
        for (const auto& argument : commandLine.arguments) {
            call += " [" + argument + "]";
        }
        calls.push_back(call);
    }
    void offerCopy(std::string_view url) override {
        calls.push_back("copy " + std::string(url));
        if (copyFails) {
            throw Error("copy failed");
        }
    }
    void switchLanguage(int language) override {
        calls.push_back("language " + std::to_string(language));
        if (switchFails) {
            throw Error("loading failed");
        }
    }

    NavNode& pages() const { return *tree_.roots()[0]; }

  private:
    NavigationTree tree_;
    NavNode* selected_ = nullptr;
};

TEST(LogicLinkWords, ActionsAndCancel) {
    const std::tuple<const char*, bool, std::vector<std::string>> cases[] = {
        {"file:///disc/pages/index.htm", false, {}},
        {"zpet:", true, {"show entry"}},
        {"file:///disc/ZPET:1", true, {"show entry"}},
        {"file:///disc/go_polozka_polozka deep", true, {"select Deep"}},
        {"go_polozka_sekce 1 na CD", true, {"select Section"}},
        {"GO_POLOZKA_polozka Pages", true, {"select Pages"}},
        {"go_polozka_polozka Deep", false, {}},  // the key respects case and is not decoded
        {"go_polozka_polozka nic", false, {}},
        {"go_polozka_sekce%201%20na%20CD", false, {}},
        {"file:///disc/PAGES/TRI.htm", false, {"sub-page Pages pages/tri.htm Tri"}},
        {"file:///disc/pages\\jedna.htm", false, {"sub-page Pages pages/Jedna.htm Jedna"}},
        {"file:///disc/pages/dva.htm", false, {}},  // a sub-page without title
        // The later titled file in the same URL is not looked for.
        {"pages/dva.htm?pages/tri.htm", false, {}},
        {"file:///disc/bin/setup.exe", true, {"start /disc/bin/setup.exe"}},
        {"file:///disc/Setup.EXE /S \"C:/Program Files\"",
         true,
         {"start /disc/Setup.EXE [/S] [C:/Program Files]"}},
        // The URL arrives decoded: a "%" left in it belongs to the file's name.
        {"file:///disc/a%41.exe", true, {"start /disc/a%41.exe"}},
        // Only a program whose file name ends in ".exe" is started.
        {"/bin/sh -c \"touch x\" .exe2", true, {}},
        {"\"/bin/sh\" -c x.exe", true, {}},
        {"file:///disc/film.mpg", true, {}},
        {"file:///disc/film.MPEG", true, {}},
        {"file:///disc/film.avi", true, {}},
        {"file:///disc/ceny.zip", true, {"copy file:///disc/ceny.zip"}},
        {"file:///disc/nastav_jaz1", true, {"language 1"}},
        {"NASTAV_JAZ3", true, {"language 3"}},
        {"nastav_jaz7", true, {"language 7"}},  // any integer, even outside the five
        {"nastav_jaz-1", true, {"language -1"}},
        {"nastav_jaz$2", true, {"language 2"}},
        {"file:///disc/nastav_jaz1.html", true, {}},
        {"nastav_jaz", true, {}},
        // Several words: each acts, in a fixed order.
        {"zpet:go_polozka_polozka deep/film.avi.zip",
         true,
         {"show entry", "copy zpet:go_polozka_polozka deep/film.avi.zip"}},
        {"zpet:pages/tri.htm.exe .mpg.zip nastav_jaz2",
         true,
         {"show entry", "sub-page Pages pages/tri.htm Tri",
          "start zpet:pages/tri.htm.exe [.mpg.zip] [nastav_jaz2]",
          "copy zpet:pages/tri.htm.exe .mpg.zip nastav_jaz2", "language 2"}},
    };
    for (const auto& [url, cancels, calls] : cases) {
        RecordingHost host;
        bool cancel = false;
        handlePageLink(url, host, cancel);
        EXPECT_EQ(cancel, cancels) << url;
        EXPECT_EQ(host.calls, calls) << url;
    }
}

TEST(LogicLinkWordsHost, SubPagesAreThoseOfTheNodeTheLinkSelected) {
    RecordingHost host;
    NavNode& deep = *host.pages().children[0];
    deep.data.SubPageFiles = {{"_polozka deep"}};
    deep.data.SubPageTitles = {{"D"}};
    bool cancel = false;
    handlePageLink("go_polozka_polozka deep", host, cancel);
    EXPECT_TRUE(cancel);
    EXPECT_EQ(host.calls,
              (std::vector<std::string>{"select Deep", "sub-page Deep _polozka deep D"}));
    EXPECT_EQ(host.pages().data.CurrentSubPageFile, "");
}

TEST(LogicLinkWordsHost, WhatTheWindowCannotDo) {
    const struct {
        bool RecordingHost::*failure;
        const char* url;
        bool cancel;
        bool throws;
        std::vector<std::string> calls;
    } cases[] = {
        {&RecordingHost::noEntry, "zpet:", false, false, {"no entry"}},
        // A failed copy stops the later words but cancels.
        {&RecordingHost::copyFails,
         "file:///disc/a.zip?nastav_jaz1",
         true,
         true,
         {"copy file:///disc/a.zip?nastav_jaz1"}},
        {&RecordingHost::switchFails, "nastav_jaz0", true, false, {"language 0"}},  // swallowed
    };
    for (const auto& c : cases) {
        RecordingHost host;
        host.*c.failure = true;
        bool cancel = false;
        bool thrown = false;
        try {
            handlePageLink(c.url, host, cancel);
        } catch (const Error&) {
            thrown = true;
        }
        EXPECT_EQ(thrown, c.throws) << c.url;
        EXPECT_EQ(cancel, c.cancel) << c.url;
        EXPECT_EQ(host.calls, c.calls) << c.url;
    }
}

TEST(LogicLinkWordsHost, HeaderBrowserKnowsOnlyTheLanguageWord) {
    std::vector<int> switched;
    const auto switchTo = [&switched](int language) { switched.push_back(language); };
    EXPECT_TRUE(followLanguageLink("file:///disc/nastav_jaz4", switchTo));
    EXPECT_TRUE(followLanguageLink("nastav_jaz 1", switchTo));
    EXPECT_TRUE(followLanguageLink("nastav_jaz1 ", switchTo));
    EXPECT_FALSE(followLanguageLink("file:///disc/a.zip", switchTo));
    EXPECT_EQ(switched, (std::vector<int>{4, 1}));
}

TEST(LogicLocalPath, FromUrl) {
    const std::pair<const char*, const char*> cases[] = {
        {"file:///disc/a.zip", "/disc/a.zip"},
        {"FILE:///disc/a.zip", "/disc/a.zip"},
        {"file://localhost/disc/a.zip", "/disc/a.zip"},
        {"file:/disc/a.zip", "/disc/a.zip"},
        // Decoded once by the browser already: a "%" left is part of the name.
        {"file:///disc/m\xE1 b.zip?x", "/disc/m\xE1 b.zip"},
        {"file:///disc/a%20b.zip#page", "/disc/a%20b.zip"},
        {"file:///disc/100%.zip", "/disc/100%.zip"},
        {"file://server/share/a.zip", "//server/share/a.zip"},
        {"/disc/a%20b.zip", "/disc/a%20b.zip"},
        {"data\\a.zip", "data\\a.zip"},
    };
    for (const auto& [url, path] : cases) {
        EXPECT_EQ(localPathFromUrl(url), path) << url;
    }
}

TEST(LogicCommandLine, Split) {
    const std::pair<const char*, CommandLine> cases[] = {
        {"/disc/setup.exe", {"/disc/setup.exe", {}}},
        {"  /disc/setup.exe  ", {"/disc/setup.exe", {}}},
        {"/disc/My Tools/run.exe -a b", {"/disc/My Tools/run.exe", {"-a", "b"}}},
        {"/disc/a.exe.bak/run.EXE x", {"/disc/a.exe.bak/run.EXE", {"x"}}},
        {"\"/disc/My Tools/run.exe\" \"one two\" three",
         {"/disc/My Tools/run.exe", {"one two", "three"}}},
        {"\"/disc/unclosed.exe", {"/disc/unclosed.exe", {}}},
        {"run x;rm -rf /", {"run", {"x;rm", "-rf", "/"}}},
        {"a.exe $(reboot) `id` | cat", {"a.exe", {"$(reboot)", "`id`", "|", "cat"}}},
        {"", {"", {}}},
    };
    for (const auto& [line, command] : cases) {
        EXPECT_EQ(splitCommandLine(line), command) << line;
    }
}

TEST(LogicLinkWordsHost, MissingSourceMessage) {
    LanguageTexts texts;
    texts.FTextSourceFile = "Zdrojovy soubor";
    texts.FTextDoesNotExist = "neexistuje";
    EXPECT_EQ(missingSourceMessage(texts, " file:///disc/a.zip "),
              "Zdrojovy soubor \"file:///disc/a.zip\" neexistuje.");
}

}  // namespace
}  // namespace expo::presentation
