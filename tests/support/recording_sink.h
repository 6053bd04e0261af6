#pragma once
// Captures the program's message boxes while it lives, instead of showing modal dialogs.
#include <algorithm>
#include <iterator>
#include <vector>

#include "platform/ui/messages.h"

namespace expo::testing {

class RecordingSink final : public ui::MessageSink {
  public:
    RecordingSink() : scope_(*this) {}
    void show(const ui::Message& message) override { messages.push_back(message); }

    // The messages shown, the standard information aside: the notice at the start that the
    // headless screen is smaller than the disc asks for.
    std::vector<ui::Message> besidesScreenNotice() const {
        std::vector<ui::Message> shown;
        std::copy_if(
            messages.begin(), messages.end(), std::back_inserter(shown),
            [](const ui::Message& m) { return m.kind != ui::MessageKind::StandardInformation; });
        return shown;
    }

    std::vector<ui::Message> messages;

  private:
    ui::ScopedMessageSink scope_;
};

}  // namespace expo::testing
