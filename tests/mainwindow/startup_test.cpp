// The program's start on small discs: the failures that stop it with the "Application Error"
// box and exit code 1, and the intro's exit link that ends it with exit code 0.
#include <QGuiApplication>
#include <QScreen>
#include <cerrno>
#include <cstring>
#include <filesystem>

#include "tests/mainwindow/disc_fixture.h"

namespace expo::presentation::testing {
namespace {

using text::cp;

class StartupTest : public DiscTest {
  protected:
    // The one fatal box the failed start showed.
    std::string fatalText() const {
        const std::vector<ui::Message> fatal = messagesOf(ui::MessageKind::Fatal);
        EXPECT_EQ(fatal.size(), 1u);
        EXPECT_EQ(sink.messages.size(), fatal.size()) << "no other box before the fatal one";
        if (fatal.empty()) {
            return {};
        }
        EXPECT_EQ(fatal.front().caption, "Application Error");
        return fatal.front().text;
    }
    std::string discPath(const std::string& relative) const {
        return text::utf8ToCp1250((disc.path() / relative).string());
    }
};

TEST_F(StartupTest, WithoutConfigTheStartFailsNamingItsFullPathAndTheReason) {
    EXPECT_EQ(Start(), 1);
    const std::string text = fatalText();
    EXPECT_NE(text.find(cp("Chyba při načítání konfiguračního souboru config.ini.\n")),
              std::string::npos)
        << text;
    EXPECT_NE(text.find(discPath("config.ini") + " (" + std::strerror(ENOENT) + ")"),
              std::string::npos)
        << text;
}

TEST_F(StartupTest, AConfigWithoutIntroPageNamesTheMissingSetting) {
    write("config.ini", "[uvod]\njaz0=Čeština\n");
    EXPECT_EQ(Start(), 1);
    const std::string text = fatalText();
    EXPECT_NE(text.find(cp("Neexistuje html soubor \"") + discPath("")), std::string::npos) << text;
    EXPECT_NE(text.find(cp("\" pro úvodní obrazovku.\nV souboru config.ini chybí klíč \"url\"")),
              std::string::npos)
        << text;
}

TEST_F(StartupTest, AMissingIntroPageIsNamedWithItsFullPath) {
    write("config.ini", "[uvod]\nurl=chybi.html\n");
    EXPECT_EQ(Start(), 1);
    const std::string text = fatalText();
    EXPECT_NE(text.find(cp("Neexistuje html soubor \"") + discPath("chybi.html") +
                        cp("\" pro úvodní obrazovku.")),
              std::string::npos)
        << text;
}

TEST_F(StartupTest, AFolderIsNoIntroPage) {
    write("config.ini", "[uvod]\nurl=stranky\n");
    std::filesystem::create_directories(disc.path() / "stranky");
    EXPECT_EQ(Start(), 1);
    EXPECT_NE(fatalText().find(cp("Neexistuje html soubor")), std::string::npos);
}

// A settings file that exists but cannot be read (here a folder of that name) stops the start
// with its own message; the files after it are not opened, so their faults go unseen.
struct UnreadableCase {
    const char* name;
    const char* folder;  // made a folder instead of a file
    const char* message;
};

class UnreadableSettingsTest : public StartupTest,
                               public ::testing::WithParamInterface<UnreadableCase> {};

TEST_P(UnreadableSettingsTest, StopsTheStartWithTheFilesMessage) {
    writeIntro();
    const char* all[] = {"config.ini", "Inzeraty/index.ini", "Expozice/index.ini",
                         "Umisteni/umisteni.ini"};
    bool later = false;
    for (const char* file : all) {
        if (later || std::string_view(file) == GetParam().folder) {
            std::filesystem::create_directories(disc.path() / file);
            later = true;
        } else if (std::string_view(file) == "config.ini") {
            write(file, "[uvod]\nurl=uvod.html\n");
        }
    }
    EXPECT_EQ(Start(), 1);
    EXPECT_NE(fatalText().find(cp(GetParam().message) + "."), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    EachFile, UnreadableSettingsTest,
    ::testing::Values(
        UnreadableCase{"Config", "config.ini",
                       "Chyba při načítání konfiguračního souboru config.ini"},
        UnreadableCase{"Inzeraty", "Inzeraty/index.ini",
                       "Chyba při načítání konfiguračního souboru Inzeraty\\index.ini"},
        UnreadableCase{"Expozice", "Expozice/index.ini",
                       "Chyba při načítání konfiguračního souboru Expozice\\index.ini"},
        UnreadableCase{"Umisteni", "Umisteni/umisteni.ini",
                       "Chyba při načítání konfiguračního souboru Umisteni\\umisteni.ini"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(StartupTest, TheExitLinkEndsTheProgramWithNothingLoaded) {
    writeIntro();
    write("config.ini",
          "[uvod]\nurl=uvod.html\n"
          "[text rozlišení]\njaz0=  Nízké rozlišení  \njaz1=\njaz2=Low resolution\n");
    followLinks({"exit"});
    NoticeWatcher notices;
    EXPECT_EQ(runStart([](TFormExpozice&) { ADD_FAILURE() << "the main window stayed open"; }), 0);
    EXPECT_TRUE(notices.seen.empty()) << "no loading ran";
    EXPECT_TRUE(messagesOf(ui::MessageKind::Error).empty());

    // The low-resolution notice carries every language's text, trimmed, one per line.
    const std::vector<ui::Message> info = messagesOf(ui::MessageKind::StandardInformation);
    const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
    if (screen.width() < 1024 || screen.height() < 768) {
        ASSERT_EQ(info.size(), 1u);
        EXPECT_EQ(info.front().caption, "Information");
        EXPECT_EQ(info.front().text, cp("Nízké rozlišení\rLow resolution"));
    } else {
        EXPECT_TRUE(info.empty());
    }
}

TEST_F(StartupTest, AnotherPageOfTheIntroSetsTheLanguageToNone) {
    writeIntro();
    write("config.ini", "[uvod]\nurl=uvod.html\n");
    std::vector<int> languageOnLoad;
    std::vector<bool> introShown;
    followLinks({"other", "exit"}, [&](TFormUvod& intro) {
        auto* form = qobject_cast<TFormExpozice*>(intro.parentWidget());
        languageOnLoad.push_back(form->language());
        introShown.push_back(intro.isVisible());
        form->setLanguage(3);  // as if chosen before: the next navigation must undo it
    });
    EXPECT_EQ(runStart(), 0);
    // Loading the intro page itself sets none; so does the other page, with the intro still open.
    EXPECT_EQ(languageOnLoad, (std::vector<int>{-1, -1}));
    EXPECT_EQ(introShown, (std::vector<bool>{true, true}));
    EXPECT_TRUE(messagesOf(ui::MessageKind::StandardInformation).empty())
        << "no notice without its texts";
}

struct IntroSizeCase {
    const char* width;
    const char* height;
    bool maximised;
    double expectedWidth;  // below 1: a share of the screen's width
    double expectedHeight;
};

int expectedExtent(double value, int screenExtent) {
    return value < 1 ? static_cast<int>(text::roundHalfEven(screenExtent * value))
                     : static_cast<int>(value);
}

TEST_F(StartupTest, TheIntroWindowTakesItsSizeFromTheSettings) {
    writeIntro();
    const IntroSizeCase cases[] = {
        {"472", "321", false, 472, 321},  // pixels, centred
        {"60%", "50%", false, 0.6, 0.5},  // shares of the screen
        {"300", "abc", false, 300, 321},  // not a number: the default
        {"80%", "400", true, 0, 0},       // the percent flag covers 400, which is 100 or more
    };
    for (const IntroSizeCase& c : cases) {
        SCOPED_TRACE(std::string(c.width) + " x " + c.height);
        write("config.ini", std::string("[uvod]\nurl=uvod.html\nsirka=") + c.width +
                                "\nvyska=" + c.height + "\n");
        followLinks({"exit"}, [&](TFormUvod& intro) {
            EXPECT_EQ(intro.isMaximized(), c.maximised);
            EXPECT_TRUE(intro.windowFlags().testFlag(Qt::FramelessWindowHint));
            EXPECT_TRUE(intro.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
            if (c.maximised) {
                return;
            }
            const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
            const QSize size(expectedExtent(c.expectedWidth, screen.width()),
                             expectedExtent(c.expectedHeight, screen.height()));
            EXPECT_EQ(intro.frameGeometry().size(), size);
            EXPECT_EQ(
                intro.frameGeometry().topLeft(),
                QPoint(static_cast<int>(text::roundHalfEven((screen.width() - size.width()) / 2.0)),
                       static_cast<int>(
                           text::roundHalfEven((screen.height() - size.height()) / 2.0))));
            // The page fills the window.
            EXPECT_EQ(intro.WebBrowserUvod->geometry(), intro.rect());
        });
        EXPECT_EQ(runStart(), 0);
    }
}

}  // namespace
}  // namespace expo::presentation::testing
