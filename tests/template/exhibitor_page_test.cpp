// The language columns of an exhibitor's catalogue and the making of its page.
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
    const std::tuple<std::vector<const char*>, std::string, std::string> cases[] = {
        {{"Čes", "Angl", "Něm", "Angl", "", "Angl", "Angl", ""}, "1", "0"},  // the first of two
        {{"Čes", "Něm", "", "Angl", "", "Čes", "", ""}, "3", "9"},
        {{" Angl ", "", "", "", "", "", "", "Angl  "}, "0", "2"},
        {{"ANGL", "angl", "", "", "", "ANGL", "", ""}, "8", "9"},  // letter case counts
        {{"", "", "", "", "Angl", "", "", "Angl"}, "4", "2"},
    };
    for (const auto& [names, language, exhibit] : cases) {
        ds::ClientDataSet jazyky("CDSJazyky");
        Row row{1};
        for (const char* name : names) {
            row.emplace_back(cp(name));
        }
        load(jazyky, kLanguageColumns, {row});
        const LanguageSuffixes chosen = chooseLanguageSuffixes(jazyky, "Angl", "8", "9");
        EXPECT_EQ(chosen.languageSuffix, language) << names[0];
        EXPECT_EQ(chosen.expLanguageSuffix, exhibit) << names[0];
    }
}

// A catalogue of two exhibitors in two catalogues, on a disc in a folder of the test's own.
class ExhibitorPage : public ::testing::Test {
  protected:
    ExhibitorPage() {
        load(jazyky, kLanguageColumns, {{1, cp("Čes"), "Angl", "", "", "", cp("Čes"), "Angl", ""}});
        load(world.CDSZaznamy, {"KAT_ID:int", "CKAT_ID:int", "KAT_NAZEV", "KAT_TEXT0", "KAT_TEXT1"},
             {{7, 1, "Alfa", "text cz", "text en"},
              {8, 2, "Beta", "beta cz", "beta en"},
              {9, 1, "Dvojnik", "", ""},
              {9, 1, "Dvojnik", "", ""}});
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
    EXPECT_EQ(suffixes.languageSuffix + suffixes.expLanguageSuffix, "11");
    EXPECT_EQ(jazyky.filter() + " " + world.CDSZaznamy.filter(), "CKAT_ID=1 KAT_ID=7");
    // A catalogue without language row takes the defaults.
    EXPECT_EQ(make("8"), "<h1>Beta</h1>beta cz|<i></i>");
    EXPECT_EQ(suffixes.languageSuffix + suffixes.expLanguageSuffix, "00");
    suffixes = {"untouched", ""};
    EXPECT_EQ(make("42"), std::nullopt);
    EXPECT_EQ(world.CDSZaznamy.filter(), "KAT_ID=42");
    EXPECT_TRUE(world.CDSZaznamy.filtered());
    EXPECT_EQ(make("9"), std::nullopt);
    EXPECT_EQ(suffixes.languageSuffix, "untouched");
}

TEST_F(ExhibitorPage, TemplateReadAnewForEveryPageAndAMissingOneIsAnErrorAfterTheLanguage) {
    make("7");
    disc.write("Sablony/Vystavovatel.html", "#NAZEVFIRMY#!");
    EXPECT_EQ(make("7"), "Alfa!");
    templateName = "chybi.html";
    suffixes = {};
    EXPECT_THROW(make("7"), Error);
    EXPECT_EQ(suffixes.languageSuffix, "1");
    for (const char* missing : {"", "  "}) {
        templateName = missing;  // names the setting, not the program's folder
        try {
            make("7");
            ADD_FAILURE() << "no error";
        } catch (const Error& e) {
            EXPECT_NE(std::string(e.what()).find("\"sablona0\" v sekci [SysPolozkaVystavovatele]"),
                      std::string::npos)
                << e.what();
        }
    }
}

}  // namespace
}  // namespace expo::testing
