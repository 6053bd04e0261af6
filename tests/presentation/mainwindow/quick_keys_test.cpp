// Keys held down on a real X server, 35 ms apart: they arrive while the program shows a node or
// an exhibitor and pumps messages meanwhile. Once they stop, the node selected is the current
// one and everything shown is that node's; in the exhibitor list, the entry's page.
#include "presentation/widgets/event_tap.h"
#include "presentation/widgets/exhibitor_list_view.h"
#include "tests/support/x_input.h"
#include "tests/support/x_window_test.h"

namespace expo::testing {
namespace {

using namespace std::chrono_literals;
constexpr auto kHeldKeyGap = 35ms;

class QuickKeysTest : public XServerWindowTest {
  protected:
    void SetUp() override {
        XServerWindowTest::SetUp();
        if (!IsSkipped()) {
            ASSERT_TRUE(activate(open()));
        }
    }
    static std::string caption(const QTreeWidgetItem* item) {
        return item ? item->text(0).toStdString() : "none";
    }
    void clickAt(QWidget& viewport, QRect rect) {
        x.send({XStep::moveTo(viewport.mapToGlobal(rect.center())), XStep::click()});
    }
    void hold(XKey key, int times) {
        x.play(std::vector<XStep>(times, XStep::key(key)), kHeldKeyGap);
        ASSERT_TRUE(waitFor([&] { return x.played(); }));
    }
    // Once what the program shows is `expected` and no page is being made or loaded: the
    // showings that the keys started have ended, or the faulty state has stayed for long.
    std::string settledState(const std::string& expected) {
        const auto idle = [&] {
            return !QGuiApplication::overrideCursor() &&
                   form().WebBrowser->readyState() == browser::ReadyState::Complete;
        };
        ui::pumpUntil([&] { return idle() && state() == expected; }, 15s);
        settle();
        return state();
    }
    // The tree's selected and current nodes, the page (an exhibitor's by the one it was made
    // for), the path bar, the list and its view, the status bar.
    std::string state() {
        TFormExpozice& w = form();
        std::string page = shownUrl(*w.WebBrowser);
        if (page == privateFile("temp.html")) {
            page = "exhibitor " + lastFilter();
        }
        return caption(w.TreeViewNavigace->selectedItems().value(0)) + " | " +
               caption(w.TreeViewNavigace->currentItem()) + " | " + page + " | " + pathBar() +
               " | " + (w.PanelSeznamFirem->isVisible() ? listState() : "no list") + " | " +
               statusBar();
    }
    std::string listState() {
        QListWidget& list = *form().ListBoxSeznamFirem;
        const QList<QListWidgetItem*> selected = list.selectedItems();
        return std::to_string(list.count()) + " entries, " +
               (selected.size() == 1 ? selected[0]->text().toStdString() : "not one") +
               " selected" + (form().ToolButtonVse->isChecked() ? ", Vše" : "");
    }

    XInput x;
};

// From the catalogue's node, opened: down through its sections to the page after them, back up
// into a section, and down again to the last one.
TEST_F(QuickKeysTest, TheTreeShowsTheNodeTheKeysReach) {
    QTreeWidget& tree = *form().TreeViewNavigace;
    clickAt(*tree.viewport(), tree.visualItemRect(node({"Úvod"})));
    hold(XKey::Down, 3);
    hold(XKey::Right, 1);
    const std::string catalogue = "Katalog vystavovatelů";
    ASSERT_TRUE(waitFor([&] {
        return caption(tree.currentItem()) == catalogue && tree.currentItem()->isExpanded();
    }));

    const struct {
        XKey key;
        int times;
        const char* node;
        std::string page;    // a page node's
        const char* listed;  // a section's list
        int shownCount;
    } cases[] = {
        {XKey::Down, 7, "Plán výstaviště", discFile("stranky/plan0.html"), nullptr, 0},
        {XKey::Up, 3, "Potraviny a obaly", "exhibitor KAT_ID=1319",
         "45 entries, Astrotrans a.s. selected, Vše", 45},
        {XKey::Down, 2, "Služby, logistika a vzdělávání", "exhibitor KAT_ID=1039",
         "67 entries, Agrotech s.r.o. selected, Vše", 67},
    };
    for (const auto& c : cases) {
        hold(c.key, c.times);
        const std::string expected = std::string(c.node) + " | " + c.node + " | " + c.page +
                                     " | - " + (c.listed ? catalogue + " - " : "") + c.node +
                                     " | " + (c.listed ? c.listed : "no list") + " | " +
                                     (c.listed ? statusLine(0, c.shownCount) : "");
        EXPECT_EQ(settledState(expected), expected);
    }
}

// Down held in a section's list, pressed anew every 35 ms or repeating by itself: the page is
// that of the entry the keys reach.
TEST_F(QuickKeysTest, TheListShowsTheEntryTheKeysReach) {
    select(section("Strojírenství"));
    QListWidget& list = *form().ListBoxSeznamFirem;
    int released = 0;  // as the list's own handling counts them: repetitions aside
    presentation::EventTap tap(&list, QEvent::KeyRelease, [&](QEvent& e) {
        released += !static_cast<QKeyEvent&>(e).isAutoRepeat();
    });
    // Pressed and released twelve times; held down for 1.5 s, repeating (Qt takes a repetition
    // now and then for a release, as the X server sends it).
    const struct {
        std::vector<XStep> keys;
        std::chrono::milliseconds gap;
        int releases;
    } holds[] = {
        {std::vector<XStep>(12, XStep::key(XKey::Down)), kHeldKeyGap, 12},
        {{XStep::press(XKey::Down), XStep::release(XKey::Down)}, 1500ms, 1},
    };
    for (const auto& [keys, gap, releases] : holds) {
        clickAt(*list.viewport(), list.visualItemRect(list.item(0)));
        released = 0;
        x.play(keys, gap);
        ASSERT_TRUE(waitFor([&] { return x.played() && released >= releases; }));
        settle();
        ASSERT_GT(list.currentRow(), 1);
        const std::string entry = list.currentItem()->text().toStdString();
        const auto key = presentation::exhibitorKeyOf(list.currentItem());
        const std::string expected =
            "Strojírenství | Strojírenství | exhibitor KAT_ID=" + std::to_string(key.value_or(-1)) +
            " | - Katalog vystavovatelů - Strojírenství | 89 entries, " + entry +
            " selected, Vše | " + statusLine(0, 89);
        EXPECT_EQ(settledState(expected), expected);
    }
}

// A key that chooses the next section and a click on an entry of the list it replaces, handled in
// one go: the new section's first exhibitor is shown, not the one clicked in the old list.
TEST_F(QuickKeysTest, AClickInTheListAKeyReplacedShowsTheNewSection) {
    select(section("Strojírenství"));
    QListWidget& list = *form().ListBoxSeznamFirem;
    form().TreeViewNavigace->setFocus();
    x.send({XStep::key(XKey::Down),
            XStep::moveTo(list.viewport()->mapToGlobal(list.visualItemRect(list.item(5)).center())),
            XStep::click()});
    const std::string expected =
        "Elektrotechnika a automatizace | Elektrotechnika a automatizace | exhibitor KAT_ID=1357 | "
        "- Katalog vystavovatelů - Elektrotechnika a automatizace | 55 entries, BETOPAR S.R.O. "
        "selected, Vše | " +
        statusLine(0, 55);
    EXPECT_EQ(settledState(expected), expected);
}

}  // namespace
}  // namespace expo::testing
