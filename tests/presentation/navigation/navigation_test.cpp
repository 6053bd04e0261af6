// The navigation tree, the path bar above the page and the link words of the pages.
#include "presentation/navigation/navigation.h"

#include <gmock/gmock.h>

#include <tuple>

#include "platform/text/error.h"
#include "presentation/navigation/link_words.h"
#include "presentation/navigation/path_bar.h"
#include "tests/support/settings.h"

namespace expo::presentation {
namespace {

using testing::keyed;
using testing::settings;

// The tree as "A[B C[D]] E": captions in order, children in brackets.
std::string outline(const std::vector<std::unique_ptr<NavNode>>& nodes) {
    std::string text;
    for (const auto& n : nodes) {
        text += (text.empty() ? "" : " ") + n->caption +
                (n->children.empty() ? "" : "[" + outline(n->children) + "]");
    }
    return text;
}

NavigationTree build(const IniFile& config, int language = 0, bool hideData = false) {
    return buildNavigationTree(config, config.sections(), language, hideData);
}

TEST(LogicNavigation, TreeShape) {
    const std::pair<const char*, const char*> cases[] = {
        // clang-format off
        // Items in file order; a parent may stand later.
        {"[polozka 2]\nrodic=polozka 1\ntext0=2\nurl0=2\n[polozka 1]\ntext0=1\nurl0=1\n"
         "[polozka 3]\nrodic=polozka 1\ntext0=3\nurl0=3\n[polozka 4]\ntext0=4\nurl0=4\n", "1[2 3] 4"},
        // The item word and the parent key respect letter case.
        {"[Polozka V]\ntext0=V\nurl0=v\n[mojepolozkaxyz]\ntext0=U\nurl0=u\n", "U"},
        {"[polozka 1]\ntext0=1\nurl0=1\n[polozka 2]\nrodic=POLOZKA 1\ntext0=2\nurl0=2\n", "1"},
        // Children of an item without a caption go to the top; no page or template, no node.
        {"[polozka 1]\ntext0=1\nurl0=1\n[polozka 2]\nrodic=polozka 1\nurl0=2\n"
         "[polozka 3]\nrodic=polozka 2\ntext0=3\nurl0=3\n", "1 3"},
        {"[polozka 1]\ntext0=1\n[polozka 2]\nrodic=polozka 1\ntext0=2\nurl0=2\n", "2"},
        // A repeated section is built once, as written last.
        {"[polozka 1]\ntext0=Stara\nurl0=1\n[polozka 2]\nrodic=polozka 1\ntext0=D\nurl0=2\n"
         "[polozka 1]\ntext0=Nova\nurl0=1\n", "Nova[D]"},
        // A repeated hidden exhibitor item hands its items to its parent once.
        {"[polozka 1]\ntext0=1\nurl0=1\n[SysPolozkaVystavovatele]\nrodic=polozka 1\ntext0=V\nsablona0=s\n"
         "[polozka 2]\nrodic=SysPolozkaVystavovatele\ntext0=2\nurl0=2\n"
         "[SysPolozkaVystavovatele]\nrodic=polozka 1\ntext0=V\nsablona0=s\n", "1[2]"},
        // clang-format on
    };
    for (const auto& [text, shape] : cases) {
        EXPECT_EQ(outline(build(settings(text), 0, true).roots()), shape) << text;
    }
    EXPECT_EQ(outline(build(settings("[polozka 1]\ntext0=A\ntext1=B\nurl1=1\n"), 1).roots()), "B");
    // Written twice at every one of 20 levels, the items would make 2^21 - 2 nodes.
    std::string chain, shape;
    for (int level = 1; level <= 20; ++level) {
        const std::string n = std::to_string(level);
        for (int copy = 0; copy < 2; ++copy) {
            chain += "[polozka " + n + "]\ntext0=" + n + "\nurl0=x\n" +
                     (level > 1 ? "rodic=polozka " + std::to_string(level - 1) + "\n" : "");
        }
        shape = level == 1 ? n : shape.insert(shape.size() - (level - 2), "[" + n + "]");
    }
    EXPECT_EQ(outline(build(settings(chain)).roots()), shape);
}

TEST(LogicNavigation, NodeRecordsAndTheExhibitorNode) {
    const IniFile config = settings(
        "[polozka 1]\ntext0=Úvod\nurl0=uvod/index.htm\n"
        "[SysPolozkaVystavovatele]\nrodic=polozka 1\ntext0=V\nsablona0=s.htm\n"
        "[polozka 3]\nrodic=SysPolozkaVystavovatele\ntext0=3\nurl0=3.htm\n"
        "[xSysPolozkaVystavovatele2]\ntext0=W\nsablona0=s.htm\n");
    const NavigationTree tree = build(config);
    EXPECT_EQ(outline(tree.roots()), text::cp("Úvod[V[3]] W"));
    const TNodeData &page = tree.roots()[0]->data, &exhibitors = tree.roots()[0]->children[0]->data;
    EXPECT_EQ(
        std::tuple(page.Url + "|" + page.ItemKey + "|" + exhibitors.Url, page.Kind, exhibitors.Kind,
                   page.SubPageFiles.has_value()),
        std::tuple("uvod/index.htm|polozka 1|", NodeKind::Page, NodeKind::ExhibitorItem, false));
    EXPECT_EQ(tree.exhibitorNode, tree.roots()[1].get()) << "the last exhibitor item wins";
    const NavigationTree hidden = build(config, 0, true);
    EXPECT_EQ(outline(hidden.roots()) + (hidden.exhibitorNode ? "+" : ""), text::cp("Úvod[3]"));
    EXPECT_EQ(build(config, 1).exhibitorNode, nullptr) << "no node in the language";
}

// Sub-pages split at semicolons up to the first empty file, read from the language's keys.
TEST(LogicNavigation, SubPages) {
    using Texts = std::optional<std::vector<std::string>>;
    const std::tuple<const char*, const char*, Texts, Texts> cases[] = {
        // clang-format off
        {"a.htm; b.htm", "Prvni", {{"a.htm", "b.htm"}}, {{"Prvni", ""}}},
        {"a.htm;;b.htm", "A;B;C", {{"a.htm"}}, {{"A"}}}, {";a.htm", "A", {{}}, {{}}},
        {" a.htm ; b.htm ;", " A ; B ; C ", {{"a.htm", "b.htm"}}, {{"A", "B"}}},
        {"", "Titulek", std::nullopt, std::nullopt},
        // clang-format on
    };
    for (const auto& [files, titles, expectedFiles, expectedTitles] : cases) {
        TNodeData data;
        splitSubPages(files, titles, data);
        EXPECT_EQ(std::tie(data.SubPageFiles, data.SubPageTitles),
                  std::tie(expectedFiles, expectedTitles))
            << files;
    }
    const NavigationTree tree = build(
        settings("[polozka]\ntext1=P\nurl1=p\nfulltext1=p1;p2\nfulltextName1=A;B\nfulltext0=x\n"),
        1);
    EXPECT_EQ(*tree.roots().at(0)->data.SubPageTitles, (std::vector<std::string>{"A", "B"}));
}

TEST(LogicPathBar, NamesTheNodeAndItsAncestorsFromTheRoot) {
    // Root > Child > Leaf, the leaf with an open sub-page; only the given node names its sub-page.
    NavigationTree tree;
    NavNode& root = tree.add(nullptr, "Root", {});
    NavNode& child = tree.add(&root, "Child", {});
    NavNode& leaf = tree.add(&child, "Leaf", {});
    leaf.data.CurrentSubPageFile = "leaf/2.htm";
    leaf.data.CurrentSubPageTitle = " Second ";
    child.data.CurrentSubPageTitle = "Other";
    const PathBar bar = buildPathBar(&leaf, 0, true, {});
    EXPECT_EQ(bar.caption, "- Root - Child - Leaf - Second");
    EXPECT_THAT(bar.page,
                ::testing::HasSubstr(
                    ">- <a href=\"link_0_2\">Root</a> - <a href=\"link_0_1\">Child</a> - "
                    "<a href=\"link_0_0\">Leaf</a> - <a href=\"link_1_0\">Second</a></td>"));
    const PathBar up = buildPathBar(&child, 0, false, {});
    EXPECT_EQ(up.caption, "- Root - Child");
    EXPECT_THAT(up.page, ::testing::HasSubstr(">- <a href=\"link_0_1\">Root</a> - "
                                              "<a href=\"link_0_0\">Child</a></td>"));
    EXPECT_EQ(bar.nodes, (std::vector<const NavNode*>{&leaf, &child, &root}));
    leaf.data.CurrentSubPageTitle = "   ";
    EXPECT_EQ(buildPathBar(&leaf, 0, true, {}).caption, "- Root - Child - Leaf");
}

// The bar's colours, font and font size come from the path-bar settings of the look.
TEST(LogicPathBar, StyleFollowsTheLook) {
    Look look;
    readPanelLook(settings("[menu - graficka podoba]\ninfPruhPismoBarva=$00563412\n"
                           "infPruhPismoBarvaAktivni=$000000FF\ninfPruhPozadiBarva=$00FF0000\n"
                           "infPruhPismoVelikost=11\n"),
                  look);
    NavigationTree tree;
    const std::string page =
        buildPathBar(&tree.add(nullptr, "R", {}), 0, false, pathBarStyleOf(look)).page;
    for (const char* part : {"link=\"#123456\" vlink=\"#123456\" alink=\"#FF0000\"",
                             "bgcolor=\"#0000FF\"", "font-family: Verdana; font-size: 11pt"}) {
        EXPECT_THAT(page, ::testing::HasSubstr(part));
    }
}

TEST(LogicPathBar, LinkTargets) {
    // Whether the URL is a bar's link, and the node (of three) it leads to: "-" for none.
    const std::pair<const char*, const char*> cases[] = {
        // clang-format off
        {"file:///tmp/x/link_0_2", "1 2"}, {"file:///tmp/x/LINK_1_0", "1 0 sub-page"}, {"link_0_3", "1 -"},
        {"/home/u/symlink_tmp/expozice-0/link_0_1", "1 1"}, {"file:///tmp/x/temp_path.html", "0 -"},
        // clang-format on
    };
    for (const auto& [url, expected] : cases) {
        const auto t = pathBarTarget(url, 3);
        EXPECT_EQ(std::to_string(isPathBarLink(url)) + " " +
                      (!t ? "-" : std::to_string(t->index) + (t->subPage ? " sub-page" : "")),
                  expected)
            << url;
    }
}

// Records what the handler asks of the window, the calls separated by " / ".
// clang-format off
struct RecordingHost : PageLinkHost {
    RecordingHost() {
        NavNode& pages = tree.add(nullptr, "Pages", keyed("polozka Pages"));
        NavNode& deep = tree.add(&pages, "Deep", keyed("polozka deep"));
        deep.data.SubPageFiles = {{"_polozka deep"}};
        deep.data.SubPageTitles = {{"D"}};
        selected = &pages;
        pages.data.SubPageFiles = {{"pages/Jedna.htm", "pages\\dva.htm", "pages/tri.htm"}};
        pages.data.SubPageTitles = {{"Jedna", "", "Tri"}};
    }
    bool none = false, noEntry = false, copyFails = false, switchFails = false;
    std::string calls;
    NavigationTree tree;
    NavNode* selected = nullptr;
    void call(const std::string& what, bool fails = false) {
        calls += " / " + what;
        if (fails) throw Error("failed");
    }
    bool hasCurrentExhibitor() const override { return !noEntry; }
    void showCurrentExhibitor() override { call(noEntry ? "no entry" : "show entry"); }
    const NavigationTree& navigationTree() const override { return tree; }
    void selectNavigationNode(NavNode& node) override { call("select " + node.caption); selected = &node; }
    NavNode* selectedNavigationNode() override { return selected; }
    void showSubPageInPathBar(NavNode& node) override {
        call("sub-page " + node.caption + " " + node.data.CurrentSubPageFile + " " + node.data.CurrentSubPageTitle);
    }
    void startProgram(const CommandLine& c) override { call("start " + c.program + (c.arguments.empty() ? "" : " [" + c.arguments.back())); }
    void offerCopy(std::string_view url) override { call("copy " + std::string(url), copyFails); }
    void switchLanguage(int language) override { call("language " + std::to_string(language), switchFails); }
};
// clang-format on

// "cancel" or "pass" as decided first, then the window's calls when the link is followed, and
// " / error" when following it threw.
std::string outcome(std::string_view url, RecordingHost& host) {
    const bool cancel = pageLinkCancels(url, host);
    try {
        followPageLink(url, host);
    } catch (const Error&) {
        host.calls += " / error";
    }
    return (cancel ? "cancel" : "pass") + host.calls;
}

TEST(LogicLinkWords, ActionsAndCancel) {
    const struct {
        const char* url;
        const char* expected;
        bool RecordingHost::*failure = &RecordingHost::none;  // what the window cannot do
    } cases[] = {
        // clang-format off
        {"file:///disc/pages/index.htm", "pass"}, {"file:///disc/ZPET:1", "cancel / show entry"},
        {"zpet:", "pass / no entry", &RecordingHost::noEntry},
        {"file:///disc/go_polozka_polozka deep", "cancel / select Deep / sub-page Deep _polozka deep D"},
        {"GO_POLOZKA_polozka Pages", "cancel / select Pages"},
        {"go_polozka_polozka Deep", "pass"},  // the key respects case and is not decoded
        {"file:///disc/pages\\jedna.htm", "pass / sub-page Pages pages/Jedna.htm Jedna"},
        {"file:///disc/pages/dva.htm", "pass"},  // a sub-page without title
        {"file:///disc/bin/Setup.EXE /S \"C:/Program Files\"",
         "cancel / start /disc/bin/Setup.EXE [C:/Program Files"},
        // Only a program whose file name ends in ".exe" is started.
        {"/bin/sh -c \"touch x\" .exe2", "cancel"}, {"file:///disc/film.MPEG", "cancel"},
        {"file:///disc/ceny.zip", "cancel / copy file:///disc/ceny.zip"},
        // A failed copy stops the later words but cancels; a failed switch is swallowed.
        {"a.zip?nastav_jaz1", "cancel / copy a.zip?nastav_jaz1 / error", &RecordingHost::copyFails},
        {"NASTAV_JAZ3", "cancel / language 3"},
        {"nastav_jaz-1", "cancel / language -1", &RecordingHost::switchFails},  // any integer
        {"file:///disc/nastav_jaz1.html", "cancel"},  // no integer: cancelled, no switch
        // Several words: each acts, in a fixed order.
        {"zpet:pages/tri.htm.exe .mpg.zip nastav_jaz2",
         "cancel / show entry / sub-page Pages pages/tri.htm Tri / start zpet:pages/tri.htm.exe "
         "[nastav_jaz2 / copy zpet:pages/tri.htm.exe .mpg.zip nastav_jaz2 / language 2"},
        // clang-format on
    };
    for (const auto& c : cases) {
        RecordingHost host;
        host.*c.failure = true;
        EXPECT_EQ(outcome(c.url, host), c.expected) << c.url;
    }
    // The sub-page is the selected node's; the node selected before keeps none, also when the
    // link names one of its sub-pages.
    RecordingHost host;
    EXPECT_EQ(outcome("pages/tri.htm?go_polozka_polozka deep", host),
              "cancel / select Deep / sub-page Deep _polozka deep D");
    EXPECT_EQ(host.tree.roots()[0]->data.CurrentSubPageFile, "");
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

TEST(LogicLinkWords, LocalPathFileNameCommandLineAndTheLinksKeptAsWords) {
    const std::tuple<std::string (*)(std::string_view), const char*, const char*> cases[] = {
        // clang-format off
        {localPathFromUrl, "FILE:///disc/a%20b.zip#page", "/disc/a%20b.zip"},
        {localPathFromUrl, "file://server/share/a.zip", "//server/share/a.zip"},
        {split, "  /disc/My Tools/run.exe -a  b ", "/disc/My Tools/run.exe|-a|b"},
        {split, "\"/disc/My Tools/run.exe\" \"one two\" three", "/disc/My Tools/run.exe|one two|three"},
        {localPathFromUrl, "data\\a.zip", "data\\a.zip"}, {split, "\"/disc/unclosed.exe", "/disc/unclosed.exe"},
        {fileNameOfLink, "file:///disc/Ceniky/a%20b.zip#page", "a%20b.zip"}, {fileNameOfLink, "data\\sub/ceny 1.zip", "ceny 1.zip"},
        {holds, "ZPET:", "word"}, {holds, "go_polozka_polozka_x", "word"}, {holds, "video:film.MPEG", "word"},
        {holds, "nastav_jaz2", "word"}, {holds, "archiv:ceniky.zip", "word"},
        {holds, "program:pruvodce.EXE", "word"}, {holds, "mailto:zpet@veletrh.cz", "desktop"},
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
