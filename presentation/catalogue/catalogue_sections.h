#pragma once
// Catalogue sections, the nodes below the exhibitor item that list a section's exhibitors:
// either numbered sections of config.ini ("sekce 1 na CD", "sekce 2 na CD", ...) or the records
// of the sections dataset.
#include <string>
#include <vector>

#include "platform/dataset/dataset.h"
#include "platform/ini/inifile.h"
#include "presentation/navigation/navigation.h"

namespace expo::presentation {

struct CatalogueSection {
    std::string caption;
    std::string filter;   // exhibitor filter: "SEKCE_ID in (...)" or "SEKCE_ID=<key>"
    std::string itemKey;  // "sekce i na CD"; empty for a section of the dataset
};

// True when config.ini defines the sections: "sekce katalogu" and "sekce 1 na CD" both hold a
// line. Otherwise they come from the sections dataset ("data1.dat").
bool sectionsDefinedInConfig(const IniFile& config);

// The sections "sekce 1 na CD", "sekce 2 na CD", ... up to the first one without a line, named
// in `language` (falling back to language 0, then to "Není název").
std::vector<CatalogueSection> configSections(const IniFile& config, int language);

// One section per record of the open sections dataset, from its first record to its end,
// named by `SEKCE_NAZEV0` whatever the language.
std::vector<CatalogueSection> datasetSections(ds::ClientDataSet& sections);

// Adds a node per section, in order, as the last children of the exhibitor node (at the end of
// the top level when there is none); each node shows `exhibitorTemplate`.
void addSectionNodes(NavigationTree& tree, const std::vector<CatalogueSection>& sections,
                     const std::string& exhibitorTemplate);

// The distinct trimmed values of `field` in `field` order (the dataset's filter is emptied and
// its order set to `field`, and stays so). Values that differ only in the locale's letter case
// count once, in the form met first.
std::vector<std::string> distinctTexts(ds::ClientDataSet& dataSet, const std::string& field);

}  // namespace expo::presentation
