// Reading rules of the settings files.
#include "platform/ini/inifile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <tuple>

#include "platform/text/error.h"
#include "platform/text/text.h"
#include "tests/support/temp_folder.h"

namespace expo {
namespace {

using text::cp;

constexpr const char* kMissing = "<missing>";

TEST(IniFile, ReadingRules) {
    const auto ini =
        IniFile::fromText(cp("orphan=before any section\r\n[uvod]\r\n  url = uvod.html  \r\n"
                             "\tjaz0=Čes\t\r\njaz1=\r\nvzorec = a=b=c\r\n"
                             "  ;jaz3=commented after blanks\r\njaz4 =\x01\x02\r\n"
                             "no equals sign here\r\nx]=1\n[b\n[  text Ulice  ]\r\nJAZ0=Street\n"
                             "[text Počet vystavovatelů]\rjaz1=\r[other]\nkey=1\nKEY=3\n"
                             "[Text Ulice]\njaz1=second\n"));
    // Section, key and the value (kMissing: the default comes back).
    const std::tuple<const char*, const char*, const char*> lookups[] = {
        {"uvod", "url", "uvod.html"},
        {"uvod", "jaz0", "Čes"},
        {"uvod", "jaz1", ""},
        {"uvod", "vzorec", "a=b=c"},
        {"uvod", ";jaz3", kMissing},
        {"uvod", "jaz4", ""},
        {"uvod", "no equals sign here", kMissing},
        {"uvod", "orphan", kMissing},
        {"", "orphan", kMissing},
        {"uvod", "x]", "1"},
        {"TEXT ULICE", "jaz1", "second"},  // the later section wins
        {"text Ulice", "jaz0", kMissing},
        {"TEXT POČET VYSTAVOVATELŮ", "JAZ1", ""},
        {"other", "key", "3"},  // the later key wins
    };
    for (const auto& [section, key, expected] : lookups) {
        EXPECT_EQ(ini.readString(cp(section), cp(key), kMissing), cp(expected)) << section << key;
        EXPECT_EQ(ini.valueExists(cp(section), cp(key)), expected != kMissing) << section << key;
    }
    EXPECT_EQ(ini.sections(),
              (std::vector<std::string>{"uvod", "text Ulice", cp("text Počet vystavovatelů"),
                                        "other", "Text Ulice"}));
}

TEST(IniFile, SectionsPresentWhenTheyHoldALineAndWholeNumbers) {
    const auto ini = IniFile::fromText(
        "[empty]\n\n;comment only\n[keyless]\njust a line\n[repeated]\nk=v\n[repeated]\n"
        "[s]\nhex=0x10\ndollar=$10\nplain= 12 \nempty=\nletters=12a\nhuge=99999999999\n");
    const std::pair<const char*, bool> sections[] = {
        {"empty", false}, {"KEYLESS", true}, {"repeated", false}, {"nothing", false}};
    for (const auto& [name, present] : sections) {
        EXPECT_EQ(ini.sectionExists(name), present) << name;
    }
    const std::pair<const char*, int> numbers[] = {{"hex", 16},    {"DOLLAR", 16},  {"plain", 12},
                                                   {"empty", 77},  {"letters", 77}, {"huge", 77},
                                                   {"missing", 77}};
    for (const auto& [key, value] : numbers) {
        EXPECT_EQ(ini.readInteger("s", key, 77), value) << key;
    }
}

TEST(IniFileLoad, FileMissingFileAndFolder) {
    testing::TempFolder dir;
    const auto path = dir.write("config.ini", cp("[aplikace]\r\nsirka=80%\r\n"));
    EXPECT_EQ(IniFile::load(path).readString("APLIKACE", "sirka", ""), "80%");
    EXPECT_TRUE(IniFile::load((dir.path() / "no" / "index.ini").string()).sections().empty());
    EXPECT_THROW(IniFile::load(dir.path().string()), Error);
}

// The superuser reads every file, so the load runs as an ordinary user in a child process.
TEST(IniFileLoad, FileWithoutReadPermissionFails) {
    testing::TempFolder dir;
    const auto path = dir.write("config.ini", "[a]\nb=c\n");
    ASSERT_EQ(::chmod(dir.path().c_str(), 0755), 0);
    ASSERT_EQ(::chmod(path.c_str(), 0), 0);
    const auto loadAsUser = [&] {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) {
            ::_exit(3);
        }
        try {
            IniFile::load(path);
        } catch (const Error&) {
            ::_exit(1);
        }
        ::_exit(0);
    };
    EXPECT_EXIT(loadAsUser(), ::testing::ExitedWithCode(1), "") << "0: read as empty, 3: no user";
}

}  // namespace
}  // namespace expo
