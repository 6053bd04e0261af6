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

TEST(Pump, TimersKeepRunningDuringAPause) {
    bool fired = false;
    QTimer::singleShot(10ms, [&] { fired = true; });
    pauseFor(200ms);
    EXPECT_TRUE(fired);
}

TEST(Pump, PumpUntilReturnsOnceTheConditionHolds) {
    bool loaded = false;
    QTimer::singleShot(30ms, [&] { loaded = true; });
    EXPECT_TRUE(pumpUntil([&] { return loaded; }));
}

TEST(Pump, PumpUntilGivesUpAtItsLimit) {
    EXPECT_FALSE(pumpUntil([] { return false; }, 30ms));
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
