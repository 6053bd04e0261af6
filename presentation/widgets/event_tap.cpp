#include "presentation/widgets/event_tap.h"

#include <utility>

namespace expo::presentation {

EventTap::EventTap(QObject* watched, QEvent::Type type, std::function<void(QEvent&)> handler)
    : QObject(watched), type_(type), handler_(std::move(handler)) {
    watched->installEventFilter(this);
}

bool EventTap::eventFilter(QObject* /*watched*/, QEvent* event) {
    if (event->type() == type_) {
        handler_(*event);
    }
    return false;
}

}  // namespace expo::presentation
