// The notebook's export in the main window: the progress notice, the export window with its
// text, saving (code page 1250, CR LF, "firmy.txt" offered every time, the current directory
// kept), a cancelled dialog, a file that cannot be created, a failing write, long and Shift+Enter
// lines, and Ctrl+Shift+Q's messages.
#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>
#include <QToolButton>
#include <cstring>
#include <filesystem>
#include <optional>
#include <ostream>

#include "platform/os/files.h"
#include "platform/os/paths.h"
#include "platform/ui/qtext.h"
#include "platform/ui/save_dialog.h"
#include "presentation/dlg_hlaseni.h"
#include "tests/notebook/notebook_fixture.h"

namespace expo::presentation::testing {
namespace {

using text::cp;
using Names = std::vector<std::string>;

// The blocks of the demo disc's first two exhibitors of "Strojírenství".
const char* const kAgroline = "Agroline a.s.\r\nFrýdek-Místek, CZE\r\nA - A 140\r\n\r\n";
const char* const kAgrotech =
    "Agrotech a.s.\r\nFrýdek-Místek, CZE\r\nA - A 174\r\nB - B 180\r\n\r\n";

// The title and the lines of every progress notice shown while it lives.
class NoticeLines : public QObject {
  public:
    NoticeLines() { qApp->installEventFilter(this); }
    ~NoticeLines() override { qApp->removeEventFilter(this); }
    std::vector<QString> titles;
    std::vector<QString> lines;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (auto* notice = qobject_cast<TFormDlgHlaseni*>(watched);
            notice && event->type() == QEvent::Show) {
            titles.push_back(notice->lblNadpis->text());
            connect(notice, &TFormDlgHlaseni::messageTextSet, this,
                    [this](const QString& line) { lines.push_back(line); });
        }
        return false;
    }
};

class Export : public NotebookTest {
  protected:
    // The save dialog answers with `answer` and keeps what it offered.
    ui::ScopedSaveDialog saveDialogAnswering(std::optional<std::string> answer) {
        return ui::ScopedSaveDialog([this, answer](std::string_view offered) {
            offers.emplace_back(offered);
            return answer;
        });
    }

    std::string target() const { return (temp.path() / "out" / "firmy.txt").string(); }

    void SetUp() override { std::filesystem::create_directories(temp.path() / "out"); }

    // Exports through "Export" in the notebook view and saves the text as it stands to
    // target(); returns the file's bytes.
    std::string exportAndSave() {
        form().ActZapisnik->trigger();
        settle();
        const ui::ScopedSaveDialog dialog = saveDialogAnswering(target());
        EXPECT_TRUE(withExportWindow([&] { form().ActExportZapisniku->trigger(); },
                                     [&](TDlgJednoduchyExport& d) { d.BtnUlozitClick(); }));
        EXPECT_EQ(takeInformation(), Names{"Soubor byl uložen."});
        return read(target());
    }

    std::vector<std::string> offers;
};

TEST_F(Export, OneExhibitorIsSavedInCodePage1250WithCrLf) {
    TFormExpozice& w = openSection();
    add({0});
    NoticeLines notices;
    EXPECT_EQ(exportAndSave(), cp(kAgroline));
    EXPECT_EQ(offers, Names{"firmy.txt"});
    ASSERT_EQ(notices.titles.size(), 1u);
    EXPECT_EQ(notices.titles[0], "Export:");
    EXPECT_EQ(notices.lines, std::vector<QString>{ui::toQ(cp("záznam 1 z 1"))});
    EXPECT_TRUE(w.isEnabled());  // the notice is gone
    EXPECT_EQ(lastExhibitorFilter(), "KAT_ID=1200");
    EXPECT_EQ(w.catalogue().CDSUmisteni.filter(), "KAT_ID=1200");
}

TEST_F(Export, SeveralExhibitorsFollowTheNotebooksOrder) {
    TFormExpozice& w = openSection();
    add({1});
    add({0});
    NoticeLines notices;
    EXPECT_EQ(exportAndSave(), cp(std::string(kAgrotech) + kAgroline));
    EXPECT_EQ(notices.lines,
              (std::vector<QString>{ui::toQ(cp("záznam 1 z 2")), ui::toQ(cp("záznam 2 z 2"))}));

    // A removal puts the notebook into the list's order.
    selectRows({});
    w.ActZrusitZeZapisniku->trigger();
    settle();
    EXPECT_EQ(exportAndSave(), cp(std::string(kAgroline) + kAgrotech));
}

TEST_F(Export, TheWindowShowsTheTextWithItsButtons) {
    TFormExpozice& w = openSection();
    add({0});
    EXPECT_TRUE(withExportWindow([&] { w.ActExportZapisniku->trigger(); },
                                 [&](TDlgJednoduchyExport& d) {
                                     EXPECT_EQ(d.windowTitle(), "Export");
                                     EXPECT_EQ(d.MemoExport->toPlainText(),
                                               ui::toQ(cp("Agroline a.s.\nFrýdek-Místek, CZE\n"
                                                          "A - A 140\n\n")));
                                     EXPECT_FALSE(d.MemoExport->isReadOnly());
                                     EXPECT_EQ(d.BtnUlozit->text(), ui::toQ(cp("Uložit")));
                                     EXPECT_EQ(d.BtnKonec->text(), "Konec");
                                     EXPECT_TRUE(d.BtnUlozit->isDefault());
                                     EXPECT_EQ(d.size(), QSize(421, 541));
                                     EXPECT_EQ(d.minimumSize(), QSize(300, 200));
                                     EXPECT_TRUE(d.isModal());
                                 }));
    EXPECT_EQ(w.findChild<TDlgJednoduchyExport*>(), nullptr);  // freed when closed
}

TEST_F(Export, AnEmptyNotebookExportsNothing) {
    TFormExpozice& w = openSection();
    w.ActZapisnik->trigger();
    settle();
    NoticeLines notices;
    EXPECT_FALSE(
        withExportWindow([&] { w.ActExportZapisniku->trigger(); }, [](TDlgJednoduchyExport&) {}));
    EXPECT_TRUE(notices.titles.empty());
}

TEST_F(Export, EditedTextIsSavedAgainWithoutAQuestion) {
    TFormExpozice& w = openSection();
    add({0});
    const ui::ScopedSaveDialog dialog = saveDialogAnswering(target());
    EXPECT_TRUE(withExportWindow([&] { w.ActExportZapisniku->trigger(); },
                                 [&](TDlgJednoduchyExport& d) {
                                     d.BtnUlozitClick();
                                     d.MemoExport->setPlainText(ui::toQ(cp("Žluťoučký kůň")));
                                     d.BtnUlozitClick();
                                     EXPECT_TRUE(d.isVisible());  // it stays open
                                 }));
    EXPECT_EQ(read(target()), cp("Žluťoučký kůň\r\n"));
    EXPECT_EQ(offers, (Names{"firmy.txt", "firmy.txt"}));
    EXPECT_EQ(takeInformation(), (Names{"Soubor byl uložen.", "Soubor byl uložen."}));
}

struct NothingCase {
    const char* name;
    std::optional<std::string> answer;  // of the save dialog; "<target>" for the real one
    const char* boxText;
};

void PrintTo(const NothingCase& c, std::ostream* out) {
    *out << c.name;
}

class ExportNothingSaved : public Export, public ::testing::WithParamInterface<NothingCase> {};

TEST_P(ExportNothingSaved, WritesNothingAndSaysNothing) {
    TFormExpozice& w = openSection();
    add({0});
    const std::optional<std::string> answer =
        GetParam().answer == "<target>" ? std::optional(target()) : GetParam().answer;
    const ui::ScopedSaveDialog dialog = saveDialogAnswering(answer);
    EXPECT_TRUE(withExportWindow([&] { w.ActExportZapisniku->trigger(); },
                                 [&](TDlgJednoduchyExport& d) {
                                     if (GetParam().boxText) {
                                         d.MemoExport->setPlainText(GetParam().boxText);
                                     }
                                     d.BtnUlozitClick();
                                 }));
    EXPECT_FALSE(std::filesystem::exists(target()));
    EXPECT_TRUE(takeInformation().empty());
}

INSTANTIATE_TEST_SUITE_P(Cases, ExportNothingSaved,
                         ::testing::Values(NothingCase{"Cancelled", std::nullopt, nullptr},
                                           NothingCase{"NoName", std::string(), nullptr},
                                           NothingCase{"OnlyBlanks", "<target>", "  \n\t \n"},
                                           NothingCase{"EmptyBox", "<target>", ""}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Export, AFileThatCannotBeCreatedIsReportedAndTheWindowStays) {
    TFormExpozice& w = openSection();
    add({0});
    const std::string missing = (temp.path() / "missing" / "firmy.txt").string();
    const ui::ScopedSaveDialog dialog = saveDialogAnswering(missing);
    EXPECT_TRUE(withExportWindow([&] { w.ActExportZapisniku->trigger(); },
                                 [&](TDlgJednoduchyExport& d) {
                                     d.BtnUlozit->click();
                                     EXPECT_TRUE(d.isVisible());
                                 }));
    EXPECT_FALSE(std::filesystem::exists(missing));
    EXPECT_EQ(takeInformation(), Names{"Chyba při ukládání souboru."});
}

TEST_F(Export, ANameNoFileCanHaveIsAnError) {
    TFormExpozice& w = openSection();
    add({0});
    const ui::ScopedSaveDialog dialog =
        saveDialogAnswering((temp.path() / std::string(300, 'x')).string());
    EXPECT_TRUE(withExportWindow([&] { w.ActExportZapisniku->trigger(); },
                                 [&](TDlgJednoduchyExport& d) { d.BtnUlozit->click(); }));
    const std::vector<ui::Message> messages = takeMessages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].kind, ui::MessageKind::Error);
    EXPECT_EQ(messages[0].text, cp("Nepodařilo se vytvořit soubor."));
}

TEST_F(Export, AFailingWriteIsAnErrorAndTheDirectoryIsKept) {
    if (!std::filesystem::exists("/dev/full")) {
        GTEST_SKIP() << "no /dev/full";
    }
    TFormExpozice& w = openSection();
    add({0});
    const std::string before = os::currentDirectory();
    const ui::ScopedSaveDialog dialog([&](std::string_view) {
        os::setCurrentDirectory(temp.path().string());  // as a dialog may leave it
        return std::optional<std::string>("/dev/full");
    });
    EXPECT_TRUE(withExportWindow([&] { w.ActExportZapisniku->trigger(); },
                                 [&](TDlgJednoduchyExport& d) {
                                     d.BtnUlozit->click();
                                     EXPECT_EQ(os::currentDirectory(), before);
                                     EXPECT_EQ(QApplication::overrideCursor(), nullptr);
                                 }));
    const std::vector<ui::Message> messages = takeMessages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].kind, ui::MessageKind::Error);
    EXPECT_EQ(messages[0].text,
              cp("Chyba při zápisu do souboru: /dev/full (") + std::strerror(ENOSPC) + ")");
    EXPECT_EQ(os::currentDirectory(), before);
}

TEST_F(Export, TheDirectoryAChosenFileLeavesIsRestored) {
    TFormExpozice& w = openSection();
    add({0});
    const std::string before = os::currentDirectory();
    const ui::ScopedSaveDialog dialog([&](std::string_view) {
        os::setCurrentDirectory((temp.path() / "out").string());
        return std::optional<std::string>(target());
    });
    EXPECT_TRUE(withExportWindow([&] { w.ActExportZapisniku->trigger(); },
                                 [&](TDlgJednoduchyExport& d) {
                                     d.BtnUlozitClick();
                                     EXPECT_EQ(os::currentDirectory(), before);
                                     // As the window may leave it while it is open.
                                     os::setCurrentDirectory(temp.path().string());
                                 }));
    EXPECT_EQ(os::currentDirectory(), before);
    EXPECT_EQ(read(target()), cp(kAgroline));
    takeInformation();
}

// A line of 160 characters that the box wraps, and a line break typed with Shift+Enter: the file
// holds the lines as typed, the same at the window's first width, wider and narrower.
TEST_F(Export, LinesAreSavedAsTypedWhateverTheWindowsWidth) {
    TFormExpozice& w = openSection();
    add({0});
    const char* const kLong =
        "Stroje a zarizeni pro zemedelstvi, lesnictvi a zpracovani dreva, dodavky na klic, "
        "servis, nahradni dily a poradenstvi v cele Evrope i mimo ni, od r. 1990 dosud.";
    ASSERT_EQ(std::strlen(kLong), 160u);
    const ui::ScopedSaveDialog dialog = saveDialogAnswering(target());
    std::vector<std::string> saved;
    std::vector<int> rows;
    EXPECT_TRUE(withExportWindow([&] { w.ActExportZapisniku->trigger(); },
                                 [&](TDlgJednoduchyExport& d) {
                                     d.MemoExport->setPlainText(QString(kLong) + "\nA");
                                     d.MemoExport->moveCursor(QTextCursor::End);
                                     QTest::keyClick(d.MemoExport, Qt::Key_Return,
                                                     Qt::ShiftModifier);
                                     QTest::keyClick(d.MemoExport, Qt::Key_B);
                                     for (const int width : {421, 1000, 300}) {
                                         d.resize(width, 541);
                                         settle();
                                         const QTextBlock first = d.MemoExport->document()->begin();
                                         rows.push_back(first.layout()->lineCount());
                                         d.BtnUlozitClick();
                                         saved.push_back(read(target()));
                                     }
                                 }));
    takeInformation();
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_GT(rows[0], rows[1]);  // the box did wrap the line differently
    EXPECT_GT(rows[2], rows[0]);
    const std::string expected = std::string(kLong) + "\r\nA\r\nb\r\n";
    EXPECT_EQ(saved, std::vector<std::string>(3, expected));
}

TEST_F(Export, CtrlShiftQWithAnEmptyNotebookOnlyTellsItsTwoMessages) {
    TFormExpozice& w = openSection();
    EXPECT_EQ(w.ActVerze->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Q));
    const int driveType = static_cast<int>(os::driveType(os::programFolder()));
    EXPECT_FALSE(withExportWindow([&] { w.ActVerze->trigger(); }, [](TDlgJednoduchyExport&) {}));
    EXPECT_EQ(takeInformation(),
              (Names{"Typ jednotky: " + std::to_string(driveType), "Jednoduchý export."}));
}

TEST_F(Export, CtrlShiftQExportsTheNotebookOutsideItsView) {
    TFormExpozice& w = openSection();
    add({0});
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w, kPatienceMs));
    bool shown = false;
    EXPECT_TRUE(withExportWindow(
        [&] { QTest::keyClick(&w, Qt::Key_Q, Qt::ControlModifier | Qt::ShiftModifier); },
        [&](TDlgJednoduchyExport& d) {
            shown = d.MemoExport->toPlainText().startsWith("Agroline");
        }));
    EXPECT_TRUE(shown);
    const Names messages = takeInformation();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].rfind("Typ jednotky: ", 0), 0u);
    EXPECT_EQ(messages[1], "Jednoduchý export.");
    EXPECT_TRUE(w.ToolButtonVse->isChecked());
}

}  // namespace
}  // namespace expo::presentation::testing
