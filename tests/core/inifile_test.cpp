// Reading rules of the settings files.
#include "platform/ini/inifile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/text/error.h"
#include "platform/text/text.h"
#include "tests/core/temp_folder.h"

namespace expo {
namespace {

using text::cp;

constexpr const char* kMissing = "<missing>";

struct Lookup {
    const char* section;
    const char* key;
    const char* expected;  // kMissing: the default comes back
};

void expectLookups(const IniFile& ini, std::initializer_list<Lookup> lookups) {
    for (const auto& l : lookups) {
        EXPECT_EQ(ini.readString(cp(l.section), cp(l.key), kMissing), cp(l.expected))
            << "[" << l.section << "] " << l.key;
        EXPECT_EQ(ini.valueExists(cp(l.section), cp(l.key)), l.expected != kMissing)
            << "[" << l.section << "] " << l.key;
    }
}

TEST(IniFile, ReadingRules) {
    const auto ini =
        IniFile::fromText(cp("orphan=before any section\r\n"
                             "[uvod]\r\n"
                             "  url = uvod.html  \r\n"
                             "\tjaz0=Čes\t\r\n"
                             "jaz1=\r\n"
                             "vzorec = a=b=c\r\n"
                             ";jaz2=commented\r\n"
                             "  ;jaz3=commented after blanks\r\n"
                             "jaz4 =\x01\x02\r\n"
                             "no equals sign here\r\n"
                             "[  text Ulice  ]\r\n"
                             "JAZ0=Street\n"
                             "[text Počet vystavovatelů]\rjaz1=\r"));
    expectLookups(ini, {
                           {"uvod", "url", "uvod.html"},
                           {"uvod", "jaz0", "Čes"},
                           {"uvod", "jaz1", ""},
                           {"uvod", "vzorec", "a=b=c"},
                           {"uvod", "jaz2", kMissing},
                           {"uvod", ";jaz2", kMissing},
                           {"uvod", "jaz3", kMissing},
                           {"uvod", "jaz4", ""},
                           {"uvod", "no equals sign here", kMissing},
                           {"uvod", "orphan", kMissing},
                           {"", "orphan", kMissing},
                           {"text Ulice", "jaz0", "Street"},
                           {"TEXT ULICE", "Jaz0", "Street"},
                           {"TEXT POČET VYSTAVOVATELŮ", "JAZ1", ""},
                           {"text počet vystavovatelů", "jaz0", kMissing},
                           {"missing", "url", kMissing},
                       });
    EXPECT_EQ(ini.sections(),
              (std::vector<std::string>{"uvod", "text Ulice", cp("text Počet vystavovatelů")}));
}

TEST(IniFile, LaterSectionAndLaterKeyWin) {
    const auto ini = IniFile::fromText(
        "[text Nebo]\njaz0=first\njaz1=only in first\n"
        "[other]\nkey=1\nkey=2\nKEY=3\n"
        "[text nebo]\njaz0=second\n");
    expectLookups(ini, {
                           {"text Nebo", "jaz0", "second"},
                           {"text nebo", "jaz0", "second"},
                           {"text Nebo", "jaz1", kMissing},
                           {"other", "key", "3"},
                       });
    EXPECT_EQ(ini.sections(), (std::vector<std::string>{"text Nebo", "other", "text nebo"}));
}

TEST(IniFile, SectionPresence) {
    const auto ini = IniFile::fromText(
        "[empty]\n\n;comment only\n"
        "[keyless]\njust a line\n"
        "[valued]\nk=\n"
        "[repeated]\nk=v\n"
        "[repeated]\n"
        "[]\nanonymous=yes\n");
    const struct {
        const char* name;
        bool present;
    } cases[] = {{"empty", false},    {"keyless", true}, {"VALUED", true},
                 {"repeated", false}, {"", true},        {"nothing", false}};
    for (const auto& c : cases) {
        EXPECT_EQ(ini.sectionExists(c.name), c.present) << c.name;
    }
    EXPECT_EQ(ini.readString("", "anonymous", "no"), "yes");
}

TEST(IniFile, BracketLinesThatAreNotSections) {
    const auto ini = IniFile::fromText("[a]\n[b\nx]=1\n[ c ] =2\n");
    expectLookups(ini, {{"a", "x]", "1"}, {"a", "[ c ]", "2"}, {"b", "x]", kMissing}});
    EXPECT_EQ(ini.sections(), (std::vector<std::string>{"a"}));
}

TEST(IniFile, WholeNumbers) {
    const auto ini = IniFile::fromText(
        "[s]\nhex=0x10\ndollar=$10\nplain= 12 \nneg=-3\nempty=\nletters=abc\n"
        "trailing=12a\nsplit=1 2\nhuge=99999999999\nX=0X1f\n");
    const struct {
        const char* key;
        int expected;
    } cases[] = {{"hex", 16},   {"dollar", 16},  {"plain", 12},    {"neg", -3},
                 {"empty", 77}, {"letters", 77}, {"trailing", 77}, {"split", 77},
                 {"huge", 77},  {"x", 31},       {"missing", 77}};
    for (const auto& c : cases) {
        EXPECT_EQ(ini.readInteger("s", c.key, 77), c.expected) << c.key;
    }
    EXPECT_EQ(ini.readInteger("nosection", "hex", 5), 5);
}

TEST(IniFile, EmptyTextAndDefaultObject) {
    for (const IniFile& ini : {IniFile{}, IniFile::fromText(""), IniFile::fromText("\r\n\r\n")}) {
        EXPECT_EQ(ini.readString("a", "b", "def"), "def");
        EXPECT_FALSE(ini.sectionExists("a"));
        EXPECT_TRUE(ini.sections().empty());
    }
}

TEST(IniFileLoad, ReadsAFile) {
    testing::TempFolder dir;
    const auto path = dir.write("config.ini", cp("[aplikace]\r\nsirka=80%\r\n"));
    EXPECT_EQ(IniFile::load(path).readString("APLIKACE", "sirka", ""), "80%");
}

TEST(IniFileLoad, MissingFileReadsAsEmpty) {
    testing::TempFolder dir;
    EXPECT_TRUE(IniFile::load((dir.path() / "config.ini").string()).sections().empty());
    EXPECT_TRUE(IniFile::load((dir.path() / "no" / "index.ini").string()).sections().empty());
}

TEST(IniFileLoad, FolderInPlaceOfTheFileFails) {
    testing::TempFolder dir;
    std::filesystem::create_directory(dir.path() / "config.ini");
    EXPECT_THROW(IniFile::load((dir.path() / "config.ini").string()), Error);
}

// The superuser reads every file, so the load runs in a child process of an ordinary user.
TEST(IniFileLoad, FileWithoutReadPermissionFails) {
    testing::TempFolder dir;
    const auto path = dir.write("config.ini", "[a]\nb=c\n");
    ASSERT_EQ(::chmod(dir.path().c_str(), 0755), 0);
    ASSERT_EQ(::chmod(path.c_str(), 0), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) {
            ::_exit(3);
        }
        try {
            IniFile::load(path);
            ::_exit(0);
        } catch (const Error&) {
            ::_exit(1);
        } catch (...) {
            ::_exit(2);
        }
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 1) << "0: read as empty, 2: another exception, 3: no user";
}

}  // namespace
}  // namespace expo
