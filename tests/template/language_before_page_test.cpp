// The catalogue column that the criteria search and the nomenclature picker read before any
// exhibitor page has chosen one: the first catalogue that names the interface's language.
#include <gtest/gtest.h>

#include <string>

#include "platform/text/text.h"
#include "presentation/page/exhibitor_page.h"
#include "tests/template/page_data.h"

namespace expo::testing {
namespace {

using presentation::firstLanguageSuffixOf;
using text::cp;

TEST(LanguageBeforeAnyPage, TheFirstCatalogueThatNamesTheLanguage) {
    ds::ClientDataSet jazyky("CDSJazyky");
    load(jazyky, {"CKAT_ID:int", "JAZ_ID0", "JAZ_ID1", "JAZ_ID2", "JAZ_ID3", "JAZ_ID4"},
         {{1, "Angl", cp("Něm"), "", "", ""},
          {2, "Angl", cp(" Čes "), "", "", ""},
          {3, cp("Čes"), "", "", "", ""}});
    const struct {
        const char* language;
        const char* suffix;
    } cases[] = {{"Čes", "1"}, {"Něm", "1"}, {"Angl", "0"}, {"Rus", "7"}, {"čes", "7"}};
    for (const auto& c : cases) {
        EXPECT_EQ(firstLanguageSuffixOf(jazyky, cp(c.language), "7"), c.suffix) << c.language;
    }
}

TEST(LanguageBeforeAnyPage, TheFilterOfTheLastPageStays) {
    ds::ClientDataSet jazyky("CDSJazyky");
    load(jazyky, {"CKAT_ID:int", "JAZ_ID0", "JAZ_ID1", "JAZ_ID2", "JAZ_ID3", "JAZ_ID4"},
         {{1, "Angl", "", "", "", ""}, {2, "Angl", "Rus", "", "", ""}});
    jazyky.setFilter("CKAT_ID=1");
    jazyky.setFiltered(true);
    EXPECT_EQ(firstLanguageSuffixOf(jazyky, "Rus", "0"), "1");
    EXPECT_TRUE(jazyky.filtered());
    EXPECT_EQ(jazyky.recordCount(), 1);
    EXPECT_EQ(jazyky.integer("CKAT_ID"), 1);
}

}  // namespace
}  // namespace expo::testing
