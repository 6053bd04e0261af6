#pragma once
// What the speed benchmarks share: the large catalogue (made by demogen in a temporary folder,
// or named by EXPO_LARGE_CATALOGUE), its loading as the program does it, the exhibitor page
// settings of the demo disc, and running a helper program quietly.
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/ini/inifile.h"
#include "presentation/catalogue/catalogue.h"
#include "presentation/page/exhibitor_page.h"

namespace expo::bench {

inline constexpr int kLargeExhibitors = 100'000;

// Runs a program with LC_ALL=C, its output thrown away; its exit status, or -1.
inline int runQuietly(const std::vector<std::string>& argv) {
    std::vector<char*> args;
    for (const std::string& a : argv) {
        args.push_back(const_cast<char*>(a.c_str()));
    }
    args.push_back(nullptr);
    std::vector<std::string> envText = {"LC_ALL=C", "PATH=/usr/bin:/bin"};
    std::vector<char*> env;
    for (std::string& e : envText) {
        env.push_back(e.data());
    }
    env.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int error = ::posix_spawnp(&pid, args[0], &actions, nullptr, args.data(), env.data());
    posix_spawn_file_actions_destroy(&actions);
    if (error != 0) {
        return -1;
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// A fresh temporary folder named after `prefix`.
inline std::filesystem::path makeScratch(const std::string& prefix) {
    std::string pattern = (std::filesystem::temp_directory_path() / (prefix + "-XXXXXX")).string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot create a temporary folder");
    }
    return pattern;
}

// The folder of data0.dat ... data11.dat: the one EXPO_LARGE_CATALOGUE names, or one made in
// `scratch` by demogen (about 15 s), in a process of its own.
inline std::filesystem::path largeCatalogueData(const std::filesystem::path& scratch) {
    if (const char* given = std::getenv("EXPO_LARGE_CATALOGUE")) {
        return std::filesystem::path(given) / "data";
    }
    std::cerr << "Making the large catalogue (EXPO_LARGE_CATALOGUE names a ready one)...\n";
    const std::filesystem::path made = scratch / "catalogue";
    if (runQuietly({DEMOGEN_PATH, "--large", made.string(), "--exhibitors",
                    std::to_string(kLargeExhibitors)}) != 0) {
        throw std::runtime_error("demogen failed");
    }
    return made / "data";
}

// The twelve files as the program's loading opens them (data2.dat on read ahead while the
// first two are opened), with the indexes it builds after them.
inline void loadCatalogue(presentation::Catalogue& catalogue, const std::string& folder) {
    using presentation::Catalogue;
    catalogue.load(0, folder);
    presentation::DataFileReadAhead ahead(folder, 2, Catalogue::kDataSetCount - 1);
    catalogue.load(1, folder);
    for (int i = 2; i < Catalogue::kDataSetCount; ++i) {
        catalogue.load(i, folder, &ahead);
    }
    presentation::prepareExhibitorPages(catalogue);
}

// The demo disc's exhibitor template in the first language, no settings files.
inline presentation::ExhibitorPageSettings demoPageSettings(const IniFile& emptyIni) {
    return {.programFolder = std::string(EXPO_DISC_DIR) + "/",
            .exhibitorTemplate = "sablony/vystavovatel0.html",
            .languageName = "CZ",
            .defaultLanguageSuffix = "0",
            .defaultExpLanguageSuffix = "0",
            .language = 0,
            .logoAreas = {},
            .umisteniIni = emptyIni,
            .inzeratyIni = emptyIni,
            .expoziceIni = emptyIni};
}

// Up to `count` exhibitors' keys in a fixed random order.
inline std::vector<std::string> exhibitorKeys(presentation::Catalogue& catalogue, size_t count) {
    std::vector<std::string> keys;
    for (catalogue.CDSZaznamy.first(); !catalogue.CDSZaznamy.eof(); catalogue.CDSZaznamy.next()) {
        keys.push_back(catalogue.CDSZaznamy.text("KAT_ID"));
    }
    std::shuffle(keys.begin(), keys.end(), std::mt19937(7));
    keys.resize(std::min(keys.size(), count));
    return keys;
}

}  // namespace expo::bench
