#include "tests/support/window_fixture.h"

#include "platform/os/tempdir.h"
#include "presentation/mainwindow/main_form.h"
#include "presentation/windows/dlg_hlaseni.h"
#include "presentation/windows/uvod.h"

namespace expo::testing {

bool NoticeRecorder::eventFilter(QObject* watched, QEvent* event) {
    auto* notice = qobject_cast<presentation::TFormDlgHlaseni*>(watched);
    if (event->type() != QEvent::Show || !notice || notice->property("recorded").isValid()) {
        return false;
    }
    notice->setProperty("recorded", true);
    Notice& record = notices.emplace_back(Notice{notice->lblNadpis->text().toStdString(), {}});
    connect(notice, &presentation::TFormDlgHlaseni::messageTextSet,
            [this, &record, notice](QString line) {
                if (record.lines.empty()) {
                    record.blocking = true;
                    for (const QWidget* w : QApplication::topLevelWidgets()) {
                        record.blocking &= w == notice || !w->isVisible() || !w->isEnabled();
                    }
                }
                record.lines.push_back(line.toStdString());
                if (eachLine) {
                    eachLine(*notice);
                }
            });
    return false;
}

WindowTest::WindowTest() : savedTmpdir_(std::getenv("TMPDIR")) {
    ::setenv("TMPDIR", temp.path().c_str(), 1);  // the program's private folder goes below it
}

WindowTest::~WindowTest() {
    form_.reset();
    presentation::setApplicationMainForm(nullptr);
    presentation::TFormUvod::setPageLoadedHook(nullptr);
    TFormExpozice::setSearchDialogStep(nullptr);
    os::sessionTempFolder().reset();  // a fresh folder a test made goes with it
    ::setenv("TMPDIR", savedTmpdir_.c_str(), 1);
    for (const std::string& m : takeMessages()) {
        ADD_FAILURE() << "message box " << m;
    }
}

std::string WindowTest::writeDisc(const std::string& config,
                                  const std::vector<std::pair<std::string, std::string>>& files) {
    temp.write("disc/config.ini", text::cp("[uvod]\nurl=uvod.html\n" + config));
    temp.write("disc/uvod.html",
               "<a href='appexit.html'>x</a><a href='jazyk0.html'>0</a><a href='jazyk1.html'>1</a>"
               "<a href='jazyk2.html'>2</a><a href='jazyk3.html'>3</a><a href='jazyk4.html'>4</a>");
    temp.write("disc/data/data0.dat", read(EXPO_DISC_DIR "/data/data0.dat"));
    for (const auto& [name, utf8] : files) {
        temp.write("disc/" + name, text::cp(utf8));
    }
    return (temp.path() / "disc").string();
}

void WindowTest::followOnIntro(const std::string& href) {
    presentation::TFormUvod::setPageLoadedHook(
        [href](auto& intro) { clickInPage(*intro.WebBrowserUvod, "a[href='" + href + "']"); });
}

TFormExpozice& WindowTest::open(const std::string& disc, int language) {
    disc_ = disc;
    os::setProgramFolder(disc);
    EXPECT_TRUE(os::setCurrentDirectory(disc));  // the data files lie below it
    if (language >= 0) {
        followOnIntro("jazyk" + std::to_string(language) + ".html");
    }
    form_.reset();
    form_ = std::make_unique<TFormExpozice>();
    presentation::setApplicationMainForm(form_.get());
    form_->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(form_.get(), kPatienceMs));
    settle();
    return *form_;
}

void WindowTest::waitShown(browser::WebBrowser& browser, const std::string& page) {
    EXPECT_TRUE(waitFor([&] {
        return shownUrl(browser) == page && browser.readyState() == browser::ReadyState::Complete;
    })) << shownUrl(browser)
        << " is not " << page;
}

// A page that has just loaded may not run scripts yet: the click is tried until it is made.
void WindowTest::clickInPage(browser::WebBrowser& browser, const std::string& selector) {
    const QPointer<browser::WebBrowser> alive(&browser);
    browser.view()->page()->runJavaScript(
        QStringLiteral("(function(){var e=document.querySelector(\"%1\");"
                       "if(!e)return false;e.click();return true;})()")
            .arg(QString::fromStdString(selector)),
        [alive, selector](const QVariant& clicked) {
            if (alive && !clicked.toBool()) {
                QTimer::singleShot(50, alive, [alive, selector] { clickInPage(*alive, selector); });
            }
        });
}

// The page's text once it reads `expected`: a page loaded again under the same name (the path
// bar's) may still show its previous text when its load is reported complete.
std::string WindowTest::pageText(browser::WebBrowser& browser, const std::string& expected) {
    std::string text;
    for (int tries = 0; tries < 100 && text != expected; ++tries) {
        if (tries > 0) {
            ui::pauseFor(std::chrono::milliseconds(50));
        }
        QVariant shown;
        browser.view()->page()->runJavaScript("document.body.innerText",
                                              [&](QVariant v) { shown = v; });
        EXPECT_TRUE(waitFor([&] { return shown.isValid(); }));
        text = shown.toString().trimmed().toStdString();
    }
    return text;
}

Lines WindowTest::takeMessages() {
    static const char* const kinds[] = {"Error", "Information", "Standard", "Fatal"};
    Lines texts;
    std::erase_if(sink.messages, [&](const ui::Message& m) {
        if (m.kind != ui::MessageKind::StandardInformation) {
            texts.push_back(kinds[int(m.kind)] + (": " + text::cp1250ToUtf8(m.text)));
        }
        return m.kind != ui::MessageKind::StandardInformation;
    });
    return texts;
}

}  // namespace expo::testing
