// The link words of the shown pages: the page browser's and the header browser's before-navigate
// handlers, the sub-page that the path bar names, and printing the shown page.
//
// Every navigation of the page browser passes through WebBrowserBeforeNavigate2, the program's
// own as much as the user's links; the decisions are those of link_words.h, the actions are
// the window's. The handlers decide while the browser waits for the answer; what the words do
// runs afterwards from the event loop, as it shows pages, dialogs and the progress notice.
#include <QListWidget>
#include <QToolButton>
#include <QTreeWidget>

#include "platform/browser/webbrowser.h"
#include "platform/os/files.h"
#include "platform/os/paths.h"
#include "platform/text/error.h"
#include "platform/text/text.h"
#include "platform/ui/guard.h"
#include "platform/ui/pump.h"
#include "platform/ui/save_dialog.h"
#include "presentation/mainwindow/expozice.h"
#include "presentation/navigation/link_words.h"
#include "presentation/navigation/navigation_items.h"
#include "presentation/widgets/exhibitor_list_view.h"

namespace expo::presentation {
namespace {

// A file that a link names, as the program finds its files on the disc: a "file:" URL taken as
// the local path it names, a relative name below the program's folder, letter case forgiven.
std::string discFileOfLink(std::string_view name) {
    return os::resolveDiscPath(os::programFolder(), localPathFromUrl(name));
}

}  // namespace

// The window as the link words see it.
class TFormExpozice::PageLinks final : public PageLinkHost {
  public:
    explicit PageLinks(TFormExpozice& form) : form_(form) {}

    bool hasCurrentExhibitor() const override {
        return exhibitorKeyOf(form_.ListBoxSeznamFirem->currentItem()).has_value();
    }

    void showCurrentExhibitor() override {
        QListWidgetItem* entry = form_.ListBoxSeznamFirem->currentItem();
        if (const std::optional<int32_t> key = exhibitorKeyOf(entry)) {
            entry->setSelected(true);  // the other selected entries stay selected
            form_.ShowExhibitorPage(*key);
        }
    }

    const NavigationTree& navigationTree() const override { return form_.FNavigation; }

    // The node is made visible, its ancestors expanded, as selecting it in the tree does.
    void selectNavigationNode(NavNode& node) override {
        form_.selectTreeNode(itemOfNavNode(*form_.TreeViewNavigace, &node));
    }

    NavNode* selectedNavigationNode() override {
        return navNodeOf(form_.TreeViewNavigace->currentItem());
    }

    void showSubPageInPathBar(NavNode& node) override {
        form_.BuildPathBar(itemOfNavNode(*form_.TreeViewNavigace, &node), true);
    }

    // Started directly, never through a shell; a program that cannot start shows nothing.
    void startProgram(const CommandLine& commandLine) override {
        std::vector<std::string> argv{discFileOfLink(commandLine.program)};
        for (const std::string& argument : commandLine.arguments) {
            argv.push_back(text::cp1250ToUtf8(argument));
        }
        os::startProgram(argv);
    }

    void offerCopy(std::string_view url) override { form_.offerCopy(url); }

    void switchLanguage(int language) override { form_.switchLanguage(language); }

  private:
    TFormExpozice& form_;
};

void TFormExpozice::connectLinkHandlers() {
    WebBrowser->setBeforeNavigate(
        [this](const std::string& url, bool& cancel) { WebBrowserBeforeNavigate2(url, cancel); });
    WebBrowserLogo->setBeforeNavigate([this](const std::string& url, bool& cancel) {
        WebBrowserLogoBeforeNavigate2(url, cancel);
    });
    // A link of another scheme ("mailto:") goes to the system's handler, one of the link words
    // never.
    WebBrowser->setKeepLink(holdsLinkWord);
    WebBrowserLogo->setKeepLink(holdsLinkWord);
    connect(SpeedButtonTisk, &QToolButton::clicked, this,
            [this] { ui::guard([this] { SpeedButtonTiskClick(); }); });
}

void TFormExpozice::WebBrowserBeforeNavigate2(const std::string& url, bool& cancel) {
    if (pageLinkCancels(url, PageLinks(*this))) {
        cancel = true;
    }
    ui::runLater(this, [this, url] {
        PageLinks links(*this);
        followPageLink(url, links);
    });
}

void TFormExpozice::WebBrowserLogoBeforeNavigate2(const std::string& url, bool& cancel) {
    if (!isLanguageLink(url)) {
        return;
    }
    cancel = true;
    ui::runLater(this, [this, url] {
        followLanguageLink(url, [this](int language) { switchLanguage(language); });
    });
}

// The page browser's own print dialog for the page it shows.
void TFormExpozice::SpeedButtonTiskClick() {
    ui::BusyCursor busy;
    WebBrowser->print();
}

// Offers to save a copy of the file a ".zip" link names, replacing a file that is there. The
// dialog offers the file's name in the folder saved to last (the disc's own folder, where the
// link points, is read-only, and a copy there would be the file itself). A failed copy says
// why on a second line; the file itself as the target is refused and never touched. The
// current directory is the same afterwards, however the offer ends.
void TFormExpozice::offerCopy(std::string_view url) {
    const os::CurrentDirectoryGuard keepDirectory;
    const std::optional<std::string> target =
        ui::askSaveFileName(this, ui::saveFolder(), fileNameOfLink(url));
    if (!target) {
        return;
    }
    const ui::BusyCursor busy;
    const std::string source = discFileOfLink(url);
    if (!os::fileExists(source)) {
        throw Error(missingSourceMessage(FTexts, url));
    }
    try {
        os::copyFile(source, *target);
    } catch (const Error& e) {
        throw Error(FTexts.FTextCopyError + ".\n" + e.what());
    }
    ui::savedTo(*target);
}

// The tree is emptied first, so that none of it stays when the loading fails before the tree;
// the datasets, the notebook and the last search result stay. Errors leave to the caller,
// which swallows them.
void TFormExpozice::switchLanguage(int language) {
    FLanguage = language;
    clearNavigation();
    LoadLanguage(text::intToStr(language), false);
}

}  // namespace expo::presentation
