// The data files of the demo disc: they load into the viewer's catalogue with the declared
// fields, the catalogue sections of config.ini cover every exhibitor, and the records agree
// with each other and with the logo pictures. The exhibitor pages that the viewer makes from
// the demo disc: the hand-made exhibitors show the parts of the page they were made for.
#include <gtest/gtest.h>
#include <QImageReader>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <tuple>

#include "platform/text/text.h"
#include "presentation/catalogue/catalogue.h"
#include "presentation/catalogue/catalogue_loading.h"
#include "presentation/navigation/navigation.h"
#include "presentation/page/exhibitor_page.h"
#include "presentation/settings/language_texts.h"
#include "tests/tools/demogen/disc_support.h"

namespace expo::demotest {
namespace {

// Every file loads with the declared fields (data7.dat, which carries the brand logos, at the
// first attempt with every field); the small files are XML and the others binary.
TEST(DemoDiscData, EveryFileLoadsIntoTheCatalogue) {
    presentation::Catalogue catalogue;
    for (int i = 0; i < presentation::Catalogue::kDataSetCount; ++i) {
        ASSERT_NO_THROW(catalogue.load(i, disc() + "data")) << i;
        EXPECT_GT(catalogue.dataSet(i).recordCount(), 0) << i;
        const std::string file = disc() + "data/" + presentation::Catalogue::fileName(i);
        EXPECT_EQ(readDiscFile(file).starts_with("<?xml"), i == 0 || i == 10) << file;
    }
    EXPECT_TRUE(catalogue.CDSZastZnac.findField("LOGO_ID").has_value());
}

// Loading as the viewer does after a language choice: the sections come from config.ini, and
// every exhibitor belongs to exactly one of them.
TEST(DemoDiscData, CatalogueSectionsOfConfigCoverEveryExhibitorOnce) {
    const IniFile config = discIni("config.ini");
    for (int l = 0; l < kLanguages; ++l) {
        SCOPED_TRACE("language " + std::to_string(l));
        presentation::Catalogue catalogue;
        presentation::NavigationTree tree =
            presentation::buildNavigationTree(config, config.sections(), l, false);
        presentation::RepresentedLists lists;
        const presentation::CatalogueLoading request{
            l, true, false, tree.exhibitorNode->data.Url, disc() + "data", "z"};
        ASSERT_NO_THROW(presentation::loadCatalogue(catalogue, config, request, tree, lists,
                                                    [](const std::string&) {}));

        const auto& sections = tree.exhibitorNode->children;
        ASSERT_EQ(sections.size(), 6u);
        catalogue.CDSZaznamy.setFiltered(false);
        const int exhibitors = catalogue.CDSZaznamy.recordCount();
        int listed = 0;
        for (const auto& node : sections) {
            EXPECT_NE(node->caption, "");
            EXPECT_NE(node->caption, text::cp("Není název"));
            catalogue.CDSZaznamy.setFilter(node->data.Filter);
            catalogue.CDSZaznamy.setFiltered(true);
            EXPECT_GT(catalogue.CDSZaznamy.recordCount(), 0) << node->data.Filter;
            listed += catalogue.CDSZaznamy.recordCount();
        }
        EXPECT_EQ(listed, exhibitors);
    }
}

// The five languages of the intro, each named once, are what the language rows name, in two
// column orders; the default columns are ones every catalogue has.
TEST(DemoDiscData, LanguageRowsNameTheLanguagesOfTheIntroInTwoColumnOrders) {
    const IniFile config = discIni("config.ini");
    std::set<std::string> languages;
    for (int l = 0; l < kLanguages; ++l) {
        const std::string name =
            text::trim(config.readString("uvod", "jaz" + std::to_string(l), ""));
        EXPECT_EQ(name.size(), 3u) << "the language rows hold three characters";
        languages.insert(name);
    }
    EXPECT_EQ(languages.size(), 5u);
    for (const char* key : {"defaultJazKat", "defaultJazKatExp"}) {
        const auto column = text::tryStrToInt(config.readString("uvod", key, ""));
        EXPECT_TRUE(column >= 0 && column <= 2) << key << " must name a column every catalogue has";
    }
    const DataFile rows(0);
    const DataFile exhibitors(2);
    std::set<int64_t> catalogues;
    for (size_t r = 0; r < exhibitors.rows(); ++r) {
        catalogues.insert(exhibitors.integer(r, "CKAT_ID"));
    }
    ASSERT_EQ(rows.rows(), catalogues.size());
    std::set<std::string> firstColumns;
    for (size_t r = 0; r < rows.rows(); ++r) {
        EXPECT_TRUE(catalogues.contains(rows.integer(r, "CKAT_ID")));
        firstColumns.insert(rows.text(r, "JAZ_ID0"));
        for (const char* column : {"JAZ_ID0", "JAZ_ID1", "JAZ_ID2", "JAZ_ID3", "JAZ_ID4",
                                   "JAZ_ID0_EXP", "JAZ_ID1_EXP", "JAZ_ID2_EXP"}) {
            const std::string name = rows.text(r, column);
            EXPECT_TRUE(name.empty() || languages.contains(name)) << column << " " << name;
        }
    }
    EXPECT_EQ(firstColumns.size(), rows.rows()) << "the catalogues order their columns differently";
}

// The pairs of values of two fields along a file's rows.
std::set<std::pair<std::string, std::string>> pairs(const DataFile& file, const char* a,
                                                    const char* b) {
    std::set<std::pair<std::string, std::string>> out;
    for (size_t r = 0; r < file.rows(); ++r) {
        out.emplace(file.text(r, a), file.text(r, b));
    }
    return out;
}

// Keys of the detail records lead to their exhibitor, code list and area list.
TEST(DemoDiscData, RecordsAgreeWithEachOther) {
    const DataFile exhibitors(2);
    std::map<std::string, size_t> byKey;
    for (size_t r = 0; r < exhibitors.rows(); ++r) {
        EXPECT_TRUE(byKey.emplace(exhibitors.text(r, "KAT_ID"), r).second) << "KAT_ID twice";
    }

    const DataFile codes(8);
    std::set<std::string> codeList;
    for (size_t r = 0; r < codes.rows(); ++r) {
        codeList.insert(codes.text(r, "NOM_KOD"));
        for (int l = 0; l < kLanguages; ++l) {
            EXPECT_NE(codes.text(r, "NOM_POPIS" + std::to_string(l)), "");
        }
    }

    for (int file : {3, 4, 5, 6, 7, 11}) {
        const DataFile details(file);
        ASSERT_GT(details.rows(), 0u);
        for (size_t r = 0; r < details.rows(); ++r) {
            SCOPED_TRACE("data" + std::to_string(file) + ".dat row " + std::to_string(r));
            const auto owner = byKey.find(details.text(r, "KAT_ID"));
            ASSERT_NE(owner, byKey.end());
            EXPECT_EQ(details.integer(r, "CKAT_ID"), exhibitors.integer(owner->second, "CKAT_ID"));
            if (details.has("NOM_KOD") && !details.isNull(r, "NOM_KOD")) {
                EXPECT_TRUE(codeList.contains(details.text(r, "NOM_KOD")));
            }
        }
    }

    // Exhibit counts and the news mark of each exhibitor follow its exhibits.
    const DataFile exhibits(5);
    std::map<std::string, int> count, news;
    for (size_t r = 0; r < exhibits.rows(); ++r) {
        ++count[exhibits.text(r, "KAT_ID")];
        news[exhibits.text(r, "KAT_ID")] += exhibits.text(r, "KTE_NOVINKA") == "x" ? 1 : 0;
    }
    for (const auto& [key, row] : byKey) {
        EXPECT_EQ(exhibitors.integer(row, "COUNTEXP"), count[key]) << key;
        EXPECT_EQ(exhibitors.text(row, "NOVINKA") == "x", news[key] > 0) << key;
    }

    // Placements: an area of the exhibitor's section; a co-exhibitor stands at a stand of its
    // main exhibitor.
    const DataFile placements(4);
    const auto sectionAreas = pairs(DataFile(9), "SEKCE_ID", "PLO_ZKRAT");
    const auto sectionCountries = pairs(DataFile(10), "SEKCE_ID", "STAT_ID");
    const auto stands = pairs(placements, "KAT_ID", "KTU_STANEK");
    for (size_t r = 0; r < placements.rows(); ++r) {
        const size_t owner = byKey.at(placements.text(r, "KAT_ID"));
        EXPECT_TRUE(sectionAreas.contains(
            {exhibitors.text(owner, "SEKCE_ID"), placements.text(r, "PLO_ZKRAT")}));
        EXPECT_EQ(placements.text(r, "KAT_NAZEV"), exhibitors.text(owner, "KAT_NAZEV"));
        if (!placements.isNull(r, "KAT_ID_HLVYST")) {
            const std::string main = placements.text(r, "KAT_ID_HLVYST");
            EXPECT_TRUE(stands.contains({main, placements.text(r, "KTU_STANEK")}));
            EXPECT_EQ(placements.text(r, "KAT_NAZEV_HL"),
                      exhibitors.text(byKey.at(main), "KAT_NAZEV"));
        }
    }
    for (const auto& [key, row] : byKey) {
        EXPECT_TRUE(sectionCountries.contains(
            {exhibitors.text(row, "SEKCE_ID"), exhibitors.text(row, "STAT_ID")}));
    }
}

// An exhibit is described in its own field's words: no material, food, service or school uses
// energy, is diagnosed remotely, runs day and night or is a modular system, and a food has no
// model code.
TEST(DemoDiscData, ExhibitsAreDescribedInTheWordsOfTheirField) {
    const std::vector<std::string> machineWords = {
        "energ",      "Energ",        text::cp("dálkov"),
        "remote",     "Fernwartung",  text::cp("nepřetržit"),
        "continuous", "Dauerbetrieb", text::cp("Modulár"),
        "Modular"};
    const std::regex modelCode("[A-Z]{2}-[0-9]{3}");
    struct Rule {
        const char* fields;  // the start of their codes
        bool modelCode;      // whether a model code may stand in the text
        int seen = 0;
    };
    Rule rules[] = {{"07.", true}, {"10.", false}, {"14.", true}, {"15.", true}};
    const DataFile exhibits(5);
    for (size_t r = 0; r < exhibits.rows(); ++r) {
        for (Rule& rule : rules) {
            if (!exhibits.text(r, "NOM_KOD").starts_with(rule.fields)) {
                continue;
            }
            ++rule.seen;
            for (int l = 0; l < 3; ++l) {
                const std::string shown = exhibits.text(r, "KTE_TEXT" + std::to_string(l));
                SCOPED_TRACE(text::cp1250ToUtf8(shown));
                for (const std::string& word : machineWords) {
                    EXPECT_EQ(shown.find(word), std::string::npos);
                }
                EXPECT_TRUE(rule.modelCode || !std::regex_search(shown, modelCode));
            }
        }
    }
    for (const Rule& rule : rules) {
        EXPECT_GT(rule.seen, 0) << rule.fields;
    }
}
// Every logo a record names is a JPEG picture under data/loga/ of the size the record gives.
TEST(DemoDiscData, LogosExistWithTheSizesTheRecordsGive) {
    const std::tuple<int, const char*, const char*, const char*> fields[] = {
        {2, "LOGO_ID1", "LOGO1_WIDTH", "LOGO1_HEIGHT"},
        {2, "LOGO_ID2", "LOGO2_WIDTH", "LOGO2_HEIGHT"},
        {3, "LOGO_ID1", "LOGO1_WIDTH", "LOGO1_HEIGHT"},
        {3, "LOGO_ID2", "LOGO2_WIDTH", "LOGO2_HEIGHT"},
        {7, "LOGO_ID", "LOGO_WIDTH", "LOGO_HEIGHT"},
        {11, "logo_id", "LOGO_WIDTH", "LOGO_HEIGHT"}};
    for (const auto& [file, id, width, height] : fields) {
        const DataFile records(file);
        int logos = 0;
        for (size_t r = 0; r < records.rows(); ++r) {
            if (records.isNull(r, id)) {
                EXPECT_EQ(records.integer(r, width), 0);
                continue;
            }
            ++logos;
            const std::string picture = resolve("data\\loga\\" + records.text(r, id) + ".jpg");
            EXPECT_EQ(QImageReader(QString::fromStdString(picture)).size(),
                      QSize(static_cast<int>(records.integer(r, width)),
                            static_cast<int>(records.integer(r, height))))
                << picture;
        }
        EXPECT_GT(logos, 0) << "data" << file << ".dat " << id;
    }
}

using text::cp;

class DemoExhibitorPages : public ::testing::Test {
  protected:
    // The page of `katId` in `language`, made as the viewer makes it from the settings (the
    // catalogue and the settings files are read once).
    static std::string page(int katId, int language) {
        static presentation::Catalogue& c = []() -> presentation::Catalogue& {
            auto* catalogue = new presentation::Catalogue;
            for (int i = 0; i < presentation::Catalogue::kDataSetCount; ++i) {
                catalogue->load(i, disc() + "data");
            }
            return *catalogue;
        }();
        static const IniFile config = discIni("config.ini"),
                             inzeraty = discIni("Inzeraty\\index.ini"),
                             expozice = discIni("Expozice\\index.ini"),
                             umisteni = discIni("Umisteni\\umisteni.ini");
        const std::string l = std::to_string(language);
        const presentation::LanguageFields fields = presentation::readLanguageFields(config, l);
        presentation::ExhibitorPageSettings settings{
            .programFolder = disc(),
            .exhibitorTemplate =
                text::trim(config.readString("SysPolozkaVystavovatele", "sablona" + l, "")),
            .languageName = fields.FLanguageName,
            .defaultLanguageSuffix = fields.FDefaultLanguageSuffix,
            .defaultExpLanguageSuffix = fields.FDefaultExpLanguageSuffix,
            .language = language,
            .logoAreas = {config.readInteger("aplikace", "velikostLoga", 0),
                          config.readInteger("aplikace", "velikostLogaNom", 0),
                          config.readInteger("aplikace", "velikostLogaZastZn", 0),
                          config.readInteger("aplikace", "velikostLogaDoplInf", 0)},
            .umisteniIni = umisteni,
            .inzeratyIni = inzeraty,
            .expoziceIni = expozice,
        };
        const presentation::PageDataSets data{c.CDSZaznamy,  c.CDSNomenklatury, c.CDSUmisteni,
                                              c.CDSExponaty, c.CDSZastFir,      c.CDSZastZnac,
                                              c.CDSDoplnInf};
        presentation::LanguageSuffixes suffixes;
        return presentation::makeExhibitorPage(c.CDSJazyky, data, std::to_string(katId), settings,
                                               suffixes)
            .value_or("");
    }
};

bool contains(const std::string& page, std::string_view utf8) {
    return page.find(cp(utf8)) != std::string::npos;
}

size_t occurrences(const std::string& text, const std::string& word) {
    size_t count = 0;
    for (size_t at = text.find(word); at != std::string::npos; at = text.find(word, at + 1)) {
        ++count;
    }
    return count;
}

// Every exhibitor of the demo disc in Czech and a sample in the other languages: the page fills
// without an error mark and names the exhibitor. A contact block lists only the lines it has:
// an exhibitor without an e-mail shows its web address as the block's first line, not below an
// empty one.
TEST_F(DemoExhibitorPages, EveryExhibitorFillsWithoutErrorMarks) {
    const DataFile exhibitors(2);
    ASSERT_GE(exhibitors.rows(), 400u);
    size_t webWithoutMail = 0;
    for (size_t r = 0; r < exhibitors.rows(); ++r) {
        const int katId = static_cast<int>(exhibitors.integer(r, "KAT_ID"));
        std::string firstLine = exhibitors.text(r, "KAT_NAZEV");
        firstLine = firstLine.substr(0, firstLine.find('\r'));
        for (int l = 0; l < kLanguages; l += (r % 9 == 0 ? 1 : kLanguages)) {
            SCOPED_TRACE("KAT_ID " + std::to_string(katId) + ", language " + std::to_string(l));
            const std::string html = page(katId, l);
            ASSERT_NE(html, "");
            EXPECT_EQ(html.find("ERR["), std::string::npos);
            EXPECT_NE(html.find(firstLine), std::string::npos);
            EXPECT_EQ(html.find("8px\"><br>"), std::string::npos);
            webWithoutMail += l == 0 && occurrences(html, "Web: ") > occurrences(html, "E-mail: ");
        }
    }
    EXPECT_GT(webWithoutMail, 0u);
}

TEST_F(DemoExhibitorPages, MainPartnerShowsEveryPartOfThePage) {
    const std::string html = page(1001, 0);
    for (const char* part :
         {"Strojírny Lipová Hora a.s.", "obchodní centrum Brno",     // address, name on two lines
          "Hlavní partner veletrhu", "A 101", "pavilon_a.html",      // floor-plan link of the area
          "Dvořák a Hejl, spol. s r.o.", "Nordhamm Werkzeuge GmbH",  // co-exhibitors
          "NOVINKA</span>", "strojirny_cs.html",  // presentation and advertisement
          "Brennberg Hydraulik AG", "ProFlex", "Certifikace ISO 9001", "1.jpg",  // the logo
          "href=\"zpet:\""}) {
        EXPECT_TRUE(contains(html, part)) << part;
    }
}

TEST_F(DemoExhibitorPages, ExhibitorWithoutDetailsLeavesTheOptionalPartsOut) {
    const std::string html = page(1010, 0);
    EXPECT_TRUE(contains(html, "Pekárna U Zlatého klasu s.r.o."));
    for (const char* heading : {"Další adresa", "O firmě", "Více o firmě", "Umístění na výstavišti",
                                "Spoluvystavovatelé", "Exponáty", "Obory a výrobky",
                                "Zastoupené značky", "Zastoupené firmy", "Doplňující informace"}) {
        EXPECT_FALSE(contains(html, heading)) << heading;
    }
    EXPECT_FALSE(contains(html, "<img"));
}

// Javor logistika belongs to the second catalogue, whose text columns stand in another order
// and which has no Polish column: Polish readers get the default column, English.
TEST_F(DemoExhibitorPages, TextColumnsFollowTheCatalogueOfTheExhibitor) {
    EXPECT_TRUE(contains(page(1006, 0), "Společnost Javor logistika"));
    EXPECT_TRUE(contains(page(1006, 2), "Die Firma Javor logistika"));
    EXPECT_TRUE(contains(page(1006, 3), "Javor logistika s.r.o. was founded"));
    EXPECT_TRUE(contains(page(1006, 4), "Spoločnosť Javor logistika"));
    EXPECT_TRUE(contains(page(1001, 3), "Firma Strojírny Lipová Hora a.s. została założona"));
}

TEST_F(DemoExhibitorPages, PresentationLinksFollowTheLanguageAndTheirWindow) {
    EXPECT_TRUE(contains(page(1001, 2), "strojirny_de.html"));
    EXPECT_TRUE(contains(page(1001, 4), "strojirny_en.html"));  // no Slovak page: "url"
    EXPECT_TRUE(contains(page(1003, 0), "target=\"_blank\""));
    EXPECT_TRUE(contains(page(1004, 1), "voltika_en.html"));
    EXPECT_FALSE(contains(page(1004, 3), "voltika_"));  // no Polish page and no "url"
}

}  // namespace
}  // namespace expo::demotest
