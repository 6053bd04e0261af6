// Showing an exhibitor's page. The page is made first, from the template and the exhibitor's
// records; then the page browser is blanked and waited for, and the page is written to
// "temp.html" in the program's private temporary folder and shown from there.
//
// The wait for the blank page lets other events run, among them clicks and keys that ask for
// another exhibitor or another navigation node. Such a request is not started inside the wait,
// where its filters and language columns would mix with this page's and the showing in progress
// would then overwrite what it showed: one showing runs at a time, and the last exhibitor and the
// last node asked for meanwhile are kept. The exhibitor kept is shown once this page is; a node
// kept replaces the list and the page, so this page is then not shown at all, and the node is
// shown from the event loop once the command that showed this page has ended.
#include <QTimer>
#include <chrono>
#include <utility>

#include "platform/browser/webbrowser.h"
#include "platform/os/files.h"
#include "platform/os/paths.h"
#include "platform/text/text.h"
#include "platform/ui/guard.h"
#include "platform/ui/messages.h"
#include "platform/ui/pump.h"
#include "presentation/mainwindow/expozice.h"
#include "presentation/page/exhibitor_page.h"
#include "presentation/page/page_paths.h"

namespace expo::presentation {
namespace {

// A browser that never reports the blank page complete does not hold the program: after this
// the page is written and shown all the same.
constexpr std::chrono::seconds kBlankPageWait{5};

}  // namespace

void TFormExpozice::ShowExhibitorPage(int katId) {
    FPendingExhibitor = katId;
    if (!FShowing) {
        runShowing([] {});
    }
}

// Runs `show` as the one showing in progress, then the exhibitors asked for meanwhile.
void TFormExpozice::runShowing(const std::function<void()>& show) {
    FShowing = true;
    // An error ends the showing; an exhibitor kept meanwhile goes with it, a node kept does not.
    struct Done {
        TFormExpozice& form;
        ~Done() {
            form.FShowing = false;
            form.FPendingExhibitor.reset();
            if (form.FPendingNode) {
                form.showNodeLater(form.FPendingNode);
            }
        }
    } done{*this};
    show();
    while (std::optional<int> next = std::exchange(FPendingExhibitor, {})) {
        showOneExhibitorPage(*next);
    }
}

void TFormExpozice::showOneExhibitorPage(int katId) {
    ui::BusyCursor busy;
    LanguageSuffixes suffixes{FLanguageSuffix, FExpLanguageSuffix};
    std::optional<std::string> page;
    try {
        page =
            makeExhibitorPage(FCatalogue, text::intToStr(katId), exhibitorPageSettings(), suffixes);
    } catch (...) {
        // The columns were chosen before the template was read and filled. The page asked for
        // cannot be shown: the browser is blanked rather than left on another exhibitor's page.
        keepLanguageSuffixes(suffixes);
        WebBrowser->navigate("about:blank");
        throw;
    }
    keepLanguageSuffixes(suffixes);
    if (!page) {
        return;  // no such exhibitor: the browser keeps its page
    }

    WebBrowser->navigate("about:blank");
    ui::pumpUntil([this] { return WebBrowser->readyState() == browser::ReadyState::Complete; },
                  kBlankPageWait);
    if (FPendingNode) {
        return;  // a node asked for meanwhile replaces the page
    }

    const std::string path = privatePagePath("temp.html");
    reportPrivateFolderChange();
    os::writePrivateFile(path, *page);
    WebBrowser->navigate(browserTarget(path));
}

// Says once, when control is back in the message loop, that the generated pages had to go to a
// fresh folder of their own.
void TFormExpozice::reportPrivateFolderChange() {
    std::string notice = takePrivateFolderNotice();
    if (!notice.empty()) {
        QTimer::singleShot(0, this, [notice = std::move(notice)] {
            ui::guard([&] { ui::showInformation(notice); });
        });
    }
}

ExhibitorPageSettings TFormExpozice::exhibitorPageSettings() const {
    return {.programFolder = os::programFolder(),
            .exhibitorTemplate = FLook.exhibitorTemplate,
            .languageName = FLanguageName,
            .defaultLanguageSuffix = FDefaultLanguageSuffix,
            .defaultExpLanguageSuffix = FDefaultExpLanguageSuffix,
            .language = FLanguage,
            .logoAreas = {.logoArea = FLook.logoArea,
                          .nomLogoArea = FLook.nomLogoArea,
                          .brandLogoArea = FLook.brandLogoArea,
                          .doplInfLogoArea = FLook.doplInfLogoArea},
            .umisteniIni = FUmisteniIni,
            .inzeratyIni = FInzeratyIni,
            .expoziceIni = FExpoziceIni};
}

std::string TFormExpozice::languageSuffix() {
    if (!FLanguageSuffix.empty()) {
        return FLanguageSuffix;
    }
    return firstLanguageSuffixOf(FCatalogue.CDSJazyky, FLanguageName, FDefaultLanguageSuffix);
}

void TFormExpozice::keepLanguageSuffixes(const LanguageSuffixes& suffixes) {
    FLanguageSuffix = suffixes.languageSuffix;
    FExpLanguageSuffix = suffixes.expLanguageSuffix;
}

}  // namespace expo::presentation
