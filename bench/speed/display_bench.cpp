// Showing an exhibitor page: the program's browser control blanked with "about:blank", waited
// for, then sent to the page file, until the page is complete; against a plain QWebEngineView
// of the same size loading "about:blank" and then the same file. Headless (offscreen) unless
// QT_QPA_PLATFORM says otherwise. Prints the ratio at the end.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QEventLoop>
#include <QTimer>
#include <QUrl>
#include <QWebEngineView>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>

#include "bench/support/ratio_reporter.h"
#include "platform/browser/webbrowser.h"
#include "platform/ui/pump.h"

namespace {

namespace fs = std::filesystem;

constexpr QSize kViewSize(1000, 700);
constexpr std::chrono::milliseconds kBlankPageWait(5000);
constexpr int kLoadLimitMs = 10000;

struct World {
    std::string pagePath;
    expo::browser::WebBrowser* browser = nullptr;
    QWebEngineView* plain = nullptr;
};

World* world = nullptr;

// Runs the event loop until `signal` of `sender` is raised (or a limit passes).
template <typename Sender, typename Signal>
void waitFor(Sender* sender, Signal signal) {
    QEventLoop loop;
    QObject::connect(sender, signal, &loop, [&loop] { loop.quit(); });
    QTimer::singleShot(kLoadLimitMs, &loop, &QEventLoop::quit);
    loop.exec();
}

// What the main window does to show an exhibitor's page that it has written.
void showWithBrowser(benchmark::State& state) {
    expo::browser::WebBrowser& browser = *world->browser;
    for (auto _ : state) {
        browser.navigate("about:blank");
        expo::ui::pumpUntil(
            [&] { return browser.readyState() == expo::browser::ReadyState::Complete; },
            kBlankPageWait);
        browser.navigate(world->pagePath);
        waitFor(&browser, &expo::browser::WebBrowser::documentComplete);
    }
}

void showWithPlainView(benchmark::State& state) {
    QWebEngineView& view = *world->plain;
    const QUrl page = QUrl::fromLocalFile(QString::fromStdString(world->pagePath));
    for (auto _ : state) {
        view.load(QUrl(QStringLiteral("about:blank")));
        waitFor(&view, &QWebEngineView::loadFinished);
        view.load(page);
        waitFor(&view, &QWebEngineView::loadFinished);
    }
}

// An exhibitor page of about 60 KB: addresses, a long description, nomenclature and exhibit
// lists and a few pictures that are not there.
std::string examplePage() {
    std::string page =
        "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; "
        "charset=windows-1250\"><title>Vystavovatel</title></head>\r\n<body "
        "style=\"font-family: sans-serif\">\r\n<h1>Strojirny Lipova a.s.</h1>\r\n";
    for (int i = 0; i < 40; ++i) {
        page += "<p>Vyrobce a dodavatel stroju pro zpracovani kovu, odstavec " + std::to_string(i) +
                ". Firma vyrabi obrabeci centra, lisy a nastroje pro prumysl i remesla.</p>\r\n";
    }
    page += "<table>\r\n";
    for (int i = 0; i < 300; ++i) {
        page += "<tr><td>" + std::to_string(10 + i % 20) + "." + std::to_string(10 + i % 90) +
                "</td><td>Obrabeci stroje a nastroje, skupina " + std::to_string(i) +
                "</td><td><img src=\"data/loga/" + std::to_string(i % 7) +
                ".png\" width=\"32\" height=\"32\"></td></tr>\r\n";
    }
    page += "</table>\r\n</body></html>\r\n";
    return page;
}

}  // namespace

int main(int argc, char** argv) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);

    std::string folder = (fs::temp_directory_path() / "expo-display-bench-XXXXXX").string();
    if (::mkdtemp(folder.data()) == nullptr) {
        std::fprintf(stderr, "cannot create a temporary folder\n");
        return 1;
    }
    World w;
    world = &w;
    w.pagePath = folder + "/temp.html";
    {
        std::FILE* f = std::fopen(w.pagePath.c_str(), "wb");
        const std::string page = examplePage();
        std::fwrite(page.data(), 1, page.size(), f);
        std::fclose(f);
    }

    expo::browser::WebBrowser browser;
    browser.setBeforeNavigate([](const std::string&, bool&) {});
    browser.resize(kViewSize);
    browser.show();
    QWebEngineView plain;
    plain.resize(kViewSize);
    plain.show();
    w.browser = &browser;
    w.plain = &plain;
    // Both engines started and warm before anything is timed.
    browser.navigate(w.pagePath);
    waitFor(&browser, &expo::browser::WebBrowser::documentComplete);
    plain.load(QUrl::fromLocalFile(QString::fromStdString(w.pagePath)));
    waitFor(&plain, &QWebEngineView::loadFinished);

    benchmark::RegisterBenchmark("ShowPage/browserControl", showWithBrowser)
        ->Unit(benchmark::kMillisecond)
        ->MinTime(2.0);
    benchmark::RegisterBenchmark("ShowPage/plainView", showWithPlainView)
        ->Unit(benchmark::kMillisecond)
        ->MinTime(2.0);
    expo::bench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\nmeasured / yardstick (real time, medians when repeated):\n");
    reporter.ratio("browser control / plain view", "ShowPage/browserControl", "ShowPage/plainView",
                   "<= 1.3");
    fs::remove_all(folder);
    return 0;
}
