// The links of the shown pages as the window follows them: an item or a sub-page selected and
// named in the path bar, a program started, a file copied where the user chooses, the language
// switched from the header, and the print button.
#include <QGuiApplication>
#include <QPrinter>
#include <QSignalSpy>

#include "platform/ui/save_dialog.h"
#include "presentation/catalogue.h"
#include "presentation/navigation_items.h"
#include "tests/support/window_fixture.h"

namespace expo::testing {
namespace {

class LinksTest : public WindowTest {
  protected:
    TFormExpozice& openDisc() {
        return open(writeDisc(R"([aplikace]
SkrytData=
[tlačítko Vše]
jaz1=All
[logo]
typ=html
htmlFile=zahlavi.html
[polozka_uvod]
text0=Úvod
text1=Welcome
url0=stranky\uvod.html
url1=stranky\uvod.html
fulltext0=stranky\jedna.html
fulltextName0=Jedna
[polozka_vnorena]
rodic=polozka_uvod
text0=Vnořená
url0=stranky\vnorena.html
)",
                              {{"stranky/uvod.html",
                                "<a href='jedna.html'>1</a>"
                                "<a href='go_polozka_polozka_vnorena'>2</a>"},
                               {"stranky/jedna.html", "jedna"},
                               {"stranky/vnorena.html", "vnořená"},
                               {"zahlavi.html", "<a href='nastav_jaz1'>EN</a>"},
                               {"soubory/ceny.zip", "PK ceny"}}));
    }
    std::string selected() {
        const presentation::NavNode* n =
            presentation::navNodeOf(form().TreeViewNavigace->currentItem());
        return n ? text::cp1250ToUtf8(n->caption) : "";
    }
    std::string pathBar() { return ui::fromQ(form().LabelInfo->text()); }
};

TEST_F(LinksTest, ItemAndSubPageLinksSelectAndNameWhatTheyShow) {
    TFormExpozice& w = openDisc();
    waitShown(*w.WebBrowser, discFile("stranky/uvod.html"));
    clickInPage(*w.WebBrowser, "a[href='jedna.html']");
    waitShown(*w.WebBrowser, discFile("stranky/jedna.html"));
    EXPECT_EQ(pathBar(), text::cp("- Úvod - Jedna"));

    // The first node is current unselected after the loading: its link shows it again.
    EXPECT_TRUE(follow(discFile("stranky/go_polozka_polozka_uvod")));
    waitShown(*w.WebBrowser, discFile("stranky/uvod.html"));
    EXPECT_EQ(selected(), "Úvod");
    EXPECT_EQ(pathBar(), text::cp("- Úvod"));

    clickInPage(*w.WebBrowser, "a[href='go_polozka_polozka_vnorena']");
    waitShown(*w.WebBrowser, discFile("stranky/vnorena.html"));
    EXPECT_EQ(selected(), "Vnořená");
    EXPECT_TRUE(w.TreeViewNavigace->topLevelItem(0)->isExpanded());
}

TEST_F(LinksTest, AProgramStartsDirectlyWithTheArgumentsOfItsLink) {
    TFormExpozice& w = openDisc();
    const std::string program =
        temp.write("disc/prog/spust.exe",
                   "#!/bin/sh\nprintf '%s|' \"$@\" > \"$0.tmp\" && mv \"$0.tmp\" \"$0.txt\"\n");
    std::filesystem::permissions(program, std::filesystem::perms::owner_exec,
                                 std::filesystem::perm_options::add);
    EXPECT_TRUE(follow(discFile("PROG/Spust.EXE") + " prvni \"druhy treti\" ;$(false)"));
    ASSERT_TRUE(waitFor([&] { return std::filesystem::exists(program + ".txt"); }));
    EXPECT_EQ(read(program + ".txt"), "prvni|druhy treti|;$(false)|");
    EXPECT_EQ(w.language(), 0);
}

TEST_F(LinksTest, AZipLinkIsCopiedWhereTheUserChoosesAndTheDirectoryComesBack) {
    openDisc();
    const std::string before = os::currentDirectory();
    std::optional<std::string> answer;
    Lines offered;
    const ui::ScopedSaveDialog dialog([&](std::string_view preset) {
        offered.emplace_back(preset);
        os::setCurrentDirectory(temp.path().string());  // as the system's dialog may
        return answer;
    });
    const std::string target = temp.write("kopie.zip", "an older file, longer than the copy");
    EXPECT_TRUE(follow(discFile("soubory/ceny.zip")));  // cancelled
    EXPECT_EQ(read(target), "an older file, longer than the copy");
    answer = target;
    EXPECT_TRUE(follow(discFile("soubory/ceny.zip")));
    EXPECT_EQ(read(target), "PK ceny");
    EXPECT_EQ(offered, Lines(2, discFile("soubory/ceny.zip")));
    EXPECT_EQ(os::currentDirectory(), before);
    try {
        follow(discFile("soubory/chybi.zip"));
        ADD_FAILURE() << "no error";
    } catch (const Error& e) {
        EXPECT_EQ(text::cp1250ToUtf8(e.what()),
                  "Zdrojový soubor \"" + discFile("soubory/chybi.zip") + "\" neexistuje.");
    }
    EXPECT_EQ(os::currentDirectory(), before);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

// No data file is loaded again: none could be found from the current directory.
TEST_F(LinksTest, TheHeadersLanguageLinkLoadsTheLanguageAgainWithoutTheData) {
    TFormExpozice& w = openDisc();
    waitShown(*w.WebBrowserLogo, discFile("zahlavi.html"));
    notices.notices.clear();
    ASSERT_TRUE(os::setCurrentDirectory(temp.path().string()));
    clickInPage(*w.WebBrowserLogo, "a[href='nastav_jaz1']");
    ASSERT_TRUE(waitFor([&] { return w.language() == 1; }));
    EXPECT_EQ(w.ToolButtonVse->text(), "All");
    ASSERT_EQ(w.TreeViewNavigace->topLevelItemCount(), 1);
    EXPECT_EQ(w.TreeViewNavigace->topLevelItem(0)->text(0), "Welcome");
    EXPECT_EQ(notices.notices.size(), 1u);
    EXPECT_TRUE(w.catalogue().CDSJazyky.active());
    waitShown(*w.WebBrowser, discFile("stranky/uvod.html"));
}

TEST_F(LinksTest, ThePrintButtonPrintsTheShownPageThroughItsDialog) {
    TFormExpozice& w = openDisc();
    waitShown(*w.WebBrowser, discFile("stranky/uvod.html"));
    const std::string pdf = (temp.path() / "stranka.pdf").string();
    int dialogs = 0;
    bool hourglass = false;
    w.WebBrowser->setPrintDialog([&](QPrinter& printer) {
        ++dialogs;
        hourglass = QGuiApplication::overrideCursor() != nullptr &&
                    QGuiApplication::overrideCursor()->shape() == Qt::WaitCursor;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(pdf));
        return true;
    });
    QSignalSpy finished(w.WebBrowser, &browser::WebBrowser::printFinished);
    w.SpeedButtonTisk->click();
    EXPECT_EQ(dialogs, 1);
    EXPECT_TRUE(hourglass);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    ASSERT_TRUE(waitFor([&] { return finished.count() == 1; }));
    EXPECT_EQ(read(pdf).substr(0, 5), "%PDF-");
}

}  // namespace
}  // namespace expo::testing
