// The notebook in the main window: "Do zápisníku", the "Zápisník" view with "Vyřadit" and the
// entry shown afterwards, the buttons' enabling and the status line; then the export window:
// its notice and text, saving, what saves nothing or fails, Ctrl+Shift+Q, and lines saved as
// typed however the box wraps them; a double click on each panel-button.

#include <cerrno>
#include <cstring>

#include "platform/ui/save_dialog.h"
#include "presentation/windows/dlg_jednoduchy_export.h"
#include "tests/support/window_fixture.h"

namespace expo::testing {
namespace {

using presentation::TDlgJednoduchyExport;

class NotebookTest : public WindowTest {
  protected:
    // Selects exactly these rows and runs `action`.
    void run(QAction* action, const std::vector<int>& rows) {
        form().ListBoxSeznamFirem->clearSelection();
        for (int row : rows) {
            form().ListBoxSeznamFirem->item(row)->setSelected(true);
        }
        action->trigger();
    }
    void add(const std::vector<int>& rows) { run(form().ActDoZapisniku, rows); }
    // A double click on each panel-button acts once. The events come as the system delivers a quick
    // user's double click (press, release, double-click, release), all queued before the first is
    // handled, so the rest arrive while the command's press plays.
    static void doubleClick(presentation::PanelButton& button) {
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
    }
    std::string target() const { return (temp.path() / "firmy.txt").string(); }
};

// Adding nothing enables nothing; the empty notebook's view shows a blank page. Adding tells only
// of a single exhibitor noted already; the view lists the notebook sorted, a removal shows the
// entry before the last one removed, or nothing; a language switch keeps it.
TEST_F(NotebookTest, AddingAndRemovingShowTheEntryBeforeTheLastRemoved) {
    TFormExpozice& w = open();
    select(section("Strojírenství"));  // "Agroline a.s." (1200), "Agrotech a.s." (1353)...
    const Lines section = listNames();
    add({});  // nothing selected: nothing to remove or export yet
    EXPECT_FALSE(w.PnlVyradit->isEnabled());
    w.ActZapisnik->trigger();  // the empty notebook's view
    EXPECT_TRUE(listNames().empty());
    waitShown(*w.WebBrowser, "about:blank");
    w.ActVse->trigger();
    doubleClick(*w.PnlDoZapisniku);  // a second add would tell the exhibitor is noted already
    add({1});
    add({1});
    EXPECT_EQ(takeMessages(), Lines{"Information: Vystavovatel již v zápisníku existuje."});
    add({4, 0, 1, 2, 3, 5});
    EXPECT_EQ(statusBar(), statusLine(6, 89));
    EXPECT_TRUE(follow("nastav_jaz1"));
    w.catalogue().CDSZaznamy.setFilter("");  // the page shown before is forgotten
    w.ActZapisnik->trigger();
    EXPECT_EQ(listNames(), Lines(section.begin(), section.begin() + 6));
    EXPECT_EQ(w.ListBoxSeznamFirem->selectedItems(), QList{w.ListBoxSeznamFirem->item(0)});
    EXPECT_EQ(lastFilter(), "KAT_ID=1200");  // the first entry shown
    run(w.ActZrusitZeZapisniku, {1, 3});
    EXPECT_EQ(listNames(), (Lines{section[0], section[2], section[4], section[5]}));
    EXPECT_EQ(w.ListBoxSeznamFirem->currentRow(), 1);
    doubleClick(*w.PnlVyradit);  // the entry shown
    EXPECT_EQ(statusBar(), " Exhibitors - In notebook: 3, Shown: 3");
    run(w.ActZrusitZeZapisniku, {0, 1, 2});
    EXPECT_FALSE(w.PnlVyradit->isEnabled());
    waitShown(*w.WebBrowser, "about:blank");
    select(w.TreeViewNavigace->topLevelItem(0));  // the search box is shown beside pages
    w.EditHledani->setText(ui::toQ(text::cp("lipová")));
    doubleClick(*w.PanelFull);  // a second search would find the box emptied and say so
    EXPECT_GT(w.ListBoxNalezene->count(), 0);
}

// Ctrl+Shift+Q tells two messages and opens the export: the notebook's text under a notice
// that blocks the other windows. A cancelled dialog saves nothing, an unmakeable file is told,
// with the reason when it has one; the dialog opens in the current directory, or in the folder
// saved to last when that cannot be written; the file holds the lines as typed (a long line the
// box wraps, a Shift+Enter break), the same at the window's first width, wider and narrower.
TEST_F(NotebookTest, TheExportWindowShowsTheNotebooksTextAndSavesItAsTyped) {
    TFormExpozice& w = open();
    select(section("Strojírenství"));
    add({1});
    add({0});
    std::optional<std::string> answer;
    Lines folders;  // where each dialog opens
    const ui::ScopedSaveDialog dialog([&](std::string_view folder, std::string_view preset) {
        EXPECT_EQ(preset, "firmy.txt");
        folders.emplace_back(folder);
        return answer;
    });
    const std::string disc = os::currentDirectory();
    const char* const kLong =
        "Stroje a zarizeni pro zemedelstvi, lesnictvi a zpracovani dreva, dodavky na klic, "
        "servis, nahradni dily a poradenstvi v cele Evrope i mimo ni, od r. 1990 dosud.";
    Lines saved;
    std::vector<int> rows;
    w.activateWindow();
    ASSERT_TRUE(waitFor([&] { return w.isActiveWindow(); }));
    EXPECT_TRUE(withModal<TDlgJednoduchyExport>(
        [&] { QTest::keyClick(&w, Qt::Key_Q, Qt::ControlModifier | Qt::ShiftModifier); },
        [&](TDlgJednoduchyExport& d) {
            EXPECT_EQ(takeMessages(),
                      (Lines{"Information: Typ jednotky: " +
                                 std::to_string(int(os::driveType(os::programFolder()))),
                             "Information: Jednoduchý export."}));
            EXPECT_TRUE(
                d.MemoExport->toPlainText().startsWith("Agrotech a.s.\nFrýdek-Místek, CZE\n"));
            d.BtnUlozit->click();
            answer = (temp.path() / std::string(300, 'x')).string();
            d.BtnUlozit->click();
            EXPECT_EQ(takeMessages(), Lines{"Error: Nepodařilo se vytvořit soubor."});
            answer = (temp.path() / "chybi" / "firmy.txt").string();
            d.BtnUlozit->click();
            EXPECT_EQ(takeMessages(), Lines{"Information: Chyba při ukládání souboru.\n" + *answer +
                                            ": " + std::strerror(ENOENT)});
            answer = target();
            d.MemoExport->setPlainText(QString(kLong) + "\nŽ");
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
            // A folder nobody may write into, root included, as a read-only disc.
            ASSERT_TRUE(os::setCurrentDirectory("/proc/self"));
            answer = std::nullopt;
            d.BtnUlozit->click();
        }));
    EXPECT_EQ(folders, Lines({disc, disc, disc, disc, disc, disc, temp.path().string()}));
    EXPECT_EQ(takeMessages(), Lines(3, "Information: Soubor byl uložen."));
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_TRUE(rows[0] > rows[1] && rows[2] > rows[0]);  // the box did wrap the line differently
    EXPECT_EQ(saved, Lines(3, text::cp(std::string(kLong) + "\r\nŽ\r\nb\r\n")));
    ASSERT_EQ(notices.notices.size(), 2u);  // the loading's and the export's
    EXPECT_EQ(notices.notices[1].lines, (Lines{"záznam 1 z 2", "záznam 2 z 2"}));
    EXPECT_TRUE(notices.notices[1].blocking);
}

}  // namespace
}  // namespace expo::testing
