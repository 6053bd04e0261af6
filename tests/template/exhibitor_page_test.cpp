// The language columns of an exhibitor's catalogue and the making of its page.
#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "platform/os/paths.h"
#include "platform/text/error.h"
#include "platform/text/text.h"
#include "presentation/exhibitor_page.h"
#include "tests/core/temp_folder.h"
#include "tests/template/page_data.h"

namespace expo::testing {
namespace {

using presentation::chooseLanguageSuffixes;
using presentation::LanguageSuffixes;
using text::cp;

struct LanguageCase {
    const char* name;
    std::vector<const char*> row;  // JAZ_ID0 ... JAZ_ID4, JAZ_ID0_EXP ... JAZ_ID2_EXP
    std::string language;          // suffixes chosen for "Angl" with the defaults "8" and "9"
    std::string exhibit;
};

void PrintTo(const LanguageCase& c, std::ostream* os) {
    *os << c.name;
}

class LanguageColumns : public ::testing::TestWithParam<LanguageCase> {};

TEST_P(LanguageColumns, AreChosenByTheLanguageName) {
    const LanguageCase& c = GetParam();
    ds::ClientDataSet jazyky("CDSJazyky");
    Row row{1};
    for (const char* value : c.row) {
        row.emplace_back(cp(value));
    }
    load(jazyky,
         {"CKAT_ID:int", "JAZ_ID0", "JAZ_ID1", "JAZ_ID2", "JAZ_ID3", "JAZ_ID4", "JAZ_ID0_EXP",
          "JAZ_ID1_EXP", "JAZ_ID2_EXP"},
         {row});
    const LanguageSuffixes chosen = chooseLanguageSuffixes(jazyky, "Angl", "8", "9");
    EXPECT_EQ(chosen.languageSuffix, c.language);
    EXPECT_EQ(chosen.expLanguageSuffix, c.exhibit);
}

INSTANTIATE_TEST_SUITE_P(
    Pages, LanguageColumns,
    ::testing::Values(
        LanguageCase{
            "FirstOfTwo", {"Čes", "Angl", "Něm", "Angl", "", "Angl", "Angl", ""}, "1", "0"},
        LanguageCase{
            "OnlyInTheFourthColumn", {"Čes", "Něm", "", "Angl", "", "Čes", "", ""}, "3", "9"},
        LanguageCase{"BlanksAround", {" Angl ", "", "", "", "", "", "", "Angl  "}, "0", "2"},
        LanguageCase{"OtherCase", {"ANGL", "angl", "", "", "", "ANGL", "", ""}, "8", "9"},
        LanguageCase{"LastColumns", {"", "", "", "", "Angl", "", "", "Angl"}, "4", "2"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LanguageColumns, WithoutLanguageRowTheDefaults) {
    ds::ClientDataSet jazyky("CDSJazyky");
    load(jazyky, {"CKAT_ID:int", "JAZ_ID0", "JAZ_ID0_EXP"}, {{1, "Angl", "Angl"}});
    jazyky.setFilter("CKAT_ID=2");
    jazyky.setFiltered(true);
    const LanguageSuffixes chosen = chooseLanguageSuffixes(jazyky, "Angl", "8", "9");
    EXPECT_EQ(chosen.languageSuffix, "8");
    EXPECT_EQ(chosen.expLanguageSuffix, "9");
}

// A catalogue of two exhibitors in two catalogues, on a disc in a folder of the test's own.
class ExhibitorPage : public ::testing::Test {
  protected:
    ExhibitorPage() {
        load(jazyky,
             {"CKAT_ID:int", "JAZ_ID0", "JAZ_ID1", "JAZ_ID2", "JAZ_ID3", "JAZ_ID4", "JAZ_ID0_EXP",
              "JAZ_ID1_EXP", "JAZ_ID2_EXP"},
             {{1, cp("Čes"), "Angl", "", "", "", cp("Čes"), "Angl", ""}});
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
    LanguageSuffixes suffixes{"untouched", "untouched"};
};

TEST_F(ExhibitorPage, FilledInTheLanguageOfItsCatalogue) {
    EXPECT_EQ(make("7"), "<h1>Alfa</h1>text en|<i>exp en</i>");
    EXPECT_EQ(suffixes.languageSuffix, "1");
    EXPECT_EQ(suffixes.expLanguageSuffix, "1");
    EXPECT_EQ(jazyky.filter(), "CKAT_ID=1");
    EXPECT_EQ(world.CDSZaznamy.filter(), "KAT_ID=7");
}

TEST_F(ExhibitorPage, CatalogueWithoutLanguageRowTakesTheDefaults) {
    EXPECT_EQ(make("8"), "<h1>Beta</h1>beta cz|<i></i>");
    EXPECT_EQ(suffixes.languageSuffix, "0");
    EXPECT_EQ(suffixes.expLanguageSuffix, "0");
}

TEST_F(ExhibitorPage, NoneForAnUnknownOrRepeatedKey) {
    EXPECT_EQ(make("42"), std::nullopt);
    EXPECT_EQ(world.CDSZaznamy.filter(), "KAT_ID=42");
    EXPECT_TRUE(world.CDSZaznamy.filtered());
    EXPECT_EQ(make("9"), std::nullopt);
    EXPECT_EQ(suffixes.languageSuffix, "untouched");
}

TEST_F(ExhibitorPage, TemplateReadAnewForEveryPage) {
    EXPECT_EQ(make("7"), "<h1>Alfa</h1>text en|<i>exp en</i>");
    disc.write("Sablony/Vystavovatel.html", "#NAZEVFIRMY#!");
    EXPECT_EQ(make("7"), "Alfa!");
}

TEST_F(ExhibitorPage, MissingTemplateIsAnErrorAfterTheLanguageChoice) {
    templateName = "chybi.html";
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

// The demo disc's templates in every language over its whole catalogue: each exhibitor gets
// a page without error marks.
TEST(DemoDisc, EveryExhibitorPageWithoutErrorMarks) {
    const std::string disc = EXPO_DISC_DIR "/";
    if (!std::filesystem::exists(disc + "data/data0.dat")) {
        GTEST_SKIP() << "no demo disc in " << disc;
    }
    presentation::Catalogue catalogue;
    for (int i = 0; i < presentation::Catalogue::kDataSetCount; ++i) {
        catalogue.load(i, disc + "data");
    }
    std::vector<std::string> katIds;
    for (catalogue.CDSZaznamy.first(); !catalogue.CDSZaznamy.eof(); catalogue.CDSZaznamy.next()) {
        katIds.push_back(catalogue.CDSZaznamy.text("KAT_ID"));
    }
    ASSERT_FALSE(katIds.empty());
    const auto ini = [&](std::string_view name) {
        return IniFile::load(os::resolveDiscPath(disc, name));
    };
    const IniFile config = ini("config.ini");
    const IniFile umisteni = ini("Umisteni\\umisteni.ini");
    const IniFile inzeraty = ini("Inzeraty\\index.ini");
    const IniFile expozice = ini("Expozice\\index.ini");
    for (int language = 0; language < 5; ++language) {
        const std::string number = std::to_string(language);
        const presentation::ExhibitorPageSettings settings{
            disc,
            config.readString("SysPolozkaVystavovatele", "sablona" + number, ""),
            text::trim(config.readString("uvod", "jaz" + number, "")),
            text::trim(config.readString("uvod", "defaultJazKat", "0")),
            text::trim(config.readString("uvod", "defaultJazKatExp", "0")),
            language,
            {},
            umisteni,
            inzeraty,
            expozice};
        for (const std::string& katId : katIds) {
            LanguageSuffixes suffixes;
            const auto page = makeExhibitorPage(catalogue, katId, settings, suffixes);
            ASSERT_TRUE(page.has_value()) << katId;
            EXPECT_EQ(page->find("ERR["), std::string::npos)
                << "language " << language << ", exhibitor " << katId;
        }
    }
}

}  // namespace
}  // namespace expo::testing
