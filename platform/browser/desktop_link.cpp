#include "platform/browser/desktop_link.h"

#include <QProcess>

#include "platform/text/text.h"
#include "platform/ui/guard.h"
#include "platform/ui/messages.h"

namespace expo::browser {
namespace {

constexpr char kUrlHandler[] = "xdg-open";
// Its own failures: a wrong call, no such file, a tool it needs missing, the action failed.
constexpr int kFirstOwnFailure = 1;
constexpr int kLastOwnFailure = 4;

void report(const std::string& link, const std::string& reason) {
    ui::guard([&] { ui::showError(desktopLinkError(link, reason)); });
}

}  // namespace

std::string desktopLinkError(std::string_view link, std::string_view reason) {
    return std::string(link) + "\n" + kUrlHandler + ": " + std::string(reason);
}

void openOnDesktop(const QUrl& url, const std::string& link) {
    // Owned by nobody until it ends: it goes when it has ended, never with a window.
    auto* process = new QProcess;
    process->setProgram(QString::fromLatin1(kUrlHandler));
    process->setArguments({QString::fromLatin1(url.toEncoded())});
    // What the handler says goes to the program's own terminal, as before.
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    process->setStandardInputFile(QProcess::nullDevice());
    QObject::connect(
        process, &QProcess::errorOccurred, process, [process, link](QProcess::ProcessError error) {
            if (error != QProcess::FailedToStart) {
                return;  // the end of a started handler is told by finished()
            }
            // The system's reason comes last, after the call that failed ("execvp: ...").
            const QString why = process->errorString();
            report(link,
                   text::utf8ToCp1250(
                       why.mid(why.lastIndexOf(QStringLiteral(": ")) + 1).trimmed().toStdString()));
            process->deleteLater();
        });
    QObject::connect(process, &QProcess::finished, process,
                     [process, link](int exitCode, QProcess::ExitStatus status) {
                         // Only its own failures: any other end may be that of the application it
                         // ran and waited for (a mail program, say), long after the link was
                         // opened.
                         if (status == QProcess::NormalExit && exitCode >= kFirstOwnFailure &&
                             exitCode <= kLastOwnFailure) {
                             report(link, std::to_string(exitCode));
                         }
                         process->deleteLater();
                     });
    process->start();
}

}  // namespace expo::browser
