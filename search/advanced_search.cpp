#include "search/advanced_search.h"

#include <array>

#include "platform/text/text.h"

namespace expo::search {
namespace {

using presentation::Catalogue;
using presentation::ExhibitorEntry;

struct Detail {
    ds::ClientDataSet* dataSet;
    const std::string* filter;
};

// The details in the order they are linked and tested.
std::array<Detail, 4> detailsOf(Catalogue& c, const AdvancedFilters& f) {
    return {{{&c.CDSNomenklatury, &f.FNomenclatureFilter},
             {&c.CDSUmisteni, &f.FLocationFilter},
             {&c.CDSZastFir, &f.FRepresentedFirmFilter},
             {&c.CDSZastZnac, &f.FRepresentedBrandFilter}}};
}

void unlink(ds::ClientDataSet& detail) {
    detail.setMasterSource(nullptr);
    detail.setMasterFields("");
    detail.setPacketRecords(-1);
}

// Ends the links, and opens again, without the filter that kept it shut, a dataset that the
// engine could not open.
class LinkGuard {
  public:
    explicit LinkGuard(Catalogue& catalogue) : c_(catalogue) {}
    LinkGuard(const LinkGuard&) = delete;
    LinkGuard& operator=(const LinkGuard&) = delete;
    ~LinkGuard() {
        for (ds::ClientDataSet* detail :
             {&c_.CDSUmisteni, &c_.CDSNomenklatury, &c_.CDSZastFir, &c_.CDSZastZnac}) {
            unlink(*detail);
        }
        try {
            for (ds::ClientDataSet* dataSet : {&c_.CDSZaznamy, &c_.CDSNomenklatury, &c_.CDSUmisteni,
                                               &c_.CDSZastFir, &c_.CDSZastZnac}) {
                if (!dataSet->active()) {
                    dataSet->setFilter("");
                    dataSet->open();
                }
            }
        } catch (...) {
            // A dataset that was never loaded stays closed; the error on the way out tells why.
        }
    }

  private:
    Catalogue& c_;
};

}  // namespace

std::vector<ExhibitorEntry> findExhibitors(Catalogue& catalogue, const AdvancedFilters& filters) {
    ds::ClientDataSet& zaznamy = catalogue.CDSZaznamy;
    const std::array<Detail, 4> details = detailsOf(catalogue, filters);
    auto used = [](const Detail& d) { return !text::trim(*d.filter).empty(); };

    LinkGuard guard(catalogue);
    zaznamy.close();
    for (const Detail& d : details) {
        d.dataSet->close();
    }

    const bool filtered = !text::trim(filters.FExhibitorFilter).empty();
    zaznamy.setFilter(filtered ? filters.FExhibitorFilter : "");
    zaznamy.setFiltered(filtered);
    zaznamy.setIndexFieldNames("KAT_ID");
    for (const Detail& d : details) {
        if (used(d)) {
            d.dataSet->setMasterSource(&catalogue.DSZaznamy);
            d.dataSet->setIndexFieldNames("KAT_ID");
            d.dataSet->setMasterFields("KAT_ID");
            d.dataSet->setPacketRecords(0);
            d.dataSet->setFilter(*d.filter);
            d.dataSet->setFiltered(true);
        }
    }
    zaznamy.open();
    for (const Detail& d : details) {
        d.dataSet->open();
    }

    std::vector<ExhibitorEntry> found;
    for (zaznamy.first(); !zaznamy.eof(); zaznamy.next()) {
        bool matches = true;
        for (const Detail& d : details) {
            if (used(d) && d.dataSet->recordCount() == 0) {
                matches = false;
                break;
            }
        }
        if (matches) {
            found.push_back({presentation::exhibitorDisplayName(zaznamy.text("KAT_NAZEV")),
                             zaznamy.integer("KAT_ID")});
        }
    }
    return found;
}

}  // namespace expo::search
