#include "presentation/catalogue/catalogue_loading.h"

#include <exception>
#include <optional>

#include "platform/text/error.h"
#include "platform/text/text.h"
#include "presentation/catalogue/catalogue_sections.h"
#include "presentation/page/exhibitor_page.h"
#include "presentation/settings/language_texts.h"

namespace expo::presentation {

namespace {

constexpr int kStepCount = 12;
constexpr int kSectionsFile = 1;
constexpr int kFirstAfterSections = 2;  // data2.dat, the file of step 3
constexpr int kFirmsFile = 6;
constexpr int kBrandsFile = 7;
constexpr int kOptionalFile = 11;

// Runs `step`; any failure becomes the error of data file `fileNumber`.
template <typename Step>
void asFileStep(int fileNumber, Step&& step) {
    try {
        step();
    } catch (const std::exception& e) {
        throw Error(dataFileErrorMessage(fileNumber, e.what()));
    }
}

std::vector<CatalogueSection> readSections(Catalogue& catalogue, const IniFile& config,
                                           const CatalogueLoading& request) {
    if (sectionsDefinedInConfig(config)) {
        return configSections(config, request.language);
    }
    catalogue.load(kSectionsFile, request.dataFolder);
    return datasetSections(catalogue.CDSSekce);
}

// Opens data file `fileNumber` with the special handling of its step.
void loadDataFile(Catalogue& catalogue, int fileNumber, const std::string& folder,
                  RepresentedLists& lists, DataFileReadAhead* ahead) {
    if (fileNumber == kOptionalFile) {
        try {
            catalogue.load(fileNumber, folder, ahead);
        } catch (const std::exception&) {
            // Additional information is optional: the dataset stays closed.
        }
        return;
    }
    asFileStep(fileNumber, [&] {
        catalogue.load(fileNumber, folder, ahead);
        if (fileNumber == kFirmsFile) {
            lists.firms = distinctTexts(catalogue.CDSZastFir, "KTF_TEXT");
        } else if (fileNumber == kBrandsFile) {
            lists.brands = distinctTexts(catalogue.CDSZastZnac, "KTZ_TEXT");
        }
    });
}

}  // namespace

std::string dataFileProgressLine(std::string_view loadingText, int step, std::string_view ofText) {
    return std::string(loadingText) + ": " + text::intToStr(step) + " " + std::string(ofText) +
           " " + text::intToStr(kStepCount) + ".";
}

std::string dataFileErrorMessage(int fileNumber, std::string_view reason) {
    return text::cp("Nepodařilo se otevřít datový soubor ") + Catalogue::fileName(fileNumber) +
           ":\r\r" + text::cp("Důvod:") + std::string(reason);
}

void loadCatalogue(Catalogue& catalogue, const IniFile& config, const CatalogueLoading& request,
                   NavigationTree& tree, RepresentedLists& lists,
                   const std::function<void(const std::string&)>& progress) {
    const std::string loadingText = readNoticeText(config, request.language, NoticeText::DataFiles);
    // Step k opens data file k - 1.
    const auto announce = [&](int step) {
        progress(dataFileProgressLine(loadingText, step, request.ofText));
    };

    announce(1);
    if (request.loadData) {
        loadDataFile(catalogue, 0, request.dataFolder, lists, nullptr);
    }
    if (request.hideData) {
        return;
    }

    // The files of steps 3 to 12 are read meanwhile on threads of their own.
    std::optional<DataFileReadAhead> ahead;
    if (request.loadData) {
        ahead.emplace(request.dataFolder, kFirstAfterSections, kOptionalFile);
    }

    announce(2);
    asFileStep(kSectionsFile, [&] {
        addSectionNodes(tree, readSections(catalogue, config, request), request.exhibitorTemplate);
    });

    for (int step = 3; step <= kStepCount; ++step) {
        announce(step);
        if (request.loadData) {
            loadDataFile(catalogue, step - 1, request.dataFolder, lists, ahead ? &*ahead : nullptr);
        }
    }
    if (request.loadData) {
        // Still under the last step's line: the first exhibitor page then waits for nothing.
        prepareExhibitorPages(catalogue);
    }
}

}  // namespace expo::presentation
