// A language link of the intro page: the language is set, the first loading runs under the
// progress notice while the intro window is disabled and before the application has a main
// window, and the main window opens in that language. A failing loading is reported and the
// main window opens all the same.
#include "tests/mainwindow/disc_fixture.h"

#include <QLabel>
#include <QToolButton>

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
    write("config.ini",
          "[uvod]\nurl=uvod.html\njaz1=Deu\njaz2=Eng\n"
          "[tlačítko Vše]\njaz1=Alle\njaz2=All\n"
          "[text Provést výběr]\njaz2=Search now\n");
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
        EXPECT_EQ(runStart([&](TFormExpozice& form) {
                      language = form.language();
                      languageName = form.languageName();
                      allCaption = form.ToolButtonVse->text();
                      newSelectionCaption = form.LblNovyVyber->text();
                      EXPECT_TRUE(form.ToolButtonVse->isChecked()) << "the view starts as all";
                      EXPECT_EQ(topLevelNamed("FormUvod"), nullptr) << "the intro window is freed";
                  }),
                  0);
        EXPECT_EQ(language, c.language);
        ASSERT_EQ(notices.seen.size(), 1u) << "one loading, under one notice";
        EXPECT_FALSE(notices.seen.front().mainFormExisted);
        EXPECT_FALSE(notices.seen.front().introEnabled);
        EXPECT_TRUE(sink.messages.empty());
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
