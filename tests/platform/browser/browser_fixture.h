#pragma once
// One browser control shared by the tests of a suite (the web engine starts slowly), a page
// folder of each test's own, and a record of what the before-navigate handler saw.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QPrinter>
#include <QTest>
#include <QWebEngineView>
#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "platform/browser/webbrowser.h"
#include "platform/text/text.h"
#include "tests/support/temp_folder.h"
#include "tests/support/click.h"
#include "tests/support/wait.h"

namespace expo::browser::testing {

// Waits as the other window tests do and, as a test has no event loop of its own, deletes what
// was left for deletion.
inline bool waitFor(const std::function<bool()>& condition) {
    return expo::testing::waitFor([&] {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return condition();
    });
}

class BrowserTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        browser_ = new WebBrowser;
        browser_->resize(480, 360);
        browser_->show();
    }
    static void TearDownTestSuite() {
        delete browser_;
        browser_ = nullptr;
    }

    void SetUp() override {
        browser().setPrintDialog([](QPrinter&) {
            ADD_FAILURE() << "the print dialog was not expected";
            return false;
        });
        browser().setBeforeNavigate(nullptr);
        show("about:blank");
        browser().setBeforeNavigate([this](const std::string& url, bool& cancel) {
            seen.push_back(url);
            if (onNavigate) {
                onNavigate(url, cancel);
            }
        });
    }

    static WebBrowser& browser() { return *browser_; }
    static bool complete() { return browser().readyState() == ReadyState::Complete; }
    static QString title() { return browser().view()->title(); }

    // Navigates and waits for the page.
    static void show(const std::string& target) {
        browser().navigate(target);
        ASSERT_TRUE(waitFor(complete)) << target;
    }
    // Writes a page (UTF-8 source text, stored in code page 1250) and returns its path.
    std::string page(const std::string& name, std::string_view html) const {
        return folder.write(name, text::cp(html));
    }
    std::string pathOf(const std::string& name) const { return (folder.path() / name).string(); }

    static void click(const char* id) { expo::testing::click(browser(), id); }
    bool waitUntilSeen(const std::string& url) const {
        return waitFor([&] { return std::find(seen.begin(), seen.end(), url) != seen.end(); });
    }

    expo::testing::TempFolder folder;
    std::vector<std::string> seen;
    WebBrowser::BeforeNavigate onNavigate;

  private:
    static inline WebBrowser* browser_ = nullptr;
};

}  // namespace expo::browser::testing
