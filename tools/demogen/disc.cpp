#include "tools/demogen/disc.h"

#include <algorithm>
#include <string>
#include <utility>

#include "platform/os/files.h"
#include "tools/demogen/discfiles.h"
#include "tools/demogen/floorplans.h"
#include "tools/demogen/model.h"
#include "tools/demogen/packets.h"
#include "tools/demogen/pictures.h"

namespace expo::demogen {
namespace fs = std::filesystem;

namespace {

// The archive's files in name order, text converted as on the disc itself.
std::string archiveOf(const fs::path& folder) {
    std::vector<fs::path> files;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder)) {
        if (entry.is_regular_file()) {
            files.push_back(entry.path());
        }
    }
    std::sort(files.begin(), files.end());
    std::vector<std::pair<std::string, std::string>> entries;
    for (const fs::path& file : files) {
        const std::string bytes = os::readFile(file.string());
        entries.emplace_back(fs::relative(file, folder).generic_string(),
                             isTextFile(file) ? discText(bytes) : bytes);
    }
    return zipArchive(entries);
}

}  // namespace

void makeDisc(const DiscOptions& options) {
    for (const fs::path& folder : options.pageFolders) {
        copyTree(folder, options.output);
    }
    const Catalogue catalogue = buildCatalogue(BuildOptions{});
    writeDataFiles(catalogue, options.output, {0, 10});
    writeLogos(catalogue, options.output);
    writeFloorPlans(catalogue, options.output);
    writeFile(options.output / kBannerCzech,
              encodePicture(drawBanner("VELETRH LIPOVA 2025", 760, 90), "BMP"));
    writeFile(options.output / kBannerEnglish,
              encodePicture(drawBanner("LIPOVA TRADE FAIR 2025", 760, 90), "BMP"));
    if (!options.archiveSource.empty()) {
        writeFile(options.output / kDownloadArchive, archiveOf(options.archiveSource));
    }
}

LargeSummary makeLarge(const fs::path& output, int exhibitors) {
    BuildOptions build;
    build.exhibitors = exhibitors;
    build.featured = false;
    build.maxLogos = 64;
    const Catalogue catalogue = buildCatalogue(build);
    writeDataFiles(catalogue, output, {});
    writeLogos(catalogue, output);
    LargeSummary summary;
    summary.exhibitors = static_cast<int>(catalogue.exhibitors.size());
    summary.detailRecords = static_cast<int>(
        catalogue.nomenclatures.size() + catalogue.placements.size() + catalogue.exhibits.size() +
        catalogue.firms.size() + catalogue.brands.size() + catalogue.additionalInfo.size());
    return summary;
}

}  // namespace expo::demogen
