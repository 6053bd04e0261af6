// The links of the shown pages as the window follows them: an item or a sub-page selected and
// named in the path bar, a program started, a file copied where the user chooses, the language
// switched from the header, and the print button.

#include <gmock/gmock.h>

#include <QPrinter>

#include "platform/text/error.h"
#include "platform/ui/save_dialog.h"
#include "tests/support/window_fixture.h"

namespace expo::testing {
namespace {

// A program starts directly, never through a shell. A copied file replaces the one chosen, a
// missing file is named; the current directory is the same afterwards. The page links select and
// name what they show; the header's language link loads the language again without the data (none
// could be found from the current directory).
TEST_F(WindowTest, LinksSteerTheWindowStartProgramsAndCopyFiles) {
    TFormExpozice& w = open(writeDisc(
        "[aplikace]\nSkrytData=\n"
        "[logo]\ntyp=html\nhtmlFile=zahlavi.html\n[polozka_uvod]\ntext0=Úvod\ntext1=Welcome\n"
        "url0=stranky\\uvod.html\nurl1=stranky\\uvod.html\n"
        "fulltext0=stranky\\jedna.html\nfulltextName0=Jedna\n"
        "[polozka_vnorena]\nrodic=polozka_uvod\ntext0=Vnořená\nurl0=stranky\\vnorena.html\n",
        {{"stranky/uvod.html",
          "<a href='jedna.html'>1</a><a href='go_polozka_polozka_vnorena'>2</a>"},
         {"zahlavi.html", "<a href='nastav_jaz1'>EN</a>"},
         {"soubory/ceny.zip", "PK ceny"}}));
    waitShown(*w.WebBrowser, discFile("stranky/uvod.html"));
    const std::string program =
        temp.write("disc/prog/spust.exe",
                   "#!/bin/sh\nprintf '%s|' \"$@\" > \"$0.tmp\" && mv \"$0.tmp\" \"$0.txt\"\n");
    std::filesystem::permissions(program, std::filesystem::perms::owner_exec,
                                 std::filesystem::perm_options::add);
    EXPECT_TRUE(follow(discFile("PROG/Spust.EXE") + " prvni \"druhy treti\" ;$(false)"));
    ASSERT_TRUE(waitFor([&] { return std::filesystem::exists(program + ".txt"); }));
    EXPECT_EQ(read(program + ".txt"), "prvni|druhy treti|;$(false)|");

    const std::string before = os::currentDirectory();
    const std::string target = temp.write("kopie.zip", "an older file, longer than the copy");
    const ui::ScopedSaveDialog dialog([&](std::string_view) {
        os::setCurrentDirectory(temp.path().string());  // as the system's dialog may
        return std::optional(target);
    });
    EXPECT_TRUE(follow(discFile("soubory/ceny.zip")));
    EXPECT_EQ(read(target), "PK ceny");
    EXPECT_EQ(os::currentDirectory(), before);
    EXPECT_THAT([&] { follow(discFile("soubory/chybi.zip")); },
                ::testing::ThrowsMessage<Error>(::testing::StrEq(text::cp(
                    "Zdrojový soubor \"" + discFile("soubory/chybi.zip") + "\" neexistuje."))));

    clickInPage(*w.WebBrowser, "a[href='jedna.html']");
    waitShown(*w.WebBrowser, discFile("stranky/jedna.html"));
    EXPECT_EQ(pathBar(), "- Úvod - Jedna");
    EXPECT_TRUE(follow(discFile("stranky/go_polozka_polozka_uvod")));
    waitShown(*w.WebBrowser, discFile("stranky/uvod.html"));
    EXPECT_EQ(pathBar(), "- Úvod");
    clickInPage(*w.WebBrowser, "a[href='go_polozka_polozka_vnorena']");
    waitShown(*w.WebBrowser, discFile("stranky/vnorena.html"));
    EXPECT_EQ(w.TreeViewNavigace->currentItem()->text(0), "Vnořená");

    ASSERT_TRUE(os::setCurrentDirectory(temp.path().string()));
    clickInPage(*w.WebBrowserLogo, "a[href='nastav_jaz1']");
    ASSERT_TRUE(waitFor([&] { return w.language() == 1; }));
    EXPECT_EQ(w.TreeViewNavigace->topLevelItem(0)->text(0), "Welcome");

    int dialogs = 0;  // the print button opens the page's print dialog under the hourglass
    w.WebBrowser->setPrintDialog([&](QPrinter&) {
        EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
        return bool(++dialogs) && false;
    });
    w.SpeedButtonTisk->click();
    EXPECT_EQ(dialogs, 1);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

}  // namespace
}  // namespace expo::testing
