// The language switch by link, in the page and in the header: the number after "nastav_jaz"
// becomes the language and the texts, the look and the navigation tree are loaded again; a link
// without a number changes nothing; a failed loading is not reported. Either way the link is
// cancelled.
#include <QLabel>
#include <QSignalSpy>
#include <QToolButton>
#include <QWebEngineView>
#include <algorithm>

#include "platform/ui/qtext.h"
#include "platform/ui/save_dialog.h"
#include "tests/links/links_fixture.h"

namespace expo::presentation::testing {
namespace {

using text::cp;

constexpr const char* kHeaderPage =
    "<html><body><a id='cs' href='nastav_jaz0'>CZ</a><a id='en' href='nastav_jaz1'>EN</a>"
    "</body></html>";

class LanguageLinksTest : public LinksTest {
  protected:
    void SetUp() override {
        LinksTest::SetUp();
        write("zahlavi/zahlavi.html", kHeaderPage);
    }

    static void expectLanguage1(const TFormExpozice& form) {
        EXPECT_EQ(form.language(), 1);
        EXPECT_EQ(form.languageName(), "Ang");
        EXPECT_EQ(form.ToolButtonVse->text(), "All");
        ASSERT_EQ(form.TreeViewNavigace->topLevelItemCount(), 2);
        EXPECT_EQ(form.TreeViewNavigace->topLevelItem(0)->text(0), "Welcome");
        EXPECT_EQ(form.TreeViewNavigace->topLevelItem(1)->text(0), "With blanks");
    }
};

TEST_F(LanguageLinksTest, ALanguageLinkLoadsThatLanguageAgainWithoutTheData) {
    writeDisc();
    withMainWindow([&](TFormExpozice& form) {
        ASSERT_EQ(form.ToolButtonVse->text(), ui::toQ(cp("Vše")));
        NoticeWatcher notices;
        EXPECT_TRUE(follow(form, urlOf("stranky/nastav_jaz1")));
        expectLanguage1(form);
        EXPECT_EQ(notices.seen.size(), 1u) << "one loading under its notice";
        // The first node is shown again and named in the path bar; nothing is selected.
        EXPECT_EQ(form.LabelInfo->text(), "- Welcome");
        EXPECT_TRUE(waitFor([&] { return shows(*form.WebBrowser, "uvod.html"); }));
        expectNoMessages();
    });
}

struct NoNumberCase {
    const char* name;
    const char* link;
};

class LanguageLinkWithoutNumberTest : public LanguageLinksTest,
                                      public ::testing::WithParamInterface<NoNumberCase> {};

TEST_P(LanguageLinkWithoutNumberTest, ChangesNothingAndIsCancelled) {
    writeDisc();
    withMainWindow([&](TFormExpozice& form) {
        const QTreeWidgetItem* first = form.TreeViewNavigace->topLevelItem(0);
        NoticeWatcher notices;
        EXPECT_TRUE(follow(form, urlOf("stranky/") + GetParam().link));
        EXPECT_EQ(form.language(), 0);
        EXPECT_EQ(form.TreeViewNavigace->topLevelItem(0), first) << "the tree was kept";
        EXPECT_TRUE(notices.seen.empty()) << "no loading";
        expectNoMessages();
    });
}

INSTANTIATE_TEST_SUITE_P(Links, LanguageLinkWithoutNumberTest,
                         ::testing::Values(NoNumberCase{"FileExtension", "nastav_jaz1.html"},
                                           NoNumberCase{"Letter", "nastav_jazx"},
                                           NoNumberCase{"Nothing", "nastav_jaz"},
                                           NoNumberCase{"TooLarge", "nastav_jaz99999999999"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(LanguageLinksTest, AFailedLoadingIsNotReportedAndLeavesNoOldNodes) {
    // Language 1 names a header page that is missing: its loading ends before the tree.
    writeDisc("[logo]\ntyp=html\nhtmlFile0=zahlavi/zahlavi.html\nhtmlFile1=zahlavi/chybi.html\n");
    withMainWindow([&](TFormExpozice& form) {
        EXPECT_TRUE(follow(form, urlOf("stranky/nastav_jaz1")));
        EXPECT_EQ(form.language(), 1);
        EXPECT_EQ(form.TreeViewNavigace->topLevelItemCount(), 0);
        EXPECT_TRUE(form.LabelInfo->text().isEmpty());
        expectNoMessages();
        // No link finds a node of the tree that is gone.
        EXPECT_FALSE(follow(form, urlOf("stranky/go_polozka_polozka_vnorena")));

        EXPECT_TRUE(follow(form, urlOf("stranky/nastav_jaz0")));
        EXPECT_EQ(form.language(), 0);
        EXPECT_EQ(form.TreeViewNavigace->topLevelItemCount(), 2);
        EXPECT_TRUE(follow(form, urlOf("stranky/go_polozka_polozka_vnorena")));
    });
}

TEST_F(LanguageLinksTest, ALanguageOutsideTheFiveEndsTheProgramAtTheNextActivation) {
    writeDisc();
    withMainWindow([&](TFormExpozice& form) {
        EXPECT_TRUE(follow(form, urlOf("stranky/nastav_jaz7")));
        EXPECT_EQ(form.language(), 7);
        // Activated from another window of the program, the window closes.
        QWidget other;
        other.show();
        other.activateWindow();
        ASSERT_TRUE(waitFor([&] { return other.isActiveWindow() || !form.isVisible(); }));
        other.close();
        form.activateWindow();
        EXPECT_TRUE(waitFor([&] { return !form.isVisible(); }));
    });
}

TEST_F(LanguageLinksTest, TheHeaderKnowsOnlyTheLanguageLink) {
    writeDisc();
    withMainWindow([&](TFormExpozice& form) {
        const std::string selected = selectedCaption(form);
        const ui::ScopedSaveDialog noDialog([](std::string_view) -> std::optional<std::string> {
            ADD_FAILURE() << "the header offered a file";
            return std::nullopt;
        });
        for (const char* other : {"soubory/ceny.zip", "stranky/go_polozka_polozka_vnorena",
                                  "stranky/film.avi", "zpet:"}) {
            bool cancel = false;
            form.WebBrowserLogoBeforeNavigate2(urlOf(other), cancel);
            EXPECT_FALSE(cancel) << other;
        }
        EXPECT_EQ(selectedCaption(form), selected);

        bool cancel = false;
        form.WebBrowserLogoBeforeNavigate2(urlOf("zahlavi/nastav_jazx"), cancel);
        EXPECT_TRUE(cancel);
        EXPECT_EQ(form.language(), 0);

        cancel = false;
        form.WebBrowserLogoBeforeNavigate2(urlOf("zahlavi/NASTAV_JAZ1"), cancel);
        EXPECT_TRUE(cancel);
        expectLanguage1(form);
    });
}

TEST_F(LanguageLinksTest, ALanguageLinkClickedInTheHeaderSwitches) {
    writeDisc("[logo]\ntyp=html\nhtmlFile=zahlavi/zahlavi.html\n");
    withMainWindow([&](TFormExpozice& form) {
        ASSERT_TRUE(waitFor([&] { return shows(*form.WebBrowserLogo, "zahlavi.html"); }));
        QSignalSpy loads(form.WebBrowserLogo->view(), &QWebEngineView::loadFinished);
        click(*form.WebBrowserLogo, "en");
        ASSERT_TRUE(waitFor([&] { return form.language() == 1; }));
        expectLanguage1(form);
        // The header is shown anew by the loading, ready for the next switch: wait for that
        // load itself, not for the old page that may still be on show.
        const auto headerReloaded = [&] {
            return std::any_of(loads.begin(), loads.end(),
                               [](const QList<QVariant>& args) { return args.at(0).toBool(); });
        };
        ASSERT_TRUE(waitFor(headerReloaded));
        ASSERT_TRUE(waitFor([&] { return shows(*form.WebBrowserLogo, "zahlavi.html"); }));
        click(*form.WebBrowserLogo, "cs");
        ASSERT_TRUE(waitFor([&] { return form.language() == 0; }));
        EXPECT_EQ(form.ToolButtonVse->text(), ui::toQ(cp("Vše")));
        expectNoMessages();
    });
}

}  // namespace
}  // namespace expo::presentation::testing
