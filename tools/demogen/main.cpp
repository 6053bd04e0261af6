// demogen: makes the demo disc beside the program, or a large catalogue for benchmarks.
//
//   demogen --disc DIR [--pages SRC]... [--archive SRC]
//       copies the hand-written pages (UTF-8 sources, written in code page 1250) and writes the
//       data files, logos, floor plans, banners and the download archive into DIR;
//   demogen --large DIR [--exhibitors N]
//       writes the data files of a catalogue of N exhibitors (100000 unless given) into DIR/data.
#include <cstdio>
#include <exception>
#include <string>
#include <string_view>

#include "tools/demogen/disc.h"

namespace {

int usage() {
    std::fputs(
        "usage: demogen --disc DIR [--pages SRC]... [--archive SRC]\n"
        "       demogen --large DIR [--exhibitors N]\n",
        stderr);
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace expo::demogen;
    if (argc < 3) {
        return usage();
    }
    const std::string_view mode = argv[1];
    try {
        if (mode == "--disc") {
            DiscOptions options;
            options.output = argv[2];
            for (int i = 3; i + 1 < argc; i += 2) {
                const std::string_view option = argv[i];
                if (option == "--pages") {
                    options.pageFolders.emplace_back(argv[i + 1]);
                } else if (option == "--archive") {
                    options.archiveSource = argv[i + 1];
                } else {
                    return usage();
                }
            }
            if (argc % 2 == 0) {
                return usage();
            }
            makeDisc(options);
            return 0;
        }
        if (mode == "--large") {
            int exhibitors = 100000;
            if (argc == 5 && std::string_view(argv[3]) == "--exhibitors") {
                exhibitors = std::stoi(argv[4]);
            } else if (argc != 3) {
                return usage();
            }
            const LargeSummary s = makeLarge(argv[2], exhibitors);
            std::printf("%d exhibitors, %d detail records\n", s.exhibitors, s.detailRecords);
            return 0;
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "demogen: %s\n", e.what());
        return 1;
    }
    return usage();
}
