#include "platform/browser/webbrowser.h"

#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QShortcut>
#include <QStringList>
#include <QTimer>
#include <QVBoxLayout>
#include <QWebEngineLoadingInfo>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineSettings>
#include <QWebEngineView>
#include <utility>

#include "platform/browser/desktop_link.h"
#include "platform/browser/url_text.h"
#include "platform/ui/pump.h"

namespace expo::browser {
namespace {

constexpr QSize kNewWindowSize(800, 600);
// A load waiting for the one in progress looks again this often; a cancelled navigation that has
// not wound down after so long is stopped.
constexpr int kPendingRecheckMs = 50;
constexpr qint64 kRefusedPatienceMs = 3000;

// The engine guesses the encoding of a page that names none, and for local files it takes its own
// language as the hint; the discs are written in Czech, in code page 1250. Chromium reads its
// switches once, when the first page starts the engine.
constexpr char kEngineSwitches[] = "QTWEBENGINE_CHROMIUM_FLAGS";
constexpr char kLanguageSwitch[] = "--lang";
constexpr char kDiscLanguage[] = "--lang=cs";

// Runs `startPage` with the engine's switches naming the discs' language, unless they name a
// language already; the environment is left as it was.
template <typename Start>
auto withDiscLanguage(Start startPage) {
    static bool engineStarted = false;
    if (std::exchange(engineStarted, true)) {
        return startPage();
    }
    const bool wasSet = qEnvironmentVariableIsSet(kEngineSwitches);
    const QByteArray switches = qgetenv(kEngineSwitches);
    if (!switches.contains(kLanguageSwitch)) {
        qputenv(kEngineSwitches,
                switches.isEmpty() ? QByteArray(kDiscLanguage) : switches + ' ' + kDiscLanguage);
    }
    auto page = startPage();
    if (wasSet) {
        qputenv(kEngineSwitches, switches);
    } else {
        qunsetenv(kEngineSwitches);
    }
    return page;
}

// Schemes the engine shows itself; a link to any other ("mailto:", say) is the system's to open.
bool isForeignScheme(const QUrl& url) {
    static const QStringList kEngineSchemes = {
        "http",        "https",  "file",     "about", "data", "blob",       "javascript", "qrc",
        "view-source", "chrome", "devtools", "ws",    "wss",  "filesystem", "ftp"};
    const QString scheme = url.scheme().toLower();
    // A single letter is a drive, as in "C:/page.html".
    return scheme.size() > 1 && !kEngineSchemes.contains(scheme);
}

}  // namespace

class WebBrowser::Page final : public QWebEnginePage {
  public:
    Page(WebBrowser& owner, QObject* parent) : QWebEnginePage(parent), owner_(owner) {}

  protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override {
        return owner_.acceptNavigation(url, type, isMainFrame);
    }

    QWebEnginePage* createWindow(WebWindowType /*type*/) override {
        return owner_.openWindow()->page_;
    }

  private:
    WebBrowser& owner_;
};

WebBrowser::WebBrowser(QWidget* parent)
    : QWidget(parent),
      view_(new QWebEngineView(this)),
      page_(withDiscLanguage([this] { return new Page(*this, view_); })) {
    view_->setPage(page_);
    // The discs' pages and templates are written in code page 1250, most of them without saying
    // so; a page that names its encoding keeps it.
    page_->settings()->setDefaultTextEncoding(QStringLiteral("windows-1250"));
    // A right click over the page opens nothing; the rest of the window keeps its own menus.
    view_->setContextMenuPolicy(Qt::NoContextMenu);
    // Links of another scheme in a frame are told only through the engine's question about
    // them, asked for every such link, clicked or not (the answer is always no: see
    // acceptNavigation).
    page_->settings()->setUnknownUrlSchemePolicy(QWebEngineSettings::AllowAllUnknownUrlSchemes);
    ignoreSecondClicks();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_);

    connect(page_, &QWebEnginePage::loadingChanged, this, &WebBrowser::loadingChanged);

    printDialog_ = [this](QPrinter& printer) {
        QPrintDialog dialog(&printer, this);
        return dialog.exec() == QDialog::Accepted;
    };
    // A print ends for a printer or, for a PDF file, as the engine's own PDF.
    const auto printEnded = [this](bool ok) {
        printer_.reset();
        emit printFinished(ok);
    };
    connect(view_, &QWebEngineView::printFinished, this, printEnded);
    connect(page_, &QWebEnginePage::pdfPrintingFinished, this,
            [printEnded](const QString&, bool ok) { printEnded(ok); });
    // window.print() arrives inside the engine's own callback; the modal dialog waits for the
    // event loop.
    connect(view_, &QWebEngineView::printRequested, this, &WebBrowser::print, Qt::QueuedConnection);
    auto* printKey = new QShortcut(QKeySequence::Print, this);
    printKey->setContext(Qt::WidgetWithChildrenShortcut);
    connect(printKey, &QShortcut::activated, this, &WebBrowser::print);
    // Alt+Left and Alt+Right move in the page's history, as the back and forward links of the
    // discs' pages do; the engine has no keys of its own for that.
    for (const auto& [keys, action] : {std::pair{QKeySequence::Back, QWebEnginePage::Back},
                                       {QKeySequence::Forward, QWebEnginePage::Forward}}) {
        auto* historyKey = new QShortcut(keys, this);
        historyKey->setContext(Qt::WidgetWithChildrenShortcut);
        connect(historyKey, &QShortcut::activated, page_,
                [this, action = action] { page_->triggerAction(action); });
    }
}

WebBrowser::~WebBrowser() {
    // The view may still be printing through printer_, which goes with the members.
    delete view_;
}

// On the system the discs are made for, the second click of a double click is no click of its
// own: it follows no link again (a program is not started twice, a mail not written twice) and
// runs no click handler of the page. The engine delivers it as a click whose count is 2 (4 for
// the second pair of a quadruple click), which is stopped before the page sees it. A double
// click still selects a word. The clicks are told apart here, in the page, because the engine
// asks about links only after their clicks have been handled, and a later click may have come
// by then.
void WebBrowser::ignoreSecondClicks() {
    QWebEngineScript script;
    script.setName(QStringLiteral("expo-second-click"));
    script.setInjectionPoint(QWebEngineScript::DocumentCreation);
    script.setWorldId(QWebEngineScript::ApplicationWorld);  // out of the page's scripts' reach
    script.setRunsOnSubFrames(true);
    script.setSourceCode(QStringLiteral(R"(window.addEventListener("click", function (event) {
    if (event.detail > 0 && event.detail % 2 === 0) {
        event.preventDefault();
        event.stopImmediatePropagation();
    }
}, true);)"));
    page_->scripts().insert(script);
}

void WebBrowser::setBeforeNavigate(BeforeNavigate handler) {
    beforeNavigate_ = std::move(handler);
}

void WebBrowser::setKeepLink(KeepLink keep) {
    keepLink_ = std::move(keep);
}

void WebBrowser::navigate(const std::string& target) {
    if (!beforeNavigate(target)) {
        load(targetUrl(target));
    }
}

void WebBrowser::setScrollBarsShown(bool shown) {
    page_->settings()->setAttribute(QWebEngineSettings::ShowScrollBars, shown);
}

void WebBrowser::setStandardFontFamily(const QString& family) {
    page_->settings()->setFontFamily(QWebEngineSettings::StandardFont, family);
}

void WebBrowser::print() {
    if (printer_) {
        return;  // the engine prints one page at a time
    }
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    bool chosen = false;
    {
        const ui::NormalCursor pointer;  // the user's dialog, not the program's work
        chosen = printDialog_(*printer);
    }
    if (!chosen) {
        return;
    }
    printer_ = std::move(printer);
    // A PDF file gets the engine's own PDF of the page, its text kept as text; printing it as
    // for a printer would make it one picture of every page.
    if (printer_->outputFormat() == QPrinter::PdfFormat && !printer_->outputFileName().isEmpty()) {
        page_->printToPdf(printer_->outputFileName(), printer_->pageLayout(),
                          printer_->pageRanges());
        return;
    }
    view_->print(printer_.get());
}

void WebBrowser::setPrintDialog(PrintDialog dialog) {
    printDialog_ = std::move(dialog);
}

bool WebBrowser::acceptNavigation(const QUrl& url, QWebEnginePage::NavigationType type,
                                  bool isMainFrame) {
    // Never let through: the engine would hand it to the desktop by itself, beside the
    // handler's own decision (see tellForeignLink). The main frame's is told once its (failing)
    // load starts (see loadingChanged); a frame's load is not reported, so it is told here.
    if (isForeignScheme(url)) {
        if (!isMainFrame) {
            tellForeignLink(url);
        }
        return false;
    }
    // Typed navigations are the program's own loads: navigate() has asked the handler already.
    if (type == QWebEnginePage::NavigationTypeTyped || !beforeNavigate_) {
        return true;
    }
    // The engine waits for this answer, so the handler decides here and now (it pumps no
    // messages). A navigation let through goes on as the engine started it: a move in the
    // history stays a move, a replacement replaces.
    const bool cancel = beforeNavigate(urlText(url));
    if (cancel && isMainFrame) {
        refused_ = url;
    }
    return !cancel;
}

void WebBrowser::loadingChanged(const QWebEngineLoadingInfo& info) {
    if (info.status() != QWebEngineLoadingInfo::LoadStartedStatus) {
        // Succeeded, failed or stopped (a cancelled navigation stops too).
        if (info.url() == refused_) {
            refused_.clear();
        }
        if (!pending_ && info.status() == QWebEngineLoadingInfo::LoadFailedStatus &&
            info.errorCode() == 0 && lastLoad_ == info.url() && !retried_) {
            // On a busy machine the engine now and then fails a load that follows a cancelled
            // navigation, giving no reason: that load is tried once more.
            retried_ = true;
            pending_ = info.url();
        }
        if (pending_) {
            // Not from inside the engine's own call: a load started there would go unreported.
            QMetaObject::invokeMethod(this, &WebBrowser::loadPending, Qt::QueuedConnection);
        } else if (info.status() == QWebEngineLoadingInfo::LoadSucceededStatus ||
                   info.url() == started_) {
            // A page is shown, or the load in progress failed. The failure of a load that it
            // replaced (a cancelled link's, say) may still come after it was handed to the
            // engine; the engine now and then names an earlier page in a success.
            readyState_ = ReadyState::Complete;
            const bool ok = info.status() == QWebEngineLoadingInfo::LoadSucceededStatus;
            QMetaObject::invokeMethod(
                this,
                [this, ok] {
                    if (readyState_ == ReadyState::Complete) {
                        emit documentComplete(ok);
                    }
                },
                Qt::QueuedConnection);
        }
        return;
    }
    readyState_ = ReadyState::Loading;
    started_ = info.url();
    if (started_ != refused_) {
        refused_.clear();  // a later load has taken its place
    }
    // Every other main-frame load was asked about before it started; a link to a scheme the
    // engine does not know is told here, once, also in a window with no handler.
    if (isForeignScheme(info.url())) {
        tellForeignLink(info.url());
    }
}

bool WebBrowser::beforeNavigate(const std::string& url) {
    bool cancel = false;
    if (beforeNavigate_) {
        // A copy: the handler may replace itself.
        const BeforeNavigate handler = beforeNavigate_;
        try {
            handler(url, cancel);
        } catch (...) {
            // The error box is a modal loop of its own: it waits until the engine has its
            // answer.
            ui::runLater(this,
                         [error = std::current_exception()] { std::rethrow_exception(error); });
        }
    }
    return cancel;
}

// A link of a foreign scheme is dropped whatever the handler says; the handler is told of it from
// the event loop and decides only whether the desktop gets it.
void WebBrowser::tellForeignLink(const QUrl& url) {
    ui::runLater(this, [this, url] {
        const QPointer<WebBrowser> alive(this);
        const std::string text = urlText(url);
        const bool cancelled = beforeNavigate(text);
        if (alive && !cancelled && (!keepLink_ || !keepLink_(text))) {
            openOnDesktop(url, text);
        }
    });
}

void WebBrowser::load(const QUrl& url) {
    readyState_ = ReadyState::Loading;
    pending_ = url;
    // A navigation that was cancelled winds down by itself, and stopping it then can abort the
    // load that follows: that one waits. Any other load in progress is stopped at once.
    stopPatienceMs_ = refused_.isEmpty() ? 0 : kRefusedPatienceMs;
    pendingWait_.start();
    loadPending();
}

// The engine reports loads one at a time: a load that starts while another is under way ends
// unreported, and the ready state would never become complete. So the load in progress is
// stopped, and the pending one starts once that has ended.
void WebBrowser::loadPending() {
    if (!pending_) {
        return;
    }
    if (page_->isLoading()) {
        // Its end comes back here; the timer looks again in case no report comes.
        if (pendingWait_.isValid() && pendingWait_.hasExpired(stopPatienceMs_)) {
            page_->triggerAction(QWebEnginePage::Stop);
        }
        QTimer::singleShot(kPendingRecheckMs, this, &WebBrowser::loadPending);
        return;
    }
    pendingWait_.invalidate();
    const QUrl url = *std::exchange(pending_, std::nullopt);
    if (url != lastLoad_) {
        retried_ = false;
    }
    lastLoad_ = url;
    started_.clear();  // set once the engine reports the start
    page_->load(url);
}

WebBrowser* WebBrowser::openWindow() {
    auto* window = new WebBrowser(this->window());
    window->setWindowFlags(Qt::Window);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->resize(kNewWindowSize);
    connect(window->page_, &QWebEnginePage::titleChanged, window, &QWidget::setWindowTitle);
    connect(window->page_, &QWebEnginePage::windowCloseRequested, window, &QWidget::close);
    window->show();
    emit windowOpened(window);
    return window;
}

}  // namespace expo::browser
