#include "platform/ui/pump.h"

#include <QCoreApplication>
#include <QCursor>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QGuiApplication>
#include <QTimer>
#include <utility>

#include "platform/ui/guard.h"

namespace expo::ui {

void runLater(QObject* context, std::function<void()> action) {
    QMetaObject::invokeMethod(
        context, [action = std::move(action)] { guard(action); }, Qt::QueuedConnection);
}

void pumpMessages() {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void pauseFor(std::chrono::milliseconds duration) {
    QEventLoop loop;
    QTimer::singleShot(duration, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

bool pumpUntil(const std::function<bool()>& done, std::optional<std::chrono::milliseconds> limit) {
    const QDeadlineTimer deadline = limit ? QDeadlineTimer(*limit) : QDeadlineTimer::Forever;
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done() || deadline.hasExpired()) {
            loop.quit();
        }
    });
    if (!done()) {
        poll.start(std::chrono::milliseconds(10));
        loop.exec();
    }
    return done();
}

BusyCursor::BusyCursor() {
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

BusyCursor::~BusyCursor() {
    QGuiApplication::restoreOverrideCursor();
}

NormalCursor::NormalCursor() {
    while (const QCursor* cursor = QGuiApplication::overrideCursor()) {
        lifted_.push_back(*cursor);
        QGuiApplication::restoreOverrideCursor();
    }
}

NormalCursor::~NormalCursor() {
    for (auto cursor = lifted_.rbegin(); cursor != lifted_.rend(); ++cursor) {
        QGuiApplication::setOverrideCursor(*cursor);
    }
}

}  // namespace expo::ui
