#pragma once
// The main window on a small disc of the test's own, with the link handlers called directly or
// reached through the browsers, as a click in a page reaches them.
#include <QFileInfo>
#include <QTreeWidget>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

#include "platform/browser/webbrowser.h"
#include "platform/os/files.h"
#include "presentation/navigation_items.h"
#include "tests/mainwindow/disc_fixture.h"
#include "tests/support/click.h"

namespace expo::presentation::testing {

// The file name of the page a browser shows, once it has finished loading; empty meanwhile.
inline QString shownPage(const browser::WebBrowser& browser) {
    if (browser.readyState() != browser::ReadyState::Complete) {
        return {};
    }
    const QUrl url = browser.view()->url();
    return url.isLocalFile() ? QFileInfo(url.toLocalFile()).fileName() : url.toString();
}

inline bool shows(const browser::WebBrowser& browser, const char* page) {
    return shownPage(browser) == QLatin1String(page);
}

using expo::testing::click;

// The caption of the selected navigation node; empty when none is selected.
inline std::string selectedCaption(const TFormExpozice& form) {
    const NavNode* node = navNodeOf(form.TreeViewNavigace->currentItem());
    return node ? node->caption : std::string();
}

// The data files are opened from the current directory: each test runs in its disc's folder.
class LinksTest : public DiscTest {
  protected:
    void SetUp() override {
        DiscTest::SetUp();
        keepDirectory_ = std::make_unique<os::CurrentDirectoryGuard>();
        ASSERT_TRUE(os::setCurrentDirectory(disc.path().string()));
    }
    void TearDown() override {
        keepDirectory_.reset();
        DiscTest::TearDown();
    }

    // The intro page, settings of two languages (0 and 1) with three navigation items, the
    // first with sub-pages, and the pages they name; of the catalogue only its languages (the
    // demo disc's). `moreSettings` ends config.ini.
    void writeDisc(std::string_view moreSettings = {}) const {
        writeIntro();
        std::filesystem::create_directories(disc.path() / "data");
        std::filesystem::copy_file(EXPO_DISC_DIR "/data/data0.dat",
                                   disc.path() / "data" / "data0.dat",
                                   std::filesystem::copy_options::overwrite_existing);
        write("config.ini", std::string(R"([uvod]
url=uvod.html
jaz1=Ang
[aplikace]
SkrytData=
[tlačítko Vše]
jaz0=Vše
jaz1=All
[polozka_uvod]
text0=Úvod
text1=Welcome
url0=stranky\uvod.html
url1=stranky\uvod.html
fulltext0=stranky\jedna.html; stranky/dva.html; stranky/Tri.html
fulltextName0=Jedna;;Tři
[polozka_vnorena]
rodic=polozka_uvod
text0=Vnořená
text1=Nested
url0=stranky\vnorena.html
url1=stranky\vnorena.html
[polozka s mezerami]
text0=S mezerami
text1=With blanks
url0=stranky\mezery.html
url1=stranky\mezery.html
)") + std::string(moreSettings));
        write("stranky/uvod.html",
              "<html><body>"
              "<a id='jedna' href='jedna.html'>Jedna</a>"
              "<a id='dva' href='dva.html'>Dva</a>"
              "<a id='vnorena' href='go_polozka_polozka_vnorena'>Vnořená</a>"
              "<a id='film' href='film.avi'>Film</a>"
              "<a id='ceny' href='../soubory/ceny.zip'>Ceny</a>"
              "<a id='chybi' href='../soubory/chybi.zip'>Chybí</a>"
              "</body></html>");
        for (const char* page : {"jedna", "dva", "tri", "vnorena", "mezery"}) {
            write(std::string("stranky/") + page + ".html",
                  std::string("<html><body>") + page + "</body></html>");
        }
    }

    // Starts the program on the disc, picks `language` in the intro page, runs `body` while
    // the main window is shown and ends the program.
    void withMainWindow(const std::function<void(TFormExpozice&)>& body, int language = 0) {
        TFormUvod::setPageLoadedHook([language, chosen = false](TFormUvod& intro) mutable {
            if (!std::exchange(chosen, true)) {
                intro.WebBrowserUvod->view()->page()->runJavaScript(
                    QStringLiteral("location.href = 'jazyk%1.html'").arg(language));
            }
        });
        bool shown = false;
        EXPECT_EQ(runStart([&](TFormExpozice& form) {
                      shown = true;
                      body(form);
                  }),
                  0);
        EXPECT_TRUE(shown) << "the main window never showed";
    }

    // Runs the page browser's handler on `url`; returns its cancel flag.
    static bool follow(TFormExpozice& form, const std::string& url) {
        bool cancel = false;
        form.WebBrowserBeforeNavigate2(url, cancel);
        return cancel;
    }

    // Fails for each message box shown, naming its text.
    // The notice of a small screen aside.
    void expectNoMessages() const {
        for (const ui::Message& m : sink.besidesScreenNotice()) {
            ADD_FAILURE() << "message box: " << text::cp1250ToUtf8(m.text);
        }
    }

    // The disc file's path as the browser hands URLs to the handlers (code page 1250).
    std::string urlOf(const std::string& relative) const {
        return text::utf8ToCp1250((disc.path() / relative).string());
    }

  private:
    std::unique_ptr<os::CurrentDirectoryGuard> keepDirectory_;
};

}  // namespace expo::presentation::testing
