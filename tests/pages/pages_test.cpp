// The demo disc's navigation and exhibitor list: a section listed with its first exhibitor shown,
// the views, an empty section, the tree's clicks, the list's mouse and keys, "zpet:", and the
// exhibitor's page in the program's private temporary folder, or the fresh one that replaces a
// folder others may read; then the path bar.
#include <gmock/gmock.h>
#include <sys/stat.h>

#include <cstdlib>

#include "platform/os/tempdir.h"
#include "presentation/navigation/navigation_items.h"
#include "presentation/widgets/exhibitor_list_view.h"
#include "presentation/widgets/splitter_bar.h"
#include "tests/support/window_fixture.h"

namespace expo::testing {
namespace {

class PagesTest : public WindowTest {
  protected:
    std::string keyOfRow(int row) {
        return "KAT_ID=" +
               std::to_string(*presentation::exhibitorKeyOf(form().ListBoxSeznamFirem->item(row)));
    }
    // The exhibitor the list's handlers showed once the event loop ran them; forgotten after.
    std::string shownLater() {
        QTest::qWait(20);
        settle();
        const std::string shown = lastFilter();
        form().catalogue().CDSZaznamy.setFilter("");
        return shown;
    }
    // Nothing is shown instead of the page the browser was sent to.
    void expectStill(const std::string& page) {
        QTest::qWait(50);
        EXPECT_EQ(shownUrl(*form().WebBrowser), page);
        EXPECT_EQ(form().WebBrowser->readyState(), browser::ReadyState::Complete);
    }
    const std::string page_ = privateFile("temp.html");
};

TEST_F(PagesTest, ASectionListsItsExhibitorsAndTheViewsNarrowIt) {
    TFormExpozice& w = open();
    select(section("Strojírenství"));
    EXPECT_EQ(listNames().size(), 89u);
    EXPECT_EQ(listNames()[0], "Agroline a.s.");
    EXPECT_EQ(w.ListBoxSeznamFirem->selectedItems(), QList{w.ListBoxSeznamFirem->item(0)});
    EXPECT_EQ(lastFilter(), "KAT_ID=1200");
    waitShown(*w.WebBrowser, page_);
    EXPECT_NE(read(page_).find("Agroline a.s."), std::string::npos);
    EXPECT_EQ(statusBar(), statusLine(0, 89));
    EXPECT_TRUE(w.PanelSeznamFirem->isVisible());
    EXPECT_FALSE(w.PanelFulltext->isVisible());

    const std::pair<QAction*, int> views[] = {
        {w.ActNovinky, 37}, {w.ActExponaty, 67}, {w.ActVse, 89}};
    for (const auto& [view, count] : views) {
        view->trigger();
        EXPECT_EQ(listNames().size(), size_t(count));
        EXPECT_EQ(statusBar(), statusLine(0, count));
        EXPECT_EQ(lastFilter(), keyOfRow(0));
    }
    w.ActNovinky->trigger();
    select(section("Elektrotechnika a automatizace"));
    EXPECT_TRUE(w.ToolButtonVse->isChecked());
    EXPECT_EQ(w.sectionFilter(), "SEKCE_ID in (2)");

    select(node({"Úvod"}));
    EXPECT_FALSE(w.PanelSeznamFirem->isVisible());
    EXPECT_EQ(statusBar(), "");
    waitShown(*w.WebBrowser, discFile("stranky/uvod0.html"));
}

TEST_F(PagesTest, AnEmptySectionAndAnEmptyViewShowNothing) {
    TFormExpozice& w = open();
    keepExhibitors({1112, 1158, 1080});  // of "Strojírenství", with neither news nor exhibits
    select(section("Potraviny a obaly"));
    EXPECT_EQ(listNames(), Lines{"Sekce je prázdná"});
    EXPECT_FALSE(w.PnlDoZapisniku->isEnabled());
    EXPECT_EQ(statusBar(), statusLine(0, 1));
    waitShown(*w.WebBrowser, "about:blank");
    w.ListBoxSeznamFirem->item(0)->setSelected(true);
    w.ActDoZapisniku->trigger();
    EXPECT_TRUE(w.notebook().empty());

    select(section("Strojírenství"));
    EXPECT_EQ(listNames().size(), 3u);
    EXPECT_TRUE(w.PnlDoZapisniku->isEnabled());
    shownLater();
    QListWidget& list = *w.ListBoxSeznamFirem;
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                      QPoint(5, list.viewport()->height() - 3));
    EXPECT_EQ(shownLater(), "") << "a press below the entries";
    w.ActNovinky->trigger();
    EXPECT_TRUE(listNames().empty());
    EXPECT_FALSE(w.PnlDoZapisniku->isEnabled());
    EXPECT_EQ(statusBar(), statusLine(0, 0));
    waitShown(*w.WebBrowser, "about:blank");
}

// A click on the page node already selected shows its page again once a click has armed the
// tree; a keyboard selection, an expansion and buttons other than the left arm nothing.
TEST_F(PagesTest, AClickOnTheSelectedPageNodeShowsItAgainOnceArmed) {
    TFormExpozice& w = open();
    const std::string plan = discFile("stranky/plan0.html");
    QTreeWidgetItem* fair = node({"O veletrhu"});
    click(node({"Úvod"}));
    QTest::keyClick(w.TreeViewNavigace, Qt::Key_Down);
    ASSERT_EQ(w.TreeViewNavigace->currentItem(), fair);
    w.WebBrowser->navigate(plan);
    waitShown(*w.WebBrowser, plan);
    click(fair);  // the first click after the keys only arms
    expectStill(plan);
    click(fair);
    waitShown(*w.WebBrowser, discFile("stranky/veletrh0.html"));

    w.TreeViewNavigace->expandItem(fair);
    w.WebBrowser->navigate(plan);
    waitShown(*w.WebBrowser, plan);
    QTest::mouseClick(w.TreeViewNavigace->viewport(), Qt::RightButton, {},
                      w.TreeViewNavigace->visualItemRect(node({"Úvod"})).center());
    click(fair);
    expectStill(plan);
    EXPECT_EQ(w.TreeViewNavigace->currentItem(), fair);
}

// Any mouse button on an entry shows it, and six keys the current entry; other keys nothing.
// With nothing listed, "zpet:" is followed as any link.
TEST_F(PagesTest, TheListsMouseAndKeysShowTheEntry) {
    TFormExpozice& w = open();
    EXPECT_FALSE(follow("zpet:"));
    select(section("Strojírenství"));
    QListWidget& list = *w.ListBoxSeznamFirem;
    for (const auto& [button, row] : {std::pair{Qt::RightButton, 3}, {Qt::MiddleButton, 5}}) {
        QTest::mouseClick(list.viewport(), button, {},
                          list.visualItemRect(list.item(row)).center());
        EXPECT_EQ(shownLater(), keyOfRow(row)) << button;
    }
    list.setFocus();
    for (const Qt::Key key :
         {Qt::Key_Home, Qt::Key_Down, Qt::Key_PageDown, Qt::Key_Up, Qt::Key_End, Qt::Key_PageUp}) {
        QTest::keyClick(&list, key);
        EXPECT_EQ(shownLater(), keyOfRow(list.currentRow())) << key;
    }
    for (const Qt::Key key : {Qt::Key_Right, Qt::Key_Space, Qt::Key_Return, Qt::Key_A}) {
        QTest::keyClick(&list, key);
        EXPECT_EQ(shownLater(), "") << key;
    }
    // "zpet:" shows the current entry again and keeps the other selections.
    list.setCurrentRow(0, QItemSelectionModel::ClearAndSelect);
    list.setCurrentRow(2, QItemSelectionModel::NoUpdate);
    EXPECT_TRUE(follow("zpet:"));
    EXPECT_EQ(list.selectedItems().size(), 2);
    EXPECT_EQ(lastFilter(), keyOfRow(2));
}

TEST_F(PagesTest, TheExhibitorsPageIsWrittenPrivatelyAndShown) {
    TFormExpozice& w = open();
    w.ShowExhibitorPage(1353);
    waitShown(*w.WebBrowser, page_);
    EXPECT_NE(read(page_).find("Agrotech a.s."), std::string::npos);
    struct stat folder {};
    ASSERT_EQ(::stat(std::filesystem::path(page_).parent_path().c_str(), &folder), 0);
    EXPECT_EQ(folder.st_mode & 07777, 0700u);

    w.ShowExhibitorPage(999999);  // unknown: the page stays
    settle();
    EXPECT_EQ(shownUrl(*w.WebBrowser), page_);

    // A folder others may read gives way, for the rest of the run, to a fresh private one in the
    // runtime folder; said once, naming both. It goes with the run.
    const std::string shared = std::filesystem::path(page_).parent_path();
    std::filesystem::permissions(shared, std::filesystem::perms::others_read,
                                 std::filesystem::perm_options::add);
    w.ShowExhibitorPage(1200);
    w.ShowExhibitorPage(1363);
    settle();
    const std::string fresh = os::sessionTempFolder().freshFolder();
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    EXPECT_EQ(std::filesystem::path(fresh).parent_path(), runtime != nullptr && *runtime != '\0'
                                                              ? std::filesystem::path(runtime)
                                                              : temp.path());
    waitShown(*w.WebBrowser, fresh + "/temp.html");
    EXPECT_NE(read(fresh + "/temp.html").find("Astromat Sp. z o.o."), std::string::npos);
    EXPECT_NE(read(page_).find("Agrotech a.s."), std::string::npos) << "left alone";
    const Lines said = takeMessages();
    ASSERT_EQ(said.size(), 1u);
    EXPECT_THAT(said[0],
                ::testing::AllOf(::testing::StartsWith("Information: "),
                                 ::testing::HasSubstr(shared), ::testing::HasSubstr(fresh)));
    os::sessionTempFolder().reset();
    EXPECT_FALSE(std::filesystem::exists(fresh));

    os::setProgramFolder(temp.path().string());  // without the template
    EXPECT_THROW(w.ShowExhibitorPage(1200), Error);
    waitShown(*w.WebBrowser, "about:blank");  // not another exhibitor's page
}

// Requests that arrive while a page waits for the blank browser run after it, the last winning.
TEST_F(PagesTest, RequestsDuringTheWaitRunAfterItTheLastWinning) {
    TFormExpozice& w = open();
    std::string filterDuringWait;
    QTimer::singleShot(0, [&] {
        w.ShowExhibitorPage(1353);
        w.ShowExhibitorPage(1363);
        filterDuringWait = lastFilter();
    });
    w.ShowExhibitorPage(1200);
    EXPECT_EQ(filterDuringWait, "KAT_ID=1200");
    EXPECT_EQ(lastFilter(), "KAT_ID=1363");
    EXPECT_NE(read(page_).find("Astromat Sp. z o.o."), std::string::npos);
}

// The path bar on a small disc of nested pages: its caption and rendered page, its links, the
// sub-page it names after a resize, its height for a wrapped text, and its end with the tree;
// its Czech letters and those of a page that declares no encoding.
class PathBarTest : public WindowTest {
  protected:
    TFormExpozice& openDisc() {
        return open(
            writeDisc("[aplikace]\nSkrytData=\n"
                      "[polozka_a]\ntext0=Alfa\nurl0=a.html\n"
                      "[polozka_b]\nrodic=polozka_a\ntext0=Běta\nurl0=b.html\n"
                      "fulltext0=sub/b1.html\nfulltextName0=Příloha\n"
                      "[polozka_c]\nrodic=polozka_b\ntext0=Gama\nurl0=c.html\n"
                      "[polozka_d]\ntext0=Delta, velmi dlouhý název, který se do úzkého "
                      "pruhu nevejde ani zdaleka\nurl0=d.html\n"
                      "[polozka_p]\ntext0=Plán výstaviště\nurl0=plan.html\n"
                      "[polozka_q]\ntext0=Průvodce: ěůřšž ĚŮŘŠŽ\nurl0=plan.html\n",
                      {{"a.html", "A"},
                       {"b.html", "B"},
                       {"c.html", "C"},
                       {"d.html", "D"},
                       {"sub/b1.html", "B1"},
                       {"plan.html", "Plán výstaviště"}}));
    }
    // A click on a link of the bar's page.
    void followBarLink(const std::string& link) {
        form().WebBrowserInfo->navigate(privateFile(link));
        settle();
    }
};

TEST_F(PathBarTest, TheBarNamesTheNodeAndItsAncestorsAndItsLinksShowThem) {
    TFormExpozice& w = openDisc();
    QTreeWidgetItem* gama = node({"Alfa", "Běta", "Gama"});
    select(gama);
    EXPECT_EQ(pathBar(), "- Alfa - Běta - Gama");
    waitShown(*w.WebBrowserInfo, privateFile("temp_path.html"));
    EXPECT_EQ(pageText(*w.WebBrowserInfo), "- Alfa - Běta - Gama");

    for (const char* nowhere : {"link_0_x", "LINK_0_3", "link_0_-1"}) {
        followBarLink(nowhere);
        EXPECT_EQ(w.TreeViewNavigace->currentItem(), gama) << nowhere;
    }
    followBarLink("link_0_2");
    EXPECT_EQ(w.TreeViewNavigace->currentItem(), node({"Alfa"}));
    EXPECT_EQ(pathBar(), "- Alfa");
    waitShown(*w.WebBrowser, discFile("a.html"));
    waitShown(*w.WebBrowserInfo, privateFile("temp_path.html"));  // the link was cancelled

    w.WebBrowser->navigate(discFile("b.html"));
    waitShown(*w.WebBrowser, discFile("b.html"));
    followBarLink("link_0_0");  // the node shown is shown again
    waitShown(*w.WebBrowser, discFile("a.html"));
}

TEST_F(PathBarTest, TheSubPageIsNamedAfterAResizeAndItsLinkOpensIt) {
    TFormExpozice& w = openDisc();
    QTreeWidgetItem* beta = node({"Alfa", "Běta"});
    select(beta);
    presentation::TNodeData& data = presentation::navNodeOf(beta)->data;
    data.CurrentSubPageFile = "sub/b1.html";
    data.CurrentSubPageTitle = text::cp("Příloha");
    w.resize(w.width() + 20, w.height());
    settle();
    EXPECT_EQ(pathBar(), "- Alfa - Běta - Příloha");
    followBarLink("link_1_0");
    waitShown(*w.WebBrowser, discFile("sub/b1.html"));

    select(node({"Alfa"}));
    select(beta);  // a change of node names no sub-page
    EXPECT_EQ(pathBar(), "- Alfa - Běta");
    emit w.SplitterWeb->moved();
    settle();
    EXPECT_EQ(pathBar(), "- Alfa - Běta - Příloha");
}

TEST_F(PathBarTest, AWrappedTextMakesTheBarHigherAndAnEmptyTreeEmptiesIt) {
    TFormExpozice& w = openDisc();
    select(node({"Alfa"}));
    const int oneLine = w.PanelInfoAll->height();
    w.resize(420, w.height());
    select(w.TreeViewNavigace->topLevelItem(1));
    EXPECT_GT(w.PanelInfoAll->height(), oneLine);

    w.TreeViewNavigace->clear();
    settle();
    EXPECT_EQ(pathBar(), "");
    EXPECT_FALSE(w.WebBrowserInfo->isVisible());
    followBarLink("link_0_0");
    EXPECT_EQ(w.TreeViewNavigace->currentItem(), nullptr);
}

// Both are read in code page 1250; short Czech texts are the ones an engine left to guess reads
// in another code page.
TEST_F(PathBarTest, TheBarAndAnUndeclaredPageShowTheirCzechLetters) {
    TFormExpozice& w = openDisc();
    for (const char* caption : {"Průvodce: ěůřšž ĚŮŘŠŽ", "Plán výstaviště"}) {
        select(node({caption}));
        waitShown(*w.WebBrowserInfo, privateFile("temp_path.html"));
        EXPECT_EQ(pageText(*w.WebBrowserInfo), std::string("- ") + caption);
    }
    waitShown(*w.WebBrowser, discFile("plan.html"));
    EXPECT_EQ(pageText(*w.WebBrowser), "Plán výstaviště");
}

}  // namespace
}  // namespace expo::testing
