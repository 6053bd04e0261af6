// The full-text search in the main window: the query typed and run by Enter or "Hledej", the
// progress notice, the hit panel with its sorted list, the messages for a blank query and for no
// hit, a hit chosen and shown, the close box, a file that cannot be read, hits outliving their
// tree; and on the demo disc, the chosen language's pages only.
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <chrono>

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <QTreeWidget>
#include <algorithm>
#include <cstring>

#include "platform/ui/pump.h"
#include "platform/ui/qtext.h"
#include "presentation/dlg_hlaseni.h"
#include "presentation/event_tap.h"
#include "presentation/navigation_items.h"
#include "presentation/panel_button.h"
#include "presentation/splitter_bar.h"
#include "tests/pages/window_fixture.h"

namespace expo::presentation::testing {
namespace {

using text::cp;
using ui::toQ;

// "Zeta" stands first in the tree, with three sub-pages, and "Hora" below it; "Čeřen" has no
// page of its own; "Alfa" and "Nic" follow.
constexpr const char* kConfig = R"([uvod]
url=uvod.html
[aplikace]
SkrytData=
[polozka_z]
text0=Zeta
url0=z.html
fulltext0=sub\z1.html ;sub/z2.html; sub/z3.html;sub/z4.html
fulltextName0=Chata
[polozka_h]
rodic=polozka_z
text0=Hora
url0=h.html
[polozka_c]
text0=Čeřen
url0=chybi.html
fulltext0=sub/c1.html
fulltextName0=Cé
[polozka_a]
text0=Alfa
url0=a.html
[polozka_n]
text0=Nic
url0=n.html
)";

const std::vector<std::string> kHits = {
    "Alfa", "Hora", "Chata=sub\\z1.html", "Zeta", "Zeta=sub/z2.html", "Zeta=sub/z3.html"};

// Shows of the progress notice: its title and the lines it was given.
class NoticeLog : public QObject {
  public:
    NoticeLog() { qApp->installEventFilter(this); }
    ~NoticeLog() override { qApp->removeEventFilter(this); }
    std::vector<std::string> titles;
    std::vector<std::string> lines;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            if (auto* notice = qobject_cast<TFormDlgHlaseni*>(watched)) {
                titles.push_back(notice->lblNadpis->text().toStdString());
                connect(notice, &TFormDlgHlaseni::messageTextSet, this,
                        [this](const QString& line) { lines.push_back(line.toStdString()); });
            }
        }
        return false;
    }
};

class FulltextWindow : public WindowTest {
  protected:
    TFormExpozice& openSmallDisc(const std::string& alfaPage = "<p>LIPOVÁ</p>") {
        disc_ = writeDisc({{"config.ini", kConfig},
                           {"uvod.html", "<html><body><a href='jazyk0.html'>CZ</a></body></html>"},
                           {"z.html", "<html><body><p>Veletrh Lipová</p></body></html>"},
                           {"sub/z1.html", "<p>Chata</p>\r\n<p>LIPOVÁ hora</p>\r\n"},
                           {"sub/z2.html", "<p>lipová</p>"},
                           {"sub/z3.html", "<P>LiPoVá</P>"},
                           {"sub/z4.html", "<p>Lipova bez čárky</p>"},
                           {"h.html", "<a title='lipová'>Hora</a>"},
                           {"sub/c1.html", "Lipová"},
                           {"a.html", alfaPage},
                           {"n.html", "<p>L&iacute;pov&aacute;</p>"}},
                          {"data/data0.dat"});
        return openDisc();
    }
    TFormExpozice& openDisc() {
        TFormExpozice& w = open(disc_);
        notices.titles.clear();  // the loading's
        notices.lines.clear();
        new EventTap(w.PanelFull, QEvent::Paint, [this, &w](QEvent&) {
            fullPressed_ = fullPressed_ || w.PanelFull->frameShadow() == QFrame::Sunken;
        });
        new EventTap(w.PanelZavritHledani, QEvent::Paint, [this, &w](QEvent&) {
            closePressed_ = closePressed_ || w.PanelZavritHledani->frameShadow() == QFrame::Sunken;
        });
        return w;
    }

    // Types `utf8` into the search box and runs the search by Enter or by a click on "Hledej".
    void searchByEnter(const char* utf8) {
        form().EditHledani->setText(toQ(cp(utf8)));
        QTest::keyClick(form().EditHledani, Qt::Key_Return);
        settle();
    }
    void searchByClick(const char* utf8) {
        form().EditHledani->setText(toQ(cp(utf8)));
        QTest::mouseClick(form().PanelFull, Qt::LeftButton);
        settle();
    }

    std::vector<std::string> hits() {
        std::vector<std::string> texts;
        for (int row = 0; row < form().ListBoxNalezene->count(); ++row) {
            texts.push_back(form().ListBoxNalezene->item(row)->text().toStdString());
        }
        return texts;
    }
    // A press of `button` on the hit with this text (UTF-8).
    void choose(const std::string& utf8, Qt::MouseButton button = Qt::LeftButton) {
        QListWidget& list = *form().ListBoxNalezene;
        const QList<QListWidgetItem*> found = list.findItems(toQ(cp(utf8)), Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << utf8;
        const QPoint at = list.visualItemRect(found.front()).center();
        QTest::mousePress(list.viewport(), button, {}, at);
        QTest::mouseRelease(list.viewport(), button, {}, at);
        settle();
    }
    std::string selectedCaption() {
        const NavNode* node = navNodeOf(form().TreeViewNavigace->currentItem());
        return node ? text::cp1250ToUtf8(node->caption) : std::string();
    }
    void expectPage(const std::string& page) { waitShown(*form().WebBrowser, disc_ + "/" + page); }

    // The message boxes shown so far (the small screen's notice aside), in UTF-8, forgotten.
    std::vector<std::pair<ui::MessageKind, std::string>> takeMessages() {
        std::vector<std::pair<ui::MessageKind, std::string>> shown;
        for (const ui::Message& m : sink.besidesScreenNotice()) {
            shown.emplace_back(m.kind, text::cp1250ToUtf8(m.text));
        }
        sink.messages.clear();
        return shown;
    }
    bool hitPanelShown() {
        const bool panel = form().PanelBackHledani->isVisible();
        EXPECT_EQ(form().SplitterHledani->isVisible(), panel);
        return panel;
    }

    std::string disc_;
    NoticeLog notices;
    bool fullPressed_ = false;
    bool closePressed_ = false;
};

TEST_F(FulltextWindow, EnterListsThePagesAndSubPagesInAlphabeticalOrder) {
    TFormExpozice& w = openSmallDisc();
    EXPECT_FALSE(hitPanelShown());
    searchByEnter("lipová");

    EXPECT_EQ(hits(), kHits);
    EXPECT_TRUE(hitPanelShown());
    EXPECT_EQ(w.EditHledani->text(), QString());
    EXPECT_EQ(notices.titles, std::vector<std::string>{"Hledání:"});
    // One line per page node searched; none for the node without a page, none for sub-pages.
    EXPECT_EQ(notices.lines,
              (std::vector<std::string>{"Zpracovávám položku: Zeta", "Zpracovávám položku: Hora",
                                        "Zpracovávám položku: Alfa", "Zpracovávám položku: Nic"}));
    EXPECT_FALSE(fullPressed_);  // Enter plays no press
    EXPECT_TRUE(w.isEnabled());
    EXPECT_TRUE(takeMessages().empty());
}

TEST_F(FulltextWindow, HledejPlaysItsPressAndSearchesAnew) {
    TFormExpozice& w = openSmallDisc();
    searchByEnter("lipová");
    searchByClick("  chata ");

    EXPECT_TRUE(fullPressed_);
    EXPECT_EQ(hits(), std::vector<std::string>{"Chata=sub\\z1.html"});
    EXPECT_TRUE(hitPanelShown());
    EXPECT_EQ(w.EditHledani->text(), QString());
}

TEST_F(FulltextWindow, TheCommandSearchesWithoutAPress) {
    TFormExpozice& w = openSmallDisc();
    w.EditHledani->setText(toQ(cp("hora")));
    w.ActFulltext->trigger();
    settle();

    EXPECT_FALSE(fullPressed_);
    EXPECT_EQ(hits(), (std::vector<std::string>{"Hora", "Chata=sub\\z1.html"}));  // h < ch
    EXPECT_TRUE(hitPanelShown());
}

TEST_F(FulltextWindow, NoHitTellsSoHidesThePanelAndKeepsTheQuery) {
    TFormExpozice& w = openSmallDisc();
    searchByEnter("lipová");
    ASSERT_TRUE(hitPanelShown());

    searchByClick("líPOVÁ");  // written with character references in its only page
    EXPECT_EQ(takeMessages(),
              (std::vector<std::pair<ui::MessageKind, std::string>>{
                  {ui::MessageKind::Information, "Zadaný řetězec nebyl nalezen."}}));
    EXPECT_TRUE(hits().empty());
    EXPECT_FALSE(hitPanelShown());
    EXPECT_EQ(w.EditHledani->text(), toQ(cp("líPOVÁ")));
}

TEST_F(FulltextWindow, EnterInABlankBoxIsRefusedWithoutAPress) {
    TFormExpozice& w = openSmallDisc();
    searchByEnter("lipová");
    notices.titles.clear();

    searchByEnter("  \t ");
    EXPECT_EQ(takeMessages(), (std::vector<std::pair<ui::MessageKind, std::string>>{
                                  {ui::MessageKind::Error, "Musí být zadán hledaný text."}}));
    EXPECT_FALSE(fullPressed_);
    EXPECT_TRUE(notices.titles.empty());
    EXPECT_EQ(hits(), kHits);
    EXPECT_TRUE(hitPanelShown());
    EXPECT_EQ(w.focusWidget(), w.EditHledani);
}

TEST_F(FulltextWindow, HledejWithAnEmptyBoxPressesThenRefuses) {
    TFormExpozice& w = openSmallDisc();
    w.TreeViewNavigace->setFocus();
    searchByClick("");

    EXPECT_TRUE(fullPressed_);
    EXPECT_EQ(takeMessages(), (std::vector<std::pair<ui::MessageKind, std::string>>{
                                  {ui::MessageKind::Error, "Musí být zadán hledaný text."}}));
    EXPECT_FALSE(hitPanelShown());
    EXPECT_EQ(w.focusWidget(), w.EditHledani);
}

TEST_F(FulltextWindow, APageHitSelectsItsNodeAndShowsItsPage) {
    TFormExpozice& w = openSmallDisc();
    searchByEnter("lipová");

    choose("Alfa");
    EXPECT_EQ(selectedCaption(), "Alfa");
    expectPage("a.html");
    EXPECT_EQ(w.LabelInfo->text().toStdString(), "- Alfa");
    EXPECT_EQ(w.focusWidget(), w.TreeViewNavigace);

    choose("Hora", Qt::RightButton);  // any button opens a hit
    EXPECT_EQ(selectedCaption(), "Hora");
    expectPage("h.html");
    EXPECT_EQ(w.LabelInfo->text().toStdString(), "- Zeta - Hora");
}

TEST_F(FulltextWindow, APageHitOfTheSelectedNodeShowsItsPageAgain) {
    TFormExpozice& w = openSmallDisc();
    searchByEnter("lipová");
    choose("Zeta");
    expectPage("z.html");
    w.WebBrowser->navigate(disc_ + "/n.html");  // a link followed in the page
    expectPage("n.html");

    choose("Zeta");
    expectPage("z.html");
}

TEST_F(FulltextWindow, ASubPageHitShowsTheSubPageAndNamesItInThePathBar) {
    TFormExpozice& w = openSmallDisc();
    searchByEnter("lipová");

    choose("Chata=sub\\z1.html");
    EXPECT_EQ(selectedCaption(), "Zeta");
    expectPage("sub/z1.html");
    EXPECT_TRUE(ui::pumpUntil([&] { return w.LabelInfo->text() == "- Zeta - Chata"; },
                              std::chrono::milliseconds(5000)))
        << w.LabelInfo->text().toStdString();
    const NavNode* zeta = navNodeOf(w.TreeViewNavigace->currentItem());
    EXPECT_EQ(zeta->data.CurrentSubPageTitle, "Chata");
}

TEST_F(FulltextWindow, UntitledSubPagesOfOneNodeOpenTheirOwnFiles) {
    TFormExpozice& w = openSmallDisc();
    searchByEnter("lipová");

    choose("Zeta=sub/z3.html");
    expectPage("sub/z3.html");
    choose("Zeta=sub/z2.html");
    expectPage("sub/z2.html");
    // Without a title the sub-page is not named in the path bar.
    EXPECT_EQ(w.LabelInfo->text().toStdString(), "- Zeta");
}

TEST_F(FulltextWindow, ASearchForgetsTheSubPageShown) {
    TFormExpozice& w = openSmallDisc();
    searchByEnter("lipová");
    choose("Chata=sub\\z1.html");
    const NavNode* zeta = navNodeOf(w.TreeViewNavigace->currentItem());
    ASSERT_TRUE(ui::pumpUntil([&] { return zeta->data.CurrentSubPageTitle == "Chata"; },
                              std::chrono::milliseconds(5000)));

    searchByEnter("nic");
    takeMessages();
    EXPECT_EQ(zeta->data.CurrentSubPageFile, "");
    EXPECT_EQ(zeta->data.CurrentSubPageTitle, "");
}

TEST_F(FulltextWindow, TheCloseBoxHidesThePanelAndKeepsTheHits) {
    TFormExpozice& w = openSmallDisc();
    searchByEnter("lipová");
    ASSERT_TRUE(hitPanelShown());
    const QRect strip = w.PanelHledaniText->rect();
    EXPECT_EQ(w.PanelZavritHledani->geometry().right(), strip.right() - 2);
    EXPECT_EQ(w.PanelZavritHledani->size(), QSize(17, 15));

    QTest::mouseClick(w.PanelZavritHledani, Qt::LeftButton);
    settle();
    EXPECT_TRUE(closePressed_);
    EXPECT_FALSE(hitPanelShown());
    EXPECT_EQ(hits(), kHits);
}

TEST_F(FulltextWindow, HitsOfARebuiltTreeOpenNothing) {
    TFormExpozice& w = openSmallDisc();
    searchByEnter("lipová");
    choose("Zeta");
    expectPage("z.html");

    bool cancel = false;
    w.WebBrowserBeforeNavigate2("nastav_jaz0", cancel);  // the tree is built anew
    settle();
    expectPage("z.html");  // its first node
    QTreeWidgetItem* current = w.TreeViewNavigace->currentItem();
    EXPECT_EQ(hits(), kHits);
    EXPECT_TRUE(hitPanelShown());

    for (const char* hit : {"Alfa", "Chata=sub\\z1.html"}) {
        choose(hit);
        settle();
        EXPECT_EQ(w.TreeViewNavigace->currentItem(), current) << hit;
    }
    EXPECT_EQ(shownUrl(*w.WebBrowser), disc_ + "/z.html");
}

// A file that is there but cannot be read: a socket.
void placeSocket(const std::string& path) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    ASSERT_LT(path.size(), sizeof(address.sun_path)) << path;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(fd, 0);
    EXPECT_EQ(::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)), 0);
    ::close(fd);
}

TEST_F(FulltextWindow, AFileThatCannotBeReadEndsTheSearchKeepingItsHits) {
    disc_ = writeDisc({{"config.ini", kConfig},
                       {"uvod.html", "<html><body><a href='jazyk0.html'>CZ</a></body></html>"},
                       {"z.html", "Lipová"},
                       {"h.html", "Lipová"},
                       {"n.html", "Lipová"}},
                      {"data/data0.dat"});
    placeSocket(disc_ + "/a.html");
    TFormExpozice& w = openDisc();

    searchByEnter("lipová");
    const auto messages = takeMessages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].first, ui::MessageKind::Error);
    EXPECT_NE(messages[0].second.find("a.html"), std::string::npos) << messages[0].second;
    EXPECT_EQ(hits(), (std::vector<std::string>{"Hora", "Zeta"}));
    EXPECT_FALSE(hitPanelShown());  // as it was
    EXPECT_EQ(w.EditHledani->text(), toQ(cp("lipová")));
    EXPECT_TRUE(w.isEnabled());
    EXPECT_EQ(notices.titles.size(), 1u);
    for (QWidget* window : QApplication::topLevelWidgets()) {
        EXPECT_EQ(qobject_cast<TFormDlgHlaseni*>(window), nullptr) << "the notice stays";
    }
}

// The demo disc's pages hold the fair's name in every language; the search reads the pages of
// the language chosen, never the exhibitor item's or the catalogue sections'.
TEST_F(FulltextWindow, OnTheDemoDiscOnlyTheChosenLanguagesPagesAreFound) {
    disc_ = EXPO_DISC_DIR;
    TFormExpozice& w = openDisc();
    searchByEnter("lipová");
    const std::vector<std::string> czech = hits();
    for (const char* hit : {"Úvod", "Slovo ředitele veletrhu=stranky\\uvod_pozdrav0.html",
                            "Program veletrhu=stranky\\uvod_program0.html", "O veletrhu",
                            "Soutěž Zlatý klíč=stranky/souteze0.html", "Pro novináře"}) {
        EXPECT_NE(std::find(czech.begin(), czech.end(), hit), czech.end()) << hit;
    }
    EXPECT_EQ(std::find(czech.begin(), czech.end(), "Welcome"), czech.end());
    EXPECT_EQ(std::find(czech.begin(), czech.end(), "Katalog vystavovatelů"), czech.end());
    EXPECT_TRUE(std::is_sorted(czech.begin(), czech.end(), [](const auto& a, const auto& b) {
        return text::collateNoCase(cp(a), cp(b)) < 0;
    }));

    bool cancel = false;
    w.WebBrowserBeforeNavigate2("nastav_jaz1", cancel);
    settle();
    searchByEnter("LIPOVÁ");
    const std::vector<std::string> english = hits();
    for (const char* hit :
         {"Welcome", "A word from the director=stranky\\uvod_pozdrav1.html", "About the fair"}) {
        EXPECT_NE(std::find(english.begin(), english.end(), hit), english.end()) << hit;
    }
    EXPECT_EQ(std::find(english.begin(), english.end(), "Úvod"), english.end());
    EXPECT_EQ(english.size(), czech.size() - 1);  // no "Pro novináře" in English
    EXPECT_TRUE(takeMessages().empty());
}

// --- Input queued while a search starts, and the first node's hits ---------------------------

// Two Enter presses wait in the queue; the first search's notice pumps the second before it
// disables the window. That second search must not run inside the first one.
TEST_F(FulltextWindow, AnEnterQueuedDuringASearchListsNoHitTwice) {
    TFormExpozice& w = openSmallDisc();
    w.EditHledani->setText(toQ(cp("lipová")));
    for (int i = 0; i < 2; ++i) {
        QCoreApplication::postEvent(
            w.EditHledani, new QKeyEvent(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier));
    }
    settle();
    EXPECT_EQ(hits(), kHits);
    EXPECT_EQ(notices.titles.size(), 1u);
}

// The first node is current after the loading but not selected; its hits select it as any
// other node's do. Its page hit and its sub-page hit each from a fresh start.
class FirstNodeHit : public FulltextWindow, public ::testing::WithParamInterface<const char*> {};

TEST_P(FirstNodeHit, SelectsTheNode) {
    TFormExpozice& w = openSmallDisc();
    searchByEnter("lipová");
    ASSERT_FALSE(w.TreeViewNavigace->currentItem()->isSelected());

    choose(GetParam());
    const QList<QTreeWidgetItem*> selected = w.TreeViewNavigace->selectedItems();
    ASSERT_EQ(selected.size(), 1);
    EXPECT_EQ(selected.front(), w.TreeViewNavigace->topLevelItem(0));
}

INSTANTIATE_TEST_SUITE_P(Hits, FirstNodeHit, ::testing::Values("Zeta", "Chata=sub\\z1.html"));

}  // namespace
}  // namespace expo::presentation::testing
