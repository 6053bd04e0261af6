#pragma once
// Lets the window see one kind of event of a component before the component handles it, for
// the handlers Qt offers no signal for (a mouse press anywhere in a list, a key released).
#include <QEvent>
#include <QObject>
#include <functional>

namespace expo::presentation {

class EventTap : public QObject {
  public:
    // Runs `handler` for every event of `type` that reaches `watched`; the event then goes on
    // to `watched` as usual. The tap lives as long as `watched`.
    EventTap(QObject* watched, QEvent::Type type, std::function<void(QEvent&)> handler);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QEvent::Type type_;
    std::function<void(QEvent&)> handler_;
};

}  // namespace expo::presentation
