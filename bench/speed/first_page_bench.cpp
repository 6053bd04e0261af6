// The first exhibitor page after loading the large catalogue (100,000 exhibitors), made and
// shown as the main window shows it: the page made from the demo disc's template, the
// program's browser control blanked with "about:blank" and waited for, the page written to
// "temp.html" and shown until the browser reports it complete. Against, in the same run, the
// same page made and shown a second time, and pages of other exhibitors shown one after
// another. Each iteration of the first two loads the catalogue afresh (not timed), so the
// first page pays whatever the loading left for it. The browser control has shown a page of
// its own before, as it shows the intro page before a catalogue is loaded.
// Headless (offscreen) unless QT_QPA_PLATFORM says otherwise. Prints the ratios at the end.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QEventLoop>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "bench/support/ratio_reporter.h"
#include "large_catalogue.h"
#include "platform/browser/webbrowser.h"
#include "platform/os/files.h"
#include "platform/ui/pump.h"
#include "presentation/page/page_paths.h"

namespace {

namespace fs = std::filesystem;
using expo::presentation::Catalogue;

constexpr QSize kViewSize(1000, 700);
constexpr std::chrono::milliseconds kBlankPageWait(5000);
constexpr int kLoadLimitMs = 10000;

struct World {
    std::string dataFolder;
    std::string pagePath;  // temp.html
    std::unique_ptr<expo::IniFile> emptyIni;
    std::vector<std::string> keys;
    expo::browser::WebBrowser* browser = nullptr;
};

World* world = nullptr;

// What the main window does for a click on an exhibitor.
void makeAndShow(Catalogue& catalogue, const std::string& key) {
    expo::presentation::LanguageSuffixes suffixes{"0", "0"};
    const auto page = expo::presentation::makeExhibitorPage(
        catalogue, key, expo::bench::demoPageSettings(*world->emptyIni), suffixes);
    if (!page) {
        throw std::runtime_error("no exhibitor " + key);
    }
    expo::browser::WebBrowser& browser = *world->browser;
    browser.navigate("about:blank");
    expo::ui::pumpUntil([&] { return browser.readyState() == expo::browser::ReadyState::Complete; },
                        kBlankPageWait);
    expo::os::writeFile(world->pagePath, *page);
    QEventLoop loop;
    QObject::connect(&browser, &expo::browser::WebBrowser::documentComplete, &loop,
                     [&loop] { loop.quit(); });
    QTimer::singleShot(kLoadLimitMs, &loop, &QEventLoop::quit);
    browser.navigate(expo::presentation::browserTarget(world->pagePath));
    loop.exec();
}

// One fresh load per iteration, not timed; then the first page, or the second showing of it.
void pageAfterLoading(benchmark::State& state, bool secondShowing) {
    size_t i = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto catalogue = std::make_unique<Catalogue>();
        expo::bench::loadCatalogue(*catalogue, world->dataFolder);
        const std::string& key = world->keys[i++ % world->keys.size()];
        if (secondShowing) {
            makeAndShow(*catalogue, key);
        }
        state.ResumeTiming();
        makeAndShow(*catalogue, key);
        state.PauseTiming();
        catalogue.reset();
        state.ResumeTiming();
    }
}

void firstShown(benchmark::State& state) {
    pageAfterLoading(state, false);
}

void sameShownAgain(benchmark::State& state) {
    pageAfterLoading(state, true);
}

// Other exhibitors' pages one after another in one loaded catalogue.
void laterShown(benchmark::State& state) {
    Catalogue catalogue;
    expo::bench::loadCatalogue(catalogue, world->dataFolder);
    makeAndShow(catalogue, world->keys.back());
    size_t i = 0;
    for (auto _ : state) {
        makeAndShow(catalogue, world->keys[i++ % world->keys.size()]);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    try {
        const fs::path scratch = expo::bench::makeScratch("expo-first-page-bench");
        World w;
        world = &w;
        w.emptyIni = std::make_unique<expo::IniFile>(expo::IniFile::fromText(""));
        w.dataFolder = expo::bench::largeCatalogueData(scratch).string();
        w.pagePath = (scratch / "temp.html").string();
        {
            Catalogue catalogue;
            expo::bench::loadCatalogue(catalogue, w.dataFolder);
            w.keys = expo::bench::exhibitorKeys(catalogue, 4096);
        }

        expo::browser::WebBrowser browser;
        browser.setBeforeNavigate([](const std::string&, bool&) {});
        browser.resize(kViewSize);
        browser.show();
        w.browser = &browser;
        // The browser has shown a page before the catalogue is loaded, as the intro page is.
        expo::os::writeFile(w.pagePath, "<html><body><p>Uvod</p></body></html>");
        browser.navigate(expo::presentation::browserTarget(w.pagePath));
        expo::ui::pumpUntil(
            [&] { return browser.readyState() == expo::browser::ReadyState::Complete; },
            std::chrono::milliseconds(kLoadLimitMs));

        benchmark::RegisterBenchmark("ShownPage/firstAfterLoading", firstShown)
            ->Iterations(8)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark("ShownPage/sameAgain", sameShownAgain)
            ->Iterations(8)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark("ShownPage/later", laterShown)
            ->Unit(benchmark::kMillisecond)
            ->MinTime(2.0);
        expo::bench::RatioReporter reporter;
        benchmark::RunSpecifiedBenchmarks(&reporter);

        std::printf("\nmeasured / yardstick (real time, medians when repeated):\n");
        reporter.ratio("first page shown / same page again", "ShownPage/firstAfterLoading",
                       "ShownPage/sameAgain", "<= 2");
        reporter.ratio("first page shown / later pages", "ShownPage/firstAfterLoading",
                       "ShownPage/later", "none");
        fs::remove_all(scratch);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
