// The program's start: the failures that stop it with exit code 1, the intro window and its links,
// the first loading's notice, the main window's size at every activation; the demo disc's
// loading with its notice, look, tree and sections; the header page looked for in the program's
// folder.
#include <gmock/gmock.h>

#include <cerrno>
#include <cstring>

#include "presentation/mainwindow/start.h"
#include "presentation/widgets/splitter_bar.h"
#include "presentation/windows/dlg_hlaseni.h"
#include "presentation/windows/uvod.h"
#include "tests/support/window_fixture.h"

namespace expo::testing {
namespace {

using presentation::Start;

// A window of this size centred on the screen, halves going to the even neighbour.
QRect centred(int width, int height) {
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    return QRect(int(text::roundHalfEven((screen.width() - width) / 2.0)),
                 int(text::roundHalfEven((screen.height() - height) / 2.0)), width, height);
}

// The intro window takes its size from the settings; "appexit.html" ends the program before
// any loading, after the notice of a small screen with every language's text. Without its intro
// page or a settings file the start fails, saying why.
TEST_F(WindowTest, TheIntroTakesItsSizeAndItsExitLinkEndsTheProgramOrTheStartFails) {
    const std::string disc = writeDisc(
        "sirka=472\nvyska=321\n[text rozlišení]\njaz0=  Nízké rozlišení  \njaz2=Low res\n");
    os::setProgramFolder(disc);
    QRect shown;
    presentation::TFormUvod::setPageLoadedHook([&](presentation::TFormUvod& intro) {
        shown = intro.frameGeometry();
        clickInPage(*intro.WebBrowserUvod, "a[href='appexit.html']");
    });
    EXPECT_EQ(Start(), 0);
    EXPECT_EQ(shown, centred(472, 321));
    EXPECT_EQ(sink.messages.at(0).text, text::cp("Nízké rozlišení\rLow res"));  // a small screen
    temp.write("disc/config.ini", "[uvod]\njaz0=x\n");  // names no intro page
    EXPECT_EQ(Start(), 1);
    std::filesystem::create_directories(disc + "/Inzeraty/index.ini");
    EXPECT_EQ(Start(), 1);
    std::filesystem::remove(disc + "/config.ini");
    EXPECT_EQ(Start(), 1);
    EXPECT_THAT(
        takeMessages(),
        ::testing::ElementsAre(
            ::testing::EndsWith(
                "Neexistuje html soubor \"" + disc +
                "/\" pro úvodní obrazovku.\nV souboru config.ini chybí klíč \"url\" v sekci "
                "[uvod]."),
            ::testing::HasSubstr(
                "Chyba při načítání konfiguračního souboru Inzeraty\\index.ini.\n"),
            ::testing::HasSubstr("Chyba při načítání konfiguračního souboru config.ini.\n" + disc +
                                 "/config.ini: " + std::strerror(ENOENT))));
}

// A language link opens the main window in its language after one loading, the intro disabled.
// Every activation sizes and centres the window; without a language it closes.
TEST_F(WindowTest, EveryActivationSizesAndCentresTheWindowOrClosesItWithoutALanguage) {
    followOnIntro("sub_jazyk3.html/JAZYK1.HTML");
    TFormExpozice& w =
        open(writeDisc("[aplikace]\nSkrytData=\nsirka=501\nvyska=301\n[tlačítko Vše]\njaz1=Alle\n"
                       "[menu - graficka podoba]\nnavigaceSirka=400\n",
                       {{"uvod.html", "<a href='sub_jazyk3.html/JAZYK1.HTML'>x</a>"}}),
             -1);
    EXPECT_EQ(w.ToolButtonVse->text(), "Alle");
    EXPECT_TRUE(notices.notices.at(0).blocking) << "the intro is disabled";
    const auto reactivate = [&] {
        QWidget other;
        other.show();
        other.activateWindow();
        EXPECT_TRUE(waitFor([&] { return other.isActiveWindow() || !w.isVisible(); }));
        other.close();
        w.activateWindow();
        settle();
    };
    for (int again = 0; again < 2; ++again) {
        EXPECT_EQ(w.frameGeometry(), centred(501, 301));
        EXPECT_EQ(w.PanelNavigace->width(), 400);
        w.setGeometry(3, 7, 320, 240);
        w.PanelNavigace->setFixedWidth(100);
        reactivate();
    }
    QTest::mousePress(w.SplitterWeb, Qt::LeftButton, {}, QPoint(1, 5));  // far to the left
    QTest::mouseMove(w.SplitterWeb, QPoint(-2000, 5));
    QTest::mouseRelease(w.SplitterWeb, Qt::LeftButton, {}, QPoint(-2000, 5));
    EXPECT_GE(w.PanelNavigace->width(), w.ToolBarSwitch->sizeHint().width());
    EXPECT_TRUE(follow("nastav_jaz7"));
    reactivate();
    EXPECT_FALSE(w.isVisible());
}

// The language loading as the window shows it: the progress notice's lines, its place, height
// and colour, the look on the widgets, the tree with its sections. The notice is a frameless
// window over the others, centred on the screen, its interrupt button below its visible part.
TEST_F(WindowTest, TheDemoDiscLoadsUnderOneNoticeWithItsLookTreeAndSections) {
    std::vector<std::tuple<QRect, Qt::WindowFlags, QColor, int, bool>> shown;  // at each line
    notices.eachLine = [&](const QWidget& widget) {
        const auto& notice = static_cast<const presentation::TFormDlgHlaseni&>(widget);
        shown.emplace_back(notice.frameGeometry(), notice.windowFlags(),
                           notice.Panel1->palette().color(QPalette::Window),
                           notice.BtnPrerusit->mapTo(&notice, QPoint(0, 0)).y(),
                           notice.lblHlaseni->isVisible());
    };
    TFormExpozice& w = open(EXPO_DISC_DIR, 1);
    notices.eachLine = nullptr;
    const QPoint middle = QGuiApplication::primaryScreen()->geometry().center();
    ASSERT_FALSE(shown.empty());
    for (const auto& [frame, flags, colour, button, lineShown] : shown) {
        EXPECT_TRUE(lineShown);
        EXPECT_LE((frame.center() - middle).manhattanLength(), 2) << frame.center().y();
        EXPECT_EQ(frame.height(), 65);
        EXPECT_TRUE(flags.testFlags(Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint));
        EXPECT_EQ(colour, QColor(0xF4, 0xF7, 0xFB));  // the look's background
        EXPECT_GE(button, frame.height());
    }
    ASSERT_EQ(notices.notices.size(), 1u);
    EXPECT_EQ(notices.notices[0].title, "Starting the catalogue:");
    EXPECT_EQ(Lines(notices.notices[0].lines.begin(), notices.notices[0].lines.begin() + 4),
              (Lines{"loading the layout.", "loading the logo.", "loading the navigation.",
                     "loading data files: 1 of 12."}));
    EXPECT_EQ(node({"Exhibitor catalogue"})->childCount(), 6);
    EXPECT_EQ(w.ListBoxSeznamFirem->font().family(), "Verdana");
    EXPECT_EQ(w.ListBoxSeznamFirem->palette().color(QPalette::Base), QColor(0xF4, 0xF7, 0xFB));
    EXPECT_EQ(w.LabelInfo->palette().color(QPalette::WindowText), QColor(0x1F, 0x4E, 0x8C));
    EXPECT_EQ(w.PanelTlacitka->palette().color(QPalette::Window), QColor(0xD3, 0xDD, 0xE6));
    EXPECT_EQ(w.EditHledani->width(), 155);
}

// The header page lies in the program's folder: one found only in the current directory ends the
// loading with the error that names it.
TEST_F(WindowTest, TheHeaderPageIsTakenFromTheProgramsFolderOnly) {
    const std::string disc =
        writeDisc("[aplikace]\nSkrytData=\n[logo]\ntyp=html\nhtmlFile=zahlavi.html\n");
    const std::string elsewhere = temp.write("jinde/zahlavi.html", "Z");
    presentation::TFormUvod::setPageLoadedHook([&](presentation::TFormUvod& intro) {
        os::setCurrentDirectory(std::filesystem::path(elsewhere).parent_path().string());
        clickInPage(*intro.WebBrowserUvod, "a[href='jazyk0.html']");
    });
    open(disc, -1);
    EXPECT_EQ(takeMessages(),
              Lines{"Error: Nepodařilo se otevřít html soubor se záhlavím zahlavi.html."});
}

}  // namespace
}  // namespace expo::testing
