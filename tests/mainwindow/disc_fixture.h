#pragma once
// A small disc in a temporary folder of the test's own, the program's start run on it, and a
// record of the message boxes, the progress notices and the links the intro page follows.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QWebEngineView>
#include <deque>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/browser/webbrowser.h"
#include "platform/os/paths.h"
#include "platform/text/text.h"
#include "presentation/expozice.h"
#include "presentation/main_form.h"
#include "presentation/start.h"
#include "presentation/uvod.h"
#include "tests/core/temp_folder.h"
#include "tests/support/recording_sink.h"
#include "tests/support/wait.h"

namespace expo::presentation::testing {

using expo::testing::kPatienceMs;
using expo::testing::waitFor;

inline QWidget* topLevelNamed(const char* name) {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == QLatin1String(name)) {
            return w;
        }
    }
    return nullptr;
}

// Watches the progress notice appear: whether the application had a main window then, and
// whether the intro window was disabled.
class NoticeWatcher : public QObject {
  public:
    struct Seen {
        bool mainFormExisted = false;
        bool introEnabled = true;
        bool mainFormEnabled = true;
    };
    NoticeWatcher() { qApp->installEventFilter(this); }
    ~NoticeWatcher() override { qApp->removeEventFilter(this); }
    std::vector<Seen> seen;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show &&
            watched->objectName() == QLatin1String("FormDlgHlaseni")) {
            Seen s;
            QWidget* mainForm = applicationMainForm();
            s.mainFormExisted = mainForm != nullptr;
            s.mainFormEnabled = mainForm == nullptr || mainForm->isEnabled();
            if (QWidget* intro = topLevelNamed("FormUvod")) {
                s.introEnabled = intro->isEnabled();
            }
            seen.push_back(s);
        }
        return false;
    }
};

class DiscTest : public ::testing::Test {
  protected:
    void SetUp() override { os::setProgramFolder(disc.path().string()); }
    void TearDown() override {
        TFormUvod::setPageLoadedHook(nullptr);
        setApplicationMainForm(nullptr);
    }

    // Writes a file of the disc from UTF-8 source text, stored in code page 1250.
    void write(const std::string& name, std::string_view utf8) const {
        disc.write(name, text::cp(utf8));
    }

    // An intro page "uvod.html" with the usual links, named by their ids.
    void writeIntro() const {
        write("uvod.html",
              "<html><body>"
              "<a id='cs' href='jazyk0.html'>Česky</a>"
              "<a id='en' href='JAZYK2.HTML'>English</a>"
              "<a id='both' href='sub_jazyk3.html/jazyk1.html'>Both</a>"
              "<a id='other' href='dalsi.html'>More</a>"
              "<a id='exit' href='appexit.html'>Exit</a>"
              "</body></html>");
        write("dalsi.html",
              "<html><body><a id='en' href='jazyk2.html'>English</a>"
              "<a id='exit' href='appexit.html'>Exit</a></body></html>");
    }

    // On each load of an intro page, follows the next link of `ids` (clicked in the page) and
    // runs `onLoad` first when given.
    void followLinks(std::vector<std::string> ids,
                     std::function<void(TFormUvod&)> onLoad = nullptr) {
        links_.assign(ids.begin(), ids.end());
        TFormUvod::setPageLoadedHook([this, onLoad](TFormUvod& intro) {
            if (links_.empty()) {
                return;
            }
            if (onLoad) {
                onLoad(intro);
            }
            const std::string id = links_.front();
            links_.pop_front();
            clickWhenThere(intro.WebBrowserUvod, QString::fromStdString(id));
        });
    }

    // Clicks the link with this id; a page that has just loaded may not run scripts yet, so the
    // click is tried again until the link is there and clicked.
    static void clickWhenThere(browser::WebBrowser* browser, const QString& id) {
        const QPointer<browser::WebBrowser> alive(browser);
        browser->view()->page()->runJavaScript(
            QStringLiteral("(function(){var e=document.getElementById('%1');"
                           "if(!e)return false;e.click();return true;})()")
                .arg(id),
            [alive, id](const QVariant& clicked) {
                if (alive && !clicked.toBool()) {
                    QTimer::singleShot(50, alive, [alive, id] { clickWhenThere(alive, id); });
                }
            });
    }

    // Runs the start; once the main window is shown and active, runs `whileShown` and closes
    // it. A start that hangs is failed and ended after a while. Returns the exit code.
    int runStart(const std::function<void(TFormExpozice&)>& whileShown = nullptr) {
        QTimer poll;
        poll.setInterval(50);
        QObject::connect(&poll, &QTimer::timeout, [&] {
            auto* form = qobject_cast<TFormExpozice*>(applicationMainForm());
            if (form == nullptr || !form->isVisible() || !form->isActiveWindow()) {
                return;
            }
            poll.stop();
            if (whileShown) {
                whileShown(*form);
            }
            form->close();
        });
        poll.start();
        QTimer deadline;
        deadline.setSingleShot(true);
        QObject::connect(&deadline, &QTimer::timeout, [] {
            ADD_FAILURE() << "the start did not end";
            if (auto* intro = qobject_cast<QDialog*>(topLevelNamed("FormUvod"))) {
                intro->reject();
            }
            if (QWidget* form = applicationMainForm()) {
                form->close();
            }
        });
        deadline.start(kPatienceMs);
        return Start();
    }

    // Makes another window active and then the main window again: its activation handler runs.
    static void reactivate(TFormExpozice& form) {
        QWidget other;
        other.show();
        other.activateWindow();
        ASSERT_TRUE(QTest::qWaitFor([&] { return other.isActiveWindow(); }, kPatienceMs));
        other.close();
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitFor([&] { return form.isActiveWindow(); }, kPatienceMs));
    }

    std::vector<ui::Message> messagesOf(ui::MessageKind kind) const {
        std::vector<ui::Message> out;
        for (const ui::Message& m : sink.messages) {
            if (m.kind == kind) {
                out.push_back(m);
            }
        }
        return out;
    }

    expo::testing::TempFolder disc;
    expo::testing::RecordingSink sink;

  private:
    std::deque<std::string> links_;
};

}  // namespace expo::presentation::testing
