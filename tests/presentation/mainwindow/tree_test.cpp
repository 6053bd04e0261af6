// The navigation tree as the user works it. Every way of selecting a node shows it through the
// tree's change handling, the node the loading showed first (current, not selected) included. A
// click on the selected page node shows its page again once a click has armed the tree; a
// keyboard selection, an expansion and a collapse disarm it; only the left button chooses or
// clicks.
#include "tests/support/window_fixture.h"

namespace expo::testing {
namespace {

class TreeTest : public WindowTest {
  protected:
    // "Alfa" (with the sub-page "Příloha", linked from its page) stands first, "Běta" with its
    // child "Gama" after it.
    TFormExpozice& openDisc() {
        TFormExpozice& w = open(writeDisc(
            "[aplikace]\nSkrytData=\n[polozka_a]\ntext0=Alfa\nurl0=a.html\n"
            "fulltext0=a1.html\nfulltextName0=Příloha\n[polozka_b]\ntext0=Běta\nurl0=b.html\n"
            "[polozka_g]\nrodic=polozka_b\ntext0=Gama\nurl0=g.html\n",
            {{"a.html", "<a href='a1.html'>Příloha</a>"},
             {"a1.html", "P"},
             {"b.html", "B"},
             {"g.html", "G"},
             {"jinam.html", "J"}}));
        waitShown(*w.WebBrowser, discFile("a.html"));
        return w;
    }
    void click(const char* caption, Qt::MouseButton button = Qt::LeftButton) {
        QTreeWidget& tree = *form().TreeViewNavigace;
        QTest::mouseClick(tree.viewport(), button, {},
                          tree.visualItemRect(node({caption})).center());
        settle();
    }
    void key(Qt::Key key) {
        form().TreeViewNavigace->setFocus();
        QTest::keyClick(form().TreeViewNavigace, key);
        settle();
    }
    std::string selected() {
        const QList<QTreeWidgetItem*> nodes = form().TreeViewNavigace->selectedItems();
        return nodes.isEmpty() ? "" : nodes[0]->text(0).toStdString();
    }
};

// A link in the first page leaves it; one click on the first node, one Space on it, or the path
// bar's link to it selects it and shows it again, ending the last search's selection.
TEST_F(TreeTest, SelectingTheFirstNodeAfterALinkInItsPageShowsItAgain) {
    const std::pair<const char*, std::function<void()>> ways[] = {
        {"click", [this] { click("Alfa"); }},
        {"key", [this] { key(Qt::Key_Space); }},
        {"path bar",
         [this] {
             waitShown(*form().WebBrowserInfo, privateFile("temp_path.html"));
             clickInPage(*form().WebBrowserInfo, "a[href='link_0_0']");
             EXPECT_TRUE(waitFor([&] { return selected() == "Alfa"; }));
         }},
    };
    for (const auto& [way, select] : ways) {
        TFormExpozice& w = openDisc();
        clickInPage(*w.WebBrowser, "a[href='a1.html']");
        waitShown(*w.WebBrowser, discFile("a1.html"));
        EXPECT_EQ(pathBar(), "- Alfa - Příloha") << way;
        w.setSelectionList({presentation::ExhibitorEntry{"Agroline a.s.", 1200}});

        select();
        waitShown(*w.WebBrowser, discFile("a.html"));
        EXPECT_EQ(pathBar(), "- Alfa") << way;
        EXPECT_EQ(selected(), "Alfa") << way;
        EXPECT_TRUE(w.selectionList().empty()) << way;
    }
}

// Each step starts from "jinam.html", as a link in the page would leave it: the clicks that show
// the selected node's page again bring its page back and empty the status bar.
TEST_F(TreeTest, AClickShowsTheSelectedPageAgainOnlyOnceArmedAndOnlyWithTheLeftButton) {
    TFormExpozice& w = openDisc();
    click("Běta");  // selects and shows it, and arms the tree
    struct Step {
        const char* what;
        std::function<void()> act;
        const char* selected;
        const char* shown;  // the page shown again, or none
    };
    const Step steps[] = {
        {"a click on the selected node", [&] { click("Běta"); }, "Běta", "b.html"},
        {"a right click", [&] { click("Běta", Qt::RightButton); }, "Běta", nullptr},
        {"a middle click on another node", [&] { click("Alfa", Qt::MiddleButton); }, "Běta",
         nullptr},
        {"a left click after the others", [&] { click("Běta"); }, "Běta", "b.html"},
        {"expanded", [&] { key(Qt::Key_Right); }, "Běta", nullptr},
        {"a click after expanding", [&] { click("Běta"); }, "Běta", nullptr},
        {"the next click", [&] { click("Běta"); }, "Běta", "b.html"},
        {"collapsed", [&] { key(Qt::Key_Left); }, "Běta", nullptr},
        {"a click after collapsing", [&] { click("Běta"); }, "Běta", nullptr},
        {"selected with a key", [&] { key(Qt::Key_Up); }, "Alfa", "a.html"},
        {"a click after the key", [&] { click("Alfa"); }, "Alfa", nullptr},
        {"the next click after the key", [&] { click("Alfa"); }, "Alfa", "a.html"},
    };
    for (const Step& step : steps) {
        w.WebBrowser->navigate(discFile("jinam.html"));
        waitShown(*w.WebBrowser, discFile("jinam.html"));
        w.PnlStatusBar->setText("x");  // showing a node empties it
        step.act();
        EXPECT_EQ(selected(), step.selected) << step.what;
        EXPECT_EQ(statusBar(), step.shown ? "" : "x") << step.what;
        if (step.shown) {
            waitShown(*w.WebBrowser, discFile(step.shown));
        }
    }
}

}  // namespace
}  // namespace expo::testing
