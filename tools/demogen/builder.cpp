#include "tools/demogen/builder.h"

#include <algorithm>
#include <array>
#include <stdexcept>

#include "platform/text/text.h"
#include "tools/demogen/codelist.h"
#include "tools/demogen/phrases.h"
#include "tools/demogen/vocabulary.h"
#include "tools/demogen/wording.h"

namespace expo::demogen {
namespace {

struct LogoShape {
    int width, height;
};
constexpr std::array<LogoShape, 8> kLogoShapes = {
    {{200, 100}, {160, 80}, {120, 120}, {240, 80}, {150, 100}, {100, 50}, {300, 120}, {90, 90}}};
constexpr int kPaletteSize = 12;  // colours of the badge palette (logos.cpp)

// Share of the exhibitors in each section, in percent.
constexpr std::array<int, 8> kSectionShare = {25, 18, 15, 8, 10, 9, 10, 5};

std::string digits(Rng& rng, int count) {
    std::string s;
    for (int i = 0; i < count; ++i) {
        s += static_cast<char>('0' + rng.below(10));
    }
    return s;
}

std::string phoneNumber(Rng& rng, const CountryWords& c, const Town& town) {
    if (c.code == "CZE" || c.code == "SVK") {
        std::string n =
            std::string(town.area) + digits(rng, 9 - static_cast<int>(town.area.size()));
        return std::string(c.phoneCode) + " " + n.substr(0, 3) + " " + n.substr(3, 3) + " " +
               n.substr(6);
    }
    return std::string(c.phoneCode) + " " + std::string(town.area) + " " + digits(rng, 7);
}

std::string streetLine(Rng& rng, const CountryWords& c) {
    const std::string street(rng.pick(c.streets));
    if (c.code == "CZE") {
        std::string s = street + " " + std::to_string(rng.between(1, 2500));
        return rng.chance(40) ? s + "/" + std::to_string(rng.between(1, 60)) : s;
    }
    if (c.code == "HUN") {
        return street + " " + std::to_string(rng.between(1, 120)) + ".";
    }
    return street + " " + std::to_string(rng.between(1, 180));
}

template <class T>
int weighted(Rng& rng, const T& shares) {
    int total = 0;
    for (int s : shares) {
        total += s;
    }
    int r = rng.below(total);
    for (size_t i = 0; i < shares.size(); ++i) {
        r -= shares[i];
        if (r < 0) {
            return static_cast<int>(i);
        }
    }
    return 0;
}

}  // namespace

Builder::Builder(const BuildOptions& options) : options_(options), rng_(options.seed) {
    cat_.catalogues = {{1, {0, 1, 2, 3, 4}, {0, 1, 2}}, {2, {2, 1, 0, 4, -1}, {2, 1, 0}}};
    const std::array<std::vector<std::string>, 8> areas = {
        {{"A", "B"}, {"C"}, {"D", "VP"}, {"E"}, {"F"}, {"G", "VP"}, {"K"}, {"K"}}};
    for (int i = 0; i < 8; ++i) {
        Section s;
        s.id = i + 1;
        s.catalogue = s.id <= 6 ? 1 : 2;
        for (int l = 0; l < kLanguages; ++l) {
            s.name[static_cast<size_t>(l)] = std::string(sectionNames()[static_cast<size_t>(i)][l]);
        }
        s.areas = areas[static_cast<size_t>(i)];
        cat_.sections.push_back(std::move(s));
    }
}

Catalogue Builder::take() {
    std::sort(cat_.exhibitors.begin(), cat_.exhibitors.end(),
              [](const Exhibitor& a, const Exhibitor& b) { return a.katId < b.katId; });
    return std::move(cat_);
}

Exhibitor& Builder::newExhibitor(int katId, int section, std::string name, Address address) {
    usedNames_.insert(name);
    Exhibitor e;
    e.katId = katId;
    e.section = section;
    e.catalogue = cat_.section(section).catalogue;
    e.name = std::move(name);
    e.address = std::move(address);
    e.registration = 2400 + katId % 997;
    cat_.exhibitors.push_back(std::move(e));
    return cat_.exhibitors.back();
}

Address Builder::randomAddress(std::string_view countryCode, std::string_view companyName) {
    const CountryWords& c = country(countryCode);
    const Town& town = rng_.pick(c.towns);
    Address a;
    a.street = streetLine(rng_, c);
    a.postcode = std::string(town.postcode);
    a.city = std::string(town.name);
    a.country = std::string(c.code);
    a.phone1 = phoneNumber(rng_, c, town);
    if (rng_.chance(50)) {
        a.phone2 = phoneNumber(rng_, c, town);
    }
    if (rng_.chance(40)) {
        a.fax = phoneNumber(rng_, c, town);
    }
    const std::string host = slug(companyName) + ".example";
    if (rng_.chance(90)) {
        a.email = std::string(rng_.chance(70) ? "info@" : "obchod@") + host;
    }
    if (rng_.chance(80)) {
        a.web = "www." + host;
    }
    return a;
}

std::string Builder::randomCompanyName(std::string_view countryCode) {
    const CountryWords& c = country(countryCode);
    std::string name;
    for (int attempt = 0; attempt < 20; ++attempt) {
        const std::string form(rng_.pick(c.legalForms));
        const std::string coined =
            std::string(rng_.pick(nameStems())) + std::string(rng_.pick(nameEndings()));
        switch (rng_.below(4)) {
            case 0:
                name = std::string(rng_.pick(c.surnames)) + " " + std::string(c.partnersJoin) +
                       " " + std::string(rng_.pick(c.surnames)) + " " + form;
                break;
            case 1:
                name = countryCode == "CZE"
                           ? std::string(rng_.pick(tradesCzech())) + " " + coined + " " + form
                           : coined + " " + form;
                break;
            default:
                name = coined + " " + form;
                break;
        }
        if (rng_.chance(8)) {
            const std::string upper = text::cp1250ToUtf8(text::upper(toDisc(name)));
            name = upper;
        }
        if (!usedNames_.contains(name)) {
            break;
        }
    }
    return name;
}

int Builder::newLogo(std::string label, int width, int height) {
    if (options_.maxLogos > 0 && static_cast<int>(cat_.logos.size()) >= options_.maxLogos) {
        return cat_.logos[static_cast<size_t>(rng_.below(options_.maxLogos))].id;
    }
    Logo logo;
    logo.id = static_cast<int>(cat_.logos.size()) + 1;
    logo.width = width;
    logo.height = height;
    logo.label = std::move(label);
    logo.colour = rng_.below(kPaletteSize);
    cat_.logos.push_back(logo);
    return logo.id;
}

int Builder::randomLogo(std::string_view name) {
    const LogoShape& shape = rng_.pick(std::span<const LogoShape>(kLogoShapes));
    return newLogo(initials(name), shape.width, shape.height);
}

int Builder::infoLogo(int phrase) {
    static constexpr std::array<const char*, 7> kLabels = {"ISO", "ISO", "1992", "VV",
                                                           "24H", "14",  "ZK"};
    return newLogo(kLabels.at(static_cast<size_t>(phrase)), 80, 80);
}

int Builder::groupLogo(int group) {
    auto it = groupLogos_.find(group);
    if (it == groupLogos_.end()) {
        const std::string label = (group < 10 ? "0" : "") + std::to_string(group);
        it = groupLogos_.emplace(group, newLogo(label, 64, 64)).first;
    }
    return it->second;
}

void Builder::place(const Exhibitor& e, const std::string& area, int mainKatId) {
    Placement p;
    p.katId = e.katId;
    p.area = area;
    p.mainKatId = mainKatId;
    if (mainKatId != 0) {
        const Placement* main = ownPlacement(mainKatId);
        if (main == nullptr) {
            throw std::logic_error("the main exhibitor has no stand of its own");
        }
        p.area = main->area;
        p.stand = main->stand;
    } else {
        auto [it, fresh] = nextStand_.emplace(area, 101);
        p.stand = area + " " + std::to_string(it->second);
        it->second += 1 + rng_.below(3);
    }
    const size_t index = cat_.placements.size();
    firstPlacement_.emplace(e.katId, index);
    if (mainKatId == 0 && ownStand_.emplace(e.katId, index).second) {
        standHolders_[e.section].push_back(e.katId);
    }
    cat_.placements.push_back(std::move(p));
}

const Placement* Builder::ownPlacement(int katId) const {
    const auto it = ownStand_.find(katId);
    return it == ownStand_.end() ? nullptr : &cat_.placements[it->second];
}

void Builder::addNomenclature(const Exhibitor& e, int code, int note, int logo1, int logo2) {
    NomenclatureEntry n;
    n.katId = e.katId;
    n.code = code;
    if (note >= 0) {
        const Phrase& p = nomenclatureNotes()[static_cast<size_t>(note)];
        for (size_t l = 0; l < kLanguages; ++l) {
            n.text[l] = std::string(p[l]);
        }
    }
    n.logo1 = logo1;
    n.logo2 = logo2;
    codes_[e.katId].push_back(code);
    cat_.nomenclatures.push_back(std::move(n));
}

// An exhibit is described only in words of its field: a food is never a model series, a school
// never uses energy.
void Builder::addExhibit(const Exhibitor& e, int code, bool news) {
    const Code& field = codeList()[static_cast<size_t>(code)];
    const Phrase& phrase = rng_.pick(exhibitTexts(fieldKind(field.code)));
    const std::string model = std::string(1, static_cast<char>('A' + rng_.below(26))) +
                              static_cast<char>('A' + rng_.below(26)) + "-" +
                              std::to_string(rng_.between(1, 9) * 100 + rng_.below(10) * 10);
    const std::string percent = std::to_string(rng_.between(8, 35));
    Exhibit x;
    x.katId = e.katId;
    x.code = code;
    x.news = news;
    for (size_t l = 0; l < 3; ++l) {
        const std::string product(field.names[l]);
        x.text[l] = fill(phrase[l], {{"product", product}, {"model", model}, {"percent", percent}});
    }
    cat_.exhibits.push_back(std::move(x));
}

void Builder::addFirm(const Exhibitor& e, std::string name) {
    cat_.firms.push_back({e.katId, std::move(name)});
}

void Builder::addBrand(const Exhibitor& e, std::string name, int code, int logo) {
    cat_.brands.push_back({e.katId, std::move(name), code, logo});
}

void Builder::addAdditionalInfo(const Exhibitor& e, int phrase, int logo) {
    AdditionalInfo info;
    info.katId = e.katId;
    const Phrase& p = additionalInfo()[static_cast<size_t>(phrase)];
    for (size_t l = 0; l < kLanguages; ++l) {
        info.text[l] = std::string(p[l]);
    }
    info.logo = logo;
    cat_.additionalInfo.push_back(std::move(info));
}

void Builder::setNote(Exhibitor& e, int phrase) {
    const Phrase& p = publicNotes()[static_cast<size_t>(phrase)];
    for (size_t l = 0; l < kLanguages; ++l) {
        e.note[l] = std::string(p[l]);
    }
}

std::vector<int> Builder::codesOfSection(int section) const {
    std::vector<int> codes;
    const auto list = codeList();
    for (size_t i = 0; i < list.size(); ++i) {
        const std::string_view code = list[i].code;
        if (code.size() > 2 &&
            sectionOfGroup(std::stoi(std::string(code.substr(0, 2)))) == section) {
            codes.push_back(static_cast<int>(i));
        }
    }
    return codes;
}

std::vector<int> Builder::codesOf(int katId) const {
    const auto it = codes_.find(katId);
    return it == codes_.end() ? std::vector<int>{} : it->second;
}

void Builder::describe(Exhibitor& e, int founded, int staff) {
    const std::vector<int> codes = codesOf(e.katId);
    const auto placed = firstPlacement_.find(e.katId);
    const Placement* stand =
        placed == firstPlacement_.end() ? nullptr : &cat_.placements[placed->second];
    // The name without its line break reads better inside a sentence.
    std::string name = e.name;
    for (size_t pos; (pos = name.find("\r\n")) != std::string::npos;) {
        name.replace(pos, 2, " ");
    }
    const auto lines = descriptionLines();
    for (size_t l = 0; l < kLanguages; ++l) {
        // Up to three of its fields, German nouns keeping their capital.
        std::string products;
        for (size_t i = 0; i < codes.size() && i < 3; ++i) {
            const std::string_view n = codeList()[static_cast<size_t>(codes[i])].names[l];
            products += (i > 0 ? ", " : "") + (l == 2 ? std::string(n) : lowerFirst(n));
        }
        std::string text = fill(
            lines[0][l],
            {{"name", name}, {"year", std::to_string(founded)}, {"staff", std::to_string(staff)}});
        if (!codes.empty()) {
            const std::string field(cat_.section(e.section).name[l]);
            text += "\r\n" + fill(lines[1][l], {{"field", l == 2 ? field : lowerFirst(field)},
                                                {"products", products}});
        }
        if (stand != nullptr) {
            text += "\r\n" + fill(lines[2][l], {{"area", stand->area}, {"stand", stand->stand}});
        }
        e.text[l] = std::move(text);
    }
}

void Builder::addRandom(int katId) {
    std::vector<int> countryShares;
    for (const CountryWords& c : countries()) {
        countryShares.push_back(c.share);
    }
    const int section = weighted(rng_, kSectionShare) + 1;
    const std::string_view countryCode =
        countries()[static_cast<size_t>(weighted(rng_, countryShares))].code;
    std::string name = randomCompanyName(countryCode);
    Address address = randomAddress(countryCode, name);
    Exhibitor& e = newExhibitor(katId, section, name, std::move(address));

    if (rng_.chance(35)) {
        const bool foreign = countryCode != "CZE";
        Address second = randomAddress("CZE", name);
        second.name =
            name + (foreign ? " – obchodní zastoupení ČR" : ", provozovna " + second.city);
        e.second = std::move(second);
    }
    if (rng_.chance(8)) {
        e.poBox = std::to_string(rng_.between(1, 400));
        e.poBoxPostcode = e.address.postcode;
    }
    if (rng_.chance(45)) {
        e.logo1 = randomLogo(name);
        if (rng_.chance(20)) {
            e.logo2 = randomLogo(name);
        }
    }
    if (rng_.chance(12)) {
        setNote(e, rng_.below(static_cast<int>(publicNotes().size())));
    }

    std::vector<int> pool = codesOfSection(section);
    const int nomCount = rng_.between(2, 6);
    for (int i = 0; i < nomCount && !pool.empty(); ++i) {
        const size_t at = static_cast<size_t>(rng_.below(static_cast<int>(pool.size())));
        const int code = pool[at];
        pool.erase(pool.begin() + static_cast<long>(at));
        const int group =
            std::stoi(std::string(codeList()[static_cast<size_t>(code)].code.substr(0, 2)));
        const int note =
            rng_.chance(25) ? rng_.below(static_cast<int>(nomenclatureNotes().size())) : -1;
        const int logo1 = rng_.chance(10) ? groupLogo(group) : 0;
        const int logo2 = logo1 != 0 && rng_.chance(30) ? randomLogo(name) : 0;
        addNomenclature(e, code, note, logo1, logo2);
    }

    const std::vector<std::string>& areas = cat_.section(section).areas;
    const std::vector<int>& mains = standHolders_[section];
    if (!mains.empty() && rng_.chance(8)) {
        place(e, areas.front(), rng_.pick(std::span<const int>(mains)));
    } else {
        place(e, rng_.pick(std::span<const std::string>(areas)));
        if (areas.size() > 1 && rng_.chance(15)) {
            place(e, areas.back());
        }
    }

    const std::vector<int> own = codesOf(katId);
    if (rng_.chance(70) && !own.empty()) {
        const int count = rng_.between(1, 5);
        for (int i = 0; i < count; ++i) {
            addExhibit(e, rng_.pick(std::span<const int>(own)), rng_.chance(30));
        }
    }
    if (rng_.chance(40)) {
        const int count = rng_.between(1, 3);
        for (int i = 0; i < count; ++i) {
            addFirm(e, std::string(rng_.pick(representedFirms())));
        }
    }
    if (rng_.chance(40)) {
        const int count = rng_.between(1, 3);
        for (int i = 0; i < count; ++i) {
            const std::string brand(rng_.pick(brandNames()));
            const int code =
                !own.empty() && rng_.chance(70) ? rng_.pick(std::span<const int>(own)) : -1;
            addBrand(e, brand, code, rng_.chance(40) ? randomLogo(brand) : 0);
        }
    }
    if (rng_.chance(35)) {
        const int count = rng_.between(1, 2);
        for (int i = 0; i < count; ++i) {
            const int phrase = rng_.below(static_cast<int>(additionalInfo().size()));
            addAdditionalInfo(e, phrase, rng_.chance(30) ? infoLogo(phrase) : 0);
        }
    }
    describe(e, rng_.between(1948, 2021), rng_.between(4, 900));
}

}  // namespace expo::demogen
