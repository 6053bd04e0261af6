// The exhibitor pages that the viewer makes from the demo disc: the hand-made exhibitors show
// the parts of the page they were made for.
#include <gtest/gtest.h>

#include <string>

#include "platform/text/text.h"
#include "presentation/catalogue/catalogue.h"
#include "presentation/page/exhibitor_page.h"
#include "presentation/settings/language_texts.h"
#include "tests/demo/disc_support.h"

namespace expo::demotest {
namespace {

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

// Every exhibitor of the demo disc in Czech and a sample in the other languages: the page fills
// without an error mark and names the exhibitor.
TEST_F(DemoExhibitorPages, EveryExhibitorFillsWithoutErrorMarks) {
    const DataFile exhibitors(2);
    ASSERT_GE(exhibitors.rows(), 400u);
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
        }
    }
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

// --- Contact lines ---------------------------------------------------------------------------

size_t occurrences(const std::string& text, const std::string& word) {
    size_t count = 0;
    for (size_t at = text.find(word); at != std::string::npos; at = text.find(word, at + 1)) {
        ++count;
    }
    return count;
}

// A contact block lists only the lines it has: an exhibitor without an e-mail shows its web
// address as the block's first line, not below an empty one.
TEST_F(DemoExhibitorPages, AContactBlockNeverStartsWithAnEmptyLine) {
    const DataFile exhibitors(2);
    size_t webWithoutMail = 0;
    for (size_t r = 0; r < exhibitors.rows(); ++r) {
        const int katId = static_cast<int>(exhibitors.integer(r, "KAT_ID"));
        const std::string html = page(katId, 0);
        EXPECT_EQ(html.find("8px\"><br>"), std::string::npos) << "KAT_ID " << katId;
        webWithoutMail += occurrences(html, "Web: ") > occurrences(html, "E-mail: ");
    }
    EXPECT_GT(webWithoutMail, 0u);
}

}  // namespace
}  // namespace expo::demotest
