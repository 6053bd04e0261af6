#pragma once
// The browser control of the program's windows: a QWebEngineView that shows local HTML pages and
// lets the program see, and stop, every navigation before it happens.
//
// Every navigation of the control raises the before-navigate handler exactly once with the target
// URL as text, before it goes on: the program's own navigate() calls (with the target as given),
// links, scripts, moves in the history, frames. The handler decides there and then, while the web
// engine waits for its answer: it must not pump messages, show a dialog or navigate a control;
// what it does beyond deciding runs later from the event loop (ui::runLater).
//  - a navigation it lets through goes on as the engine started it: a move in the history stays
//    a move, location.replace() replaces the page's entry;
//  - one it cancels, of the page or of a frame inside it, leaves the page and its frames as they
//    were;
//  - links to schemes the engine does not know ("zpet:", "mailto:") are dropped by the engine;
//    the handler is told of them from the event loop all the same, and unless it cancels them
//    (or the keep-link test keeps them) they are handed to the desktop's URL handler, as the
//    system opens them (desktop_link.h);
//  - a double click on a link follows it once, as on the system the discs are made for: its
//    second click is no click for the page;
//  - Alt+Left and Alt+Right move back and forward in the page's history, as there.
// Links that ask for a new window (target="_blank", window.open) open a new top-level window of
// the program that shows the page; its own links are not watched, but those of schemes the engine
// does not know still go to the desktop.
#include <QElapsedTimer>
#include <QUrl>
#include <QWebEnginePage>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <string>

class QPrinter;
class QWebEngineView;

namespace expo::browser {

// Complete once the last requested page has finished loading or failed to.
enum class ReadyState { Uninitialized, Loading, Complete };

class WebBrowser : public QWidget {
    Q_OBJECT

  public:
    // url: the target in code page 1250, percent escapes decoded; set cancel to stop it.
    using BeforeNavigate = std::function<void(const std::string& url, bool& cancel)>;
    // True for a link of a scheme the engine does not know that is the program's own word and is
    // not to be handed to the desktop (url as the before-navigate handler gets it).
    using KeepLink = std::function<bool(const std::string& url)>;
    // Lets the user set up `printer`; false when the user cancels.
    using PrintDialog = std::function<bool(QPrinter& printer)>;

    explicit WebBrowser(QWidget* parent = nullptr);
    ~WebBrowser() override;

    // An exception from the handler leaves `cancel` as the handler had set it; the error box
    // shows it from the event loop.
    void setBeforeNavigate(BeforeNavigate handler);
    void setKeepLink(KeepLink keep);

    // A file path (code page 1250; "\" or "/" between folders) or "about:blank".
    void navigate(const std::string& target);
    ReadyState readyState() const { return readyState_; }

    // The intro window shows its page with no scroll bars; shown by default.
    void setScrollBarsShown(bool shown);
    // The face of text whose page names no face, or only faces the system does not have.
    void setStandardFontFamily(const QString& family);

    // The print dialog for the page shown, then the page printed; Ctrl+P in the page and
    // window.print() do the same. A PDF file chosen as the printer gets the engine's own PDF of
    // the page, with its text. printFinished tells the outcome.
    void print();
    // Replaces the print dialog (tests print into a PDF file without a dialog).
    void setPrintDialog(PrintDialog dialog);

    // The inner view, for tests.
    QWebEngineView* view() const { return view_; }

  signals:
    // The requested page has finished loading (ok) or failed to; raised from the event loop once
    // the control is complete, so a handler may navigate again. A page that another navigation
    // replaced before it ended raises nothing.
    void documentComplete(bool ok);
    void printFinished(bool ok);
    void windowOpened(expo::browser::WebBrowser* window);

  private:
    class Page;

    bool acceptNavigation(const QUrl& url, QWebEnginePage::NavigationType type, bool isMainFrame);
    void ignoreSecondClicks();
    void loadingChanged(const QWebEngineLoadingInfo& info);
    // Raises the before-navigate handler; returns the cancel flag.
    bool beforeNavigate(const std::string& url);
    void tellForeignLink(const QUrl& url);
    void load(const QUrl& url);
    void loadPending();
    WebBrowser* openWindow();

    QWebEngineView* view_;
    Page* page_;
    BeforeNavigate beforeNavigate_;
    KeepLink keepLink_;
    PrintDialog printDialog_;
    ReadyState readyState_ = ReadyState::Uninitialized;
    // A load waiting for the one in progress to end.
    std::optional<QUrl> pending_;
    QElapsedTimer pendingWait_;  // since the pending load was asked for
    qint64 stopPatienceMs_ = 0;  // how long it lets the load in progress run on
    QUrl lastLoad_;              // the page last handed to the engine
    bool retried_ = false;       // and whether it was tried again after a failure
    QUrl started_;               // the load in progress, as the engine reported its start
    QUrl refused_;               // a cancelled main-frame navigation that has not wound down
    std::unique_ptr<QPrinter> printer_;
};

}  // namespace expo::browser
