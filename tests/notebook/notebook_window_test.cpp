// The notebook in the main window: "Do zápisníku", the "Zápisník" view, "Vyřadit" and the entry
// shown afterwards, the buttons' enabling and the status line; then the export window: its
// notice and text, saving, what saves nothing, failures, and Ctrl+Shift+Q.
#include <QPlainTextEdit>
#include <QPushButton>
#include <cstring>

#include "platform/ui/save_dialog.h"
#include "presentation/dlg_jednoduchy_export.h"
#include "presentation/exhibitor_list_view.h"
#include "tests/support/window_fixture.h"

namespace expo::testing {
namespace {

using namespace std::chrono_literals;
using presentation::TDlgJednoduchyExport;

class NotebookTest : public WindowTest {
  protected:
    // The demo disc's section "Strojírenství"; its list starts "Agroline a.s." (1200),
    // "Agrotech a.s." (1353).
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
        settle();
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
    // Runs `start`, which opens the export window, and `act` on the window.
    bool exportWindow(QAction* start, const std::function<void(TDlgJednoduchyExport&)>& act) {
        return withModal<TDlgJednoduchyExport>([start] { start->trigger(); }, act);
    }
    std::string target() const { return (temp.path() / "firmy.txt").string(); }
};

TEST_F(NotebookTest, AddingTellsOnlyOfASingleExhibitorNotedAlready) {
    TFormExpozice& w = openSection();
    expectButtons(false);
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

TEST_F(NotebookTest, ItsViewListsItSortedAndShowsTheFirst) {
    TFormExpozice& w = openSection();
    w.ActZapisnik->trigger();
    EXPECT_EQ(w.ListBoxSeznamFirem->count(), 0);
    waitShown(*w.WebBrowser, "about:blank");
    w.ActVse->trigger();
    add({2});
    add({0});
    w.ActZapisnik->trigger();
    EXPECT_EQ(listNames(), (Lines{"Agroline a.s.", notebookNames()[0]}));
    EXPECT_EQ(w.ListBoxSeznamFirem->selectedItems(), QList{w.ListBoxSeznamFirem->item(0)});
    EXPECT_EQ(lastFilter(), "KAT_ID=1200");
    EXPECT_TRUE(w.PnlVyradit->isVisible());
    EXPECT_FALSE(w.PnlDoZapisniku->isVisible());
    EXPECT_EQ(statusBar(), statusLine(2, 2));
    EXPECT_EQ(w.sectionFilter(), "SEKCE_ID in (1)");  // the section listed stays
}

// The notebook takes the list's order at every removal; the entry before the last removed one
// is shown, or the first.
TEST_F(NotebookTest, RemovingShowsTheEntryBeforeTheLastRemoved) {
    struct Case {
        std::vector<int> removed;
        std::vector<int> kept;  // rows of the five
        int shown;              // row, -1: none
    };
    const Case cases[] = {{{1, 3}, {0, 2, 4}, 1},
                          {{0}, {1, 2, 3, 4}, 0},
                          {{}, {0, 1, 2, 3, 4}, 0},
                          {{0, 1, 2, 3, 4}, {}, -1}};
    TFormExpozice& w = openSection();
    const Lines section = listNames();
    for (const Case& c : cases) {
        w.ActVse->trigger();
        add({3, 4});  // the notebook out of the list's order
        add({0, 1, 2});
        w.ActZapisnik->trigger();
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
        if (c.shown >= 0) {
            EXPECT_EQ(lastFilter(), "KAT_ID=" + std::to_string(*presentation::exhibitorKeyOf(
                                                    w.ListBoxSeznamFirem->item(c.shown))));
            w.ListBoxSeznamFirem->selectAll();
            w.ActZrusitZeZapisniku->trigger();
        } else {
            waitShown(*w.WebBrowser, "about:blank");
        }
    }
}

TEST_F(NotebookTest, TheNotebookSurvivesALanguageSwitch) {
    TFormExpozice& w = openSection();
    add({0, 1});
    EXPECT_TRUE(follow("nastav_jaz1"));
    w.ActZapisnik->trigger();
    EXPECT_EQ(listNames(), (Lines{"Agroline a.s.", "Agrotech a.s."}));
    EXPECT_EQ(statusBar(), " Exhibitors - In notebook: 2, Shown: 2");
    EXPECT_EQ(w.LblVyradit->text(), "Remove");
}

TEST_F(NotebookTest, APanelButtonIsDownWhileItsCommandWaits) {
    TFormExpozice& w = openSection();
    std::optional<QFrame::Shadow> during;
    QTimer::singleShot(30ms, [&] { during = w.PnlDoZapisniku->frameShadow(); });
    w.PnlDoZapisniku->press(100ms);
    EXPECT_EQ(during, QFrame::Sunken);
    EXPECT_EQ(w.PnlDoZapisniku->frameShadow(), QFrame::Raised);
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
        EXPECT_TRUE(d.isVisible());
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
    EXPECT_EQ(os::currentDirectory(), before);
}

TEST_F(NotebookTest, WhatCannotBeSavedIsReportedOrLeftAlone) {
    struct Case {
        std::optional<std::string> answer;  // of the save dialog
        const char* text;                   // in the box; null: as exported
        Lines messages;
    };
    const std::string missing = (temp.path() / "chybi" / "firmy.txt").string();
    const Case cases[] = {{std::nullopt, nullptr, {}},
                          {std::string(), nullptr, {}},
                          {target(), " \n\t", {}},
                          {missing, nullptr, {"Information: Chyba při ukládání souboru."}},
                          {(temp.path() / std::string(300, 'x')).string(),
                           nullptr,
                           {"Error: Nepodařilo se vytvořit soubor."}},
                          {"/dev/full",
                           nullptr,
                           {std::string("Error: Chyba při zápisu do souboru: /dev/full (") +
                            std::strerror(ENOSPC) + ")"}}};
    TFormExpozice& w = openSection();
    add({0});
    for (const Case& c : cases) {
        const ui::ScopedSaveDialog dialog([&](std::string_view) { return c.answer; });
        EXPECT_TRUE(exportWindow(w.ActExportZapisniku, [&](TDlgJednoduchyExport& d) {
            if (c.text) {
                d.MemoExport->setPlainText(c.text);
            }
            d.BtnUlozit->click();
        }));
        EXPECT_EQ(takeMessages(), c.messages);
        EXPECT_FALSE(std::filesystem::exists(target()));
    }
}

TEST_F(NotebookTest, CtrlShiftQTellsTwoMessagesAndExportsTheNotebook) {
    TFormExpozice& w = openSection();
    const std::string drive =
        "Information: Typ jednotky: " + std::to_string(int(os::driveType(os::programFolder())));
    EXPECT_FALSE(exportWindow(w.ActVerze, [](TDlgJednoduchyExport&) {}));
    EXPECT_EQ(takeMessages(), (Lines{drive, "Information: Jednoduchý export."}));
    add({0});
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w, kPatienceMs));
    bool shown = false;
    EXPECT_TRUE(withModal<TDlgJednoduchyExport>(
        [&] { QTest::keyClick(&w, Qt::Key_Q, Qt::ControlModifier | Qt::ShiftModifier); },
        [&](TDlgJednoduchyExport& d) {
            shown = d.MemoExport->toPlainText().startsWith("Agroline");
        }));
    EXPECT_TRUE(shown);
    EXPECT_EQ(takeMessages(), (Lines{drive, "Information: Jednoduchý export."}));
}

TEST_F(NotebookTest, ALineTheBoxWrapsIsSavedAsTheRowsItShows) {
    TFormExpozice& w = openSection();
    add({0});
    std::string line;
    for (int i = 0; i < 40; ++i) {
        line += "slovo" + std::to_string(i) + " ";
    }
    line += "konec";
    const ui::ScopedSaveDialog dialog([this](std::string_view) { return std::optional(target()); });
    std::vector<std::string> shown;
    EXPECT_TRUE(exportWindow(w.ActExportZapisniku, [&](TDlgJednoduchyExport& d) {
        d.MemoExport->setPlainText(QString::fromStdString(line));
        shown = d.displayedLines();
        d.BtnUlozitClick();
    }));
    takeMessages();
    ASSERT_GT(shown.size(), 1u);
    std::string rejoined;
    std::string expected;
    for (const std::string& row : shown) {
        rejoined += row;
        expected += row + "\r\n";
    }
    EXPECT_EQ(rejoined, line);
    EXPECT_EQ(read(target()), expected);
}

}  // namespace
}  // namespace expo::testing
