// The pages of the demo disc: links that lead to files on the disc or are link words the
// viewer knows, the intro and header links, the code page, and the exhibitor templates with
// their keywords, blocks and loops. The settings files: every language text in every language,
// and every page, template and picture that the settings name, found as the program finds them;
// the page about the fair tells as many sections as the navigation tree shows.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "platform/text/text.h"
#include "presentation/navigation/navigation.h"
#include "tests/support/temp_folder.h"
#include "tests/tools/demogen/disc_support.h"

namespace expo::demotest {
namespace {
namespace fs = std::filesystem;

std::vector<std::string> linksOf(const std::string& html) {
    static const std::regex link(R"re((?:href|src)="([^"]*)")re", std::regex::icase);
    std::vector<std::string> links;
    for (auto it = std::sregex_iterator(html.begin(), html.end(), link);
         it != std::sregex_iterator(); ++it) {
        links.push_back((*it)[1].str());
    }
    return links;
}

bool isTemplate(const fs::path& page) {
    return page.parent_path().filename() == "sablony";
}

// Every link of every page (the templates aside) is a link word with a valid target, a link to
// the internet, a video link (never followed), or a file on the disc.
TEST(DemoDiscPages, EveryLinkLeadsToAFileOrIsALinkWord) {
    const IniFile config = discIni("config.ini");
    int checked = 0;
    std::set<std::string> words;
    for (const fs::path& page : discFiles(".html")) {
        if (isTemplate(page)) {
            continue;
        }
        const std::string html = readDiscFile(page);
        for (const std::string& link : linksOf(html)) {
            SCOPED_TRACE(page.string() + ": " + link);
            const std::string lower = text::asciiLower(link);
            if (lower.starts_with("http:") || lower.starts_with("mailto:")) {
                continue;
            }
            if (lower == "zpet:") {
                words.insert("zpet:");
            } else if (lower.starts_with("go_polozka_")) {
                const std::string key = link.substr(11);
                EXPECT_TRUE(key.starts_with("polozka") || key.starts_with("sekce "));
                EXPECT_TRUE(config.sectionExists(key));
                words.insert(key.starts_with("polozka") ? "go_polozka_polozka"
                                                        : "go_polozka_sekce");
            } else if (lower.starts_with("nastav_jaz")) {
                const auto n = text::tryStrToInt(link.substr(10));
                EXPECT_TRUE(n && *n >= 0 && *n < kLanguages);
                words.insert("nastav_jaz");
            } else if (lower.ends_with(".mpg") || lower.ends_with(".mpeg") ||
                       lower.ends_with(".avi")) {
                words.insert("video");
            } else {
                // A program's link may give it arguments after a blank ("%20").
                const size_t program = lower.find(".exe%20");
                const std::string file =
                    program == std::string::npos ? link : link.substr(0, program + 4);
                const fs::path target =
                    fs::relative(page.parent_path() / file, disc()).lexically_normal();
                EXPECT_FALSE(target.generic_string().starts_with("..")) << "leaves the disc";
                EXPECT_TRUE(existsOnDisc(target.generic_string()));
                if (lower.ends_with(".zip")) {
                    words.insert(".zip");
                } else if (text::asciiLower(file).ends_with(".exe")) {
                    words.insert(".exe");
                }
                ++checked;
            }
        }
    }
    EXPECT_GT(checked, 100);
    EXPECT_EQ(words, (std::set<std::string>{".exe", ".zip", "go_polozka_polozka",
                                            "go_polozka_sekce", "nastav_jaz", "video", "zpet:"}));
}

// The intro offers the five languages and an exit; each of the five header pages switches to
// every language.
TEST(DemoDiscPages, IntroAndHeaderPagesOfferTheLanguages) {
    const IniFile config = discIni("config.ini");
    const std::vector<std::string> intro =
        linksOf(readDiscFile(resolve(config.readString("uvod", "url", ""))));
    EXPECT_EQ(std::set<std::string>(intro.begin(), intro.end()),
              (std::set<std::string>{"jazyk0.html", "jazyk1.html", "jazyk2.html", "jazyk3.html",
                                     "jazyk4.html", "appexit.html"}));
    int headers = 0;
    for (const fs::path& page : discFiles(".html")) {
        if (page.parent_path().filename() == "zahlavi") {
            ++headers;
            const std::vector<std::string> links = linksOf(readDiscFile(page));
            for (int l = 0; l < kLanguages; ++l) {
                EXPECT_EQ(std::count(links.begin(), links.end(), "nastav_jaz" + std::to_string(l)),
                          1)
                    << page;
            }
        }
    }
    EXPECT_EQ(headers, kLanguages);
}

// The texts went onto the disc in code page 1250: a page that still held UTF-8 would show
// every accented letter as two wrong ones.
TEST(DemoDiscPages, TextFilesAreInCodePage1250) {
    for (const char* extension : {".html", ".ini", ".css"}) {
        for (const fs::path& file : discFiles(extension)) {
            const std::string bytes = readDiscFile(file);
            const bool ascii = std::all_of(bytes.begin(), bytes.end(), [](char c) {
                return static_cast<unsigned char>(c) < 0x80;
            });
            EXPECT_TRUE(ascii || !text::isValidUtf8(bytes)) << file << " is UTF-8";
            EXPECT_NE(bytes.find("\r\n"), std::string::npos) << file << " lacks CR LF line ends";
            if (std::string_view(extension) == ".html") {
                EXPECT_NE(bytes.find("charset=\"windows-1250\""), std::string::npos) << file;
            }
        }
    }
}

TEST(DemoDiscPages, ProgramLinkedFromThePagesIsExecutable) {
    struct stat info {};
    ASSERT_EQ(::stat(resolve("ke_stazeni/pruvodce.exe").c_str(), &info), 0);
    EXPECT_NE(info.st_mode & S_IXUSR, 0u);
}

// The site plan's tiles that lead nowhere (an area without a floor plan) say so and are drawn
// as a note: no fill, a dashed frame and the plain pointer, unlike the tiles that are links.
TEST(DemoDiscPages, SitePlanTilesWithoutATargetDoNotLookLikeLinks) {
    const std::string css = readDiscFile(resolve("styl/disk.css"));
    const size_t rule = css.find(".mapa span {");
    ASSERT_NE(rule, std::string::npos);
    const std::string body = css.substr(rule, css.find('}', rule) - rule);
    for (const char* declaration :
         {"background: transparent;", "border: 2px dashed", "cursor: default;"}) {
        EXPECT_NE(body.find(declaration), std::string::npos) << declaration;
    }
    static const std::regex tile("<span>[^<]+<small>[^<]+</small></span>");
    for (int l = 0; l < kLanguages; ++l) {
        const std::string page =
            readDiscFile(resolve("stranky/plan" + std::to_string(l) + ".html"));
        EXPECT_TRUE(std::regex_search(page, tile)) << l;
    }
}

// The guide that the download page of each language starts speaks that language, and where the
// desktop has only xmessage, which draws the X server's fonts, in plain ASCII letters; a dialog
// tool of the desktop goes first.
TEST(DemoDiscPages, GuideSpeaksThePagesLanguageReadablyWithTheToolsAtHand) {
    // Each language's code and the guide's title as xmessage shows it.
    const std::pair<const char*, const char*> languages[kLanguages] = {
        {"cs", "Pruvodce vystavistem LIPOVA 2025"},
        {"en", "Fairground guide LIPOVA 2025"},
        {"de", "Gelaendefuehrer LIPOVA 2025"},
        {"pl", "Przewodnik po terenach targowych LIPOVA 2025"},
        {"sk", "Sprievodca vystaviskom LIPOVA 2025"}};
    const expo::testing::TempFolder tools;
    const fs::path log = tools.path() / "log";
    // A stand-in for a desktop tool: it writes its name and its arguments, one a line.
    const auto install = [&](const char* tool) {
        tools.writeExecutable(
            std::string("bin/") + tool,
            "#!/bin/sh\nprintf '%s\\n' \"${0##*/}\" \"$@\" > " + log.string() + "\n");
    };
    const auto run = [&](const std::string& argument) {
        fs::remove(log);
        const std::string command = "env -i DISPLAY=:9 PATH=" + (tools.path() / "bin").string() +
                                    " " + resolve("ke_stazeni/pruvodce.exe") + " " + argument;
        EXPECT_EQ(std::system(command.c_str()), 0) << command;
        return os::readFileIfExists(log.string()).value_or("");
    };
    install("xmessage");
    for (int l = 0; l < kLanguages; ++l) {
        const auto [code, ascii] = languages[l];
        const std::string page =
            readDiscFile(resolve("stranky/stazeni" + std::to_string(l) + ".html"));
        EXPECT_NE(page.find(std::string("pruvodce.exe%20") + code), std::string::npos) << l;
        const std::string shown = run(code);
        EXPECT_TRUE(shown.starts_with("xmessage\n")) << shown;
        EXPECT_NE(shown.find(ascii), std::string::npos) << shown;
        EXPECT_TRUE(std::all_of(shown.begin(), shown.end(), [](char c) {
            return static_cast<unsigned char>(c) < 0x80;
        })) << shown;
    }
    install("zenity");
    EXPECT_TRUE(run("de").starts_with("zenity\n--info\n--title=Gelaendefuehrer LIPOVA 2025\n"));
}

// Through the real xmessage, on an X server of its own and in a UTF-8 locale, the guide says
// nothing on the viewer's terminal: no warnings of the X toolkit about the fonts of character
// sets the server lacks. A real error still gets there.
TEST(DemoDiscPages, GuideThroughXmessageLeavesTheTerminalQuiet) {
    if (std::system("(command -v xmessage && command -v xvfb-run) >/dev/null") != 0) {
        GTEST_SKIP() << "xmessage and xvfb-run (x11-utils, xvfb) show the guide";
    }
    const expo::testing::TempFolder tools;
    // The real one, ended after a second instead of by a click.
    tools.writeExecutable("bin/xmessage", "#!/bin/sh\nPATH='" + std::string(std::getenv("PATH")) +
                                              "' exec xmessage -timeout 1 \"$@\"\n");
    const fs::path terminal = tools.path() / "terminal";
    const std::string nowhere = ":" + std::to_string(INT16_MAX);  // a display nobody runs
    const std::pair<std::string, std::string> cases[] = {
        // the environment, what is said
        {"LANG=C.UTF-8", ""},
        {"LC_ALL=C.UTF-8", ""},
        {"LC_ALL=C.UTF-8 DISPLAY=" + nowhere, "Error: Can't open display: " + nowhere + "\n"}};
    for (const auto& [environment, said] : cases) {
        const std::string command =
            "xvfb-run -a sh -c 'env -i DISPLAY=\"$DISPLAY\" XAUTHORITY=\"$XAUTHORITY\" " +
            environment + " PATH=" + (tools.path() / "bin").string() + " " +
            resolve("ke_stazeni/pruvodce.exe") + " cs 2>" + terminal.string() + "'";
        EXPECT_EQ(std::system(command.c_str()) == 0, said.empty()) << command;
        EXPECT_EQ(os::readFile(terminal.string()), said) << environment;
    }
}

// Every template nests its blocks three deep and uses the same sixty keywords beside its loops
// as the others (that the viewer knows them all shows in the exhibitor pages, which have no
// error marks), and ends each of its seven loops once.
TEST(DemoDiscTemplates, KeywordsBlocksAndLoops) {
    const IniFile config = discIni("config.ini");
    std::set<std::string> first;
    for (int l = 0; l < kLanguages; ++l) {
        const std::string file =
            config.readString("SysPolozkaVystavovatele", "sablona" + std::to_string(l), "");
        SCOPED_TRACE(file);
        std::set<std::string> used;
        std::map<std::string, int> ends;
        int depth = 0, deepest = 0;
        bool inKeyword = false;
        std::string keyword;
        for (const char c : readDiscFile(resolve(file))) {
            if (c == '#' && inKeyword) {
                const std::string upper = text::upper(std::exchange(keyword, ""));
                if (upper.starts_with("END")) {
                    ++ends[upper.substr(3)];
                } else if (upper.starts_with("EXPONATNOVINKA")) {
                    EXPECT_GT(upper.size(), 14u) << "the novelty mark shows the text after it";
                    used.insert("EXPONATNOVINKA");
                } else if (!upper.starts_with("BEGIN")) {
                    used.insert(upper);
                }
            }
            if (c == '#') {
                inKeyword = !inKeyword;
            } else if (inKeyword) {
                keyword += c;
            } else if (c == '{') {
                deepest = std::max(deepest, ++depth);
            } else if (c == '}') {
                EXPECT_GE(--depth, 0);
            }
        }
        EXPECT_EQ(depth, 0);
        EXPECT_FALSE(inKeyword);
        EXPECT_EQ(deepest, 3);
        EXPECT_EQ(used.size(), 60u);
        first = first.empty() ? used : first;
        EXPECT_EQ(used, first);
        EXPECT_EQ(ends.size(), 7u);
        for (const auto& [loop, count] : ends) {
            EXPECT_EQ(count, 1) << loop;
        }
    }
}

using text::cp;

// Every language text (sections "text ..." and "tlačítko ...") is given in all five languages.
TEST(DemoDiscSettings, EveryLanguageTextIsGivenInAllFiveLanguages) {
    const IniFile config = discIni("config.ini");
    int texts = 0;
    for (const std::string& section : config.sections()) {
        if (!section.starts_with("text ") && !section.starts_with(cp("tlačítko "))) {
            continue;
        }
        ++texts;
        for (int l = 0; l < kLanguages; ++l) {
            EXPECT_NE(text::trim(config.readString(section, "jaz" + std::to_string(l), "")), "")
                << text::cp1250ToUtf8(section) << " jaz" << l;
        }
    }
    EXPECT_GE(texts, 78);  // "text Nebo" and "text nebo" are one
}

// Every node of the navigation tree, in every language, shows a page that is on the disc, and
// so does every sub-page it names; the template of every language is there too.
TEST(DemoDiscSettings, NavigationTreeOfEveryLanguageNamesPagesOnTheDisc) {
    const IniFile config = discIni("config.ini");
    for (int l = 0; l < kLanguages; ++l) {
        SCOPED_TRACE("language " + std::to_string(l));
        const presentation::NavigationTree tree =
            presentation::buildNavigationTree(config, config.sections(), l, false);
        ASSERT_NE(tree.exhibitorNode, nullptr);
        EXPECT_TRUE(existsOnDisc(
            config.readString("SysPolozkaVystavovatele", "sablona" + std::to_string(l), "")));
        std::vector<const presentation::NavNode*> pending;
        for (const auto& root : tree.roots()) {
            pending.push_back(root.get());
        }
        while (!pending.empty()) {
            const presentation::NavNode* node = pending.back();
            pending.pop_back();
            EXPECT_TRUE(existsOnDisc(node->data.Url)) << node->data.Url;
            if (node->data.SubPageFiles) {
                for (size_t i = 0; i < node->data.SubPageFiles->size(); ++i) {
                    EXPECT_TRUE(existsOnDisc((*node->data.SubPageFiles)[i]));
                    EXPECT_NE((*node->data.SubPageTitles)[i], "");
                }
            }
            for (const auto& child : node->children) {
                pending.push_back(child.get());
            }
        }
    }
}

// The advertisement and presentation pages of every exhibitor in every language, and the
// floor plans of every section and area, as the template keywords look them up.
TEST(DemoDiscSettings, FolderSettingsNamePagesOnTheDisc) {
    const DataFile exhibitors(2);
    int links = 0;
    for (const auto& [iniName, folder] : {std::pair{"Inzeraty\\index.ini", "inzeraty\\"},
                                          std::pair{"Expozice\\index.ini", "expozice\\"}}) {
        const IniFile ini = discIni(iniName);
        for (size_t row = 0; row < exhibitors.rows(); ++row) {
            const std::string katId = exhibitors.text(row, "KAT_ID");
            for (int l = 0; l < kLanguages; ++l) {
                std::string page = text::trim(ini.readString(katId, "url" + std::to_string(l), ""));
                if (page.empty()) {
                    page = text::trim(ini.readString(katId, "url", ""));
                }
                if (!page.empty()) {
                    ++links;
                    EXPECT_TRUE(existsOnDisc(folder + page))
                        << iniName << " " << katId << " " << page;
                }
            }
        }
    }
    EXPECT_GE(links, 20);

    const IniFile plans = discIni("Umisteni\\umisteni.ini");
    const DataFile areas(9);
    int plansFound = 0;
    for (size_t row = 0; row < areas.rows(); ++row) {
        const std::string page = text::trim(
            plans.readString(areas.text(row, "SEKCE_ID"), areas.text(row, "PLO_ZKRAT"), ""));
        if (!page.empty()) {
            ++plansFound;
            EXPECT_TRUE(existsOnDisc("umisteni\\" + page)) << page;
        }
    }
    EXPECT_GT(plansFound, 0);
    EXPECT_LT(plansFound, static_cast<int>(areas.rows())) << "one area shows its bare code";
}

TEST(DemoFairPage, TellsTheNumberOfSectionsOnTheDisc) {
    const IniFile config = discIni("config.ini");
    size_t sections = 0;
    for (const std::string& name : config.sections()) {
        const std::string lower = text::asciiLower(name);
        sections += lower.starts_with("sekce ") && lower.ends_with(" na cd");
    }
    ASSERT_GT(sections, 0u);
    for (int l = 0; l < kLanguages; ++l) {
        const std::string html =
            readDiscFile(resolve("stranky\\veletrh" + std::to_string(l) + ".html"));
        EXPECT_NE(html.find("<li>" + std::to_string(sections) + " "), std::string::npos)
            << "language " << l;
    }
}

}  // namespace
}  // namespace expo::demotest
