// A message box is wide enough for a window manager to show its caption whole in the title bar.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontDatabase>
#include <QMessageBox>

#include "platform/ui/messages.h"
#include "platform/ui/qtext.h"

namespace expo::ui {
namespace {

struct BoxCase {
    MessageKind kind;
    const char* caption;
    const char* text;
};

void PrintTo(const BoxCase& c, std::ostream* out) {
    *out << '"' << c.caption << '"';
}

class MessageBoxWidth : public ::testing::TestWithParam<BoxCase> {};

// At least the caption in the title bar's font drawn bold, and three square frame buttons as
// high as a title bar of twice the font's height.
TEST_P(MessageBoxWidth, LeavesRoomForTheCaptionAndTheFrameButtons) {
    const BoxCase& c = GetParam();
    const std::unique_ptr<QMessageBox> box = messageBox({c.kind, c.caption, c.text}, nullptr);
    box->show();
    QApplication::processEvents();
    QFont font = QFontDatabase::systemFont(QFontDatabase::TitleFont);
    font.setBold(true);
    const QFontMetrics metrics(font);
    EXPECT_GE(box->width(), metrics.horizontalAdvance(toQ(c.caption)) + 3 * 2 * metrics.height())
        << c.caption;
    EXPECT_EQ(box->windowTitle(), toQ(c.caption));
}

INSTANTIATE_TEST_SUITE_P(
    Captions, MessageBoxWidth,
    ::testing::Values(BoxCase{MessageKind::Information, "Expozice", "Soubor byl ulozen."},
                      BoxCase{MessageKind::Error, "Expozice", "x"},
                      BoxCase{MessageKind::StandardInformation, "Information", "x"},
                      BoxCase{MessageKind::Fatal, "Application Error", "x"}));

}  // namespace
}  // namespace expo::ui
