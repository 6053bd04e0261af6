// The main window's activation on a real X server, where another program's window can take the
// focus: coming back from a message box of the program, the window takes its configured size
// and place again; coming back from another program, it keeps what the user gave it.
#include <QMessageBox>
#include <QProcess>

#include "tests/support/window_fixture.h"
#include "tests/support/x_server.h"

namespace expo::testing {
namespace {

TEST_F(WindowTest, TheFocusBackFromAMessageBoxSizesTheWindowAgainFromAnotherProgramNot) {
    if (!onXServer()) {
        GTEST_SKIP() << "no Xvfb on this machine";
    }
    TFormExpozice& w = open(writeDisc("[aplikace]\nSkrytData=\nsirka=501\nvyska=301\n"));
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    // 501 × 301 centred, halves to the even neighbour.
    const QRect configured(int(text::roundHalfEven((screen.width() - 501) / 2.0)),
                           int(text::roundHalfEven((screen.height() - 301) / 2.0)), 501, 301);
    const QRect usersOwn(5, 5, 400, 300);
    const auto activate = [&] {
        w.activateWindow();
        EXPECT_TRUE(waitFor([&] { return w.isActiveWindow(); }));
        settle();
    };
    activate();
    EXPECT_EQ(w.frameGeometry(), configured);

    w.setGeometry(usersOwn);
    {
        QMessageBox box(QMessageBox::Information, "Expozice", "OK?", QMessageBox::Ok, &w);
        box.show();
        box.activateWindow();
        ASSERT_TRUE(waitFor([&] { return box.isActiveWindow(); }));
    }
    activate();
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

}  // namespace
}  // namespace expo::testing
