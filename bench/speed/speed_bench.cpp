// The program's work on the large benchmark catalogue (100,000 exhibitors, the twelve files of
// `demo_large`), each next to a yardstick measured in the same run, with the ratios printed at
// the end:
//  - the first exhibitor page after loading against the same page made a second time (and,
//    for information, against the same page after the caches were flushed, and against later
//    pages made one after another);
//  - loading the twelve files against `cat` of the same files sent to /dev/null;
//  - the peak memory of cdsdump loading the exhibitor file against the file's size;
//  - the full-text match over 2,000 generated pages of 20 KB against `grep -l -i -F`.
// The catalogue is made in a temporary folder (about 15 s) unless EXPO_LARGE_CATALOGUE names
// a folder that holds it already (`cmake --build build --target demo_large` writes one).
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "bench/support/ratio_reporter.h"
#include "large_catalogue.h"
#include "platform/ini/inifile.h"
#include "platform/os/files.h"
#include "platform/text/text.h"
#include "presentation/catalogue/catalogue.h"
#include "presentation/catalogue/fulltext.h"
#include "presentation/page/exhibitor_page.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;
using expo::presentation::Catalogue;

constexpr int kFulltextPages = 2000;
constexpr size_t kFulltextPageBytes = 20 * 1024;
// In one page of 50; the rest are read to their end.
constexpr const char* kFulltextQuery = "Ventilace budov";

struct World {
    fs::path scratch;     // made by this run, removed at the end
    fs::path dataFolder;  // data0.dat ... data11.dat
    std::vector<std::string> dataFiles;
    uint64_t dataBytes = 0;
    std::unique_ptr<Catalogue> catalogue;  // loaded, its indexes warm
    std::vector<std::string> keys;         // exhibitors whose pages are made
    std::vector<std::string> pages;        // the full-text search's page files
    std::unique_ptr<expo::IniFile> emptyIni;
};

World* world = nullptr;

void loadInto(Catalogue& catalogue) {
    expo::bench::loadCatalogue(catalogue, world->dataFolder.string());
}

size_t makePage(Catalogue& catalogue, const std::string& key) {
    expo::presentation::LanguageSuffixes suffixes{"0", "0"};
    const auto page = expo::presentation::makeExhibitorPage(
        catalogue, key, expo::bench::demoPageSettings(*world->emptyIni), suffixes);
    if (!page) {
        throw std::runtime_error("no exhibitor " + key);
    }
    return page->size();
}

// --- exhibitor pages ----------------------------------------------------------------------

// Pushes the catalogue out of the processor's caches, as a large load does.
void flushCaches() {
    static std::vector<char> flush(size_t{256} << 20);
    for (size_t k = 0; k < flush.size(); k += 64) {
        flush[k] = static_cast<char>(flush[k] + 1);
    }
    benchmark::DoNotOptimize(flush.data());
}

enum class Before { Loading, SamePage, SamePageAndCacheFlush };

// The first page made after the catalogue is loaded (whatever its first use builds is in it);
// the same page made a second time right after it; and made again after the caches were
// flushed, which tells first-use work from cold caches.
void pageAfterLoading(benchmark::State& state, Before before) {
    size_t i = 0;
    size_t bytes = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto catalogue = std::make_unique<Catalogue>();
        loadInto(*catalogue);
        const std::string& key = world->keys[i++ % world->keys.size()];
        if (before != Before::Loading) {
            bytes += makePage(*catalogue, key);
        }
        if (before == Before::SamePageAndCacheFlush) {
            flushCaches();
        }
        state.ResumeTiming();
        bytes += makePage(*catalogue, key);
        state.PauseTiming();
        catalogue.reset();
        state.ResumeTiming();
    }
    benchmark::DoNotOptimize(bytes);
}

void firstPage(benchmark::State& state) {
    pageAfterLoading(state, Before::Loading);
}

void samePageAgain(benchmark::State& state) {
    pageAfterLoading(state, Before::SamePage);
}

void samePageAgainCold(benchmark::State& state) {
    pageAfterLoading(state, Before::SamePageAndCacheFlush);
}

void laterPage(benchmark::State& state) {
    size_t i = 1;
    size_t bytes = 0;
    for (auto _ : state) {
        bytes += makePage(*world->catalogue, world->keys[i++ % world->keys.size()]);
    }
    benchmark::DoNotOptimize(bytes);
}

// --- loading --------------------------------------------------------------------------------

// The loading alone: the catalogue loaded before is freed outside the timing.
void loadEngine(benchmark::State& state) {
    for (auto _ : state) {
        auto catalogue = std::make_unique<Catalogue>();
        loadInto(*catalogue);
        benchmark::DoNotOptimize(catalogue->CDSZaznamy.recordCount());
        state.PauseTiming();
        catalogue.reset();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * world->dataBytes));
}

// `cat` itself, run on the twelve files with its output sent to /dev/null, as in a shell:
// `cat data0.dat ... data11.dat > /dev/null`.
void loadCat(benchmark::State& state) {
    std::vector<std::string> argv = {"cat"};
    argv.insert(argv.end(), world->dataFiles.begin(), world->dataFiles.end());
    for (auto _ : state) {
        if (expo::bench::runQuietly(argv) != 0) {
            state.SkipWithError("cat failed");
            break;
        }
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * world->dataBytes));
}

// --- full-text search ---------------------------------------------------------------------

void fulltextEngine(benchmark::State& state) {
    const std::string query = expo::presentation::fulltextQuery(expo::text::cp(kFulltextQuery));
    size_t hits = 0;
    for (auto _ : state) {
        hits = 0;
        for (const std::string& path : world->pages) {
            if (const auto page = expo::os::readFileIfExists(path)) {
                hits += expo::presentation::pageHoldsText(*page, query) ? 1 : 0;
            }
        }
    }
    state.counters["hits"] = static_cast<double>(hits);
}

std::vector<std::string> grepCommand() {
    std::vector<std::string> argv = {"grep", "-l", "-i", "-F", kFulltextQuery};
    argv.insert(argv.end(), world->pages.begin(), world->pages.end());
    return argv;
}

void fulltextGrep(benchmark::State& state) {
    const std::vector<std::string> argv = grepCommand();
    for (auto _ : state) {
        benchmark::DoNotOptimize(expo::bench::runQuietly(argv));
    }
}

// Pages of markup and Czech text in code page 1250, lines of about 80 bytes.
void writeFulltextPages(const fs::path& folder) {
    static const char* const kWords[] = {
        "veletrh",       "výstaviště",     "pavilon",    "stánek",
        "strojírenství", "<b>novinka</b>", "energie",    "doprava",
        "Brno",          "program",        "konference", "<a href=\"plan.html\">plán</a>",
        "vstupné",       "ventilátory",    "budova",     "katalog",
        "&nbsp;",        "řemesla",        "účast",      "Ventil"};
    std::mt19937 random(11);
    fs::create_directories(folder);
    for (int p = 0; p < kFulltextPages; ++p) {
        std::string page =
            "<html><head><title>Strana " + std::to_string(p) + "</title></head>\r\n<body>\r\n";
        std::string line = "<p>";
        while (page.size() < kFulltextPageBytes) {
            line += kWords[random() % std::size(kWords)];
            line += ' ';
            if (line.size() > 80) {
                page += line + "</p>\r\n";
                line = "<p>";
            }
        }
        if (p % 50 == 7) {
            page += "<p>Ventilace budov a hal</p>\r\n";
        }
        page += "</body></html>\r\n";
        const std::string path = (folder / ("strana" + std::to_string(p) + ".html")).string();
        expo::os::writeFile(path, expo::text::cp(page));
        world->pages.push_back(path);
    }
}

// --- peak memory ------------------------------------------------------------------------------

// Peak resident memory of cdsdump reading `file`, in bytes; 0 when it cannot be run.
uint64_t cdsdumpPeak(const std::string& file) {
    const std::vector<std::string> argv = {CDSDUMP_PATH, file, "--fields"};
    std::vector<char*> args;
    for (const std::string& a : argv) {
        args.push_back(const_cast<char*>(a.c_str()));
    }
    args.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int error = ::posix_spawn(&pid, args[0], &actions, nullptr, args.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (error != 0) {
        return 0;
    }
    int status = 0;
    rusage usage{};
    ::wait4(pid, &status, 0, &usage);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0
               ? static_cast<uint64_t>(usage.ru_maxrss) * 1024
               : 0;
}

// --- reporting ------------------------------------------------------------------------------

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    World w;
    world = &w;
    w.emptyIni = std::make_unique<expo::IniFile>(expo::IniFile::fromText(""));
    w.scratch = expo::bench::makeScratch("expo-speed-bench");
    // demogen runs in a process of its own, so that this one stays small for the memory
    // measurement.
    w.dataFolder = expo::bench::largeCatalogueData(w.scratch);
    // Measured first, while this process is small: a child started from it counts its size.
    const uint64_t peak = cdsdumpPeak((w.dataFolder / Catalogue::fileName(2)).string());
    for (int i = 0; i < Catalogue::kDataSetCount; ++i) {
        const fs::path file = w.dataFolder / Catalogue::fileName(i);
        w.dataFiles.push_back(file.string());
        w.dataBytes += fs::file_size(file);
    }
    w.catalogue = std::make_unique<Catalogue>();
    loadInto(*w.catalogue);
    w.keys = expo::bench::exhibitorKeys(*w.catalogue, 4096);
    makePage(*w.catalogue, w.keys.front());  // the first use, before the later pages
    writeFulltextPages(w.scratch / "pages");
    const bool haveGrep = expo::bench::runQuietly({"grep", "-q", "x", "/dev/null"}) >= 0;

    benchmark::RegisterBenchmark("ExhibitorPage/firstAfterLoading", firstPage)
        ->Iterations(8)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("ExhibitorPage/sameAgain", samePageAgain)
        ->Iterations(8)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("ExhibitorPage/sameAgainCold", samePageAgainCold)
        ->Iterations(8)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("ExhibitorPage/later", laterPage)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Loading/engine", loadEngine)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    benchmark::RegisterBenchmark("Loading/cat", loadCat)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    benchmark::RegisterBenchmark("Fulltext/engine", fulltextEngine)->Unit(benchmark::kMillisecond);
    if (haveGrep) {
        benchmark::RegisterBenchmark("Fulltext/grep", fulltextGrep)->Unit(benchmark::kMillisecond);
    }
    expo::bench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);

    std::printf("\nmeasured / yardstick (real time, medians when repeated):\n");
    reporter.ratio("first page / same page again", "ExhibitorPage/firstAfterLoading",
                   "ExhibitorPage/sameAgain", "<= 2");
    reporter.ratio("first page / same, caches cold", "ExhibitorPage/firstAfterLoading",
                   "ExhibitorPage/sameAgainCold", "none: first-use work alone");
    reporter.ratio("first page / later pages", "ExhibitorPage/firstAfterLoading",
                   "ExhibitorPage/later", "none");
    reporter.ratio("loading / cat", "Loading/engine", "Loading/cat", "<= 10, loading < 1 s");
    reporter.ratio("full-text / grep", "Fulltext/engine", "Fulltext/grep", "<= 1.5");
    if (!haveGrep) {
        std::printf("  full-text / grep: grep is missing, the pair was left out\n");
    }
    const std::string exhibitors = w.dataFiles[2];
    const auto size = static_cast<double>(fs::file_size(exhibitors));
    if (peak > 0) {
        std::printf("  %-28s %10.1f MB / %10.1f MB = %6.2f   (target <= 2)\n",
                    "cdsdump peak / file size", static_cast<double>(peak) / 1e6, size / 1e6,
                    static_cast<double>(peak) / size);
    }
    fs::remove_all(w.scratch);
    return 0;
}
