// The keyword values (fields, language columns, logos, links, the novelty mark), the language
// columns of an exhibitor's catalogue and the making of its page.
#include <gmock/gmock.h>

#include <optional>
#include <sstream>
#include <string>
#include <tuple>

#include "platform/text/error.h"
#include "platform/text/text.h"
#include "presentation/page/exhibitor_page.h"
#include "tests/presentation/page/page_data.h"
#include "tests/support/temp_folder.h"

namespace expo::testing {
namespace {

using presentation::scaledLogoSize;
using text::cp;

std::optional<std::string> valueOf(PageWorld& world, std::string_view keyword) {
    const presentation::TemplateKeywords keywords(world.context());
    return keywords.value(keyword, text::upper(keyword));
}

// One record of exhibitor 7 in `dataSet`: each text column holds its own name in lower case
// after `prefix`; the integer columns ("NAME:int") take `numbers` in turn.
void named(ds::ClientDataSet& dataSet, std::string_view prefix,
           std::initializer_list<std::string_view> columns, std::vector<int> numbers) {
    Row row;
    auto number = numbers.begin();
    for (const std::string_view column : columns) {
        row.push_back(column.ends_with(":int")
                          ? ds::Value(int64_t{*number++})
                          : ds::Value(std::string(prefix) +
                                      text::asciiLower(column.substr(0, column.find(':')))));
    }
    load(dataSet, columns, {row});
}

void loadEveryField(PageWorld& w) {
    // clang-format off
    named(w.CDSZaznamy, "", {"KAT_ID:int", "SEKCE_ID:int", "KAT_NAZEV", "KAT_ULICE", "KAT_MESTO",
          "KAT_PSC", "KAT_POBOX", "STAT_ID", "KAT_TELEFON1_1", "KAT_TELEFON1_2", "KAT_FAX1",
          "KAT_EMAIL", "KAT_WEB", "KAT_NAZEV2", "KAT_ULICE2", "KAT_MESTO2", "KAT_PSC2", "STAT_ID2",
          "KAT_TELEFON2_1", "KAT_TELEFON2_2", "KAT_FAX2", "KAT_EMAIL2", "KAT_WEB2", "KAT_TEXT0:memo",
          "KAT_TEXT1:memo", "KAT_ZVERPOZN0", "KAT_ZVERPOZN1", "LOGO_ID1:int", "LOGO_ID2:int",
          "LOGO1_WIDTH:int", "LOGO1_HEIGHT:int", "LOGO2_WIDTH:int", "LOGO2_HEIGHT:int"},
          {7, 5, 11, 12, 200, 100, 100, 50});
    named(w.CDSNomenklatury, "", {"KAT_ID:int", "NOM_KOD", "NOM_POPIS0", "NOM_POPIS1",
          "KTN_TEXT0:memo", "KTN_TEXT1:memo", "LOGO_ID1:int", "LOGO_ID2:int", "LOGO1_WIDTH:int",
          "LOGO1_HEIGHT:int", "LOGO2_WIDTH:int", "LOGO2_HEIGHT:int"}, {7, 21, 22, 100, 50, 10, 10});
    named(w.CDSExponaty, "exp_",
          {"KAT_ID:int", "KTE_TEXT0", "KTE_TEXT1", "NOM_KOD", "NOM_POPIS0", "NOM_POPIS1"}, {7});
    named(w.CDSUmisteni, "um_",
          {"KAT_ID:int", "PLO_ZKRAT", "KTU_STANEK", "KAT_NAZEV", "KAT_NAZEV_HL"}, {7});
    named(w.CDSZastFir, "", {"KAT_ID:int", "KTF_TEXT"}, {7});
    named(w.CDSZastZnac, "zn_", {"KAT_ID:int", "KTZ_TEXT", "NOM_KOD", "NOM_POPIS0", "NOM_POPIS1",
          "LOGO_ID:int", "LOGO_WIDTH:int", "LOGO_HEIGHT:int"}, {7, 31, 100, 100});
    named(w.CDSDoplnInf, "", {"KAT_ID:int", "doplinf_popis", "doplinf_popis1", "logo_id:int",
          "LOGO_WIDTH:int", "LOGO_HEIGHT:int"}, {7, 41, 100, 25});
    // clang-format on
    // Every kind of logo has an area of its own.
    w.logoAreas = {20000, 5000, 40000, 2500};
    w.show(7);
}

// Every keyword on one record of each dataset; language columns with the digit 1, so that a
// missing suffix shows; then the first language's columns, and a dataset without record.
TEST(Keywords, EveryKeywordReadsItsFieldByItsRuleLanguageColumnsAndDatasetsWithoutRecord) {
    // "KEYWORD=value" separated by blanks; "-": no keyword. L: the logos' folder.
    // clang-format off
    const std::string plain =
        "NAZEVFIRMY=kat_nazev ULICE=kat_ulice MESTO=kat_mesto PSC=kat_psc POBOX=kat_pobox STAT=stat_id "
        "TELEFON1_1=kat_telefon1_1 TELEFON1_2=kat_telefon1_2 FAX=kat_fax1 EMAIL=kat_email WEB=kat_web "
        "NAZEVFIRMY2=kat_nazev2 ULICE2=kat_ulice2 MESTO2=kat_mesto2 PSC2=kat_psc2 STAT2=stat_id2 "
        "TELEFON2_1=kat_telefon2_1 TELEFON2_2=kat_telefon2_2 FAX2=kat_fax2 EMAIL2=kat_email2 WEB2=kat_web2 "
        "TEXT=kat_text1 ZVERPOZN=kat_zverpozn1 LOGO1=L/11.jpg LOGO1_WIDTH=200 LOGO1_HEIGHT=100 "
        "LOGO2=L/12.jpg LOGO2_WIDTH=200 LOGO2_HEIGHT=100 NOMENKLATURAKOD=nom_kod NOMENKLATURANAZEV=nom_popis1 "
        "NOMENKLATURATEXT=ktn_text1 LOGONOM1=L/21.jpg LOGONOM1_WIDTH=100 LOGONOM1_HEIGHT=50 LOGONOM2=L/22.jpg "
        "LOGONOM2_WIDTH=71 LOGONOM2_HEIGHT=71 EXPONATTEXT=exp_kte_text1 EXPONATNOMENKLATURANAZEV=exp_nom_popis1 "
        "EXPONATNOMENKLATURA=exp_nom_kod UMISTENIPAVILON=um_plo_zkrat UMISTENISTANEK=um_ktu_stanek "
        "UMISTENIHLAVNIVYST=um_kat_nazev_hl ZASTOUPENAFIRMA=ktf_text ZASTZNACKA=zn_ktz_text "
        "ZASTZNACKANOMENNAZEV=zn_nom_popis1 ZASTZNACKANOMEN=zn_nom_kod LOGOZASTZNACKA=L/31.jpg "
        "LOGOZASTZNACKA_WIDTH=200 LOGOZASTZNACKA_HEIGHT=200 SPOLUVYSTAVOVATELE=um_kat_nazev "
        "DOPLINF=doplinf_popis1 LOGODOPLINF=L/41.jpg LOGODOPLINF_WIDTH=100 LOGODOPLINF_HEIGHT=25 "
        "NAZEV=- BEGINNOM=- EXPONATNOVINK=- LOGO3=- =-";  // nothing else is a keyword
    std::vector<std::pair<std::string, std::string>> cases = {
        {"UMISTENIPAVODKAZ", "<a href=\"/disc/umisteni/plan.html\">um_plo_zkrat</a>"},
        {"ODKAZINZERAT", "\"/disc/inzeraty/inzerat.html\""},
        {"ODKAZEXPOZICE", "\"/disc/expozice/expozice.html\"  target=\"_blank\""}, {"NAZEVFIRMY ", "-"}};
    // clang-format on
    std::istringstream in(plain);
    for (std::string row; in >> row;) {
        const std::string value = row.substr(row.find('=') + 1);
        cases.emplace_back(row.substr(0, row.find('=')),
                           value.starts_with("L/") ? "/disc/data/loga/" + value.substr(2) : value);
    }
    PageWorld world;
    loadEveryField(world);
    world.suffixes = {"1", "1"};
    world.umisteniIni = IniFile::fromText("[5]\r\num_plo_zkrat=plan.html\r\n");
    world.inzeratyIni = IniFile::fromText("[7]\r\nurl0=inzerat.html\r\n");
    world.expoziceIni = IniFile::fromText("[7]\r\nurl=expozice.html\r\nextern=1\r\n");
    for (const auto& [keyword, expected] : cases) {
        EXPECT_EQ(valueOf(world, keyword).value_or("-"), expected) << keyword;
    }
    world.suffixes = {"0", "0"};
    world.CDSZastFir.setFilter("KAT_ID=99");
    world.CDSZastFir.setFiltered(true);
    // The first language has no digit.
    EXPECT_EQ(*valueOf(world, "DOPLINF") + *valueOf(world, "TEXT") + "|" +
                  *valueOf(world, "ZASTOUPENAFIRMA"),
              "doplinf_popiskat_text0|");
    world.suffixes = {"5", "3"};  // no column of the language
    EXPECT_THROW(valueOf(world, "TEXT"), Error);
    EXPECT_THROW(valueOf(world, "EXPONATTEXT"), Error);
}

TEST(Keywords, NoveltyMarkShowsTheTextAfterTheWordForNews) {
    const std::tuple<const char*, const char*, const char*> cases[] = {
        // clang-format off
        {"EXPONATNOVINKA<b>Nové</b>", "X", ""}, {"EXPONATNOVINKA<b>Nové</b>", " x ", "<b>Nové</b>"},
        {"[EXPONATNOVINKA]", "x", "A]"},  // the text is taken from the 15th character on
        // clang-format on
    };
    for (const auto& [keyword, novinka, expected] : cases) {
        PageWorld world;
        load(world.CDSExponaty, {"KTE_NOVINKA"}, {{novinka}});
        EXPECT_EQ(valueOf(world, cp(keyword)), cp(expected)) << keyword << novinka;
    }
}

// The floor plan of the area and the exhibitor's pages, from their INI files.
TEST(Keywords, FloorPlanAndPageLinks) {
    const std::tuple<const char*, ds::Value, const char*, const char*, const char*> cases[] = {
        // clang-format off
        {"UMISTENIPAVODKAZ", 5, " P1 ", "[5]\r\nP1= hala1\\plan.html \r\n",
         "<a href=\"/disc/umisteni/hala1/plan.html\">P1</a>"},
        {"UMISTENIPAVODKAZ", ds::Null{}, "P1", "[5]\r\nP1=plan.html\r\n", "P1"},
        {"ODKAZINZERAT", 5, "", "[7]\r\nurl0=  \r\nurl= c.html\r\n", "\"/disc/inzeraty/c.html\""},
        {"ODKAZEXPOZICE", 5, "", "[7]\r\nurl0=a.html\r\nextern= 1  \r\n",
         "\"/disc/expozice/a.html\"  target=\"_blank\""},
        {"ODKAZEXPOZICE", 5, "", "[7]\r\nurl0=a.html\r\nextern=11\r\n", "\"/disc/expozice/a.html\""},
        // clang-format on
    };
    for (const auto& [keyword, sekceId, area, ini, expected] : cases) {
        PageWorld world;
        load(world.CDSZaznamy, {"KAT_ID:int", "SEKCE_ID:int"}, {{7, sekceId}});
        load(world.CDSUmisteni, {"PLO_ZKRAT"}, {{area}});
        world.umisteniIni = world.inzeratyIni = world.expoziceIni = IniFile::fromText(ini);
        world.show(7);
        EXPECT_EQ(valueOf(world, keyword), expected) << ini;
    }
}

TEST(Keywords, ScaledLogoCoversTheTargetArea) {
    using Size = std::optional<std::pair<int64_t, int64_t>>;
    const std::tuple<int64_t, int64_t, int, Size> cases[] = {
        // clang-format off
        {100, 50, 20000, {{200, 100}}}, {0, 100, 20000, {}}, {200, 100, -20000, {}},
        {3, 12, 9, {{2, 6}}}, {100000, 100000, 20000, {{141, 141}}},  // halves to even; over 32 bits
        // clang-format on
    };
    for (const auto& [width, height, area, expected] : cases) {
        EXPECT_EQ(scaledLogoSize(width, height, area), expected) << width << "x" << height;
    }
}

using presentation::chooseLanguageSuffixes;
using presentation::LanguageSuffixes;

const std::initializer_list<std::string_view> kLanguageColumns = {
    "CKAT_ID:int", "JAZ_ID0",     "JAZ_ID1",     "JAZ_ID2",    "JAZ_ID3",
    "JAZ_ID4",     "JAZ_ID0_EXP", "JAZ_ID1_EXP", "JAZ_ID2_EXP"};

TEST(LanguageColumns, AreChosenByTheLanguageName) {
    // JAZ_ID0 ... JAZ_ID4, JAZ_ID0_EXP ... JAZ_ID2_EXP, and the suffixes chosen for "Angl" with
    // the defaults "8" and "9".
    const std::pair<Row, std::string> cases[] = {
        // clang-format off
        {{1, cp("Čes"), "Angl", cp("Něm"), "Angl", "", "Angl", "Angl", ""}, "10"},  // the first of two
        {{1, " Angl ", "", "", "", "", "", "", "Angl  "}, "02"},
        {{1, "ANGL", "angl", "", "", "", "ANGL", "", ""}, "89"},  // letter case counts
        {{1, "", "", "", "", "Angl", "", "", "Angl"}, "42"},
        // clang-format on
    };
    for (const auto& [row, suffixes] : cases) {
        ds::ClientDataSet jazyky("CDSJazyky");
        load(jazyky, kLanguageColumns, {row});
        const LanguageSuffixes chosen = chooseLanguageSuffixes(jazyky, "Angl", "8", "9");
        EXPECT_EQ(chosen.languageSuffix + chosen.expLanguageSuffix, suffixes);
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
    jazyky.setFilter("CKAT_ID=1");
    jazyky.setFiltered(true);
    std::string suffixes;
    for (const char* language : {"Čes", "Něm", "Angl", "Rus", "čes"}) {
        suffixes += presentation::firstLanguageSuffixOf(jazyky, cp(language), "7");
    }
    EXPECT_EQ(suffixes + std::to_string(jazyky.recordCount()), "110471");
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
            world.programFolder, templateName, "Angl", "0", "0", 0, {}, {}, {}, {}};
        return presentation::makeExhibitorPage(jazyky, world.data(), katId, settings, suffixes);
    }

    TempFolder disc;
    PageWorld world;
    ds::ClientDataSet jazyky{"CDSJazyky"};
    std::string templateName = "sablony\\vystavovatel.html";
    LanguageSuffixes suffixes;
};

TEST_F(ExhibitorPage, FilledInTheLanguageOfItsCatalogueFromATemplateReadAnewOrNoneOrAnError) {
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
    // The template is read anew for every page; a missing one is an error after the language.
    make("7");
    disc.write("Sablony/Vystavovatel.html", "#NAZEVFIRMY#!");
    EXPECT_EQ(make("7"), "Alfa!");
    std::tie(templateName, suffixes) = std::tuple("chybi.html", LanguageSuffixes{});
    EXPECT_THROW(make("7"), Error);
    EXPECT_EQ(suffixes.languageSuffix, "1");
    templateName = "  ";  // names the setting, not the program's folder
    EXPECT_THAT([this] { make("7"); }, ::testing::ThrowsMessage<Error>(::testing::HasSubstr(
                                           "\"sablona0\" v sekci [SysPolozkaVystavovatele]")));
}

}  // namespace
}  // namespace expo::testing
