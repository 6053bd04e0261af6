#include "presentation/windows/uvod.h"

#include <QEvent>
#include <QVBoxLayout>
#include <utility>

#include "platform/browser/webbrowser.h"
#include "platform/text/text.h"
#include "platform/ui/guard.h"
#include "platform/ui/messages.h"
#include "platform/ui/pump.h"
#include "platform/ui/qtext.h"
#include "presentation/mainwindow/expozice.h"
#include "presentation/settings/screen.h"
#include "presentation/settings/window_size.h"

namespace expo::presentation {
namespace {

constexpr QSize kLayoutSize(495, 347);

TFormUvod::PageLoadedHook& pageLoadedHook() {
    static TFormUvod::PageLoadedHook hook;
    return hook;
}

// The language link in a lower-cased URL: the first of "jazyk0.html" ... "jazyk4.html" found.
int languageOfLink(const std::string& lowerUrl) {
    for (int language = 0; language <= 4; ++language) {
        const std::string link = "jazyk" + std::to_string(language) + ".html";
        if (lowerUrl.find(link) != std::string::npos) {
            return language;
        }
    }
    return -1;
}

}  // namespace

void TFormUvod::setPageLoadedHook(PageLoadedHook hook) {
    pageLoadedHook() = std::move(hook);
}

TFormUvod::TFormUvod(TFormExpozice* owner, std::string url, const WindowSize& size,
                     std::string_view resolutionText)
    : QDialog(owner, Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      FUrl(std::move(url)),
      FMainForm(owner) {
    setObjectName("FormUvod");
    setWindowTitle(ui::toQ(text::cp("Úvod")));
    setFont(QFont("MS Sans Serif", 8));

    // The page fills the window: no frame, no scroll bars in view.
    WebBrowserUvod = new browser::WebBrowser(this);
    WebBrowserUvod->setObjectName("WebBrowserUvod");
    WebBrowserUvod->setScrollBarsShown(false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(WebBrowserUvod);
    WebBrowserUvod->setBeforeNavigate([this](const std::string& target, bool& cancel) {
        WebBrowserUvodBeforeNavigate2(target, cancel);
    });
    connect(WebBrowserUvod, &browser::WebBrowser::documentComplete, this, [this](bool ok) {
        if (const PageLoadedHook& hook = pageLoadedHook(); ok && hook) {
            hook(*this);
        }
    });

    applySize(size);

    if (isLowResolution(primaryScreenSize()) && !resolutionText.empty()) {
        ui::showStandardInformation(resolutionText);
    }
}

void TFormUvod::applySize(const WindowSize& size) {
    const ScreenSize screen = primaryScreenSize();
    const PixelSize pixels = toPixels(size, screen);
    if (pixels.maximised) {
        resize(kLayoutSize);
        setWindowState(Qt::WindowMaximized);
        return;
    }
    // Borderless: the outer size is the client size.
    resize(pixels.width, pixels.height);
    const Position centre = centredPosition(screen, {pixels.width, pixels.height});
    move(centre.left, centre.top);
}

bool TFormUvod::event(QEvent* event) {
    if (event->type() == QEvent::Show || event->type() == QEvent::WindowActivate) {
        ui::guard([this] { FormActivate(); });
    }
    return QDialog::event(event);
}

// The intro page is asked for when the window first shows or is activated; later activations
// leave the page the user has reached.
void TFormUvod::FormActivate() {
    if (pageRequested_ || closing_) {
        return;
    }
    pageRequested_ = true;
    ui::BusyCursor busy;
    WebBrowserUvod->navigate(FUrl);
}

void TFormUvod::WebBrowserUvodBeforeNavigate2(const std::string& url, bool& /*cancel*/) {
    // Every navigation goes ahead, the followed link's included. Once the window is closing,
    // the page that the followed link loads (and its frames) no longer count as a choice.
    if (closing_) {
        return;
    }
    const std::string lowerUrl = text::asciiLower(url);
    FLanguage = languageOfLink(lowerUrl);
    FMainForm->setLanguage(FLanguage);
    if (FLanguage == -1 && lowerUrl.find("appexit.html") == std::string::npos) {
        return;
    }
    closing_ = true;
    // The loading and the closing run once the browser has its answer.
    ui::runLater(this, [this] {
        // The window closes also when the loading fails; its error then goes on to the error
        // box.
        struct CloseOnExit {
            TFormUvod& form;
            ~CloseOnExit() { form.done(QDialog::Rejected); }
        } closeOnExit{*this};
        if (FLanguage != -1) {
            runFirstLoading();
        }
    });
}

// The first loading, with the data files; no clicks reach the intro page meanwhile.
void TFormUvod::runFirstLoading() {
    setEnabled(false);
    WebBrowserUvod->setEnabled(false);
    struct EnableOnExit {
        TFormUvod& form;
        ~EnableOnExit() {
            form.WebBrowserUvod->setEnabled(true);
            form.setEnabled(true);
        }
    } enableOnExit{*this};
    FMainForm->LoadLanguage(std::to_string(FLanguage), true);
}

}  // namespace expo::presentation
