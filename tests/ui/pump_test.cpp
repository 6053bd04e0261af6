#include "platform/ui/pump.h"

#include <gtest/gtest.h>

#include <QCursor>
#include <QElapsedTimer>
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

TEST(Pump, TimersKeepRunningDuringAPauseOfTheWholeDuration) {
    bool fired = false;
    QTimer::singleShot(10ms, [&] { fired = true; });
    QElapsedTimer clock;
    clock.start();
    pauseFor(200ms);
    EXPECT_TRUE(fired);
    EXPECT_GE(clock.elapsed(), 200);  // the timer firing does not end the pause
}

TEST(Pump, PumpUntilReturnsOnceTheConditionHolds) {
    bool loaded = false;
    QTimer::singleShot(30ms, [&] { loaded = true; });
    EXPECT_TRUE(pumpUntil([&] { return loaded; }));
}

TEST(Pump, PumpUntilGivesUpAtItsLimit) {
    int asked = 0;
    QElapsedTimer clock;
    clock.start();
    EXPECT_FALSE(pumpUntil([&] { return ++asked, false; }, 30ms));
    EXPECT_GE(clock.elapsed(), 30);
    EXPECT_GE(asked, 3);  // asked while it waits too, not only before and after
}

TEST(BusyCursor, ShowsTheHourglassWhileItLivesAndNests) {
    ASSERT_EQ(QGuiApplication::overrideCursor(), nullptr);
    {
        BusyCursor outer;
        ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
        { BusyCursor inner; }
        ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    }
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

}  // namespace
}  // namespace expo::ui
