// Links that steer the navigation: "go_polozka_" selects the item whose settings section the
// link names, exactly; a sub-page of the selected item is recorded for the path bar when it has
// a title; "zpet:" without an exhibitor to show changes nothing.
#include <QLabel>
#include <QListWidget>

#include "platform/ui/qtext.h"
#include "tests/links/links_fixture.h"

namespace expo::presentation::testing {
namespace {

using text::cp;

class NavigationLinksTest : public LinksTest {
  protected:
    void SetUp() override {
        LinksTest::SetUp();
        writeDisc();
    }
};

struct GoToCase {
    const char* name;
    const char* link;      // below the disc's "stranky" folder
    const char* selected;  // caption of the node then selected; empty: none found
};

class GoToLinkTest : public NavigationLinksTest, public ::testing::WithParamInterface<GoToCase> {};

TEST_P(GoToLinkTest, SelectsTheItemNamedExactlyAndCancelsOnlyThen) {
    withMainWindow([&](TFormExpozice& form) {
        const bool found = *GetParam().selected != '\0';
        const std::string before = selectedCaption(form);
        EXPECT_EQ(follow(form, urlOf("stranky/") + cp(GetParam().link)), found);
        EXPECT_EQ(selectedCaption(form), found ? cp(GetParam().selected) : before);
        if (found) {
            // The tree's change handling shows the node's page and names it in the path bar.
            EXPECT_TRUE(form.TreeViewNavigace->currentItem()->parent() == nullptr ||
                        form.TreeViewNavigace->currentItem()->parent()->isExpanded());
            EXPECT_TRUE(waitFor([&] { return !shownPage(*form.WebBrowser).isEmpty(); }));
            EXPECT_TRUE(form.LabelInfo->text().endsWith(ui::toQ(cp(GetParam().selected))))
                << form.LabelInfo->text().toStdString();
        }
    });
}

INSTANTIATE_TEST_SUITE_P(
    Keys, GoToLinkTest,
    ::testing::Values(GoToCase{"Item", "go_polozka_polozka_vnorena", "Vnořená"},
                      GoToCase{"WordInCapitals", "GO_POLOZKA_polozka_vnorena", "Vnořená"},
                      GoToCase{"KeyInOtherCase", "go_polozka_POLOZKA_VNORENA", ""},
                      GoToCase{"KeyWithBlanks", "go_polozka_polozka s mezerami  ", "S mezerami"},
                      GoToCase{"SectionWordWithItemKey", "go_polozka_sekce", ""},
                      GoToCase{"UnknownKey", "go_polozka_polozka_chybi", ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(NavigationLinksTest, AGoToLinkClickedInThePageShowsTheItemInstead) {
    withMainWindow([&](TFormExpozice& form) {
        ASSERT_TRUE(waitFor([&] { return shows(*form.WebBrowser, "uvod.html"); }));
        click(*form.WebBrowser, "vnorena");
        ASSERT_TRUE(waitFor([&] { return shows(*form.WebBrowser, "vnorena.html"); }));
        EXPECT_EQ(selectedCaption(form), cp("Vnořená"));
        expectNoMessages();
    });
}

TEST_F(NavigationLinksTest, ASubPageWithATitleIsRecordedAndNamedInThePathBar) {
    withMainWindow([&](TFormExpozice& form) {
        ASSERT_TRUE(follow(form, urlOf("stranky/go_polozka_polozka_uvod")));
        NavNode* uvod = navNodeOf(form.TreeViewNavigace->currentItem());
        ASSERT_NE(uvod, nullptr);

        // Matched in any letter case, with "\" in the settings for "/" in the URL; the file
        // and title are kept as the settings write them. The navigation goes on.
        EXPECT_FALSE(follow(form, urlOf("STRANKY/Jedna.HTML")));
        EXPECT_EQ(uvod->data.CurrentSubPageFile, "stranky\\jedna.html");
        EXPECT_EQ(uvod->data.CurrentSubPageTitle, "Jedna");
        EXPECT_EQ(form.LabelInfo->text(), ui::toQ(cp("- Úvod - Jedna")));

        // A sub-page without a title ends the search and changes nothing.
        EXPECT_FALSE(follow(form, urlOf("stranky/dva.html")));
        EXPECT_EQ(uvod->data.CurrentSubPageFile, "stranky\\jedna.html");
        EXPECT_EQ(form.LabelInfo->text(), ui::toQ(cp("- Úvod - Jedna")));

        EXPECT_FALSE(follow(form, urlOf("stranky/tri.html")));
        EXPECT_EQ(uvod->data.CurrentSubPageFile, "stranky/Tri.html");
        EXPECT_EQ(uvod->data.CurrentSubPageTitle, cp("Tři"));
        EXPECT_EQ(form.LabelInfo->text(), ui::toQ(cp("- Úvod - Tři")));

        // A page that is none of the node's sub-pages leaves the record alone.
        EXPECT_FALSE(follow(form, urlOf("stranky/mezery.html")));
        EXPECT_EQ(uvod->data.CurrentSubPageTitle, cp("Tři"));
    });
}

TEST_F(NavigationLinksTest, AGoToLinkToTheFirstItemShowsItAgainAfterTheLoading) {
    withMainWindow([&](TFormExpozice& form) {
        ASSERT_TRUE(waitFor([&] { return shows(*form.WebBrowser, "uvod.html"); }));
        click(*form.WebBrowser, "jedna");
        ASSERT_TRUE(waitFor([&] { return shows(*form.WebBrowser, "jedna.html"); }));
        EXPECT_TRUE(follow(form, urlOf("stranky/go_polozka_polozka_uvod")));
        EXPECT_EQ(selectedCaption(form), cp("Úvod"));
        EXPECT_TRUE(waitFor([&] { return shows(*form.WebBrowser, "uvod.html"); }));
        EXPECT_EQ(form.LabelInfo->text(), ui::toQ(cp("- Úvod")));
    });
}

TEST_F(NavigationLinksTest, ASubPageClickedInThePageOpensAndIsNamed) {
    withMainWindow([&](TFormExpozice& form) {
        form.TreeViewNavigace->setCurrentItem(form.TreeViewNavigace->topLevelItem(0));
        ASSERT_TRUE(waitFor([&] { return shows(*form.WebBrowser, "uvod.html"); }));
        click(*form.WebBrowser, "jedna");
        ASSERT_TRUE(waitFor([&] { return shows(*form.WebBrowser, "jedna.html"); }));
        EXPECT_EQ(form.LabelInfo->text(), ui::toQ(cp("- Úvod - Jedna")));
    });
}

TEST_F(NavigationLinksTest, SubPagesCountOnlyForTheSelectedNode) {
    withMainWindow([&](TFormExpozice& form) {
        form.TreeViewNavigace->setCurrentItem(nullptr);
        EXPECT_FALSE(follow(form, urlOf("stranky/jedna.html")));
        ASSERT_TRUE(follow(form, urlOf("stranky/go_polozka_polozka s mezerami")));
        EXPECT_FALSE(follow(form, urlOf("stranky/jedna.html")));
        const NavNode* uvod = navNodeOf(form.TreeViewNavigace->topLevelItem(0));
        ASSERT_NE(uvod, nullptr);
        EXPECT_TRUE(uvod->data.CurrentSubPageFile.empty());
        EXPECT_EQ(form.LabelInfo->text(), ui::toQ(cp("- S mezerami")));
    });
}

// The program's own navigations pass the same tests as the links in a page: a page whose name
// holds a link word is taken for that link.
TEST_F(NavigationLinksTest, VideoPagesAreNeverShown) {
    writeDisc("[polozka_video]\ntext0=Video\nurl0=stranky\\video.avi.html\n");
    write("stranky/video.avi.html", "<html><body>video</body></html>");
    std::vector<std::pair<std::string, bool>> decided;  // each URL with its cancel flag
    withMainWindow([&](TFormExpozice& form) {
        ASSERT_TRUE(waitFor([&] { return shows(*form.WebBrowser, "uvod.html"); }));
        form.WebBrowser->setBeforeNavigate([&](const std::string& url, bool& cancel) {
            form.WebBrowserBeforeNavigate2(url, cancel);
            decided.emplace_back(url, cancel);
        });
        ASSERT_TRUE(follow(form, urlOf("stranky/go_polozka_polozka_video")));
        ASSERT_TRUE(waitFor([&] { return !decided.empty(); }));
        EXPECT_EQ(decided.front(), std::make_pair(urlOf("stranky/video.avi.html"), true));
        ASSERT_TRUE(waitFor([&] { return !shownPage(*form.WebBrowser).isEmpty(); }));
        EXPECT_TRUE(shows(*form.WebBrowser, "uvod.html"));

        // So is a video link clicked in the page.
        click(*form.WebBrowser, "film");
        ASSERT_TRUE(waitFor([&] { return decided.size() == 2; }));
        EXPECT_EQ(decided.back(), std::make_pair(urlOf("stranky/film.avi"), true));
        ASSERT_TRUE(waitFor([&] { return !shownPage(*form.WebBrowser).isEmpty(); }));
        EXPECT_TRUE(shows(*form.WebBrowser, "uvod.html"));
    });
}

TEST_F(NavigationLinksTest, BackWithoutAnExhibitorListedIsNotCancelled) {
    withMainWindow([&](TFormExpozice& form) {
        ASSERT_EQ(form.ListBoxSeznamFirem->currentItem(), nullptr);
        EXPECT_FALSE(follow(form, "zpet:"));
        EXPECT_FALSE(follow(form, urlOf("stranky/zpet:")));
    });
}

}  // namespace
}  // namespace expo::presentation::testing
