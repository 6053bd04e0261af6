#include "search/code_lists.h"

#include <algorithm>

#include "platform/text/text.h"

namespace expo::search {
namespace {

using text::trim;

// Gives the code list the section's filter when there is one (the list's filter switch is
// declared on).
void filterBySection(ds::ClientDataSet& codeList, std::string_view sectionFilter) {
    std::string section = trim(sectionFilter);
    if (!section.empty()) {
        codeList.setFilter(std::move(section));
    }
}

bool holdsNoCase(const std::vector<std::string>& entries, std::string_view entry) {
    return std::any_of(entries.begin(), entries.end(),
                       [&](const std::string& e) { return text::equalsNoCase(e, entry); });
}

}  // namespace

std::vector<CountryEntry> countryEntries(ds::ClientDataSet& cisStat, std::string_view sectionFilter,
                                         std::string_view languageName) {
    filterBySection(cisStat, sectionFilter);
    const std::string nameField = languageName == text::cp("Čes") ? "STAT_NAZEV" : "STAT_NAZEV_ADR";
    cisStat.setIndexFieldNames(nameField);
    std::vector<CountryEntry> entries;
    std::vector<std::string> shown;
    for (cisStat.first(); !cisStat.eof(); cisStat.next()) {
        const std::string code = trim(cisStat.text("STAT_ID"));
        std::string entry = code + " - " + trim(cisStat.text(nameField));
        if (!holdsNoCase(shown, entry)) {
            shown.push_back(entry);
            entries.push_back({std::move(entry), code + " - " + trim(cisStat.text("STAT_NAZEV"))});
        }
    }
    return entries;
}

std::vector<std::string> pavilionEntries(ds::ClientDataSet& cisPloch,
                                         std::string_view sectionFilter) {
    filterBySection(cisPloch, sectionFilter);
    std::vector<std::string> entries;
    for (cisPloch.first(); !cisPloch.eof(); cisPloch.next()) {
        std::string code = trim(cisPloch.text("PLO_ZKRAT"));
        if (!holdsNoCase(entries, code)) {
            entries.push_back(std::move(code));
        }
    }
    return entries;
}

std::vector<NomenclatureRow> nomenclatureRows(ds::ClientDataSet& cisNom,
                                              std::string_view languageSuffix) {
    const std::string descriptionField = "NOM_POPIS" + std::string(languageSuffix);
    std::vector<NomenclatureRow> rows;
    for (cisNom.first(); !cisNom.eof(); cisNom.next()) {
        rows.push_back({trim(cisNom.text("NOM_KOD")), trim(cisNom.text(descriptionField))});
    }
    return rows;
}

std::optional<size_t> preselectedRow(const std::vector<NomenclatureRow>& rows,
                                     std::string_view typed) {
    const std::string start = trim(typed);
    if (start.empty()) {
        return std::nullopt;
    }
    for (size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].code.starts_with(start)) {
            return i;
        }
    }
    return std::nullopt;
}

}  // namespace expo::search
