#pragma once
// The window tests' fixture, with what most window tests include: the main window started on a disc
// (the demo disc, or a small one the test writes) with a language chosen on the intro page, the
// program's private temporary folder in the test's own folder, and a record of the message boxes
// and progress notices shown.
#include <gtest/gtest.h>

#include <QtTest>
#include <QtWebEngineWidgets>
#include <QtWidgets>
#include <deque>

#include "platform/browser/webbrowser.h"
#include "platform/os/files.h"
#include "platform/os/paths.h"
#include "platform/ui/qtext.h"
#include "presentation/mainwindow/expozice.h"
#include "presentation/widgets/panel_button.h"
#include "tests/support/recording_sink.h"
#include "tests/support/temp_folder.h"
#include "tests/support/wait.h"

namespace expo::testing {

using presentation::TFormExpozice;
using Lines = std::vector<std::string>;

// Every progress notice shown while it lives: title and lines (UTF-8), and whether every other
// window of the program shown was disabled when its first line came; `eachLine` sees the notice
// once each line is set.
class NoticeRecorder : public QObject {
  public:
    struct Notice {
        std::string title;
        Lines lines;
        bool blocking = false;
    };
    NoticeRecorder() { qApp->installEventFilter(this); }
    ~NoticeRecorder() override { qApp->removeEventFilter(this); }
    std::deque<Notice> notices;
    std::function<void(const QWidget&)> eachLine;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// The status bar's line of the exhibitor views.
inline std::string statusLine(int notebook, int shown) {
    return " Počet vystavovatelů - V zápisníku: " + std::to_string(notebook) +
           ", Zobrazených: " + std::to_string(shown);
}

class WindowTest : public ::testing::Test {
  protected:
    WindowTest();
    ~WindowTest() override;

    // A small disc in the test's folder: config.ini with "[uvod]" naming the intro page and then
    // `config`, an intro page linking the five languages and "appexit.html", the demo disc's
    // first data file, and `files` (UTF-8 text stored in code page 1250). Returns its folder.
    std::string writeDisc(const std::string& config,
                          const std::vector<std::pair<std::string, std::string>>& files = {});
    // The intro page follows this link (clicked in the page).
    static void followOnIntro(const std::string& href);
    // Starts the main window on `disc`, the program's folder and current directory, with
    // `language` chosen on its intro page (none: the links set by followOnIntro), and shows it.
    TFormExpozice& open(const std::string& disc = EXPO_DISC_DIR, int language = 0);
    TFormExpozice& form() { return *form_; }

    // The tree item reached through these captions (UTF-8) from the top level down (each
    // caption in these tests names one node only).
    QTreeWidgetItem* node(std::initializer_list<const char*> captions) {
        const QString last = QString::fromUtf8(*std::prev(captions.end()));
        return form_->TreeViewNavigace->findItems(last, Qt::MatchExactly | Qt::MatchRecursive)
            .value(0);
    }
    QTreeWidgetItem* section(const char* caption) {
        return node({"Katalog vystavovatelů", caption});
    }
    void select(QTreeWidgetItem* item) {
        form_->TreeViewNavigace->setCurrentItem(item);
        settle();
    }
    static Lines rows(const QListWidget& list) {
        Lines names;
        for (int i = 0; i < list.count(); ++i) {
            names.push_back(list.item(i)->text().toStdString());
        }
        return names;
    }
    // The path bar's text, in UTF-8.
    std::string pathBar() { return text::cp1250ToUtf8(ui::fromQ(form_->LabelInfo->text())); }
    Lines listNames() { return rows(*form_->ListBoxSeznamFirem); }
    std::string statusBar() { return form_->PnlStatusBar->text().toStdString(); }
    // The exhibitor the page generation narrowed the records to last ("KAT_ID=..").
    std::string lastFilter() { return form_->catalogue().CDSZaznamy.filter(); }

    // Runs the page browser's link handler; returns its cancel flag.
    bool follow(const std::string& url) {
        bool cancel = false;
        form_->WebBrowserBeforeNavigate2(text::utf8ToCp1250(url), cancel);
        settle();
        return cancel;
    }
    // A file of the disc opened last, as the browser names it to the handlers.
    std::string discFile(const std::string& relative) const { return disc_ + "/" + relative; }
    std::string privateFile(const std::string& name) const {
        return (temp.path() / ("expozice-" + std::to_string(::geteuid())) / name).string();
    }
    static std::string read(const std::string& path) {
        return os::readFileIfExists(path).value_or("");
    }
    static std::string shownUrl(browser::WebBrowser& browser) {
        const QUrl url = browser.view()->url();
        return (url.isLocalFile() ? url.toLocalFile() : url.toString()).toStdString();
    }
    // Waits until the browser has loaded `page` (a path, or "about:blank").
    static void waitShown(browser::WebBrowser& browser, const std::string& page);
    // Clicks the first element the CSS selector names in the page the browser shows.
    static void clickInPage(browser::WebBrowser& browser, const std::string& selector);
    // The text the browser's page shows.
    static std::string pageText(browser::WebBrowser& browser, const std::string& expected);
    static void settle() {
        for (int i = 0; i < 3; ++i) {
            QCoreApplication::processEvents(QEventLoop::AllEvents);
            QCoreApplication::sendPostedEvents();
        }
    }

    // The message boxes shown since the last call, as "Kind: text" in UTF-8; the notice of a
    // small screen at the start aside.
    Lines takeMessages();

    // Runs `act` on each modal window of type D once it is open, and closes it; `start` opens
    // them. Returns how many opened.
    template <typename D>
    int withModal(const std::function<void()>& start, const std::function<void(D&)>& act) {
        int opened = 0;
        QPointer<D> last;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            if (auto* window = qobject_cast<D*>(QApplication::activeModalWidget());
                window && window != last) {
                ++opened;
                act(*(last = window));
                if (window->isVisible()) {
                    window->reject();
                }
            }
        });
        poll.start(5);
        start();
        settle();
        return opened;
    }

    TempFolder temp;
    RecordingSink sink;
    NoticeRecorder notices;

  private:
    std::unique_ptr<TFormExpozice> form_;
    std::string disc_;
    os::CurrentDirectoryGuard keepDirectory_;
    const std::string savedTmpdir_;
};

}  // namespace expo::testing
