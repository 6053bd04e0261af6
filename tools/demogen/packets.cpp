#include "tools/demogen/packets.h"

#include <map>
#include <stdexcept>
#include <string>
#include <unordered_map>

#include "tools/demogen/codelist.h"
#include "tools/demogen/discfiles.h"
#include "tools/demogen/vocabulary.h"
#include "tools/demogen/wording.h"

namespace expo::demogen {
namespace {

using ds::FieldDef;
using ds::FieldType;

FieldDef integer(std::string name, bool required = false) {
    return {std::move(name), FieldType::Integer, 4, required};
}
FieldDef fixed(std::string name, int width, bool required = false) {
    return {std::move(name), FieldType::FixedString, width, required};
}
FieldDef varying(std::string name, int width) {
    return {std::move(name), FieldType::String, width, false};
}
FieldDef memo(std::string name) {
    return {std::move(name), FieldType::Memo, 0, false};
}

// A family of language columns: NAME0 ... NAME<count-1>; the first one required when asked.
void family(std::vector<FieldDef>& fields, const std::string& name, int count,
            FieldDef (*make)(std::string, int, bool), int width, bool firstRequired = false) {
    for (int i = 0; i < count; ++i) {
        fields.push_back(make(name + std::to_string(i), width, firstRequired && i == 0));
    }
}
FieldDef memoColumn(std::string name, int, bool) {
    return memo(std::move(name));
}
FieldDef varyingColumn(std::string name, int width, bool) {
    return varying(std::move(name), width);
}

// Rows of one packet, filled by field name; unset values stay null.
class Table {
  public:
    explicit Table(std::vector<FieldDef> fields) {
        packet_.fields = std::move(fields);
        for (size_t i = 0; i < packet_.fields.size(); ++i) {
            index_.emplace(packet_.fields[i].name, i);
        }
    }
    Table& row() {
        packet_.rows.emplace_back(packet_.fields.size(), ds::Value{ds::Null{}});
        return *this;
    }
    Table& set(const std::string& field, int64_t v) { return put(field, v); }
    // UTF-8 text, stored in code page 1250; an empty text stays null unless the field is
    // required. Fixed-length fields listed in `padded` keep their blanks up to the full width.
    Table& text(const std::string& field, const std::string& utf8, bool padded = false) {
        const FieldDef& def = packet_.fields[column(field)];
        if (utf8.empty() && !def.required) {
            return *this;
        }
        std::string value = toDisc(utf8);
        if (padded && def.type == FieldType::FixedString &&
            static_cast<int>(value.size()) < def.size) {
            value.resize(static_cast<size_t>(def.size), ' ');
        }
        return put(field, std::move(value));
    }
    // Logo id with its pixel size; no logo leaves the id null and the size 0 × 0.
    Table& logo(const Catalogue& cat, int id, const std::string& idField,
                const std::string& widthField, const std::string& heightField) {
        int width = 0, height = 0;
        if (id != 0) {
            const Logo& l = cat.logos.at(static_cast<size_t>(id - 1));
            width = l.width;
            height = l.height;
            set(idField, id);
        }
        return set(widthField, width).set(heightField, height);
    }
    ds::Packet take() { return std::move(packet_); }

  private:
    size_t column(const std::string& field) const {
        const auto it = index_.find(field);
        if (it == index_.end()) {
            throw std::logic_error("no field " + field);
        }
        return it->second;
    }
    Table& put(const std::string& field, ds::Value v) {
        packet_.rows.back()[column(field)] = std::move(v);
        return *this;
    }

    ds::Packet packet_;
    std::unordered_map<std::string, size_t> index_;
};

// Text of catalogue column `column` for a catalogue, from texts by user-interface language.
std::string columnText(const Texts& texts, const CatalogueInfo& info, int column) {
    const int language = info.columns[static_cast<size_t>(column)];
    return language < 0 ? std::string() : texts[static_cast<size_t>(language)];
}

Texts codeNames(int code) {
    Texts t;
    for (size_t l = 0; l < kLanguages; ++l) {
        t[l] = std::string(codeList()[static_cast<size_t>(code)].names[l]);
    }
    return t;
}

// NOM_KOD, NOM_KOD_SORT and NOM_POPIS0..4 of a code, in the catalogue's column order.
void codeColumns(Table& t, int code, const CatalogueInfo& info) {
    if (code < 0) {
        return;
    }
    const std::string_view c = codeList()[static_cast<size_t>(code)].code;
    t.text("NOM_KOD", std::string(c)).text("NOM_KOD_SORT", codeSortKey(c), true);
    const Texts names = codeNames(code);
    for (int col = 0; col < 5; ++col) {
        t.text("NOM_POPIS" + std::to_string(col), columnText(names, info, col));
    }
}

const CatalogueInfo& catalogueOf(const Catalogue& cat, int katId) {
    return cat.catalogue(cat.findExhibitor(katId)->catalogue);
}

ds::Packet languages(const Catalogue& cat) {
    std::vector<FieldDef> f = {integer("CKAT_ID", true)};
    family(f, "JAZ_ID", 5, fixed, 3, true);
    for (int i = 0; i < 3; ++i) {
        f.push_back(fixed("JAZ_ID" + std::to_string(i) + "_EXP", 3, i == 0));
    }
    Table t(std::move(f));
    for (const CatalogueInfo& c : cat.catalogues) {
        t.row().set("CKAT_ID", c.id);
        for (size_t col = 0; col < c.columns.size(); ++col) {
            if (c.columns[col] >= 0) {
                t.text("JAZ_ID" + std::to_string(col),
                       languageNames()[static_cast<size_t>(c.columns[col])]);
            }
        }
        for (size_t col = 0; col < c.exhibitColumns.size(); ++col) {
            t.text("JAZ_ID" + std::to_string(col) + "_EXP",
                   languageNames()[static_cast<size_t>(c.exhibitColumns[col])]);
        }
    }
    return t.take();
}

ds::Packet sections(const Catalogue& cat) {
    std::vector<FieldDef> f = {integer("SEKCE_ID", true)};
    family(f, "SEKCE_NAZEV", 5, fixed, 80, true);
    f.push_back(integer("CKAT_ID", true));
    f.push_back(integer("SEKCE_PORADI", true));
    Table t(std::move(f));
    for (const Section& s : cat.sections) {
        t.row().set("SEKCE_ID", s.id);
        for (int col = 0; col < 5; ++col) {
            t.text("SEKCE_NAZEV" + std::to_string(col),
                   columnText(s.name, cat.catalogue(s.catalogue), col));
        }
        t.set("CKAT_ID", s.catalogue).set("SEKCE_PORADI", s.id * 10);
    }
    return t.take();
}

std::string catalogueName(int catalogue) {
    return catalogue == 1 ? "Hlavní katalog" : "Katalog služeb a vzdělávání";
}

ds::Packet exhibitors(const Catalogue& cat) {
    std::vector<FieldDef> f = {integer("KAT_ID", true),
                               integer("SEKCE_ID"),
                               fixed("CKAT_NAZEV", 50, true),
                               integer("CKAT_ID", true),
                               integer("FRM_ID"),
                               fixed("KAT_NAZEV", 255, true),
                               integer("UC_PRIH"),
                               fixed("KAT_ULICE", 80),
                               fixed("KAT_PSC", 15),
                               fixed("KAT_MESTO", 48),
                               fixed("STAT_ID", 3, true),
                               fixed("KAT_TELEFON1_1", 35),
                               fixed("KAT_TELEFON1_2", 35),
                               fixed("KAT_FAX1", 35),
                               varying("KAT_EMAIL", 60),
                               varying("KAT_WEB", 60),
                               fixed("KAT_P_2ADRESA", 1, true),
                               fixed("KAT_NAZEV2", 255),
                               fixed("KAT_ULICE2", 80),
                               fixed("KAT_PSC2", 15),
                               fixed("KAT_MESTO2", 48),
                               fixed("STAT_ID2", 3),
                               fixed("KAT_TELEFON2_1", 35),
                               fixed("KAT_TELEFON2_2", 35),
                               fixed("KAT_FAX2", 35),
                               varying("KAT_EMAIL2", 60),
                               varying("KAT_WEB2", 60)};
    family(f, "KAT_TEXT", 5, memoColumn, 0);
    f.push_back(integer("LOGO_ID1"));
    f.push_back(integer("LOGO_ID2"));
    family(f, "KAT_ZVERPOZN", 5, fixed, 150);
    f.push_back(fixed("KAT_POBOX", 15));
    f.push_back(fixed("KAT_PSCPOBOX", 8));
    for (const char* name : {"LOGO1_WIDTH", "LOGO1_HEIGHT", "LOGO2_WIDTH", "LOGO2_HEIGHT"}) {
        f.push_back(integer(name, true));
    }
    f.push_back(integer("COUNTEXP"));
    f.push_back(fixed("NOVINKA", 1));
    Table t(std::move(f));

    std::map<int, int> exhibitCount, newsCount;
    for (const Exhibit& x : cat.exhibits) {
        ++exhibitCount[x.katId];
        newsCount[x.katId] += x.news ? 1 : 0;
    }
    for (const Exhibitor& e : cat.exhibitors) {
        const CatalogueInfo& info = cat.catalogue(e.catalogue);
        t.row()
            .set("KAT_ID", e.katId)
            .set("SEKCE_ID", e.section)
            .text("CKAT_NAZEV", catalogueName(e.catalogue))
            .set("CKAT_ID", e.catalogue)
            .set("FRM_ID", 50000 + e.katId)
            .text("KAT_NAZEV", e.name)
            .set("UC_PRIH", e.registration)
            .text("KAT_ULICE", e.address.street)
            .text("KAT_PSC", e.address.postcode)
            .text("KAT_MESTO", e.address.city)
            .text("STAT_ID", e.address.country)
            .text("KAT_TELEFON1_1", e.address.phone1, true)
            .text("KAT_TELEFON1_2", e.address.phone2, true)
            .text("KAT_FAX1", e.address.fax, true)
            .text("KAT_EMAIL", e.address.email)
            .text("KAT_WEB", e.address.web)
            .text("KAT_P_2ADRESA", e.second ? "A" : "N");
        if (e.second) {
            t.text("KAT_NAZEV2", e.second->name)
                .text("KAT_ULICE2", e.second->street)
                .text("KAT_PSC2", e.second->postcode)
                .text("KAT_MESTO2", e.second->city)
                .text("STAT_ID2", e.second->country)
                .text("KAT_TELEFON2_1", e.second->phone1, true)
                .text("KAT_TELEFON2_2", e.second->phone2, true)
                .text("KAT_FAX2", e.second->fax, true)
                .text("KAT_EMAIL2", e.second->email)
                .text("KAT_WEB2", e.second->web);
        }
        for (int col = 0; col < 5; ++col) {
            t.text("KAT_TEXT" + std::to_string(col), columnText(e.text, info, col));
            t.text("KAT_ZVERPOZN" + std::to_string(col), columnText(e.note, info, col));
        }
        t.logo(cat, e.logo1, "LOGO_ID1", "LOGO1_WIDTH", "LOGO1_HEIGHT");
        t.logo(cat, e.logo2, "LOGO_ID2", "LOGO2_WIDTH", "LOGO2_HEIGHT");
        t.text("KAT_POBOX", e.poBox, true).text("KAT_PSCPOBOX", e.poBoxPostcode);
        t.set("COUNTEXP", exhibitCount[e.katId]);
        if (newsCount[e.katId] > 0) {
            t.text("NOVINKA", "x");
        }
    }
    return t.take();
}

ds::Packet nomenclatures(const Catalogue& cat) {
    std::vector<FieldDef> f = {integer("KAT_ID", true)};
    family(f, "KTN_TEXT", 5, memoColumn, 0);
    f.push_back(fixed("NOM_KOD", 20));
    f.push_back(fixed("NOM_KOD_SORT", 14));
    family(f, "NOM_POPIS", 5, fixed, 150);
    f.push_back(integer("LOGO_ID1"));
    f.push_back(integer("LOGO_ID2"));
    f.push_back(integer("CKAT_ID"));
    for (const char* name : {"LOGO1_WIDTH", "LOGO1_HEIGHT", "LOGO2_WIDTH", "LOGO2_HEIGHT"}) {
        f.push_back(integer(name, true));
    }
    Table t(std::move(f));
    for (const NomenclatureEntry& n : cat.nomenclatures) {
        const CatalogueInfo& info = catalogueOf(cat, n.katId);
        t.row().set("KAT_ID", n.katId);
        for (int col = 0; col < 5; ++col) {
            t.text("KTN_TEXT" + std::to_string(col), columnText(n.text, info, col));
        }
        codeColumns(t, n.code, info);
        t.logo(cat, n.logo1, "LOGO_ID1", "LOGO1_WIDTH", "LOGO1_HEIGHT");
        t.logo(cat, n.logo2, "LOGO_ID2", "LOGO2_WIDTH", "LOGO2_HEIGHT");
        t.set("CKAT_ID", info.id);
    }
    return t.take();
}

ds::Packet placements(const Catalogue& cat) {
    Table t({fixed("KTU_STANEK", 10), fixed("KAT_NAZEV", 255), fixed("PLO_ZKRAT", 20),
             integer("KAT_ID"), fixed("KAT_NAZEV_HL", 255), integer("KAT_ID_HLVYST"),
             integer("CKAT_ID")});
    for (const Placement& p : cat.placements) {
        const Exhibitor* e = cat.findExhibitor(p.katId);
        t.row()
            .text("KTU_STANEK", p.stand, true)
            .text("KAT_NAZEV", e->name)
            .text("PLO_ZKRAT", p.area)
            .set("KAT_ID", p.katId)
            .set("CKAT_ID", e->catalogue);
        if (p.mainKatId != 0) {
            t.text("KAT_NAZEV_HL", cat.findExhibitor(p.mainKatId)->name)
                .set("KAT_ID_HLVYST", p.mainKatId);
        }
    }
    return t.take();
}

ds::Packet exhibits(const Catalogue& cat) {
    std::vector<FieldDef> f;
    family(f, "KTE_TEXT", 3, varyingColumn, 800);
    f.push_back(fixed("NOM_KOD", 20));
    f.push_back(fixed("NOM_KOD_SORT", 14));
    family(f, "NOM_POPIS", 5, fixed, 150);
    f.push_back(integer("KAT_ID"));
    f.push_back(integer("CKAT_ID"));
    f.push_back(fixed("KTE_NOVINKA", 1, true));
    Table t(std::move(f));
    for (const Exhibit& x : cat.exhibits) {
        const CatalogueInfo& info = catalogueOf(cat, x.katId);
        t.row();
        for (size_t col = 0; col < 3; ++col) {
            t.text("KTE_TEXT" + std::to_string(col),
                   x.text[static_cast<size_t>(info.exhibitColumns[col])]);
        }
        codeColumns(t, x.code, info);
        t.set("KAT_ID", x.katId).set("CKAT_ID", info.id).text("KTE_NOVINKA", x.news ? "x" : " ");
    }
    return t.take();
}

ds::Packet firms(const Catalogue& cat) {
    Table t({fixed("KTF_TEXT", 100, true), integer("KAT_ID"), integer("CKAT_ID")});
    for (const RepresentedFirm& r : cat.firms) {
        t.row()
            .text("KTF_TEXT", r.name)
            .set("KAT_ID", r.katId)
            .set("CKAT_ID", catalogueOf(cat, r.katId).id);
    }
    return t.take();
}

ds::Packet brands(const Catalogue& cat) {
    std::vector<FieldDef> f = {fixed("KTZ_TEXT", 50, true), integer("LOGO_ID"),
                               integer("KAT_ID"),           integer("CKAT_ID"),
                               fixed("NOM_KOD", 20),        fixed("ktz_p_blogo", 1, true),
                               fixed("NOM_KOD_SORT", 14)};
    family(f, "NOM_POPIS", 5, fixed, 150);
    f.push_back(integer("LOGO_WIDTH", true));
    f.push_back(integer("LOGO_HEIGHT", true));
    Table t(std::move(f));
    for (const Brand& b : cat.brands) {
        const CatalogueInfo& info = catalogueOf(cat, b.katId);
        t.row().text("KTZ_TEXT", b.name).set("KAT_ID", b.katId).set("CKAT_ID", info.id);
        t.text("ktz_p_blogo", b.logo != 0 ? "A" : "N");
        codeColumns(t, b.code, info);
        t.logo(cat, b.logo, "LOGO_ID", "LOGO_WIDTH", "LOGO_HEIGHT");
    }
    return t.take();
}

ds::Packet codes() {
    std::vector<FieldDef> f = {fixed("NOM_KOD", 20, true), fixed("NOM_KOD_SORT", 14)};
    family(f, "NOM_POPIS", 5, fixed, 150, true);
    Table t(std::move(f));
    const auto list = codeList();
    for (size_t i = 0; i < list.size(); ++i) {
        t.row()
            .text("NOM_KOD", std::string(list[i].code))
            .text("NOM_KOD_SORT", codeSortKey(list[i].code), true);
        for (size_t l = 0; l < kLanguages; ++l) {
            t.text("NOM_POPIS" + std::to_string(l), std::string(list[i].names[l]));
        }
    }
    return t.take();
}

ds::Packet areas(const Catalogue& cat) {
    Table t({integer("SEKCE_ID"), fixed("PLO_ZKRAT", 20, true)});
    for (const Section& s : cat.sections) {
        for (const std::string& area : s.areas) {
            t.row().set("SEKCE_ID", s.id).text("PLO_ZKRAT", area);
        }
    }
    return t.take();
}

ds::Packet countryList(const Catalogue& cat) {
    Table t({integer("SEKCE_ID"), fixed("STAT_ID", 3, true), fixed("STAT_NAZEV", 50, true),
             fixed("STAT_NAZEV_ADR", 50, true)});
    std::map<int, std::set<std::string>> present;  // section -> country codes of its exhibitors
    for (const Exhibitor& e : cat.exhibitors) {
        present[e.section].insert(e.address.country);
    }
    for (const auto& [section, codes] : present) {
        for (const std::string& code : codes) {
            const CountryWords& c = country(code);
            t.row()
                .set("SEKCE_ID", section)
                .text("STAT_ID", std::string(c.code))
                .text("STAT_NAZEV", std::string(c.name))
                .text("STAT_NAZEV_ADR", std::string(c.addressName));
        }
    }
    return t.take();
}

ds::Packet additional(const Catalogue& cat) {
    std::vector<FieldDef> f = {fixed("doplinf_popis", 80)};
    for (int i = 1; i < 5; ++i) {
        f.push_back(fixed("doplinf_popis" + std::to_string(i), 80));
    }
    f.push_back(integer("logo_id"));
    f.push_back(integer("KAT_ID"));
    f.push_back(integer("CKAT_ID"));
    f.push_back(integer("LOGO_WIDTH", true));
    f.push_back(integer("LOGO_HEIGHT", true));
    Table t(std::move(f));
    for (const AdditionalInfo& a : cat.additionalInfo) {
        const CatalogueInfo& info = catalogueOf(cat, a.katId);
        t.row();
        for (int col = 0; col < 5; ++col) {
            t.text(col == 0 ? "doplinf_popis" : "doplinf_popis" + std::to_string(col),
                   columnText(a.text, info, col));
        }
        t.logo(cat, a.logo, "logo_id", "LOGO_WIDTH", "LOGO_HEIGHT");
        t.set("KAT_ID", a.katId).set("CKAT_ID", info.id);
    }
    return t.take();
}

}  // namespace

ds::Packet buildPacket(const Catalogue& catalogue, int index) {
    switch (index) {
        case 0:
            return languages(catalogue);
        case 1:
            return sections(catalogue);
        case 2:
            return exhibitors(catalogue);
        case 3:
            return nomenclatures(catalogue);
        case 4:
            return placements(catalogue);
        case 5:
            return exhibits(catalogue);
        case 6:
            return firms(catalogue);
        case 7:
            return brands(catalogue);
        case 8:
            return codes();
        case 9:
            return areas(catalogue);
        case 10:
            return countryList(catalogue);
        case 11:
            return additional(catalogue);
        default:
            throw std::out_of_range("no data file " + std::to_string(index));
    }
}

void writeDataFiles(const Catalogue& catalogue, const std::filesystem::path& disc,
                    const std::set<int>& xmlFiles) {
    for (int i = 0; i < kDataFiles; ++i) {
        const ds::Packet packet = buildPacket(catalogue, i);
        const bool xml = xmlFiles.contains(i);
        writeFile(disc / "data" / ("data" + std::to_string(i) + ".dat"),
                  xml ? ds::writeXmlPacket(packet) : ds::writeBinaryPacket(packet));
    }
}

}  // namespace expo::demogen
