#include "presentation/link_words.h"

#include <gtest/gtest.h>

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

    bool hasEntry = true;
    bool copyFails = false;
    bool switchFails = false;
    std::vector<std::string> calls;

    bool showCurrentExhibitor() override {
        calls.push_back(hasEntry ? "show entry" : "no entry");
        return hasEntry;
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

struct LinkCase {
    const char* name;
    const char* url;
    bool cancel;
    std::vector<std::string> calls;
    friend void PrintTo(const LinkCase& c, std::ostream* os) {
        *os << ::testing::PrintToString(c.url);
    }
};

class LogicLinkWords : public ::testing::TestWithParam<LinkCase> {};

TEST_P(LogicLinkWords, ActionsAndCancel) {
    RecordingHost host;
    bool cancel = false;
    handlePageLink(GetParam().url, host, cancel);
    EXPECT_EQ(cancel, GetParam().cancel);
    EXPECT_EQ(host.calls, GetParam().calls);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LogicLinkWords,
    ::testing::Values(
        LinkCase{"PlainPage", "file:///disc/pages/index.htm", false, {}},
        LinkCase{"Blank", "about:blank", false, {}},
        LinkCase{"Back", "zpet:", true, {"show entry"}},
        LinkCase{"BackInCapitals", "file:///disc/ZPET:1", true, {"show entry"}},
        LinkCase{"GoToItem", "file:///disc/go_polozka_polozka deep", true, {"select Deep"}},
        LinkCase{"GoToSection", "go_polozka_sekce 1 na CD", true, {"select Section"}},
        LinkCase{"GoToItemUpperCaseWord", "GO_POLOZKA_polozka Pages", true, {"select Pages"}},
        LinkCase{"GoToKeyRespectsCase", "go_polozka_polozka Deep", false, {}},
        LinkCase{"GoToUnknownKey", "go_polozka_polozka nic", false, {}},
        LinkCase{"GoToEscapedKeyIsNotDecoded", "go_polozka_sekce%201%20na%20CD", false, {}},
        LinkCase{
            "SubPage", "file:///disc/PAGES/TRI.htm", false, {"sub-page Pages pages/tri.htm Tri"}},
        LinkCase{"SubPageWithBackslashes",
                 "file:///disc/pages\\jedna.htm",
                 false,
                 {"sub-page Pages pages/Jedna.htm Jedna"}},
        LinkCase{"SubPageWithoutTitleStopsTheSearch", "file:///disc/pages/dva.htm", false, {}},
        // The later titled file in the same URL is not looked for.
        LinkCase{"SubPageWithoutTitleBeforeATitledOne", "pages/dva.htm?pages/tri.htm", false, {}},
        LinkCase{"Program", "file:///disc/bin/setup.exe", true, {"start /disc/bin/setup.exe"}},
        LinkCase{"ProgramWithArguments",
                 "file:///disc/Setup.EXE /S \"C:/Program Files\"",
                 true,
                 {"start /disc/Setup.EXE [/S] [C:/Program Files]"}},
        // The URL arrives decoded: a "%" left in it belongs to the file's name.
        LinkCase{"ProgramNameWithPercent", "file:///disc/a%41.exe", true, {"start /disc/a%41.exe"}},
        // Only a program whose file name ends in ".exe" is started.
        LinkCase{"OtherProgramWithExeFurtherOn", "/bin/sh -c \"touch x\" .exe2", true, {}},
        LinkCase{"QuotedOtherProgram", "\"/bin/sh\" -c x.exe", true, {}},
        LinkCase{"VideoMpg", "file:///disc/film.mpg", true, {}},
        LinkCase{"VideoMpeg", "file:///disc/film.MPEG", true, {}},
        LinkCase{"VideoAvi", "file:///disc/film.avi", true, {}},
        LinkCase{"Zip", "file:///disc/ceny.zip", true, {"copy file:///disc/ceny.zip"}},
        LinkCase{"Language", "file:///disc/nastav_jaz1", true, {"language 1"}},
        LinkCase{"LanguageInCapitals", "NASTAV_JAZ3", true, {"language 3"}},
        LinkCase{"LanguageOutsideTheFive", "nastav_jaz7", true, {"language 7"}},
        LinkCase{"LanguageNegative", "nastav_jaz-1", true, {"language -1"}},
        LinkCase{"LanguageHexadecimal", "nastav_jaz$2", true, {"language 2"}},
        LinkCase{"LanguageWithExtension", "file:///disc/nastav_jaz1.html", true, {}},
        LinkCase{"LanguageNotANumber", "nastav_jazx", true, {}},
        LinkCase{"LanguageWithoutNumber", "nastav_jaz", true, {}},
        LinkCase{"SeveralWords",
                 "zpet:go_polozka_polozka deep/film.avi.zip",
                 true,
                 {"show entry", "copy zpet:go_polozka_polozka deep/film.avi.zip"}},
        LinkCase{"AllWordsInOrder",
                 "zpet:pages/tri.htm.exe .mpg.zip nastav_jaz2",
                 true,
                 {"show entry", "sub-page Pages pages/tri.htm Tri",
                  "start zpet:pages/tri.htm.exe [.mpg.zip] [nastav_jaz2]",
                  "copy zpet:pages/tri.htm.exe .mpg.zip nastav_jaz2", "language 2"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LogicLinkWordsHost, BackWithoutEntryIsNotCancelled) {
    RecordingHost host;
    host.hasEntry = false;
    bool cancel = false;
    handlePageLink("zpet:", host, cancel);
    EXPECT_FALSE(cancel);
    EXPECT_EQ(host.calls, std::vector<std::string>{"no entry"});
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

TEST(LogicLinkWordsHost, AFailedCopyStopsTheLaterWordsButCancels) {
    RecordingHost host;
    host.copyFails = true;
    bool cancel = false;
    EXPECT_THROW(handlePageLink("file:///disc/a.zip?nastav_jaz1", host, cancel), Error);
    EXPECT_TRUE(cancel);
    EXPECT_EQ(host.calls, std::vector<std::string>{"copy file:///disc/a.zip?nastav_jaz1"});
}

TEST(LogicLinkWordsHost, AFailedLanguageSwitchIsSwallowed) {
    RecordingHost host;
    host.switchFails = true;
    bool cancel = false;
    EXPECT_NO_THROW(handlePageLink("nastav_jaz0", host, cancel));
    EXPECT_TRUE(cancel);
    EXPECT_EQ(host.calls, std::vector<std::string>{"language 0"});
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

struct PathCase {
    const char* url;
    const char* path;
    friend void PrintTo(const PathCase& c, std::ostream* os) {
        *os << ::testing::PrintToString(c.url);
    }
};

class LogicLocalPath : public ::testing::TestWithParam<PathCase> {};

TEST_P(LogicLocalPath, FromUrl) {
    EXPECT_EQ(localPathFromUrl(GetParam().url), GetParam().path);
}

INSTANTIATE_TEST_SUITE_P(
    Values, LogicLocalPath,
    ::testing::Values(PathCase{"file:///disc/a.zip", "/disc/a.zip"},
                      PathCase{"FILE:///disc/a.zip", "/disc/a.zip"},
                      PathCase{"file://localhost/disc/a.zip", "/disc/a.zip"},
                      PathCase{"file:/disc/a.zip", "/disc/a.zip"},
                      // Decoded once by the browser already: a "%" left is part of the name.
                      PathCase{"file:///disc/m\xE1 b.zip?x", "/disc/m\xE1 b.zip"},
                      PathCase{"file:///disc/a%20b.zip#page", "/disc/a%20b.zip"},
                      PathCase{"file:///disc/100%.zip", "/disc/100%.zip"},
                      PathCase{"file:///disc/a.zip#page", "/disc/a.zip"},
                      PathCase{"file:///disc/a.zip?x=1", "/disc/a.zip"},
                      PathCase{"file://server/share/a.zip", "//server/share/a.zip"},
                      PathCase{"/disc/a%20b.zip", "/disc/a%20b.zip"},
                      PathCase{"data\\a.zip", "data\\a.zip"}));

struct CommandCase {
    const char* line;
    CommandLine command;
    friend void PrintTo(const CommandCase& c, std::ostream* os) {
        *os << ::testing::PrintToString(c.line);
    }
};

class LogicCommandLine : public ::testing::TestWithParam<CommandCase> {};

TEST_P(LogicCommandLine, Split) {
    EXPECT_EQ(splitCommandLine(GetParam().line), GetParam().command) << GetParam().line;
}

INSTANTIATE_TEST_SUITE_P(
    Values, LogicCommandLine,
    ::testing::Values(
        CommandCase{"/disc/setup.exe", {"/disc/setup.exe", {}}},
        CommandCase{"  /disc/setup.exe  ", {"/disc/setup.exe", {}}},
        CommandCase{"/disc/My Tools/run.exe -a b", {"/disc/My Tools/run.exe", {"-a", "b"}}},
        CommandCase{"/disc/a.exe.bak/run.EXE x", {"/disc/a.exe.bak/run.EXE", {"x"}}},
        CommandCase{"\"/disc/My Tools/run.exe\" \"one two\" three",
                    {"/disc/My Tools/run.exe", {"one two", "three"}}},
        CommandCase{"\"/disc/unclosed.exe", {"/disc/unclosed.exe", {}}},
        CommandCase{"run x;rm -rf /", {"run", {"x;rm", "-rf", "/"}}},
        CommandCase{"a.exe $(reboot) `id` | cat", {"a.exe", {"$(reboot)", "`id`", "|", "cat"}}},
        CommandCase{"", {"", {}}}));

TEST(LogicLinkWordsHost, MissingSourceMessage) {
    LanguageTexts texts;
    texts.FTextSourceFile = "Zdrojovy soubor";
    texts.FTextDoesNotExist = "neexistuje";
    EXPECT_EQ(missingSourceMessage(texts, " file:///disc/a.zip "),
              "Zdrojovy soubor \"file:///disc/a.zip\" neexistuje.");
}

}  // namespace
}  // namespace expo::presentation
