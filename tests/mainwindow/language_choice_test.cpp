// A language link of the intro page: the language is set, the first loading runs under the
// progress notice while the intro window is disabled and before the application has a main
// window, and the main window opens in that language. A failing loading is reported and the
// main window opens all the same.
#include "tests/mainwindow/disc_fixture.h"

#include <QLabel>
#include <QToolButton>
#include <filesystem>

#include "platform/os/files.h"
#include "platform/text/error.h"
#include "platform/ui/qtext.h"

namespace expo::presentation::testing {
namespace {

using text::cp;
using ui::toQ;

class LanguageChoiceTest : public DiscTest {
  protected:
    void SetUp() override {
        DiscTest::SetUp();
        writeIntro();
    }
};

struct LinkCase {
    const char* link;  // id of the link in the intro page
    int language;
};

TEST_F(LanguageChoiceTest, TheLinkSetsTheLanguageAndTheMainWindowOpensInIt) {
    // The data files are opened from the current directory: the demo disc's.
    std::filesystem::copy(std::filesystem::path(EXPO_DISC_DIR) / "data", disc.path() / "data",
                          std::filesystem::copy_options::recursive);
    const os::CurrentDirectoryGuard restore;
    ASSERT_TRUE(os::setCurrentDirectory(disc.path().string()));
    write("config.ini",
          "[uvod]\nurl=uvod.html\njaz1=Deu\njaz2=Eng\n"
          "[tlačítko Vše]\njaz1=Alle\njaz2=All\n"
          "[text Provést výběr]\njaz2=Search now\n"
          "[SysPolozkaVystavovatele]\ntext1=Aussteller\ntext2=Exhibitors\n"
          "url1=katalog.html\nurl2=katalog.html\nsablona1=sablona.html\nsablona2=sablona.html\n");
    write("katalog.html", "<html><body>Katalog</body></html>");
    write("sablona.html", "<html><body>Vystavovatel</body></html>");
    // "JAZYK2.HTML" in capitals; a URL naming "jazyk3.html" and "jazyk1.html" picks 1.
    const LinkCase cases[] = {{"en", 2}, {"both", 1}};
    for (const LinkCase& c : cases) {
        SCOPED_TRACE(c.link);
        followLinks({c.link});
        NoticeWatcher notices;
        int language = -9;
        std::string languageName;
        QString allCaption;
        QString newSelectionCaption;
        int exhibitors = 0;
        EXPECT_EQ(runStart([&](TFormExpozice& form) {
                      language = form.language();
                      languageName = form.languageName();
                      allCaption = form.ToolButtonVse->text();
                      newSelectionCaption = form.LblNovyVyber->text();
                      exhibitors = form.catalogue().CDSZaznamy.active()
                                       ? form.catalogue().CDSZaznamy.recordCount()
                                       : 0;
                      EXPECT_TRUE(form.ToolButtonVse->isChecked()) << "the view starts as all";
                      EXPECT_EQ(topLevelNamed("FormUvod"), nullptr) << "the intro window is freed";
                  }),
                  0);
        EXPECT_EQ(language, c.language);
        ASSERT_EQ(notices.seen.size(), 1u) << "one loading, under one notice";
        EXPECT_FALSE(notices.seen.front().mainFormExisted);
        EXPECT_FALSE(notices.seen.front().introEnabled);
        EXPECT_TRUE(sink.messages.empty())
            << (sink.messages.empty() ? "" : sink.messages.front().text);
        EXPECT_GT(exhibitors, 0) << "the data files are loaded";
        if (c.language == 2) {
            EXPECT_EQ(languageName, "Eng");
            EXPECT_EQ(allCaption, "All");
            EXPECT_EQ(newSelectionCaption, "Search now");
        } else {
            EXPECT_EQ(languageName, "Deu");
            EXPECT_EQ(allCaption, "Alle");
            EXPECT_EQ(newSelectionCaption, toQ(cp("Provést výběr")));
        }
    }
}

TEST_F(LanguageChoiceTest, AFailedLoadingIsReportedAndTheMainWindowStillOpens) {
    // An empty colour ends the loading with the conversion error.
    write("config.ini",
          "[uvod]\nurl=uvod.html\n[menu - graficka podoba]\npozadiBarva=\n"
          "[tlačítko Vše]\njaz0=Everything\n");
    followLinks({"cs"});
    int language = -9;
    bool enabledAfterSwitch = false;
    EXPECT_EQ(runStart([&](TFormExpozice& form) {
                  language = form.language();
                  // Nothing after the failing step ran: the captions are the window's own.
                  EXPECT_EQ(form.ToolButtonVse->text(), toQ(cp("Vše")));
                  // A later loading fails the same way; its notice goes and the window is
                  // usable again.
                  EXPECT_THROW(form.LoadLanguage("0", false), expo::Error);
                  enabledAfterSwitch = form.isEnabled();
                  EXPECT_EQ(topLevelNamed("FormDlgHlaseni"), nullptr);
              }),
              0);
    EXPECT_EQ(language, 0);
    EXPECT_TRUE(enabledAfterSwitch);
    const std::vector<ui::Message> errors = messagesOf(ui::MessageKind::Error);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors.front().text, "'' is not a valid integer value.");
}

}  // namespace
}  // namespace expo::presentation::testing
