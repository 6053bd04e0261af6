// The language columns of an exhibitor's catalogue and the making of its page.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "platform/text/error.h"
#include "platform/text/text.h"
#include "presentation/page/exhibitor_page.h"
#include "tests/core/temp_folder.h"
#include "tests/template/page_data.h"

namespace expo::testing {
namespace {

using presentation::chooseLanguageSuffixes;
using presentation::LanguageSuffixes;
using text::cp;

const std::initializer_list<std::string_view> kLanguageColumns = {
    "CKAT_ID:int", "JAZ_ID0",     "JAZ_ID1",     "JAZ_ID2",    "JAZ_ID3",
    "JAZ_ID4",     "JAZ_ID0_EXP", "JAZ_ID1_EXP", "JAZ_ID2_EXP"};

TEST(LanguageColumns, AreChosenByTheLanguageName) {
    // JAZ_ID0 ... JAZ_ID4, JAZ_ID0_EXP ... JAZ_ID2_EXP, and the suffixes chosen for "Angl" with
    // the defaults "8" and "9".
    const std::pair<std::vector<const char*>, std::string> cases[] = {
        {{"Čes", "Angl", "Něm", "Angl", "", "Angl", "Angl", ""}, "10"},  // the first of two
        {{" Angl ", "", "", "", "", "", "", "Angl  "}, "02"},
        {{"ANGL", "angl", "", "", "", "ANGL", "", ""}, "89"},  // letter case counts
        {{"", "", "", "", "Angl", "", "", "Angl"}, "42"},
    };
    for (const auto& [names, suffixes] : cases) {
        ds::ClientDataSet jazyky("CDSJazyky");
        Row row{1};
        for (const char* name : names) {
            row.emplace_back(cp(name));
        }
        load(jazyky, kLanguageColumns, {row});
        const LanguageSuffixes chosen = chooseLanguageSuffixes(jazyky, "Angl", "8", "9");
        EXPECT_EQ(chosen.languageSuffix + chosen.expLanguageSuffix, suffixes) << names[0];
    }
}

// The column the criteria search reads before any exhibitor page has chosen one: the first
// catalogue that names the interface's language; the filter of the last page stays.
TEST(LanguageColumns, BeforeAnyPageTheFirstCatalogueThatNamesTheLanguage) {
    ds::ClientDataSet jazyky("CDSJazyky");
    load(jazyky, {"CKAT_ID:int", "JAZ_ID0", "JAZ_ID1", "JAZ_ID2", "JAZ_ID3", "JAZ_ID4"},
         // clang-format off
         {{1, "Angl", cp("Něm"), "", "", ""}, {2, "Angl", cp(" Čes "), "", "", ""},
          {3, cp("Čes"), "", "", "", "Rus"}});
    // clang-format on
    std::string suffixes;
    for (const char* language : {"Čes", "Něm", "Angl", "Rus", "čes"}) {
        suffixes += presentation::firstLanguageSuffixOf(jazyky, cp(language), "7");
    }
    EXPECT_EQ(suffixes, "11047");
    jazyky.setFilter("CKAT_ID=1");
    jazyky.setFiltered(true);
    EXPECT_EQ(presentation::firstLanguageSuffixOf(jazyky, "Rus", "0"), "4");
    EXPECT_EQ(jazyky.recordCount(), 1);
}

// A catalogue of two exhibitors in two catalogues, on a disc in a folder of the test's own.
class ExhibitorPage : public ::testing::Test {
  protected:
    ExhibitorPage() {
        load(jazyky, kLanguageColumns, {{1, cp("Čes"), "Angl", "", "", "", cp("Čes"), "Angl", ""}});
        load(world.CDSZaznamy, {"KAT_ID:int", "CKAT_ID:int", "KAT_NAZEV", "KAT_TEXT0", "KAT_TEXT1"},
             // clang-format off
             {{7, 1, "Alfa", "text cz", "text en"}, {8, 2, "Beta", "beta cz", "beta en"},
              {9, 1, "Dvojnik", "", ""}, {9, 1, "Dvojnik", "", ""}});
        // clang-format on
        load(world.CDSExponaty, {"KAT_ID:int", "KTE_TEXT0", "KTE_TEXT1", "NOM_KOD_SORT"},
             {{7, "exp cz", "exp en", "1"}});
        world.programFolder = disc.path().string() + "/";
        disc.write("Sablony/Vystavovatel.html",
                   "<h1>#NAZEVFIRMY#</h1>#TEXT#|#BEGINEXP#<i>#EXPONATTEXT#</i>#ENDEXP#");
    }

    std::optional<std::string> make(std::string_view katId) {
        const presentation::ExhibitorPageSettings settings{
            world.programFolder, templateName,      "Angl",           "0", "0", 0, {},
            world.umisteniIni,   world.inzeratyIni, world.expoziceIni};
        return presentation::makeExhibitorPage(jazyky, world.data(), katId, settings, suffixes);
    }

    TempFolder disc;
    PageWorld world;
    ds::ClientDataSet jazyky{"CDSJazyky"};
    std::string templateName = "sablony\\vystavovatel.html";
    LanguageSuffixes suffixes;
};

TEST_F(ExhibitorPage, FilledInTheLanguageOfItsCatalogueOrNoneForAnUnknownOrRepeatedKey) {
    EXPECT_EQ(make("7"), "<h1>Alfa</h1>text en|<i>exp en</i>");
    EXPECT_EQ(suffixes.languageSuffix + suffixes.expLanguageSuffix + jazyky.filter(),
              "11CKAT_ID=1");
    // A catalogue without language row takes the defaults.
    EXPECT_EQ(make("8"), "<h1>Beta</h1>beta cz|<i></i>");
    EXPECT_EQ(suffixes.languageSuffix + suffixes.expLanguageSuffix, "00");
    suffixes = {"untouched", ""};
    EXPECT_EQ(make("42"), std::nullopt);
    EXPECT_EQ(make("9"), std::nullopt);
    EXPECT_EQ(suffixes.languageSuffix + world.CDSZaznamy.filter(), "untouchedKAT_ID=9");
}

TEST_F(ExhibitorPage, TemplateReadAnewForEveryPageAndAMissingOneIsAnErrorAfterTheLanguage) {
    make("7");
    disc.write("Sablony/Vystavovatel.html", "#NAZEVFIRMY#!");
    EXPECT_EQ(make("7"), "Alfa!");
    templateName = "chybi.html";
    suffixes = {};
    EXPECT_THROW(make("7"), Error);
    EXPECT_EQ(suffixes.languageSuffix, "1");
    templateName = "  ";  // names the setting, not the program's folder
    EXPECT_THAT([this] { make("7"); }, ::testing::ThrowsMessage<Error>(::testing::HasSubstr(
                                           "\"sablona0\" v sekci [SysPolozkaVystavovatele]")));
}

}  // namespace
}  // namespace expo::testing
