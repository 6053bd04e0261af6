#include "platform/ui/messages.h"

#include <QApplication>
#include <QGridLayout>
#include <QMessageBox>
#include <QPointer>
#include <QSpacerItem>

#include "platform/ui/program_title.h"
#include "platform/ui/qtext.h"
#include "platform/ui/text_room.h"

namespace expo::ui {
namespace {

QMessageBox::Icon iconOf(MessageKind kind) {
    switch (kind) {
        case MessageKind::Error:
        case MessageKind::Fatal:
            return QMessageBox::Critical;
        case MessageKind::StandardInformation:
            return QMessageBox::Information;
        case MessageKind::Information:
            break;
    }
    return QMessageBox::NoIcon;
}

// Message texts break lines at a carriage return alone, as the system's boxes do.
QString boxText(std::string_view text) {
    QString out = toQ(text);
    out.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    out.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return out;
}

class DialogSink final : public MessageSink {
  public:
    void show(const Message& message) override {
        // The box belongs to its parent too: a parent that goes while the box runs takes it.
        const QPointer<QMessageBox> box =
            messageBox(message, QApplication::activeWindow()).release();
        box->exec();
        delete box.data();
    }
};

DialogSink dialogSink;
MessageSink* currentSink = &dialogSink;

void show(MessageKind kind, std::string caption, std::string_view text) {
    currentSink->show(Message{kind, std::move(caption), std::string(text)});
}

}  // namespace

std::unique_ptr<QMessageBox> messageBox(const Message& message, QWidget* parent) {
    auto box = std::make_unique<QMessageBox>(iconOf(message.kind), toQ(message.caption),
                                             boxText(message.text), QMessageBox::Ok, parent);
    // The box takes the least width of its layout; a row of its own, as wide as the caption
    // needs, widens it. The box's own margins count into that width. QMessageBox lays its grid
    // out anew when its icon, informative text or style change, which drops the row: set those
    // before this.
    if (auto* grid = qobject_cast<QGridLayout*>(box->layout())) {
        const QMargins margins = grid->contentsMargins() + box->contentsMargins();
        const int room = widthForCaption(box->windowTitle()) - margins.left() - margins.right();
        grid->addItem(new QSpacerItem(room, 0, QSizePolicy::Fixed, QSizePolicy::Fixed),
                      grid->rowCount(), 0, 1, grid->columnCount());
    }
    return box;
}

ScopedMessageSink::ScopedMessageSink(MessageSink& sink) : previous_(currentSink) {
    currentSink = &sink;
}

ScopedMessageSink::~ScopedMessageSink() {
    currentSink = previous_;
}

void showError(std::string_view text) {
    show(MessageKind::Error, programTitle(), text);
}

void showInformation(std::string_view text) {
    show(MessageKind::Information, programTitle(), text);
}

void showStandardInformation(std::string_view text) {
    show(MessageKind::StandardInformation, "Information", text);
}

void showFatalError(std::string_view text) {
    show(MessageKind::Fatal, "Application Error", text);
}

}  // namespace expo::ui
