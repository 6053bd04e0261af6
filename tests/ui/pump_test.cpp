#include "platform/ui/pump.h"

#include <gtest/gtest.h>

#include <QCursor>
#include <QGuiApplication>
#include <QTimer>

namespace expo::ui {
namespace {

using namespace std::chrono_literals;

TEST(Pump, PumpMessagesDeliversWhatIsQueued) {
    int delivered = 0;
    QObject context;
    QMetaObject::invokeMethod(
        &context, [&] { ++delivered; }, Qt::QueuedConnection);
    EXPECT_EQ(delivered, 0);
    pumpMessages();
    EXPECT_EQ(delivered, 1);
}

// Timers fire during a pause, and one firing does not end it.
TEST(Pump, TimersKeepRunningDuringAPauseOfTheWholeDuration) {
    int fired = 0;
    QTimer::singleShot(10ms, [&] { ++fired; });
    QTimer::singleShot(100ms, [&] { ++fired; });
    pauseFor(200ms);
    EXPECT_EQ(fired, 2);
}

TEST(Pump, PumpUntilReturnsOnceTheConditionHoldsOrGivesUpAtItsLimit) {
    bool loaded = false;
    QTimer::singleShot(30ms, [&] { loaded = true; });
    EXPECT_TRUE(pumpUntil([&] { return loaded; }));
    int asked = 0;
    EXPECT_FALSE(pumpUntil([&] { return ++asked, false; }, 30ms));
    EXPECT_GE(asked, 3);  // asked while it waits too, not only before and after
}

TEST(BusyCursor, ShowsTheHourglassWhileItLivesAndNests) {
    ASSERT_EQ(QGuiApplication::overrideCursor(), nullptr);
    {
        BusyCursor outer;
        { BusyCursor inner; }
        ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    }
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

}  // namespace
}  // namespace expo::ui
