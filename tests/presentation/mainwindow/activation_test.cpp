// The main window's activation on a real X server, where another program's window can take the
// focus: coming back from a message box of the program, and after the work of a progress notice,
// the window takes its configured size and place again (or, without a language, ends the
// program); coming back from another program or from a window that a page opened, it keeps what
// the user gave it.
#include <QMessageBox>
#include <QProcess>

#include "presentation/mainwindow/main_form.h"
#include "presentation/mainwindow/start.h"
#include "tests/support/x_window_test.h"

namespace expo::testing {
namespace {

using ActivationTest = XServerWindowTest;

TEST_F(ActivationTest, TheFocusBackFromAMessageBoxSizesTheWindowAgainFromAnotherProgramNot) {
    TFormExpozice& w = open(writeDisc("[aplikace]\nSkrytData=\nsirka=501\nvyska=301\n"));
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    // 501 × 301 centred, halves to the even neighbour.
    const QRect configured(int(text::roundHalfEven((screen.width() - 501) / 2.0)),
                           int(text::roundHalfEven((screen.height() - 301) / 2.0)), 501, 301);
    const QRect usersOwn(5, 5, 400, 300);
    ASSERT_TRUE(activate(w));
    settle();
    EXPECT_EQ(w.frameGeometry(), configured);

    w.setGeometry(usersOwn);
    {
        QMessageBox box(QMessageBox::Information, "Expozice", "OK?", QMessageBox::Ok, &w);
        box.show();
        box.activateWindow();
        ASSERT_TRUE(waitFor([&] { return box.isActiveWindow(); }));
    }
    ASSERT_TRUE(activate(w));
    settle();
    EXPECT_EQ(w.frameGeometry(), configured);

    w.setGeometry(usersOwn);
    QProcess other;
    other.start(EXPO_X_FOCUS_TAKER);
    ASSERT_TRUE(
        waitFor([&] { return other.canReadLine() || other.state() == QProcess::NotRunning; }));
    ASSERT_EQ(other.readLine(), "focused\n");
    ASSERT_TRUE(waitFor([&] { return !w.isActiveWindow(); }));
    other.write(QByteArray::number(w.winId()) + "\n");  // the user clicks the main window
    ASSERT_TRUE(waitFor([&] { return w.isActiveWindow(); }));
    settle();
    EXPECT_EQ(w.frameGeometry(), usersOwn);
    other.closeWriteChannel();
    EXPECT_TRUE(other.waitForFinished());
}

// The place the settings give a window of 701 × 601, centred, halves to the even neighbour.
QRect configuredPlace() {
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    return QRect(int(text::roundHalfEven((screen.width() - 701) / 2.0)),
                 int(text::roundHalfEven((screen.height() - 601) / 2.0)), 701, 601);
}

const char* const kDisc =
    "[aplikace]\nSkrytData=\nsirka=701\nvyska=601\n"
    "[polozka_a]\ntext0=Alfa\nurl0=a.html\ntext1=Alfa\nurl1=a.html\n";

// The main window's work under the progress notice hands the focus back to the window when it
// ends: with no window manager the focus never leaves the window at all, and the work may be
// shorter than any change of the focus. The window moved by the user is back in its place.
TEST_F(ActivationTest, AfterTheWorkOfAProgressNoticeTheWindowTakesItsPlaceAgain) {
    TFormExpozice& w = open(writeDisc(kDisc, {{"a.html", "Veletrh Lipová"}}));
    ASSERT_TRUE(activate(w));
    const struct {
        const char* work;
        std::function<void()> run;
    } cases[] = {
        {"language switch", [&] { EXPECT_TRUE(follow("nastav_jaz1")); }},
        {"full-text search with hits",
         [&] {
             w.EditHledani->setText(ui::toQ(text::cp("lipová")));
             QTest::keyClick(w.EditHledani, Qt::Key_Return);
             EXPECT_EQ(w.ListBoxNalezene->count(), 1);
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.work);
        notices.notices.clear();
        w.setGeometry(5, 5, 400, 300);
        settle();
        ASSERT_EQ(w.frameGeometry(), QRect(5, 5, 400, 300));
        c.run();
        EXPECT_EQ(notices.notices.size(), 1u);
        EXPECT_TRUE(waitFor([&] { return w.frameGeometry() == configuredPlace(); }))
            << w.frameGeometry().x() << "," << w.frameGeometry().y();
    }
}

// A window that a page opens is the browser's, not the program's: coming back from it, the
// window keeps the place and size the user gave it.
TEST_F(ActivationTest, BackFromAPagesPopUpWindowTheWindowKeepsTheUsersPlace) {
    TFormExpozice& w =
        open(writeDisc(kDisc, {{"a.html",
                                "<a href='b.html' target='_blank'>b</a>"
                                "<button onclick=\"window.open('b.html')\">c</button>"},
                               {"b.html", "Bé"}}));
    ASSERT_TRUE(activate(w));
    waitShown(*w.WebBrowser, discFile("a.html"));
    const QRect usersOwn(5, 5, 400, 300);
    for (const char* link : {"a[target]", "button"}) {
        SCOPED_TRACE(link);
        w.setGeometry(usersOwn);
        clickInPage(*w.WebBrowser, link);
        QWidget* popUp = nullptr;
        ASSERT_TRUE(waitFor([&] {
            for (QWidget* top : QApplication::topLevelWidgets()) {
                if (qobject_cast<browser::WebBrowser*>(top) && top->isVisible()) {
                    popUp = top;
                }
            }
            return popUp != nullptr;
        }));
        ASSERT_TRUE(activate(*popUp));
        ASSERT_TRUE(activate(w));
        settle();
        EXPECT_EQ(w.frameGeometry(), usersOwn);
        delete popUp;
    }
}

// A language switch to a language outside 0..4 ends the program once its loading ends, with
// exit code 0; the user's window is active when the link is followed.
TEST_F(ActivationTest, ALanguageSwitchOutsideTheFiveLanguagesEndsTheProgram) {
    const std::string disc = writeDisc(kDisc, {{"a.html", "A"}});
    os::setProgramFolder(disc);
    ASSERT_TRUE(os::setCurrentDirectory(disc));
    followOnIntro("jazyk0.html");
    bool followed = false;
    bool stillRunning = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* w = qobject_cast<TFormExpozice*>(presentation::applicationMainForm());
        if (!w || !w->isVisible() || followed) {
            return;
        }
        followed = true;
        ASSERT_TRUE(activate(*w));
        bool cancel = false;
        w->WebBrowserBeforeNavigate2("nastav_jaz7", cancel);
        // Ends the run should the program go on.
        QTimer::singleShot(kPatienceMs, w, [&stillRunning, w] {
            stillRunning = true;
            w->close();
        });
    });
    poll.start(10);
    EXPECT_EQ(presentation::Start(), 0);
    EXPECT_TRUE(followed);
    EXPECT_FALSE(stillRunning);
}

}  // namespace
}  // namespace expo::testing
