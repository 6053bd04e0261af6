// The progress notice: 65 pixels high and centred on the screen, the main window disabled while
// it exists (when there is one yet), every progress line shown at once.
#include <gtest/gtest.h>

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <memory>

#include "platform/text/text.h"
#include "platform/ui/qtext.h"
#include "presentation/dlg_hlaseni.h"
#include "presentation/main_form.h"

namespace expo::presentation {
namespace {

class NoticeTest : public ::testing::Test {
  protected:
    void TearDown() override { setApplicationMainForm(nullptr); }
};

TEST_F(NoticeTest, IsAShortWindowCentredOnTheScreen) {
    TFormDlgHlaseni notice(nullptr, text::cp("Inicializace programu:"));
    EXPECT_TRUE(notice.isVisible());
    EXPECT_EQ(notice.height(), 65);
    EXPECT_EQ(notice.lblNadpis->text(), ui::toQ(text::cp("Inicializace programu:")));
    EXPECT_TRUE(notice.lblHlaseni->text().isEmpty());
    EXPECT_TRUE(notice.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(notice.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(notice.Panel1->frameShape(), QFrame::NoFrame);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_LE(std::abs(notice.frameGeometry().center().x() - screen.center().x()), 1);
    EXPECT_LE(std::abs(notice.frameGeometry().center().y() - screen.center().y()), 1);
    // The interrupt button lies below the visible part.
    EXPECT_GE(notice.BtnPrerusit->mapTo(&notice, QPoint(0, 0)).y(), notice.height());
}

TEST_F(NoticeTest, ShowsEachProgressLine) {
    TFormDlgHlaseni notice(nullptr, "Export:");
    notice.SetMessageText(text::cp("načítání vzhledu."));
    EXPECT_EQ(notice.lblHlaseni->text(), ui::toQ(text::cp("načítání vzhledu.")));
    notice.SetMessageText("2 z 12.");
    EXPECT_EQ(notice.lblHlaseni->text(), "2 z 12.");
}

TEST_F(NoticeTest, DisablesTheMainWindowWhileItExists) {
    QWidget mainForm;
    mainForm.show();
    setApplicationMainForm(&mainForm);
    {
        auto notice = std::make_unique<TFormDlgHlaseni>(&mainForm, "Export:");
        EXPECT_FALSE(mainForm.isEnabled());
        EXPECT_TRUE(notice->isEnabled()) << "the notice itself is not greyed out";
        notice->SetMessageText("1");
        EXPECT_FALSE(mainForm.isEnabled()) << "pumping leaves it disabled";
    }
    EXPECT_TRUE(mainForm.isEnabled());
}

TEST_F(NoticeTest, BeforeThereIsAMainWindowNothingIsDisabled) {
    QWidget intro;
    intro.show();
    {
        TFormDlgHlaseni notice(nullptr, "Inicializace programu:");
        EXPECT_TRUE(intro.isEnabled());
    }
    EXPECT_TRUE(intro.isEnabled());
}

TEST_F(NoticeTest, ThePanelTakesTheCallersColour) {
    TFormDlgHlaseni notice(nullptr, "Export:");
    notice.setPanelColor(text::colorFromInt(text::strToInt("$00336699")));
    EXPECT_EQ(notice.Panel1->palette().color(QPalette::Window), QColor(0x99, 0x66, 0x33));
}

}  // namespace
}  // namespace expo::presentation
