#pragma once
// Builds the invented catalogue record by record: the hand-made exhibitors that the disc's pages
// describe (featured.cpp) and any number of random ones (builder.cpp).
#include <map>
#include <set>
#include <string>
#include <vector>

#include "tools/demogen/model.h"
#include "tools/demogen/rng.h"

namespace expo::demogen {

class Builder {
  public:
    explicit Builder(const BuildOptions& options);

    void addFeatured();
    void addRandom(int katId);
    Catalogue take();

    // Building blocks, shared by the random and the hand-made exhibitors.
    Exhibitor& newExhibitor(int katId, int section, std::string name, Address address);
    Address randomAddress(std::string_view countryCode, std::string_view companyName);
    int newLogo(std::string label, int width, int height);
    int randomLogo(std::string_view name);
    // An own stand in `area`, or a place at the stand of `mainKatId` when it is not 0.
    void place(const Exhibitor& e, const std::string& area, int mainKatId = 0);
    void addNomenclature(const Exhibitor& e, int code, int note = -1, int logo1 = 0, int logo2 = 0);
    void addExhibit(const Exhibitor& e, int code, bool news);
    void addFirm(const Exhibitor& e, std::string name);
    void addBrand(const Exhibitor& e, std::string name, int code, int logo);
    void addAdditionalInfo(const Exhibitor& e, int phrase, int logo);
    void setNote(Exhibitor& e, int phrase);
    // Company description in every language, from its fields, products and stand; call after
    // its nomenclatures and placements.
    void describe(Exhibitor& e, int founded, int staff);
    int groupLogo(int group);  // pictogram of a code-list group, made once
    int infoLogo(int phrase);  // badge of an additional-information phrase

    Rng& rng() { return rng_; }
    const Catalogue& catalogue() const { return cat_; }

  private:
    std::string randomCompanyName(std::string_view countryCode);
    std::vector<int> codesOfSection(int section) const;
    std::vector<int> codesOf(int katId) const;
    const Placement* ownPlacement(int katId) const;

    BuildOptions options_;
    Rng rng_;
    Catalogue cat_;
    std::set<std::string> usedNames_;
    std::map<std::string, int> nextStand_;  // next free stand number per area
    std::map<int, int> groupLogos_;
    std::map<int, std::vector<int>> codes_;         // code-list entries of each exhibitor
    std::map<int, size_t> firstPlacement_;          // first placement of each exhibitor
    std::map<int, size_t> ownStand_;                // first own stand of each exhibitor
    std::map<int, std::vector<int>> standHolders_;  // exhibitors with an own stand, by section
};

}  // namespace expo::demogen
