#pragma once
// The catalogue part of the language loading, after the navigation tree: the catalogue
// sections below the exhibitor item and, at the first loading, the twelve data files with the
// lists of represented firms and brands. Every step shows its progress line first.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ini/inifile.h"
#include "presentation/catalogue/catalogue.h"
#include "presentation/navigation/navigation.h"

namespace expo::presentation {

struct CatalogueLoading {
    int language = 0;
    bool loadData = false;          // the first loading: open the data files
    bool hideData = false;          // "SkrytData": only data0.dat, no sections
    std::string exhibitorTemplate;  // the page of every section node
    std::string dataFolder;         // where data0.dat ... data11.dat lie
    std::string ofText;             // the language text "text z"
};

// Distinct trimmed represented firms (`KTF_TEXT`) and brands (`KTZ_TEXT`), built by the first
// loading for the search dialog.
struct RepresentedLists {
    std::vector<std::string> firms;
    std::vector<std::string> brands;
};

// Progress line of step 1..12: loadingText + ": " + step + " " + ofText + " 12.".
std::string dataFileProgressLine(std::string_view loadingText, int step, std::string_view ofText);

// The error of data file `fileNumber` (0..11) that failed for `reason`.
std::string dataFileErrorMessage(int fileNumber, std::string_view reason);

// Runs the steps in order: data0.dat; then, unless data are hidden, the catalogue sections
// (from config.ini, or from data1.dat, which is then loaded whatever `loadData` says) and
// data2.dat ... data11.dat. Data files are opened only with `loadData`; the lists are built
// when data6.dat and data7.dat are opened. A failure throws expo::Error with the message of
// its file and ends the loading, except for data11.dat, whose failure is ignored. `progress`
// receives each step's line before the step runs. After the last step, when the data files
// were opened, the indexes of the exhibitor pages are built (prepareExhibitorPages).
void loadCatalogue(Catalogue& catalogue, const IniFile& config, const CatalogueLoading& request,
                   NavigationTree& tree, RepresentedLists& lists,
                   const std::function<void(const std::string&)>& progress);

}  // namespace expo::presentation
