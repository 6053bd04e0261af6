#pragma once
// Captures the program's message boxes while it lives, instead of showing modal dialogs.

#include "platform/ui/messages.h"

namespace expo::testing {

class RecordingSink final : public ui::MessageSink {
  public:
    RecordingSink() : scope_(*this) {}
    void show(const ui::Message& message) override { messages.push_back(message); }

    std::vector<ui::Message> messages;

  private:
    ui::ScopedMessageSink scope_;
};

}  // namespace expo::testing
