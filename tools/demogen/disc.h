#pragma once
// The whole demo disc, and the large catalogue for benchmarks.
#include <filesystem>
#include <vector>

namespace expo::demogen {

// Names on the disc that the hand-written pages and config.ini refer to.
inline constexpr const char* kDownloadArchive = "ke_stazeni/podklady.zip";
inline constexpr const char* kBannerCzech = "zahlavi/logo.bmp";
inline constexpr const char* kBannerEnglish = "zahlavi/logo_en.bmp";

struct DiscOptions {
    std::filesystem::path output;
    std::vector<std::filesystem::path> pageFolders;  // hand-written files, copied in this order
    std::filesystem::path archiveSource;             // files of the download archive; may be empty
};

// Copies the hand-written files and writes the data files, logos, floor plans, banners and the
// download archive. The same options give the same bytes every time.
void makeDisc(const DiscOptions& options);

struct LargeSummary {
    int exhibitors = 0;
    int detailRecords = 0;
};
// data/data0.dat ... data11.dat and a few shared logos of a catalogue of `exhibitors`
// exhibitors with about ten detail records each, all binary.
LargeSummary makeLarge(const std::filesystem::path& output, int exhibitors);

}  // namespace expo::demogen
