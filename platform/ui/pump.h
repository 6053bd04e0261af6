#pragma once
// While the program is busy: message pumping on the GUI thread, the hourglass, the short pauses
// of the button presses, and work put off until the event loop runs again.
#include <QCursor>
#include <chrono>
#include <functional>
#include <optional>
#include <vector>

class QObject;

namespace expo::ui {

// Runs `action` from the event loop once the event being handled has ended, inside guard();
// not at all when `context` is gone by then. For what a handler may not do where it runs (pump
// messages, show a dialog), such as a browser's before-navigate handler.
void runLater(QObject* context, std::function<void()> action);

// Handles every pending event, then returns.
void pumpMessages();

// Waits `duration` while windows keep painting and timers keep running; the user's clicks and
// keys wait in the queue until the pause is over, as they would during a plain sleep.
void pauseFor(std::chrono::milliseconds duration);

// Handles events, user input included, until `done` returns true, or `limit` has passed when one
// is given. Returns what `done` returns at the end. `done` is asked at least every 10 ms.
bool pumpUntil(const std::function<bool()>& done,
               std::optional<std::chrono::milliseconds> limit = std::nullopt);

// Shows the hourglass for the scope's lifetime; scopes nest.
class BusyCursor {
  public:
    BusyCursor();
    ~BusyCursor();
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

// Lifts the hourglass for the scope's lifetime, for a dialog where the user has the say and the
// pointers are the dialog's own; the hourglass comes back at the end.
class NormalCursor {
  public:
    NormalCursor();
    ~NormalCursor();
    NormalCursor(const NormalCursor&) = delete;
    NormalCursor& operator=(const NormalCursor&) = delete;

  private:
    std::vector<QCursor> lifted_;  // the innermost first
};

}  // namespace expo::ui
