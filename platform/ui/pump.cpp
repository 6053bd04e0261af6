#include "platform/ui/pump.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTimer>

namespace expo::ui {

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

}  // namespace expo::ui
