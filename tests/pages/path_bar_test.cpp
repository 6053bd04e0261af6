// The path bar on a small disc of nested pages: its caption and page for a top-level node, a
// deep node and a sub-page, its links, its height and print button, and its end with the tree.
#include <QLabel>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>
#include <QWebEngineView>
#include <chrono>
#include <cmath>

#include "platform/text/text.h"
#include "platform/ui/pump.h"

#include "presentation/navigation_items.h"
#include "presentation/splitter_bar.h"
#include "tests/pages/window_fixture.h"

namespace expo::presentation::testing {
namespace {

// Alfa > Beta (with the sub-page "První") > Gama, and Delta at the top level.
const char* const kConfig =
    "[uvod]\nurl=uvod.html\n"
    "[aplikace]\nSkrytData=\n"
    "[menu - graficka podoba]\ninfPruhPismoBarva=$00563412\ninfPruhPismoBarvaAktivni=$00EFCDAB\n"
    "infPruhPozadiBarva=$00DDEEFF\ninfPruhPismoVelikost=10\n"
    "[polozka_a]\ntext0=Alfa\nurl0=a.html\n"
    "[polozka_b]\nrodic=polozka_a\ntext0=Beta\nurl0=b.html\nfulltext0=sub/b1.html\n"
    "fulltextName0=První\n"
    "[polozka_c]\nrodic=polozka_b\ntext0=Gama\nurl0=c.html\n"
    "[polozka_d]\ntext0=Delta a velmi dlouhý název položky, který se do úzkého pruhu nevejde\n"
    "url0=d.html\n";

std::string barPage(const std::string& links) {
    return "<html><body style=\"margin-left: 0px; margin-top: 0px; margin-bottom: 0px; "
           "margin-right: 0px; border: 0px; padding: 0px\" link=\"#123456\" vlink=\"#123456\" "
           "alink=\"#ABCDEF\" bgcolor=\"#FFEEDD\" scroll=\"no\"><table style=\"font-family: "
           "Verdana; font-size: 10pt\" height=\"100%\" height=\"100%\" cellpadding=\"0\" "
           "cellspacing=\"0\" border=\"0\"><tr><td valign=\"middle\">" +
           links + "</td></tr></table></body></html>";
}

class PathBarTest : public WindowTest {
  protected:
    TFormExpozice& openSmallDisc() {
        disc_ = writeDisc({{"config.ini", kConfig},
                           {"uvod.html", "<html><body><a href='jazyk0.html'>CZ</a></body></html>"},
                           {"a.html", "<html><body>A</body></html>"},
                           {"b.html", "<html><body>B</body></html>"},
                           {"sub/b1.html", "<html><body>B1</body></html>"},
                           {"c.html", "<html><body>C</body></html>"},
                           {"d.html", "<html><body>D</body></html>"}},
                          {"data/data0.dat"});
        return open(disc_);
    }
    std::string caption() { return form().LabelInfo->text().toStdString(); }
    std::string barFile() { return privateFolder() + "temp_path.html"; }
    // A click on a link of the bar's page.
    void followBarLink(const std::string& link) {
        form().WebBrowserInfo->navigate(privateFolder() + link);
        settle();
    }
    void expectPage(const std::string& page) { waitShown(*form().WebBrowser, disc_ + "/" + page); }

    std::string disc_;
};

TEST_F(PathBarTest, TopLevelNodeHasOneLink) {
    TFormExpozice& w = openSmallDisc();
    select(node({"Alfa"}));

    EXPECT_EQ(caption(), "- Alfa");
    EXPECT_EQ(read(barFile()), barPage("- <a href=\"link_0_0\">Alfa</a>"));
    waitShown(*w.WebBrowserInfo, barFile());
    EXPECT_TRUE(w.WebBrowserInfo->isVisible());
    EXPECT_EQ(w.WebBrowserInfo->pos(), QPoint(7, 1));
    EXPECT_EQ(w.WebBrowserInfo->width(), w.LabelInfo->width());
}

TEST_F(PathBarTest, DeepNodeNamesItsAncestorsAndItsGrandparentLinkShowsIt) {
    TFormExpozice& w = openSmallDisc();
    select(node({"Alfa", "Beta", "Gama"}));
    EXPECT_EQ(caption(), "- Alfa - Beta - Gama");
    EXPECT_EQ(read(barFile()), barPage("- <a href=\"link_0_2\">Alfa</a> - <a href=\"link_0_1\">"
                                       "Beta</a> - <a href=\"link_0_0\">Gama</a>"));
    expectPage("c.html");

    followBarLink("link_0_2");
    EXPECT_EQ(w.TreeViewNavigace->currentItem(), node({"Alfa"}));
    EXPECT_EQ(caption(), "- Alfa");
    expectPage("a.html");
    waitShown(*w.WebBrowserInfo, barFile());  // the link itself was cancelled

    followBarLink("link_0_0");  // the node shown: shown again
    expectPage("a.html");
    EXPECT_EQ(caption(), "- Alfa");
}

TEST_F(PathBarTest, SubPageEndsTheBarAfterAResizeAndItsLinkOpensIt) {
    TFormExpozice& w = openSmallDisc();
    QTreeWidgetItem* beta = node({"Alfa", "Beta"});
    select(beta);
    EXPECT_EQ(caption(), "- Alfa - Beta");
    TNodeData& data = navNodeOf(beta)->data;
    data.CurrentSubPageFile = "sub/b1.html";
    data.CurrentSubPageTitle = text::cp(" První ");

    w.resize(w.width() + 20, w.height());
    settle();
    EXPECT_EQ(caption(), "- Alfa - Beta - První");
    EXPECT_EQ(read(barFile()),
              barPage(text::cp("- <a href=\"link_0_1\">Alfa</a> - <a href=\"link_0_0\">Beta</a> - "
                               "<a href=\"link_1_0\">První</a>")));

    followBarLink("link_1_0");
    expectPage("sub/b1.html");
    EXPECT_EQ(caption(), "- Alfa - Beta - První");

    select(node({"Alfa"}));
    select(beta);  // a change of node names no sub-page
    EXPECT_EQ(caption(), "- Alfa - Beta");

    emit w.SplitterWeb->moved();  // a moved splitter names it again
    settle();
    EXPECT_EQ(caption(), "- Alfa - Beta - První");
}

TEST_F(PathBarTest, LinkThatPointsNowhereDoesNothing) {
    TFormExpozice& w = openSmallDisc();
    QTreeWidgetItem* gama = node({"Alfa", "Beta", "Gama"});
    select(gama);
    waitShown(*w.WebBrowserInfo, barFile());

    for (const char* link : {"link_0_x", "LINK_0_3", "link_0_-1", "link_0_"}) {
        followBarLink(link);
        EXPECT_EQ(w.TreeViewNavigace->currentItem(), gama) << link;
        EXPECT_EQ(caption(), "- Alfa - Beta - Gama") << link;
    }
    waitShown(*w.WebBrowserInfo, barFile());
    expectPage("c.html");
}

TEST_F(PathBarTest, BarGrowsWithItsWrappedTextAndCentresThePrintButton) {
    TFormExpozice& w = openSmallDisc();
    select(node({"Alfa"}));
    const int oneLine = w.PanelInfoAll->height();
    EXPECT_GE(oneLine, w.SpeedButtonTisk->height());

    w.resize(420, w.height());
    settle();
    select(node({"Delta a velmi dlouhý název položky, který se do úzkého pruhu nevejde"}));
    const int wrapped = w.PanelInfoAll->height();
    EXPECT_GT(wrapped, oneLine);
    EXPECT_EQ(w.PanelIcon->width(), w.SpeedButtonTisk->width() + 7);
    QTest::qWait(20);  // the bar's layout places the button
    EXPECT_EQ(w.SpeedButtonTisk->y(),
              static_cast<int>(std::nearbyint((wrapped - w.SpeedButtonTisk->height()) / 2.0)));
    EXPECT_EQ(w.WebBrowserInfo->height(), w.LabelInfo->height());
}

// The bar's page is written in the program's code page without naming it: the browser still
// shows Czech letters as they are written.
TEST_F(PathBarTest, CzechLettersShowAsWritten) {
    TFormExpozice& w = openSmallDisc();
    QTreeWidgetItem* beta = node({"Alfa", "Beta"});
    navNodeOf(beta)->data.CurrentSubPageTitle = text::cp("Katalog vystavovatelů");
    select(beta);
    w.resize(w.width() + 20, w.height());  // names the sub-page
    settle();
    waitShown(*w.WebBrowserInfo, barFile());
    QVariant shown;
    w.WebBrowserInfo->view()->page()->runJavaScript(QStringLiteral("document.body.innerText"),
                                                    [&](const QVariant& v) { shown = v; });
    ASSERT_TRUE(
        ui::pumpUntil([&] { return shown.isValid(); }, std::chrono::milliseconds(kPatienceMs)));
    EXPECT_EQ(shown.toString().trimmed(),
              QString::fromUtf8("- Alfa - Beta - Katalog vystavovatelů"));
}

// A rebuilt tree leaves no node in the bar: the bar is empty and its old links lead nowhere.
TEST_F(PathBarTest, EmptyingTheTreeEmptiesTheBar) {
    TFormExpozice& w = openSmallDisc();
    select(node({"Alfa", "Beta", "Gama"}));
    w.TreeViewNavigace->clear();
    settle();

    EXPECT_EQ(caption(), "");
    EXPECT_FALSE(w.WebBrowserInfo->isVisible());
    followBarLink("link_0_1");
    EXPECT_EQ(w.TreeViewNavigace->currentItem(), nullptr);
    EXPECT_EQ(caption(), "");
}

// The bar's page shows its whole text, however it wraps: no scroll bar takes room from it.
TEST_F(PathBarTest, TheBarsPageShowsItsWholeTextWithoutScrollBars) {
    TFormExpozice& w = openSmallDisc();
    const auto measure = [&](const char* script) {
        QVariant value;
        w.WebBrowserInfo->view()->page()->runJavaScript(QString::fromLatin1(script),
                                                        [&](const QVariant& v) { value = v; });
        EXPECT_TRUE(
            ui::pumpUntil([&] { return value.isValid(); }, std::chrono::milliseconds(kPatienceMs)));
        return value.toInt();
    };
    select(node({"Delta a velmi dlouhý název položky, který se do úzkého pruhu nevejde"}));
    for (const int width : {640, 420}) {
        SCOPED_TRACE(width);
        w.resize(width, w.height());
        settle();
        waitShown(*w.WebBrowserInfo, barFile());
        EXPECT_EQ(measure("window.innerWidth - document.documentElement.clientWidth"), 0);
        EXPECT_LE(measure("(function() { const r = document.createRange();"
                          " r.selectNodeContents(document.querySelector('td'));"
                          " return Math.ceil(r.getBoundingClientRect().bottom); })()"),
                  w.WebBrowserInfo->height());
    }
}

}  // namespace
}  // namespace expo::presentation::testing
