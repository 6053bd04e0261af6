#include "platform/ui/messages.h"

#include <QApplication>
#include <QMessageBox>

#include "platform/ui/program_title.h"
#include "platform/ui/qtext.h"

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
        QMessageBox box(iconOf(message.kind), toQ(message.caption), boxText(message.text),
                        QMessageBox::Ok, QApplication::activeWindow());
        box.exec();
    }
};

DialogSink dialogSink;
MessageSink* currentSink = &dialogSink;

void show(MessageKind kind, std::string caption, std::string_view text) {
    currentSink->show(Message{kind, std::move(caption), std::string(text)});
}

}  // namespace

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
