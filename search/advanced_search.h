#pragma once
// The advanced search on the catalogue datasets: the exhibitor filter on CDSZaznamy, and each
// detail filter on its detail dataset linked to the exhibitors on KAT_ID. Qt-free.
#include <vector>

#include "presentation/catalogue/catalogue.h"
#include "presentation/catalogue/exhibitor_list.h"
#include "search/search_filter.h"

namespace expo::search {

// The exhibitors that pass the exhibitor filter and have at least one record passing each
// detail filter that is set, in KAT_ID order.
//
// CDSZaznamy keeps the exhibitor filter (switched off when it is empty) and the order KAT_ID; a
// detail with a filter keeps that filter and the order KAT_ID; the others keep theirs. The
// details are unlinked again whatever happens. When the engine rejects an expression, the error
// is thrown, and a dataset it left closed is opened again without a filter.
std::vector<presentation::ExhibitorEntry> findExhibitors(presentation::Catalogue& catalogue,
                                                         const AdvancedFilters& filters);

}  // namespace expo::search
