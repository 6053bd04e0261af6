#include "presentation/widgets/panel_button.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>

#include "platform/ui/pump.h"

namespace expo::presentation {

PanelButton::PanelButton(const QString& panelName, const QString& labelName, const QString& caption,
                         QWidget* parent)
    : QFrame(parent), label_(new QLabel(caption, this)) {
    setObjectName(panelName);
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(1);
    setCursor(Qt::PointingHandCursor);
    label_->setObjectName(labelName);
    label_->setAlignment(Qt::AlignCenter);
    // The label passes its clicks on to the panel.
    label_->setAttribute(Qt::WA_TransparentForMouseEvents);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(label_);
    fitToLabel();
}

// The label is the layout's to place: it fills the panel inside the frame and draws its caption
// in the middle, so the caption keeps 5 pixels to either side. Sizing the label here would
// leave it at its caption's width against the left frame whenever the panel's width stays.
void PanelButton::fitToLabel() {
    setFixedWidth(label_->sizeHint().width() + 10);
}

void PanelButton::press(std::chrono::milliseconds duration) {
    setFrameShadow(QFrame::Sunken);
    ui::pumpMessages();
    ui::pauseFor(duration);
    setFrameShadow(QFrame::Raised);
    ui::pumpMessages();
}

void PanelButton::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    QFrame::mousePressEvent(event);
}

// The base class would take the second press of a double click for a press of its own, and the
// release after it would make a second click.
void PanelButton::mouseDoubleClickEvent(QMouseEvent* event) {
    pressed_ = false;
    event->accept();
}

void PanelButton::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    QFrame::mouseReleaseEvent(event);
    if (click) {
        emit clicked();
    }
}

}  // namespace expo::presentation
