#include "tools/demogen/model.h"

#include <algorithm>
#include <stdexcept>

#include "tools/demogen/builder.h"

namespace expo::demogen {

const Exhibitor* Catalogue::findExhibitor(int katId) const {
    const auto it = std::lower_bound(exhibitors.begin(), exhibitors.end(), katId,
                                     [](const Exhibitor& e, int id) { return e.katId < id; });
    return it != exhibitors.end() && it->katId == katId ? &*it : nullptr;
}

const Section& Catalogue::section(int id) const {
    for (const Section& s : sections) {
        if (s.id == id) {
            return s;
        }
    }
    throw std::logic_error("no section " + std::to_string(id));
}

const CatalogueInfo& Catalogue::catalogue(int id) const {
    for (const CatalogueInfo& c : catalogues) {
        if (c.id == id) {
            return c;
        }
    }
    throw std::logic_error("no catalogue " + std::to_string(id));
}

Catalogue buildCatalogue(const BuildOptions& options) {
    Builder builder(options);
    constexpr int kFirstKatId = 1001;
    int katId = kFirstKatId;
    if (options.featured) {
        builder.addFeatured();
        katId += static_cast<int>(builder.catalogue().exhibitors.size());
    }
    while (katId < kFirstKatId + options.exhibitors) {
        builder.addRandom(katId++);
    }
    return builder.take();
}

const std::array<const char*, kLanguages>& languageNames() {
    static const std::array<const char*, kLanguages> names = {"Čes", "Ang", "Něm", "Pol", "Slo"};
    return names;
}

}  // namespace expo::demogen
