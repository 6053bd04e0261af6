#pragma once
// The value lists of the search dialog and the rows of the nomenclature picker, read from the
// code-list datasets. Qt-free.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/dataset/dataset.h"

namespace expo::search {

// One country of CDSCisStat: "code - name" in the name column of the language (STAT_NAZEV for
// the language "Čes", else STAT_NAZEV_ADR), and "code - Czech name" for the simple page.
struct CountryEntry {
    std::string shown;
    std::string czech;
};

// The countries of the section `sectionFilter` (trimmed; an empty one leaves the dataset's filter
// as it is), ordered by the shown name, each entry once (letter case aside). The dataset keeps
// that filter and order.
std::vector<CountryEntry> countryEntries(ds::ClientDataSet& cisStat, std::string_view sectionFilter,
                                         std::string_view languageName);

// The area codes (PLO_ZKRAT) of CDSCisPloch for the section, in the dataset's order, each once
// (letter case aside). The dataset keeps the filter.
std::vector<std::string> pavilionEntries(ds::ClientDataSet& cisPloch,
                                         std::string_view sectionFilter);

// A row of the nomenclature picker: the code and its description.
struct NomenclatureRow {
    std::string code;
    std::string description;
};

// Every record of CDSCisNom as it presents them: NOM_KOD and the column "NOM_POPIS" + suffix,
// both trimmed. The dataset is left at its end.
std::vector<NomenclatureRow> nomenclatureRows(ds::ClientDataSet& cisNom,
                                              std::string_view languageSuffix);

// The first row whose code begins with the trimmed `typed` (letter case counts); none when
// `typed` is empty or no code fits.
std::optional<size_t> preselectedRow(const std::vector<NomenclatureRow>& rows,
                                     std::string_view typed);

}  // namespace expo::search
