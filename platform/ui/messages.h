#pragma once
// Every message box of the program goes through one sink, so that tests can capture the boxes
// instead of running modal dialogs. The texts are code page 1250.
#include <memory>
#include <string>
#include <string_view>

class QMessageBox;
class QWidget;

namespace expo::ui {

enum class MessageKind {
    Error,                // stop icon, the program's title as caption
    Information,          // no icon, the program's title as caption
    StandardInformation,  // the standard information dialog: information icon, "Information"
    Fatal,                // start-up failure: stop icon, "Application Error"
};

struct Message {
    MessageKind kind = MessageKind::Error;
    std::string caption;
    std::string text;
    bool operator==(const Message&) const = default;
};

class MessageSink {
  public:
    virtual ~MessageSink() = default;
    // Shows the message and returns once the user has dismissed it.
    virtual void show(const Message& message) = 0;
};

// Routes every message box to `sink` while it lives; the previous sink comes back afterwards.
class ScopedMessageSink {
  public:
    explicit ScopedMessageSink(MessageSink& sink);
    ~ScopedMessageSink();
    ScopedMessageSink(const ScopedMessageSink&) = delete;
    ScopedMessageSink& operator=(const ScopedMessageSink&) = delete;

  private:
    MessageSink* previous_;
};

// The box the program shows for `message`, over `parent`: at least as wide as its caption needs
// in a window manager's title bar, so the caption is never shortened.
std::unique_ptr<QMessageBox> messageBox(const Message& message, QWidget* parent);

void showError(std::string_view text);
void showInformation(std::string_view text);
void showStandardInformation(std::string_view text);
void showFatalError(std::string_view text);

}  // namespace expo::ui
