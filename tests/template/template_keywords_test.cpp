// The keyword values: fields, language columns, logos, links and the novelty mark.
#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>

#include "platform/text/error.h"
#include "platform/text/text.h"
#include "tests/core/temp_folder.h"
#include "tests/template/page_data.h"

namespace expo::testing {
namespace {

using presentation::scaledLogoSize;
using text::cp;

std::optional<std::string> valueOf(PageWorld& world, std::string_view keyword) {
    const presentation::TemplateKeywords keywords(world.context());
    return keywords.value(keyword, text::upper(keyword));
}

// One record in every dataset, each text field holding its own name in lower case.
void loadEveryField(PageWorld& w) {
    load(w.CDSZaznamy, {"KAT_ID:int",      "SEKCE_ID:int",    "KAT_NAZEV",        "KAT_ULICE",
                        "KAT_MESTO",       "KAT_PSC",         "KAT_POBOX",        "STAT_ID",
                        "KAT_TELEFON1_1",  "KAT_TELEFON1_2",  "KAT_FAX1",         "KAT_EMAIL",
                        "KAT_WEB",         "KAT_NAZEV2",      "KAT_ULICE2",       "KAT_MESTO2",
                        "KAT_PSC2",        "STAT_ID2",        "KAT_TELEFON2_1",   "KAT_TELEFON2_2",
                        "KAT_FAX2",        "KAT_EMAIL2",      "KAT_WEB2",         "KAT_TEXT0:memo",
                        "KAT_TEXT1:memo",  "KAT_ZVERPOZN0",   "KAT_ZVERPOZN1",    "LOGO_ID1:int",
                        "LOGO_ID2:int",    "LOGO1_WIDTH:int", "LOGO1_HEIGHT:int", "LOGO2_WIDTH:int",
                        "LOGO2_HEIGHT:int"},
         {{7,
           5,
           "kat_nazev",
           "kat_ulice",
           "kat_mesto",
           "kat_psc",
           "kat_pobox",
           "stat_id",
           "kat_telefon1_1",
           "kat_telefon1_2",
           "kat_fax1",
           "kat_email",
           "kat_web",
           "kat_nazev2",
           "kat_ulice2",
           "kat_mesto2",
           "kat_psc2",
           "stat_id2",
           "kat_telefon2_1",
           "kat_telefon2_2",
           "kat_fax2",
           "kat_email2",
           "kat_web2",
           "kat_text0",
           "kat_text1",
           "kat_zverpozn0",
           "kat_zverpozn1",
           11,
           12,
           200,
           100,
           100,
           50}});
    load(w.CDSNomenklatury,
         {"KAT_ID:int", "NOM_KOD", "NOM_POPIS0", "NOM_POPIS1", "KTN_TEXT0:memo", "KTN_TEXT1:memo",
          "LOGO_ID1:int", "LOGO_ID2:int", "LOGO1_WIDTH:int", "LOGO1_HEIGHT:int", "LOGO2_WIDTH:int",
          "LOGO2_HEIGHT:int"},
         {{7, "nom_kod", "nom_popis0", "nom_popis1", "ktn_text0", "ktn_text1", 21, 22, 100, 50, 10,
           10}});
    load(w.CDSExponaty,
         {"KAT_ID:int", "KTE_TEXT0", "KTE_TEXT1", "NOM_KOD", "NOM_POPIS0", "NOM_POPIS1",
          "KTE_NOVINKA"},
         {{7, "kte_text0", "kte_text1", "exp_nom_kod", "exp_nom_popis0", "exp_nom_popis1", "x"}});
    load(w.CDSUmisteni, {"KAT_ID:int", "PLO_ZKRAT", "KTU_STANEK", "KAT_NAZEV", "KAT_NAZEV_HL"},
         {{7, "plo_zkrat", "ktu_stanek", "kat_nazev_spoluvyst", "kat_nazev_hl"}});
    load(w.CDSZastFir, {"KAT_ID:int", "KTF_TEXT"}, {{7, "ktf_text"}});
    load(w.CDSZastZnac,
         {"KAT_ID:int", "KTZ_TEXT", "NOM_KOD", "NOM_POPIS0", "NOM_POPIS1", "LOGO_ID:int",
          "LOGO_WIDTH:int", "LOGO_HEIGHT:int"},
         {{7, "ktz_text", "znac_nom_kod", "znac_nom_popis0", "znac_nom_popis1", 31, 100, 100}});
    load(w.CDSDoplnInf,
         {"KAT_ID:int", "doplinf_popis", "doplinf_popis1", "logo_id:int", "LOGO_WIDTH:int",
          "LOGO_HEIGHT:int"},
         {{7, "doplinf_popis", "doplinf_popis1", 41, 100, 25}});
    // Every kind of logo has an area of its own.
    w.logoAreas = {20000, 5000, 40000, 2500};
    w.show(7);
}

struct KeywordCase {
    const char* keyword;
    const char* expected;
};

void PrintTo(const KeywordCase& c, std::ostream* os) {
    *os << c.keyword;
}

class EveryKeyword : public ::testing::TestWithParam<KeywordCase> {};

// Language columns with the digit 1, so that a missing suffix shows.
TEST_P(EveryKeyword, ReadsItsFieldByItsRule) {
    PageWorld world;
    loadEveryField(world);
    world.suffixes = {"1", "1"};
    world.umisteniIni = IniFile::fromText("[5]\r\nplo_zkrat=plan.html\r\n");
    world.inzeratyIni = IniFile::fromText("[7]\r\nurl0=inzerat.html\r\n");
    world.expoziceIni = IniFile::fromText("[7]\r\nurl=expozice.html\r\nextern=1\r\n");
    EXPECT_EQ(valueOf(world, GetParam().keyword), GetParam().expected);
}

const KeywordCase kEveryKeyword[] = {
    {"NAZEVFIRMY", "kat_nazev"},
    {"ULICE", "kat_ulice"},
    {"MESTO", "kat_mesto"},
    {"PSC", "kat_psc"},
    {"POBOX", "kat_pobox"},
    {"STAT", "stat_id"},
    {"TELEFON1_1", "kat_telefon1_1"},
    {"TELEFON1_2", "kat_telefon1_2"},
    {"FAX", "kat_fax1"},
    {"EMAIL", "kat_email"},
    {"WEB", "kat_web"},
    {"NAZEVFIRMY2", "kat_nazev2"},
    {"ULICE2", "kat_ulice2"},
    {"MESTO2", "kat_mesto2"},
    {"PSC2", "kat_psc2"},
    {"STAT2", "stat_id2"},
    {"TELEFON2_1", "kat_telefon2_1"},
    {"TELEFON2_2", "kat_telefon2_2"},
    {"FAX2", "kat_fax2"},
    {"EMAIL2", "kat_email2"},
    {"WEB2", "kat_web2"},
    {"TEXT", "kat_text1"},
    {"ZVERPOZN", "kat_zverpozn1"},
    {"LOGO1", "/disc/data/loga/11.jpg"},
    {"LOGO1_WIDTH", "200"},
    {"LOGO1_HEIGHT", "100"},
    {"LOGO2", "/disc/data/loga/12.jpg"},
    {"LOGO2_WIDTH", "200"},
    {"LOGO2_HEIGHT", "100"},
    {"NOMENKLATURAKOD", "nom_kod"},
    {"NOMENKLATURANAZEV", "nom_popis1"},
    {"NOMENKLATURATEXT", "ktn_text1"},
    {"LOGONOM1", "/disc/data/loga/21.jpg"},
    {"LOGONOM1_WIDTH", "100"},
    {"LOGONOM1_HEIGHT", "50"},
    {"LOGONOM2", "/disc/data/loga/22.jpg"},
    {"LOGONOM2_WIDTH", "71"},
    {"LOGONOM2_HEIGHT", "71"},
    {"EXPONATTEXT", "kte_text1"},
    {"EXPONATNOVINKA*", "*"},
    {"EXPONATNOMENKLATURANAZEV", "exp_nom_popis1"},
    {"EXPONATNOMENKLATURA", "exp_nom_kod"},
    {"UMISTENIPAVILON", "plo_zkrat"},
    {"UMISTENIPAVODKAZ", "<a href=\"/disc/umisteni/plan.html\">plo_zkrat</a>"},
    {"UMISTENISTANEK", "ktu_stanek"},
    {"UMISTENIHLAVNIVYST", "kat_nazev_hl"},
    {"ZASTOUPENAFIRMA", "ktf_text"},
    {"ZASTZNACKA", "ktz_text"},
    {"ZASTZNACKANOMENNAZEV", "znac_nom_popis1"},
    {"ZASTZNACKANOMEN", "znac_nom_kod"},
    {"LOGOZASTZNACKA", "/disc/data/loga/31.jpg"},
    {"LOGOZASTZNACKA_WIDTH", "200"},
    {"LOGOZASTZNACKA_HEIGHT", "200"},
    {"SPOLUVYSTAVOVATELE", "kat_nazev_spoluvyst"},
    {"DOPLINF", "doplinf_popis1"},
    {"LOGODOPLINF", "/disc/data/loga/41.jpg"},
    {"LOGODOPLINF_WIDTH", "100"},
    {"LOGODOPLINF_HEIGHT", "25"},
    {"ODKAZINZERAT", "\"/disc/inzeraty/inzerat.html\""},
    {"ODKAZEXPOZICE", "\"/disc/expozice/expozice.html\"  target=\"_blank\""},
};

INSTANTIATE_TEST_SUITE_P(Keywords, EveryKeyword, ::testing::ValuesIn(kEveryKeyword),
                         [](const auto& info) {
                             std::string name = info.param.keyword;
                             return name.substr(0, name.find('*'));
                         });

TEST(Keywords, NoOthers) {
    PageWorld world;
    loadEveryField(world);
    for (const char* keyword : {"NAZEVFIRMY ", " NAZEVFIRMY", "NAZEV", "", "BEGINNOM", "ENDNOM",
                                "EXPONATNOVINK", "LOGO3"}) {
        EXPECT_EQ(valueOf(world, keyword), std::nullopt) << '"' << keyword << '"';
    }
}

TEST(Keywords, AdditionalInformationOfTheFirstLanguageHasNoDigit) {
    PageWorld world;
    loadEveryField(world);
    EXPECT_EQ(valueOf(world, "DOPLINF"), "doplinf_popis");
    EXPECT_EQ(valueOf(world, "TEXT"), "kat_text0");
}

TEST(Keywords, MissingLanguageColumnIsAnError) {
    PageWorld world;
    loadEveryField(world);
    world.suffixes = {"5", "3"};
    EXPECT_THROW(valueOf(world, "TEXT"), Error);
    EXPECT_THROW(valueOf(world, "DOPLINF"), Error);
    EXPECT_THROW(valueOf(world, "EXPONATTEXT"), Error);
}

TEST(Keywords, DatasetWithoutRecordGivesEmptyValues) {
    PageWorld world;
    loadEveryField(world);
    world.CDSZastFir.setFilter("KAT_ID=99");
    world.CDSZastFir.setFiltered(true);
    EXPECT_EQ(valueOf(world, "ZASTOUPENAFIRMA"), "");
}

TEST(Keywords, LineBreaksOfNames) {
    PageWorld world;
    load(world.CDSZaznamy, {"KAT_ID:int", "KAT_NAZEV", "KAT_NAZEV2"},
         {{7, "\r\nAlfa\r\nBeta\r\n", "Alfa\nBeta"}});
    load(world.CDSUmisteni, {"KAT_NAZEV", "KAT_NAZEV_HL"}, {{"Alfa\r\nBeta ", "A\r\n\r\nB"}});
    world.show(7);
    EXPECT_EQ(valueOf(world, "NAZEVFIRMY"), "Alfa<br>Beta");
    EXPECT_EQ(valueOf(world, "NAZEVFIRMY2"), "Alfa\nBeta");  // a lone line feed stays
    EXPECT_EQ(valueOf(world, "SPOLUVYSTAVOVATELE"), "Alfa Beta");
    EXPECT_EQ(valueOf(world, "UMISTENIHLAVNIVYST"), "A  B");
}

struct NoveltyCase {
    const char* keyword;
    const char* novinka;
    const char* expected;
};

void PrintTo(const NoveltyCase& c, std::ostream* os) {
    *os << c.keyword << " / " << c.novinka;
}

class NoveltyMark : public ::testing::TestWithParam<NoveltyCase> {};

TEST_P(NoveltyMark, ShowsTheTextAfterTheWordForNews) {
    PageWorld world;
    load(world.CDSExponaty, {"KTE_NOVINKA"}, {{GetParam().novinka}});
    EXPECT_EQ(valueOf(world, cp(GetParam().keyword)), cp(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    Keywords, NoveltyMark,
    ::testing::Values(NoveltyCase{"EXPONATNOVINKA<b>Nové</b>", "x", "<b>Nové</b>"},
                      NoveltyCase{"EXPONATNOVINKA<b>Nové</b>", "X", ""},
                      NoveltyCase{"EXPONATNOVINKA<b>Nové</b>", "", ""},
                      NoveltyCase{"EXPONATNOVINKA<b>Nové</b>", " x ", "<b>Nové</b>"},
                      NoveltyCase{"exponatNovinka <I>New</I> ", "x", "<I>New</I>"},
                      NoveltyCase{"EXPONATNOVINKA", "x", ""},
                      // The text is taken from the 15th character on.
                      NoveltyCase{"[EXPONATNOVINKA]", "x", "A]"}));

struct FloorPlanCase {
    const char* name;
    ds::Value sekceId;
    const char* area;
    const char* ini;
    const char* expected;
};

void PrintTo(const FloorPlanCase& c, std::ostream* os) {
    *os << c.name;
}

class FloorPlanLink : public ::testing::TestWithParam<FloorPlanCase> {};

TEST_P(FloorPlanLink, LinksTheAreaToItsPlan) {
    const FloorPlanCase& c = GetParam();
    PageWorld world;
    load(world.CDSZaznamy, {"KAT_ID:int", "SEKCE_ID:int"}, {{7, c.sekceId}});
    load(world.CDSUmisteni, {"PLO_ZKRAT"}, {{c.area}});
    world.umisteniIni = IniFile::fromText(c.ini);
    world.show(7);
    EXPECT_EQ(valueOf(world, "UMISTENIPAVODKAZ"), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Keywords, FloorPlanLink,
    ::testing::Values(FloorPlanCase{"Linked", 5, " P1 ", "[5]\r\nP1= hala1\\plan.html \r\n",
                                    "<a href=\"/disc/umisteni/hala1/plan.html\">P1</a>"},
                      FloorPlanCase{"NoArea", 5, "  ", "[5]\r\n=plan.html\r\n", ""},
                      FloorPlanCase{"NoSection", ds::Null{}, "P1", "[5]\r\nP1=plan.html\r\n", "P1"},
                      FloorPlanCase{"NoEntry", 5, "P1",
                                    "[5]\r\nP2=plan.html\r\n[6]\r\nP1=plan.html\r\n", "P1"},
                      FloorPlanCase{"EmptyEntry", 5, "P1", "[5]\r\nP1=  \r\n", "P1"}),
    [](const auto& info) { return std::string(info.param.name); });

struct PageLinkCase {
    const char* name;
    const char* keyword;
    int language;
    const char* ini;
    const char* expected;
};

void PrintTo(const PageLinkCase& c, std::ostream* os) {
    *os << c.name;
}

class PageLink : public ::testing::TestWithParam<PageLinkCase> {};

TEST_P(PageLink, QuotesThePageOfTheExhibitor) {
    const PageLinkCase& c = GetParam();
    PageWorld world;
    load(world.CDSZaznamy, {"KAT_ID:int"}, {{7}});
    world.inzeratyIni = IniFile::fromText(c.ini);
    world.expoziceIni = IniFile::fromText(c.ini);
    world.language = c.language;
    world.show(7);
    EXPECT_EQ(valueOf(world, c.keyword), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Keywords, PageLink,
    ::testing::Values(
        PageLinkCase{"OfTheLanguage", "ODKAZINZERAT", 1, "[7]\r\nurl1=b.html\r\nurl=c.html\r\n",
                     "\"/disc/inzeraty/b.html\""},
        PageLinkCase{"FallbackWithoutLanguage", "ODKAZINZERAT", 0,
                     "[7]\r\nurl1=b.html\r\nurl= c.html\r\n", "\"/disc/inzeraty/c.html\""},
        PageLinkCase{"BlankLanguageEntryFallsBack", "ODKAZINZERAT", 0,
                     "[7]\r\nurl0=  \r\nurl=c.html\r\n", "\"/disc/inzeraty/c.html\""},
        PageLinkCase{"NoEntryOfTheLanguage", "ODKAZINZERAT", 0, "[7]\r\nurl1=b.html\r\n", ""},
        PageLinkCase{"OtherExhibitor", "ODKAZINZERAT", 0, "[8]\r\nurl0=b.html\r\n", ""},
        PageLinkCase{"ExternWithBlanks", "ODKAZEXPOZICE", 0,
                     "[7]\r\nurl0=a.html\r\nextern= 1  \r\n",
                     "\"/disc/expozice/a.html\"  target=\"_blank\""},
        PageLinkCase{"ExternOtherValue", "ODKAZEXPOZICE", 0, "[7]\r\nurl0=a.html\r\nextern=11\r\n",
                     "\"/disc/expozice/a.html\""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Keywords, PathsFoundWhateverTheirLetterCase) {
    TempFolder disc;
    disc.write("Data/LOGA/11.jpg", "picture");
    PageWorld world;
    world.programFolder = disc.path().string() + "/";
    loadEveryField(world);
    EXPECT_EQ(valueOf(world, "LOGO1"), world.programFolder + "Data/LOGA/11.jpg");
    EXPECT_EQ(valueOf(world, "LOGO2"), world.programFolder + "Data/LOGA/12.jpg");
}

struct LogoCase {
    int64_t width;
    int64_t height;
    int area;
    std::optional<std::pair<int64_t, int64_t>> expected;
};

void PrintTo(const LogoCase& c, std::ostream* os) {
    *os << c.width << " x " << c.height << " to " << c.area;
}

class LogoSize : public ::testing::TestWithParam<LogoCase> {};

TEST_P(LogoSize, CoversTheTargetArea) {
    const LogoCase& c = GetParam();
    EXPECT_EQ(scaledLogoSize(c.width, c.height, c.area), c.expected);
}

using Size = std::pair<int64_t, int64_t>;
INSTANTIATE_TEST_SUITE_P(
    Keywords, LogoSize,
    ::testing::Values(LogoCase{200, 100, 20000, Size{200, 100}},
                      LogoCase{100, 50, 20000, Size{200, 100}},
                      LogoCase{400, 200, 20000, Size{200, 100}},
                      LogoCase{0, 100, 20000, std::nullopt}, LogoCase{100, 0, 20000, std::nullopt},
                      LogoCase{-100, -50, 20000, std::nullopt}, LogoCase{200, 100, 0, Size{0, 0}},
                      LogoCase{200, 100, -20000, std::nullopt},
                      // Halves go to the even neighbour.
                      LogoCase{1, 4, 25, Size{2, 10}}, LogoCase{3, 12, 9, Size{2, 6}},
                      // The stored area exceeds 32 bits.
                      LogoCase{100000, 100000, 20000, Size{141, 141}}));

TEST(Keywords, LogoWithoutStoredSizeKeepsItsPath) {
    PageWorld world;
    load(world.CDSZaznamy,
         {"KAT_ID:int", "LOGO_ID1:int", "LOGO1_WIDTH:int", "LOGO1_HEIGHT:int", "LOGO_ID2:int",
          "LOGO2_WIDTH:int", "LOGO2_HEIGHT:int"},
         {{7, 11, 0, 100, 12, ds::Null{}, 50}});
    world.show(7);
    EXPECT_EQ(valueOf(world, "LOGO1"), "/disc/data/loga/11.jpg");
    EXPECT_EQ(valueOf(world, "LOGO1_WIDTH"), "");
    EXPECT_EQ(valueOf(world, "LOGO1_HEIGHT"), "");
    EXPECT_EQ(valueOf(world, "LOGO2"), "/disc/data/loga/12.jpg");
    EXPECT_EQ(valueOf(world, "LOGO2_HEIGHT"), "");
}

TEST(Keywords, LogoWithoutNumberHasNoPath) {
    PageWorld world;
    load(world.CDSZaznamy, {"KAT_ID:int", "LOGO_ID1:int"}, {{7, ds::Null{}}});
    world.show(7);
    EXPECT_EQ(valueOf(world, "LOGO1"), "");
}

TEST(Keywords, BrandAndAdditionalLogosNeverFail) {
    PageWorld world;
    // Brands without the logo columns, as older data files have them.
    load(world.CDSZastZnac, {"KAT_ID:int", "KTZ_TEXT"}, {{7, "Z"}});
    load(world.CDSDoplnInf, {"KAT_ID:int", "LOGO_WIDTH"}, {{7, "wide"}});
    for (const char* keyword : {"LOGOZASTZNACKA", "LOGOZASTZNACKA_WIDTH", "LOGOZASTZNACKA_HEIGHT",
                                "LOGODOPLINF", "LOGODOPLINF_WIDTH", "LOGODOPLINF_HEIGHT"}) {
        EXPECT_EQ(valueOf(world, keyword), "") << keyword;
    }
    EXPECT_EQ(valueOf(world, "ZASTZNACKA"), "Z");
    EXPECT_THROW(valueOf(world, "ZASTZNACKANOMEN"), Error);
}

}  // namespace
}  // namespace expo::testing
