#pragma once
// The invented catalogue of the demo disc, before it is written as data packets. Texts are UTF-8
// here (the generator's own literals); they become code page 1250 when the packets are built.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace expo::demogen {

// The five user-interface languages of the disc: 0 Czech, 1 English, 2 German, 3 Polish,
// 4 Slovak.
constexpr int kLanguages = 5;
using Texts = std::array<std::string, kLanguages>;

// A catalogue holds its texts in language columns of its own order. `columns[c]` is the
// user-interface language kept in text column c (-1: the column is unused); `exhibitColumns`
// likewise for the three exhibit text columns.
struct CatalogueInfo {
    int id = 0;
    std::array<int, 5> columns{};
    std::array<int, 3> exhibitColumns{};
};

struct Section {
    int id = 0;
    int catalogue = 0;
    Texts name;
    std::vector<std::string> areas;  // exhibition areas (pavilions) of the section
};

// A picture under data/loga/: `label` is drawn on a coloured badge of the given pixel size.
struct Logo {
    int id = 0;
    int width = 0;
    int height = 0;
    std::string label;  // ASCII
    int colour = 0;     // index into the badge palette
};

struct Address {
    std::string name{};  // only the second address carries a name of its own
    std::string street{};
    std::string postcode{};
    std::string city{};
    std::string country{};  // three-letter code
    std::string phone1{}, phone2{}, fax{}, email{}, web{};
};

struct Exhibitor {
    int katId = 0;
    int section = 0;
    int catalogue = 0;
    std::string name;  // may hold a CR LF
    Address address;
    std::optional<Address> second;
    std::string poBox, poBoxPostcode;
    Texts text;                // company description, one per user-interface language
    Texts note;                // short public note ("ZVERPOZN"), empty when none
    int logo1 = 0, logo2 = 0;  // logo ids, 0 for none
    int registration = 0;      // order number of the application form
};

struct NomenclatureEntry {
    int katId = 0;
    int code = 0;  // index into the code list
    Texts text;    // the exhibitor's own words on the entry (mostly empty)
    int logo1 = 0, logo2 = 0;
};

struct Placement {
    int katId = 0;
    std::string area;
    std::string stand;
    int mainKatId = 0;  // exhibitor whose stand this is, 0 for an own stand
};

struct Exhibit {
    int katId = 0;
    int code = 0;
    Texts text;  // only the languages of the catalogue's exhibit columns are used
    bool news = false;
};

struct RepresentedFirm {
    int katId = 0;
    std::string name;
};

struct Brand {
    int katId = 0;
    std::string name;
    int code = -1;  // index into the code list, -1 for none
    int logo = 0;
};

struct AdditionalInfo {
    int katId = 0;
    Texts text;
    int logo = 0;
};

struct Catalogue {
    std::vector<CatalogueInfo> catalogues;
    std::vector<Section> sections;
    std::vector<Exhibitor> exhibitors;  // ordered by KAT_ID
    std::vector<NomenclatureEntry> nomenclatures;
    std::vector<Placement> placements;
    std::vector<Exhibit> exhibits;
    std::vector<RepresentedFirm> firms;
    std::vector<Brand> brands;
    std::vector<AdditionalInfo> additionalInfo;
    std::vector<Logo> logos;  // every picture the records name, each id once

    const Exhibitor* findExhibitor(int katId) const;
    const Section& section(int id) const;
    const CatalogueInfo& catalogue(int id) const;
};

struct BuildOptions {
    uint64_t seed = 20250415;
    int exhibitors = 400;
    bool featured = true;  // the hand-made exhibitors that the disc's pages talk about
    int maxLogos = 0;      // 0: a picture per logo; otherwise pictures are shared among this many
};

Catalogue buildCatalogue(const BuildOptions& options);

// The language names the catalogues' language rows carry ("Čes", "Ang", ...), by
// user-interface language; config.ini's section "uvod" names the languages the same way.
const std::array<const char*, kLanguages>& languageNames();

}  // namespace expo::demogen
