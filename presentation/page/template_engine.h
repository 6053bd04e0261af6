#pragma once
// The exhibitor page template engine: fills an HTML template with one exhibitor's data.
//
// Markup of the template (the characters "#", "{" and "}" are always markup):
//   #KEYWORD#          replaced by the keyword's value, trimmed (see template_keywords.h);
//                      names are compared in upper case, blanks included
//   { ... }            an optional block, emitted only when one of its keywords (or of its
//                      inner blocks and loops) yielded a non-blank value; blocks nest up to
//                      three deep
//   #BEGINxxx<sep># ... #ENDxxx#
//                      a record loop: the body is repeated for each detail record of the
//                      exhibitor, with <sep> (the text after the loop word) between the
//                      repetitions; an empty loop still yields its body once
//
// Unknown keywords and too deep blocks leave marks of the form "ERR[...]" in the page.
// Templates whose loops cannot be carried out (a loop end outside its own loop body, two
// nested loops over the same dataset, a loop body cut short by "}" or by too deep blocks)
// end the page with such a mark instead of repeating text without end.
#include <optional>
#include <string>
#include <string_view>

#include "platform/dataset/dataset.h"

namespace expo::presentation {

// The datasets an exhibitor page reads: the exhibitor (filtered to the one shown) and the
// detail datasets that the record loops walk.
struct PageDataSets {
    ds::ClientDataSet& CDSZaznamy;
    ds::ClientDataSet& CDSNomenklatury;
    ds::ClientDataSet& CDSUmisteni;
    ds::ClientDataSet& CDSExponaty;
    ds::ClientDataSet& CDSZastFir;
    ds::ClientDataSet& CDSZastZnac;
    ds::ClientDataSet& CDSDoplnInf;
};

// Gives the values of the keywords.
class KeywordValues {
  public:
    virtual ~KeywordValues() = default;
    // The value of `keyword` as written in the template (`upperKeyword` is its upper case),
    // untrimmed; nullopt when it is none of the value keywords. Errors while reading data
    // propagate out of the fill.
    virtual std::optional<std::string> value(std::string_view keyword,
                                             std::string_view upperKeyword) const = 0;
};

// Fills `pageTemplate` (code page 1250 bytes, used unchanged) for the exhibitor whose KAT_ID
// is `katId` (decimal text, put into the loops' filters as it stands). The loops set filter,
// order and position of the detail datasets of `data`; a finished loop leaves its dataset
// unfiltered on its first record. Data errors (a missing field, a bad filter) propagate.
std::string fillTemplate(std::string_view pageTemplate, std::string_view katId,
                         const PageDataSets& data, const KeywordValues& keywords);

// Builds, ahead of the first page, the indexes that the loops' filters and orders use, so that
// the first page is made as quickly as the later ones. Fields a dataset lacks are passed over.
void prepareLoops(const PageDataSets& data);

}  // namespace expo::presentation
