// Links to files: a program is started directly, a video is not followed, a ".zip" file is
// offered for saving; each of them cancels the navigation. Several words in one URL get all
// their actions, up to the first that fails.
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>

#include "platform/os/files.h"
#include "platform/text/error.h"
#include "platform/ui/save_dialog.h"
#include "tests/links/links_fixture.h"

namespace expo::presentation::testing {
namespace {

using text::cp;

std::string contentOf(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

class FileLinksTest : public LinksTest {
  protected:
    void SetUp() override {
        LinksTest::SetUp();
        writeDisc();
        disc.write("soubory/ceny.zip", "PK\x03\x04 ceny");
    }

    // A program of the disc that writes its arguments, each followed by "|", to "spusteno.txt"
    // beside itself.
    void writeProgram(const std::string& name) const {
        const std::string path = disc.write(
            name,
            "#!/bin/sh\nprintf '%s|' \"$@\" > \"$(dirname \"$0\")/spusteno.tmp\"\n"
            "mv \"$(dirname \"$0\")/spusteno.tmp\" \"$(dirname \"$0\")/spusteno.txt\"\n");
        std::filesystem::permissions(path, std::filesystem::perms::owner_exec,
                                     std::filesystem::perm_options::add);
    }
    std::optional<std::string> programOutput(const std::string& folder) const {
        const auto file = disc.path() / folder / "spusteno.txt";
        if (!waitFor([&] { return std::filesystem::exists(file); })) {
            return std::nullopt;
        }
        return contentOf(file);
    }

    // Answers the save dialog with `target` (none: cancelled), recording the preset names; the
    // dialog moves the current directory, as the system's dialog may.
    ui::ScopedSaveDialog answerSaveDialog(std::optional<std::string> target) {
        return ui::ScopedSaveDialog([this, target](std::string_view preset) {
            presets.emplace_back(preset);
            os::setCurrentDirectory(saved.path().string());
            return target;
        });
    }

    expo::testing::TempFolder saved;  // where copies are saved
    std::vector<std::string> presets;
};

TEST_F(FileLinksTest, AProgramStartsDirectlyWithTheArgumentsOfItsLink) {
    writeProgram("prog/spust.exe");
    withMainWindow([&](TFormExpozice& form) {
        // Found on the disc whatever the letter case; quotes group an argument with blanks, and
        // no shell sees the text.
        EXPECT_TRUE(follow(form, urlOf("PROG/Spust.EXE") + " prvni \"druhy treti\" ;$(false)"));
        EXPECT_EQ(programOutput("prog"), "prvni|druhy treti|;$(false)|");
        expectNoMessages();
    });
}

TEST_F(FileLinksTest, AProgramThatCannotStartShowsNothing) {
    disc.write("prog/soubor.exe", "no program");  // not executable
    withMainWindow([&](TFormExpozice& form) {
        EXPECT_TRUE(follow(form, urlOf("prog/soubor.exe")));
        EXPECT_TRUE(follow(form, urlOf("prog/chybi.exe")));
        EXPECT_TRUE(follow(form, "http://example.invalid/setup.exe"));
        expectNoMessages();
    });
}

TEST_F(FileLinksTest, VideoLinksAreCancelled) {
    withMainWindow([&](TFormExpozice& form) {
        for (const char* video : {"film.mpg", "film.MPEG", "film.avi", "film.mpeg?x=1"}) {
            EXPECT_TRUE(follow(form, urlOf("stranky/") + video)) << video;
        }
        expectNoMessages();
    });
}

TEST_F(FileLinksTest, AZipCopyReplacesAnExistingFileAndTheDirectoryComesBack) {
    const std::string target = saved.write("kopie.zip", "an older file, longer than the copy");
    withMainWindow([&](TFormExpozice& form) {
        const std::string before = os::currentDirectory();
        const auto dialog = answerSaveDialog(target);
        const std::string url = urlOf("soubory/ceny.zip");
        EXPECT_TRUE(follow(form, url));
        EXPECT_EQ(presets, std::vector<std::string>{url});
        EXPECT_EQ(contentOf(target), "PK\x03\x04 ceny");
        EXPECT_EQ(os::currentDirectory(), before);
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    });
}

TEST_F(FileLinksTest, AZipLinkCancelledInTheDialogCopiesNothing) {
    withMainWindow([&](TFormExpozice& form) {
        const std::string before = os::currentDirectory();
        const auto dialog = answerSaveDialog(std::nullopt);
        EXPECT_TRUE(follow(form, urlOf("soubory/chybi.zip")));
        EXPECT_EQ(presets.size(), 1u);
        EXPECT_TRUE(std::filesystem::is_empty(saved.path()));
        EXPECT_EQ(os::currentDirectory(), before);
        EXPECT_TRUE(sink.messages.empty()) << "a missing file is noticed only when saving";
    });
}

TEST_F(FileLinksTest, AMissingZipFileIsNamedInTheMessage) {
    withMainWindow([&](TFormExpozice& form) {
        const std::string before = os::currentDirectory();
        const auto dialog = answerSaveDialog((saved.path() / "kopie.zip").string());
        const std::string url = urlOf("soubory/chybi.zip") + "  ";
        bool cancel = false;
        try {
            form.WebBrowserBeforeNavigate2(url, cancel);
            ADD_FAILURE() << "no error";
        } catch (const Error& e) {
            EXPECT_EQ(e.what(),
                      cp("Zdrojový soubor \"") + urlOf("soubory/chybi.zip") + cp("\" neexistuje."));
        }
        EXPECT_TRUE(cancel);
        EXPECT_EQ(os::currentDirectory(), before);
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
        EXPECT_TRUE(std::filesystem::is_empty(saved.path()));
    });
}

TEST_F(FileLinksTest, AFailedCopyHasItsMessage) {
    writeDisc("[text Nastala chyba při kopírování souboru]\njaz0=Kopie se nezdařila\n");
    withMainWindow([&](TFormExpozice& form) {
        const auto dialog = answerSaveDialog((saved.path() / "chybi" / "kopie.zip").string());
        bool cancel = false;
        EXPECT_THROW(
            {
                try {
                    form.WebBrowserBeforeNavigate2(urlOf("soubory/ceny.zip"), cancel);
                } catch (const Error& e) {
                    EXPECT_EQ(e.what(), cp("Kopie se nezdařila."));
                    throw;
                }
            },
            Error);
        EXPECT_TRUE(cancel);
    });
}

TEST_F(FileLinksTest, SavingOverTheLinkedFileItselfFailsAndKeepsIt) {
    const std::string source = (disc.path() / "soubory" / "ceny.zip").string();
    withMainWindow([&](TFormExpozice& form) {
        const auto dialog = answerSaveDialog(source);
        bool cancel = false;
        EXPECT_THROW(form.WebBrowserBeforeNavigate2(urlOf("soubory/ceny.zip"), cancel), Error);
        EXPECT_TRUE(cancel);
        EXPECT_EQ(contentOf(source), "PK\x03\x04 ceny");
    });
}

TEST_F(FileLinksTest, AZipLinkClickedInThePageKeepsThePageAndReportsAFailure) {
    withMainWindow([&](TFormExpozice& form) {
        const auto dialog = answerSaveDialog((saved.path() / "kopie.zip").string());
        ASSERT_TRUE(waitFor([&] { return shows(*form.WebBrowser, "uvod.html"); }));
        click(*form.WebBrowser, "chybi");
        ASSERT_TRUE(waitFor([&] { return !sink.messages.empty(); }));
        ASSERT_EQ(sink.messages.size(), 1u);
        EXPECT_EQ(sink.messages.front().kind, ui::MessageKind::Error);
        EXPECT_NE(sink.messages.front().text.find(cp("\" neexistuje.")), std::string::npos);

        click(*form.WebBrowser, "ceny");
        ASSERT_TRUE(waitFor([&] { return presets.size() == 2; }));
        EXPECT_EQ(contentOf(saved.path() / "kopie.zip"), "PK\x03\x04 ceny");
        // The turned-down link may still be settling; the page must come back to rest on itself.
        EXPECT_TRUE(waitFor([&] { return shows(*form.WebBrowser, "uvod.html"); }));
        EXPECT_EQ(sink.messages.size(), 1u);
    });
}

TEST_F(FileLinksTest, SeveralWordsInOneUrlGetAllTheirActions) {
    writeProgram("prog/spust.exe");
    withMainWindow([&](TFormExpozice& form) {
        // A program, a video and a language switch: the program gets the rest as arguments.
        EXPECT_TRUE(follow(form, urlOf("prog/spust.exe") + " film.avi nastav_jaz1"));
        EXPECT_EQ(programOutput("prog"), "film.avi|nastav_jaz1|");
        EXPECT_EQ(form.language(), 1);
        EXPECT_EQ(form.TreeViewNavigace->topLevelItem(0)->text(0), "Welcome");
    });
}

TEST_F(FileLinksTest, AFailedCopyStopsTheWordsAfterIt) {
    withMainWindow([&](TFormExpozice& form) {
        const auto dialog = answerSaveDialog((saved.path() / "kopie.zip").string());
        bool cancel = false;
        EXPECT_THROW(form.WebBrowserBeforeNavigate2(urlOf("soubory/chybi.zip nastav_jaz1"), cancel),
                     Error);
        EXPECT_TRUE(cancel);
        EXPECT_EQ(form.language(), 0);
    });
}

}  // namespace
}  // namespace expo::presentation::testing
