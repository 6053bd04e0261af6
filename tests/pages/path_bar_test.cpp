// The path bar on a small disc of nested pages: its caption and rendered page, its links, the
// sub-page it names after a resize, its height for a wrapped text, and its end with the tree.

#include "presentation/navigation_items.h"
#include "presentation/splitter_bar.h"
#include "tests/support/window_fixture.h"

namespace expo::testing {
namespace {

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
                      "pruhu nevejde ani zdaleka\nurl0=d.html\n",
                      {{"a.html", "A"},
                       {"b.html", "B"},
                       {"c.html", "C"},
                       {"d.html", "D"},
                       {"sub/b1.html", "B1"}}));
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

}  // namespace
}  // namespace expo::testing
