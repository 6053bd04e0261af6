// The notebook in the main window: "Do zápisníku", the "Zápisník" view with "Vyřadit" and the
// entry shown afterwards, the buttons' enabling and the status line; then the export window:
// its notice and text, saving, what saves nothing or fails, Ctrl+Shift+Q, and lines saved as
// typed however the box wraps them; a double click on each panel-button.
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include "platform/ui/save_dialog.h"
#include "presentation/widgets/exhibitor_list_view.h"
#include "presentation/windows/dlg_jednoduchy_export.h"
#include "tests/support/window_fixture.h"

namespace expo::testing {
namespace {

using namespace std::chrono_literals;
using presentation::TDlgJednoduchyExport;

class NotebookTest : public WindowTest {
  protected:
    // The demo disc's section "Strojírenství": "Agroline a.s." (1200), "Agrotech a.s." (1353)...
    TFormExpozice& openSection() {
        TFormExpozice& w = open();
        select(section("Strojírenství"));
        return w;
    }
    // Selects exactly these rows and runs `action`.
    void run(QAction* action, const std::vector<int>& rows) {
        form().ListBoxSeznamFirem->clearSelection();
        for (int row : rows) {
            form().ListBoxSeznamFirem->item(row)->setSelected(true);
        }
        action->trigger();
    }
    void add(const std::vector<int>& rows) { run(form().ActDoZapisniku, rows); }
    Lines notebookNames() {
        Lines names;
        for (const presentation::ExhibitorEntry& e : form().notebook()) {
            names.push_back(text::cp1250ToUtf8(e.name));
        }
        return names;
    }
    void expectButtons(bool enabled) {
        EXPECT_EQ(form().PnlVyradit->isEnabled(), enabled);
        EXPECT_EQ(form().LblExport->isEnabled(), enabled);
    }
    int exportWindow(QAction* start, const std::function<void(TDlgJednoduchyExport&)>& act) {
        return withModal<TDlgJednoduchyExport>([start] { start->trigger(); }, act);
    }
    std::string target() const { return (temp.path() / "firmy.txt").string(); }
};

TEST_F(NotebookTest, AddingTellsOnlyOfASingleExhibitorNotedAlready) {
    TFormExpozice& w = openSection();
    add({});
    EXPECT_TRUE(w.notebook().empty());
    expectButtons(false);
    add({1});
    add({1});
    EXPECT_EQ(takeMessages(), Lines{"Information: Vystavovatel již v zápisníku existuje."});
    add({0, 1, 2});
    EXPECT_EQ(notebookNames(), (Lines{"Agrotech a.s.", "Agroline a.s.", listNames()[2]}));
    EXPECT_EQ(statusBar(), statusLine(3, 89));
    expectButtons(true);
    EXPECT_TRUE(w.ToolButtonVse->isChecked());
}

// The view lists the notebook sorted; a removal puts the notebook into the list's order and
// shows the entry before the last one removed, or the first.
TEST_F(NotebookTest, TheViewListsItAndRemovingShowsTheEntryBeforeTheLastRemoved) {
    struct Case {
        std::vector<int> removed, kept;  // rows of the five
        int shown;                       // row, -1: none
    };
    const Case cases[] = {{{}, {0, 1, 2, 3, 4}, 0},
                          {{1, 3}, {0, 2, 4}, 1},
                          {{0}, {1, 2, 3, 4}, 0},
                          {{0, 1, 2, 3, 4}, {}, -1}};
    TFormExpozice& w = openSection();
    const Lines section = listNames();
    for (const Case& c : cases) {
        w.ActVse->trigger();
        add({3, 4});  // the notebook out of the list's order
        add({0, 1, 2});
        w.ActZapisnik->trigger();
        EXPECT_EQ(listNames(), Lines(section.begin(), section.begin() + 5));
        EXPECT_FALSE(w.PnlDoZapisniku->isVisible());
        EXPECT_EQ(w.ListBoxSeznamFirem->selectedItems(), QList{w.ListBoxSeznamFirem->item(0)});
        run(w.ActZrusitZeZapisniku, c.removed);
        Lines kept;
        for (int row : c.kept) {
            kept.push_back(section[size_t(row)]);
        }
        EXPECT_EQ(listNames(), kept);
        EXPECT_EQ(notebookNames(), kept);
        EXPECT_EQ(w.ListBoxSeznamFirem->currentRow(), c.shown);
        expectButtons(c.shown >= 0);
        EXPECT_EQ(statusBar(), statusLine(int(kept.size()), int(kept.size())));
        waitShown(*w.WebBrowser, c.shown < 0 ? "about:blank" : privateFile("temp.html"));
        if (c.shown >= 0) {
            EXPECT_NE(read(privateFile("temp.html")).find(text::cp(kept[size_t(c.shown)])),
                      std::string::npos);
            w.ListBoxSeznamFirem->selectAll();
            w.ActZrusitZeZapisniku->trigger();
        }
    }
    EXPECT_EQ(w.sectionFilter(), "SEKCE_ID in (1)");  // the section listed stays
}

TEST_F(NotebookTest, TheNotebookAndAPressedButtonOutlastALanguageSwitch) {
    TFormExpozice& w = openSection();
    add({0, 1});
    EXPECT_TRUE(follow("nastav_jaz1"));
    w.ActZapisnik->trigger();
    EXPECT_EQ(listNames(), (Lines{"Agroline a.s.", "Agrotech a.s."}));
    EXPECT_EQ(statusBar(), " Exhibitors - In notebook: 2, Shown: 2");
    EXPECT_EQ(w.LblVyradit->text(), "Remove");
    std::optional<QFrame::Shadow> during;
    QTimer::singleShot(30ms, [&] { during = w.PnlVyradit->frameShadow(); });
    w.PnlVyradit->press(100ms);
    EXPECT_EQ(during, QFrame::Sunken);
    EXPECT_EQ(w.PnlVyradit->frameShadow(), QFrame::Raised);
}

TEST_F(NotebookTest, TheExportWindowShowsTheNotebooksTextAndSavesIt) {
    TFormExpozice& w = openSection();
    add({1});
    add({0});
    Lines offered;
    const std::string before = os::currentDirectory();
    const ui::ScopedSaveDialog dialog([&](std::string_view preset) {
        offered.emplace_back(preset);
        os::setCurrentDirectory(temp.path().string());  // as the system's dialog may
        return std::optional(target());
    });
    EXPECT_TRUE(exportWindow(w.ActExportZapisniku, [&](TDlgJednoduchyExport& d) {
        EXPECT_TRUE(d.MemoExport->toPlainText().startsWith("Agrotech a.s.\nFrýdek-Místek, CZE\n"));
        d.BtnUlozit->click();
        EXPECT_EQ(os::currentDirectory(), before);
        d.MemoExport->setPlainText("Žluťoučký kůň");
        d.BtnUlozit->click();
    }));
    EXPECT_EQ(read(target()), text::cp("Žluťoučký kůň\r\n"));
    EXPECT_EQ(offered, Lines(2, "firmy.txt"));
    EXPECT_EQ(takeMessages(), Lines(2, "Information: Soubor byl uložen."));
    ASSERT_EQ(notices.notices.size(), 2u);  // the loading's and the export's
    EXPECT_EQ(notices.notices[1].title, "Export:");
    EXPECT_EQ(notices.notices[1].lines, (Lines{"záznam 1 z 2", "záznam 2 z 2"}));
    EXPECT_TRUE(notices.notices[1].blocking);
    EXPECT_TRUE(w.isEnabled());
}

// A cancelled dialog, no name and a box of blanks save nothing; a file that cannot be made is
// reported.
TEST_F(NotebookTest, WhatCannotBeSavedIsReportedOrLeftAlone) {
    struct Case {
        std::optional<std::string> answer;  // of the save dialog
        const char* box;                    // the text saved; null: as exported
        std::string message;
    };
    const Case cases[] = {{std::nullopt, nullptr, ""},
                          {std::string(), nullptr, ""},
                          {target(), " \n\t", ""},
                          {(temp.path() / "chybi" / "x").string(), nullptr,
                           "Information: Chyba při ukládání souboru."},
                          {(temp.path() / std::string(300, 'x')).string(), nullptr,
                           "Error: Nepodařilo se vytvořit soubor."}};
    TFormExpozice& w = openSection();
    add({0});
    for (const Case& c : cases) {
        const ui::ScopedSaveDialog dialog([&](std::string_view) { return c.answer; });
        EXPECT_TRUE(exportWindow(w.ActExportZapisniku, [&](TDlgJednoduchyExport& d) {
            if (c.box) {
                d.MemoExport->setPlainText(c.box);
            }
            d.BtnUlozit->click();
        }));
        EXPECT_EQ(takeMessages(), c.message.empty() ? Lines{} : Lines{c.message});
    }
    EXPECT_FALSE(std::filesystem::exists(target()));
}

TEST_F(NotebookTest, CtrlShiftQTellsTwoMessagesAndExportsTheNotebook) {
    TFormExpozice& w = openSection();
    const Lines told = {
        "Information: Typ jednotky: " + std::to_string(int(os::driveType(os::programFolder()))),
        "Information: Jednoduchý export."};
    EXPECT_FALSE(exportWindow(w.ActVerze, [](TDlgJednoduchyExport&) {}));
    EXPECT_EQ(takeMessages(), told);
    add({0});
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w, kPatienceMs));
    EXPECT_TRUE(withModal<TDlgJednoduchyExport>(
        [&] { QTest::keyClick(&w, Qt::Key_Q, Qt::ControlModifier | Qt::ShiftModifier); },
        [&](TDlgJednoduchyExport& d) {
            EXPECT_TRUE(d.MemoExport->toPlainText().startsWith("Agroline"));
        }));
    EXPECT_EQ(takeMessages(), told);
}

// A line of 160 characters that the box wraps, and a line break typed with Shift+Enter: the file
// holds the lines as typed, the same at the window's first width, wider and narrower.
TEST_F(NotebookTest, LinesAreSavedAsTypedWhateverTheWindowsWidth) {
    TFormExpozice& w = openSection();
    add({0});
    const char* const kLong =
        "Stroje a zarizeni pro zemedelstvi, lesnictvi a zpracovani dreva, dodavky na klic, "
        "servis, nahradni dily a poradenstvi v cele Evrope i mimo ni, od r. 1990 dosud.";
    const ui::ScopedSaveDialog dialog([this](std::string_view) { return std::optional(target()); });
    Lines saved;
    std::vector<int> rows;
    EXPECT_TRUE(exportWindow(w.ActExportZapisniku, [&](TDlgJednoduchyExport& d) {
        d.MemoExport->setPlainText(QString(kLong) + "\nA");
        d.MemoExport->moveCursor(QTextCursor::End);
        QTest::keyClick(d.MemoExport, Qt::Key_Return, Qt::ShiftModifier);
        QTest::keyClick(d.MemoExport, Qt::Key_B);
        for (const int width : {421, 1000, 300}) {
            d.resize(width, 541);
            settle();
            rows.push_back(d.MemoExport->document()->begin().layout()->lineCount());
            d.BtnUlozit->click();
            saved.push_back(read(target()));
        }
    }));
    takeMessages();
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_GT(rows[0], rows[1]);  // the box did wrap the line differently
    EXPECT_GT(rows[2], rows[0]);
    EXPECT_EQ(saved, Lines(3, std::string(kLong) + "\r\nA\r\nb\r\n"));
}

// A double click on each panel-button acts once. The events come as the system delivers a quick
// user's double click (press, release, double-click, release), all queued before the first is
// handled, so the rest arrive while the command's press plays.
TEST_F(NotebookTest, ADoubleClickOnEachPanelButtonActsOnce) {
    static int searches = 0;
    TFormExpozice::setSearchDialogStep([](TFormExpozice&) {
        ++searches;
        return false;  // as if cancelled
    });
    const auto doubleClick = [](presentation::PanelButton& button) {
        EXPECT_TRUE(button.isVisible() && button.isEnabled()) << button.objectName().toStdString();
        QSignalSpy clicks(&button, &presentation::PanelButton::clicked);
        const QPointF at = QRectF(button.rect()).center();
        for (const auto& [type, held] : {std::pair{QEvent::MouseButtonPress, Qt::LeftButton},
                                         {QEvent::MouseButtonRelease, Qt::NoButton},
                                         {QEvent::MouseButtonDblClick, Qt::LeftButton},
                                         {QEvent::MouseButtonRelease, Qt::NoButton}}) {
            QCoreApplication::postEvent(
                &button, new QMouseEvent(type, at, button.mapToGlobal(at), Qt::LeftButton, held,
                                         Qt::NoModifier));
        }
        settle();
        EXPECT_EQ(clicks.count(), 1) << button.objectName().toStdString();
    };
    TFormExpozice& w = openSection();
    doubleClick(*w.PnlDoZapisniku);  // a second add would tell the exhibitor is noted already
    EXPECT_EQ(notebookNames(), Lines{"Agroline a.s."});
    add({1, 2});
    w.ActZapisnik->trigger();
    doubleClick(*w.PnlVyradit);
    EXPECT_EQ(w.notebook().size(), 2u);
    EXPECT_EQ(withModal<TDlgJednoduchyExport>([&] { doubleClick(*w.PnlExport); },
                                              [](TDlgJednoduchyExport&) {}),
              1);
    w.ActVyber->trigger();
    doubleClick(*w.PnlNovyVyber);
    EXPECT_EQ(searches, 1);
    select(node({"Úvod"}));  // the search box is shown beside pages
    w.EditHledani->setText(ui::toQ(text::cp("lipová")));
    doubleClick(*w.PanelFull);  // a second search would find the box emptied and say so
    EXPECT_GT(w.ListBoxNalezene->count(), 0);
    doubleClick(*w.PanelZavritHledani);
    EXPECT_FALSE(w.PanelBackHledani->isVisible());
}

}  // namespace
}  // namespace expo::testing
