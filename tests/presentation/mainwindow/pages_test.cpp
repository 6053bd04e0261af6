// The demo disc's navigation and exhibitor list: a section listed with its first exhibitor shown,
// the views, an empty section and view, the list's keys, "zpet:", and the
// exhibitor's page in the program's private temporary folder, or the fresh one that replaces a
// folder others may read; then the path bar, and the links of the shown pages.
#include <gmock/gmock.h>

#include <cerrno>
#include <cstring>
#include <set>

#include <QPrinter>

#include "platform/dataset/packet.h"
#include "platform/os/tempdir.h"
#include "platform/ui/save_dialog.h"
#include "presentation/navigation/navigation_items.h"
#include "presentation/widgets/exhibitor_list_view.h"
#include "presentation/widgets/splitter_bar.h"
#include "tests/support/click.h"
#include "tests/support/window_fixture.h"

namespace expo::testing {
namespace {

class PagesTest : public WindowTest {
  protected:
    std::string keyOfRow(int row) {
        return "KAT_ID=" +
               std::to_string(*presentation::exhibitorKeyOf(form().ListBoxSeznamFirem->item(row)));
    }
    // Only the demo disc's exhibitors with these KAT_IDs stay in the catalogue.
    void keepExhibitors(const std::set<int64_t>& katIds) {
        ds::Packet packet = ds::readPacketFile(EXPO_DISC_DIR "/data/data2.dat");
        std::erase_if(packet.rows,  // by KAT_ID, the first field
                      [&](const auto& row) { return !katIds.contains(std::get<int64_t>(row[0])); });
        form().catalogue().CDSZaznamy.loadFromPacket(std::move(packet));
    }
    const std::string page_ = privateFile("temp.html");
};

// A section lists its exhibitors with the first shown; the views narrow it. Six keys show
// the current entry, other keys nothing; "zpet:" shows the current entry again, keeping the
// other selections. Any mouse button shows the entry pressed, a press below the entries nothing.
// An empty section and an empty view show nothing.
TEST_F(PagesTest, ASectionListsItsExhibitorsTheViewsNarrowItAndTheListShowsAnEntry) {
    TFormExpozice& w = open();
    select(section("Strojírenství"));
    waitShown(*w.WebBrowser, page_);
    EXPECT_NE(read(page_).find("Agroline a.s."), std::string::npos);
    for (const auto& [view, count] :
         {std::pair{w.ActNovinky, 37}, {w.ActExponaty, 67}, {w.ActVse, 89}}) {
        view->trigger();
        EXPECT_EQ(statusBar(), statusLine(0, count));
        EXPECT_EQ(lastFilter(), keyOfRow(0));
    }
    QListWidget& list = *w.ListBoxSeznamFirem;
    list.setFocus();
    for (const Qt::Key key : {Qt::Key_Home, Qt::Key_Down, Qt::Key_PageDown, Qt::Key_Up, Qt::Key_End,
                              Qt::Key_PageUp, Qt::Key_Right}) {
        QTest::keyClick(&list, key);
        settle();  // the list's handlers show the entry once the event loop runs them
        EXPECT_EQ(lastFilter(), key != Qt::Key_Right ? keyOfRow(list.currentRow()) : "") << key;
        w.catalogue().CDSZaznamy.setFilter("");  // forgotten before the next key
    }
    list.setCurrentRow(0, QItemSelectionModel::ClearAndSelect);
    list.setCurrentRow(2, QItemSelectionModel::NoUpdate);
    EXPECT_TRUE(follow("zpet:"));
    EXPECT_EQ(list.selectedItems().size(), 2);
    EXPECT_EQ(lastFilter(), keyOfRow(2));

    w.ActNovinky->trigger();
    select(section("Elektrotechnika a automatizace"));  // listed in the "Vše" view again
    EXPECT_TRUE(w.ToolButtonVse->isChecked());
    select(node({"Úvod"}));
    EXPECT_FALSE(w.PanelSeznamFirem->isVisible());
    keepExhibitors({1112, 1158, 1080});  // of "Strojírenství", with neither news nor exhibits
    select(section("Potraviny a obaly"));
    EXPECT_EQ(listNames(), Lines{"Sekce je prázdná"});
    EXPECT_FALSE(w.PnlDoZapisniku->isEnabled());
    waitShown(*w.WebBrowser, "about:blank");
    select(section("Strojírenství"));
    for (const auto& [button, row] :
         {std::pair{Qt::RightButton, 1}, {Qt::MiddleButton, 2}, {Qt::LeftButton, -1}}) {
        w.catalogue().CDSZaznamy.setFilter("");
        QTest::mouseClick(list.viewport(), button, {},
                          row < 0 ? QPoint(5, list.viewport()->height() - 3)  // below the entries
                                  : list.visualItemRect(list.item(row)).center());
        settle();  // an entry's page is asked for once the event loop runs the queued showing
        EXPECT_EQ(lastFilter(), row < 0 ? "" : keyOfRow(row)) << button;
    }
    w.ActNovinky->trigger();
    EXPECT_TRUE(listNames().empty());
    EXPECT_FALSE(w.PnlDoZapisniku->isEnabled());
    waitShown(*w.WebBrowser, "about:blank");
}

// A folder others may read gives way, for the rest of the run, to a fresh private one in the
// runtime folder; said once, naming both.
TEST_F(PagesTest, TheExhibitorsPageIsWrittenPrivatelyOrInAFreshFolder) {
    TFormExpozice& w = open();
    QTimer::singleShot(0, &w, [&] {  // asked for while the page waits for the blank browser
        w.ShowExhibitorPage(1363);
        w.ShowExhibitorPage(1353);
    });
    w.ShowExhibitorPage(1200);
    waitShown(*w.WebBrowser, page_);
    EXPECT_NE(read(page_).find("Agrotech a.s."), std::string::npos);  // the last asked for
    w.ShowExhibitorPage(999999);  // no such exhibitor: the page stays
    QTest::qWait(50);
    EXPECT_EQ(shownUrl(*w.WebBrowser), page_);

    const std::string shared = std::filesystem::path(page_).parent_path();
    std::filesystem::permissions(shared, std::filesystem::perms::others_read,
                                 std::filesystem::perm_options::add);
    w.ShowExhibitorPage(1200);
    w.ShowExhibitorPage(1363);
    settle();
    const std::string fresh = os::sessionTempFolder().freshFolder();
    EXPECT_EQ(std::filesystem::path(fresh).parent_path(), std::getenv("XDG_RUNTIME_DIR"));
    waitShown(*w.WebBrowser, fresh + "/temp.html");
    EXPECT_NE(read(fresh + "/temp.html").find("Astromat Sp. z o.o."), std::string::npos);
    EXPECT_THAT(takeMessages(), ::testing::ElementsAre(::testing::AllOf(
                                    ::testing::HasSubstr(shared), ::testing::HasSubstr(fresh))));
    os::sessionTempFolder().reset();
    EXPECT_FALSE(std::filesystem::exists(fresh));
}

// The path bar names the node and its ancestors in the look's colours and font size, its links
// show them, and it and a page that declares no encoding show their Czech letters (read in code
// page 1250).
TEST_F(WindowTest, ThePathBarNamesTheNodeAndItsLinksShowItsAncestors) {
    const std::string disc = writeDisc(
        "[aplikace]\nSkrytData=\n[logo]\nlogoVyska=50\nlogoObrazek=vysoke.png\n"
        "[menu - graficka "
        "podoba]\ninfPruhPismoBarva=$00563412\ninfPruhPismoBarvaAktivni=$00EFCDAB\n"
        "infPruhPozadiBarva=$00DDEEFF\ninfPruhPismoVelikost=10\n"
        "[polozka_a]\ntext0=Alfa\nurl0=a.html\n"
        "[polozka_b]\nrodic=polozka_a\ntext0=Běta\nurl0=b.html\n"
        "[polozka_q]\ntext0=Průvodce: ěůřšž ĚŮŘŠŽ\nurl0=plan.html\n",
        {{"a.html", "A"}, {"b.html", "B"}, {"plan.html", "Plán výstaviště"}});
    ASSERT_TRUE(
        QImage(30, 80, QImage::Format_RGB32).save(QString::fromStdString(disc + "/vysoke.png")));
    TFormExpozice& w = open(disc);
    EXPECT_EQ(w.PanelLogo->height(), 80);  // the picture's height, not the header's
    select(node({"Alfa", "Běta"}));
    waitShown(*w.WebBrowserInfo, privateFile("temp_path.html"));
    EXPECT_EQ(pageText(*w.WebBrowserInfo, "- Alfa - Běta"), "- Alfa - Běta");
    EXPECT_EQ(text::cp1250ToUtf8(read(privateFile("temp_path.html"))),
              "<html><body style=\"margin-left: 0px; margin-top: 0px; margin-bottom: 0px; "
              "margin-right: 0px; border: 0px; padding: 0px\" link=\"#123456\" vlink=\"#123456\" "
              "alink=\"#ABCDEF\" bgcolor=\"#FFEEDD\" scroll=\"no\"><table style=\"font-family: "
              "Verdana; font-size: 10pt\" height=\"100%\" height=\"100%\" cellpadding=\"0\" "
              "cellspacing=\"0\" border=\"0\"><tr><td valign=\"middle\">- <a "
              "href=\"link_0_1\">Alfa</a> - <a href=\"link_0_0\">Běta</a></td></tr></table>"
              "</body></html>");
    // Without scroll bars, in the face the label is measured in where the page's is missing.
    const QWebEngineSettings& bar = *w.WebBrowserInfo->view()->page()->settings();
    EXPECT_FALSE(bar.testAttribute(QWebEngineSettings::ShowScrollBars));
    EXPECT_EQ(bar.fontFamily(QWebEngineSettings::StandardFont),
              QFontInfo(w.PanelInfo->font()).family());
    // The sub-page the node shows is named again when the bar is rebuilt for a new width.
    std::string& subPage = presentation::navNodeOf(node({"Běta"}))->data.CurrentSubPageTitle;
    subPage = text::cp("Příloha");
    w.resize(w.width() + 20, w.height());
    settle();
    EXPECT_EQ(pathBar(), "- Alfa - Běta - Příloha");
    subPage = "Dodatek";
    emit w.SplitterWeb->moved();
    settle();
    EXPECT_EQ(pathBar(), "- Alfa - Běta - Dodatek");
    w.WebBrowserInfo->navigate(privateFile("link_0_1"));
    settle();
    EXPECT_EQ(pathBar(), "- Alfa");
    waitShown(*w.WebBrowser, discFile("a.html"));
    select(node({"Průvodce: ěůřšž ĚŮŘŠŽ"}));
    waitShown(*w.WebBrowserInfo, privateFile("temp_path.html"));
    EXPECT_EQ(pageText(*w.WebBrowserInfo, "- Průvodce: ěůřšž ĚŮŘŠŽ"), "- Průvodce: ěůřšž ĚŮŘŠŽ");
    waitShown(*w.WebBrowser, discFile("plan.html"));
    EXPECT_EQ(pageText(*w.WebBrowser, "Plán výstaviště"), "Plán výstaviště");
}

// The links of a frame in the shown page: a link word that cancels leaves the page and the frame
// as they were and acts once; any other link loads in the frame.
TEST_F(WindowTest, AFramesLinkWordsCancelInTheFrameAndOtherLinksLoadThere) {
    TFormExpozice& w = open(
        writeDisc("[aplikace]\nSkrytData=\n[polozka_uvod]\ntext0=Úvod\nurl0=stranky\\uvod.html\n",
                  {{"stranky/uvod.html",
                    "<script>var loaded = [];</script><iframe src='ramec.html' onload=\"try { "
                    "loaded.push(contentWindow.location.pathname.split('/').pop()); } catch (e) { "
                    "loaded.push('error'); }\"></iframe>"},
                   {"stranky/ramec.html",
                    "<a id='uzel' href='go_polozka_polozka_uvod'>u</a> <a id='program' "
                    "href='../prog/spust.exe'>p</a> <a id='prosta' href='ramec2.html'>r</a>"},
                   {"stranky/ramec2.html", "R2"}}));
    const std::string program =
        temp.writeExecutable("disc/prog/spust.exe", "#!/bin/sh\necho start >> \"$0.log\"\n");
    const std::string page = discFile("stranky/uvod.html");
    select(node({"Úvod"}));
    waitShown(*w.WebBrowser, page);
    Lines seen;
    w.WebBrowser->setBeforeNavigate([&](const std::string& url, bool& cancel) {
        seen.push_back(text::cp1250ToUtf8(url));
        w.WebBrowserBeforeNavigate2(url, cancel);
    });
    // The documents the frame has loaded, and the entries the page's history has gained.
    const auto frame = [&] {
        QVariant state;
        w.WebBrowser->view()->page()->runJavaScript(
            "start = window.start || history.length; loaded.join(' ') + ' +' + (history.length "
            "- start)",
            [&](const QVariant& v) { state = v; });
        EXPECT_TRUE(waitFor([&] { return state.isValid(); }));
        return state.toString().toStdString();
    };
    ASSERT_TRUE(waitFor([&] { return frame() == "ramec.html +0"; }));
    const struct {
        const char* id;
        const char* link;
        const char* started;  // the program's starts so far
        const char* frame;
    } cases[] = {
        {"uzel", "stranky/go_polozka_polozka_uvod", "", "ramec.html +0"},
        {"program", "prog/spust.exe", "start\n", "ramec.html +0"},
        {"prosta", "stranky/ramec2.html", "start\n", "ramec.html ramec2.html +1"},
    };
    for (const auto& c : cases) {
        seen.clear();
        expo::testing::mouseClicks(*w.WebBrowser, c.id, {1});
        // The frame's own link is loaded once its document is.
        ASSERT_TRUE(waitFor([&] {
            return !seen.empty() && read(program + ".log") == c.started &&
                   (c.id != std::string_view("prosta") ||
                    frame().find("ramec2") != std::string::npos);
        })) << c.id;
        EXPECT_EQ(seen, Lines{discFile(c.link)});
        ASSERT_EQ(frame(), c.frame) << c.id;
        EXPECT_EQ(shownUrl(*w.WebBrowser), page);
        EXPECT_EQ(w.TreeViewNavigace->currentItem()->text(0), "Úvod");
    }
}

// The links of the shown pages as the window follows them: an item or a sub-page selected and
// named in the path bar, a program started, a file copied where the user chooses, the language
// switched from the header, and the print button.
// A program starts directly, never through a shell. A copy is offered under the file's name in
// the home folder, then in the folder saved to last; it replaces the file chosen, a missing file
// is named; the current directory is the same afterwards. The page links select and name what
// they show; the header's language link loads the language again without the data (none could be
// found from the current directory).
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
        temp.writeExecutable("disc/prog/spust.exe",
                             "#!/bin/sh\nprintf '%s|' \"$@\" > \"$0.tmp\" && "
                             "mv \"$0.tmp\" \"$0.txt\"\n");
    EXPECT_TRUE(follow(discFile("PROG/Spust.EXE") + " prvni \"druhy treti\" ;$(false)"));
    ASSERT_TRUE(waitFor([&] { return std::filesystem::exists(program + ".txt"); }));
    EXPECT_EQ(read(program + ".txt"), "prvni|druhy treti|;$(false)|");

    const std::string before = os::currentDirectory();
    const std::string source = discFile("soubory/ceny.zip");
    std::string target = temp.write("kopie.zip", "an older file, longer than the copy");
    Lines asked;  // the folder each dialog opens in, and the name it offers
    const ui::ScopedSaveDialog dialog([&](std::string_view folder, std::string_view preset) {
        asked.push_back(std::string(folder) + "|" + std::string(preset));
        os::setCurrentDirectory(temp.path().string());  // as the system's dialog may
        return std::optional(target);
    });
    EXPECT_TRUE(follow(discFile("SOUBORY\\Ceny.ZIP")));  // the disc's file, however spelt
    EXPECT_EQ(read(target), "PK ceny");
    EXPECT_EQ(os::currentDirectory(), before);
    EXPECT_TRUE(follow(discFile("soubory/chybi.zip")));
    EXPECT_EQ(takeMessages(), Lines{"Error: Zdrojový soubor \"" + discFile("soubory/chybi.zip") +
                                    "\" neexistuje."});
    // The file itself is refused untouched; a failed copy tells the system's reason.
    const std::string missing = (temp.path() / "chybi" / "ceny.zip").string();
    for (const auto& [to, error] : {std::pair{source, EEXIST}, {missing, ENOENT}}) {
        target = to;
        EXPECT_TRUE(follow(source));
        // The error box ends the reason with a full stop, as any message ending in a letter.
        EXPECT_EQ(takeMessages(), Lines{"Error: Nastala chyba při kopírování souboru.\n" + to +
                                        ": " + std::strerror(error) + "."});
    }
    EXPECT_EQ(read(source), "PK ceny");
    const std::string home = QDir::homePath().toStdString(), saved = temp.path().string();
    EXPECT_EQ(asked, (Lines{home + "|Ceny.ZIP", saved + "|chybi.zip", saved + "|ceny.zip",
                            saved + "|ceny.zip"}));

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

    // The print button opens the page's print dialog, which shows the normal pointer.
    int dialogs = 0;
    w.WebBrowser->setPrintDialog([&](QPrinter&) {
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
        return bool(++dialogs) && false;
    });
    w.SpeedButtonTisk->click();
    EXPECT_EQ(dialogs, 1);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

}  // namespace
}  // namespace expo::testing
