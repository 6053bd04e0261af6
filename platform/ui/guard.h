#pragma once
// Every event handler runs through guard(): an exception that leaves the handler is shown in the
// error box and the handler's operation ends where it was. No exception crosses a Qt event
// boundary.
#include <string>
#include <string_view>
#include <utility>

namespace expo::ui {

// The error box's text: a "." is added when the message's last character comes after "." in
// character order (a letter, a digit, ":", any accented letter); a message ending in ".", "!",
// ")" or a blank stays as it is.
std::string errorBoxText(std::string_view message);

// The text of the fatal start-up box: the error's class, the program file, then the message,
// which gets a "." unless it already ends in one.
std::string fatalErrorText(std::string_view className, std::string_view programFile,
                           std::string_view message);

// Call from inside a catch block: shows the exception being handled in the error box.
void showCurrentException();
// Call from inside a catch block at the program's outermost level: the fatal box.
void showFatalCurrentException();

// Runs `handler`; returns false when it ended by an exception, which has then been shown.
template <class Handler>
bool guard(Handler&& handler) noexcept {
    try {
        std::forward<Handler>(handler)();
        return true;
    } catch (...) {
        try {
            showCurrentException();
        } catch (...) {
            // The box itself failed (out of memory, say); there is nobody left to tell.
        }
        return false;
    }
}

}  // namespace expo::ui
