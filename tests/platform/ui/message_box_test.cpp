// A message box is wide enough for a window manager to show its caption whole in the title bar.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontDatabase>
#include <QMessageBox>

#include "platform/ui/messages.h"
#include "platform/ui/qtext.h"

namespace expo::ui {
namespace {

// At least the caption in the title bar's font drawn bold, and three square frame buttons as
// high as a title bar of twice the font's height.
TEST(MessageBoxWidth, LeavesRoomForTheCaptionAndTheFrameButtons) {
    QFont font = QFontDatabase::systemFont(QFontDatabase::TitleFont);
    font.setBold(true);
    const QFontMetrics metrics(font);
    for (const Message& m : {Message{MessageKind::Information, "Expozice", "Soubor byl ulozen."},
                             Message{MessageKind::Error, "Expozice", "x"},
                             Message{MessageKind::StandardInformation, "Information", "x"},
                             Message{MessageKind::Fatal, "Application Error", "x"}}) {
        const std::unique_ptr<QMessageBox> box = messageBox(m, nullptr);
        box->show();
        QApplication::processEvents();
        EXPECT_GE(box->width(),
                  metrics.horizontalAdvance(toQ(m.caption)) + 3 * 2 * metrics.height())
            << m.caption;
        EXPECT_EQ(box->windowTitle(), toQ(m.caption));
    }
}

}  // namespace
}  // namespace expo::ui
