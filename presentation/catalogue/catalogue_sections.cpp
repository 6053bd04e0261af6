#include "presentation/catalogue/catalogue_sections.h"

#include <unordered_set>

#include "platform/text/text.h"

namespace expo::presentation {

namespace {

constexpr std::string_view kSectionsMark = "sekce katalogu";

std::string configSectionName(int number) {
    return "sekce " + text::intToStr(number) + " na CD";
}

// The section's keys with a blank on each side of every ",".
std::string spacedKeys(std::string_view keys) {
    std::string spaced;
    for (char c : keys) {
        if (c == ',') {
            spaced += " , ";
        } else {
            spaced += c;
        }
    }
    return spaced;
}

}  // namespace

bool sectionsDefinedInConfig(const IniFile& config) {
    return config.sectionExists(kSectionsMark) && config.sectionExists(configSectionName(1));
}

std::vector<CatalogueSection> configSections(const IniFile& config, int language) {
    std::vector<CatalogueSection> sections;
    for (int i = 1; config.sectionExists(configSectionName(i)); ++i) {
        const std::string name = configSectionName(i);
        std::string caption =
            text::trim(config.readString(name, "jaz" + text::intToStr(language), ""));
        if (caption.empty()) {
            caption = text::trim(config.readString(name, "jaz0", ""));
        }
        if (caption.empty()) {
            caption = text::cp("Není název");
        }
        const std::string keys = text::trim(config.readString(name, kSectionsMark, ""));
        sections.push_back({std::move(caption), "SEKCE_ID in (" + spacedKeys(keys) + ")", name});
    }
    return sections;
}

std::vector<CatalogueSection> datasetSections(ds::ClientDataSet& sections) {
    std::vector<CatalogueSection> result;
    for (sections.first(); !sections.eof(); sections.next()) {
        result.push_back({text::trim(sections.text("SEKCE_NAZEV0")),
                          "SEKCE_ID=" + sections.text("SEKCE_ID"), ""});
    }
    return result;
}

void addSectionNodes(NavigationTree& tree, const std::vector<CatalogueSection>& sections,
                     const std::string& exhibitorTemplate) {
    for (const CatalogueSection& section : sections) {
        TNodeData data;
        data.Url = exhibitorTemplate;
        data.Kind = NodeKind::CatalogueSection;
        data.Filter = section.filter;
        data.ItemKey = section.itemKey;
        tree.add(tree.exhibitorNode, section.caption, std::move(data));
    }
}

std::vector<std::string> distinctTexts(ds::ClientDataSet& dataSet, const std::string& field) {
    dataSet.setFilter("");
    dataSet.setIndexFieldNames(field);
    std::vector<std::string> texts;
    std::unordered_set<std::string> seen;  // locale upper case of the texts listed
    for (dataSet.first(); !dataSet.eof(); dataSet.next()) {
        std::string value = text::trim(dataSet.text(field));
        if (seen.insert(text::upper(value)).second) {
            texts.push_back(std::move(value));
        }
    }
    return texts;
}

}  // namespace expo::presentation
