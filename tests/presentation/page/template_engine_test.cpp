// The template engine on a small catalogue: markup, blocks, loops and error marks.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "platform/text/error.h"
#include "platform/text/text.h"
#include "tests/presentation/page/page_data.h"

namespace expo::testing {
namespace {

using text::cp;

// Exhibitor 7 has three records in most detail datasets, 9 has one, 8 none. The detail
// records come in another order than their sort keys.
void loadSampleCatalogue(PageWorld& w) {
    const ds::Value null = ds::Null{};
    // clang-format off
    load(w.CDSZaznamy, {"KAT_ID:int", "SEKCE_ID:int", "KAT_NAZEV", "KAT_ULICE", "KAT_TELEFON1_1",
                        "KAT_FAX1", "KAT_EMAIL"},
         {{7, 5, "Alfa\r\nBeta", cp("  Dlouhá 5\r\n"), "", "", "info@alfa.cz"},
          {8, null, cp("Prázdná"), "", "", "", ""}, {9, 5, "Gama", "", "123", "456", ""}});
    load(w.CDSNomenklatury, {"KAT_ID:int", "NOM_KOD", "NOM_KOD_SORT"},
         {{7, "C3", "3"}, {7, "A1", "1"}, {9, "Z9", "9"}, {7, "B2", "2"}});
    load(w.CDSExponaty, {"KAT_ID:int", "KTE_TEXT0", "NOM_KOD_SORT"},
         {{7, "e2", "2"}, {7, "e1", "1"}, {9, "e9", "9"}, {7, "e3", "3"}});
    load(w.CDSUmisteni, {"KAT_ID:int", "KAT_ID_HLVYST:int", "PLO_ZKRAT", "KTU_STANEK", "KAT_NAZEV"},
         {{7, null, "P2", "20", "Alfa"}, {7, null, "P1", "10", "Alfa"}, {9, 7, "P1", "11", "Gama"},
          {8, 7, "P1", "12", cp("Prázdná\r\nfirma")}});
    // clang-format on
    load(w.CDSZastFir, {"KAT_ID:int", "KTF_TEXT"}, {{7, "F1"}, {9, "F9"}, {7, "F2"}});
    load(w.CDSZastZnac, {"KAT_ID:int", "KTZ_TEXT"}, {{7, "Z1"}});
    // A single record in the whole dataset.
    load(w.CDSDoplnInf, {"KAT_ID:int", "doplinf_popis"}, {{9, "D9"}});
}

std::string unknown(std::string_view keyword) {
    return "ERR[Neznáme klíčové slovo: " + std::string(keyword) + " ]";
}
const std::string kTooDeep = "ERR[nedovolený počet zanoření bloků]";
std::string loopEndOutside(std::string_view keyword) {
    return "ERR[Konec smyčky mimo její tělo: " + std::string(keyword) + " ]";
}

struct PageCase {
    const char* name;
    int katId;
    std::string pageTemplate, expected;  // UTF-8 here, code page 1250 when filled
};

class TemplateEngine : public ::testing::TestWithParam<PageCase> {};

TEST_P(TemplateEngine, FillsThePage) {
    PageWorld world;
    loadSampleCatalogue(world);
    EXPECT_EQ(world.fill(cp(GetParam().pageTemplate), GetParam().katId), cp(GetParam().expected));
}

const PageCase kPageCases[] = {
    // clang-format off
    // Text and keywords
    {"TemplateWithoutMarkup", 7, "<p>Ahoj</p>\r\n<i>x</i>", "<p>Ahoj</p>\r\n<i>x</i>"}, {"EmptyTemplate", 7, "", ""},
    {"EmptyValueLeavesTheText", 7, "Tel: #TELEFON1_1#", "Tel: "},
    {"KeywordInLowerCase", 7, "#nazevfirmy#", "Alfa<br>Beta"}, {"ValueTrimmed", 7, "[#ULICE#]", "[Dlouhá 5]"},
    {"LineBreaksOfTheTextKept", 7, "a\r\n#EMAIL#\r\nb", "a\r\ninfo@alfa.cz\r\nb"},
    {"BlankBeforeTheName", 7, "# NAZEVFIRMY#", unknown(" NAZEVFIRMY")},
    {"EmptyKeyword", 7, "a##b", "a" + unknown("") + "b"}, {"UnknownKeywordInUpperCase", 7, "#čau#", unknown("ČAU")},
    {"BracesInsideAKeyword", 7, "#NAZEV{FIRMY}#", unknown("NAZEV{FIRMY}")},
    {"UnterminatedKeyword", 7, "Text #NAZEVFIRMY", "Text "},
    {"UnknownLoopWords", 7, "#BEGINXYZ#|#ENDXYZ#", unknown("BEGINXYZ") + "|" + unknown("ENDXYZ")},
    // Blocks
    {"BlockWithEmptyValueDropped", 7, "{Tel: #TELEFON1_1#}", ""},
    {"BlockWithValueEmitted", 9, "{Tel: #TELEFON1_1#}", "Tel: 123"},
    {"BlockOfLiteralTextDropped", 7, "a{<b>html</b>}b", "ab"},
    {"OuterBlockWithoutItsEmptyInner", 7, "{A{F#FAX#}B#EMAIL#}", "ABinfo@alfa.cz"},
    {"InnerBlockRaisesTheOuter", 9, "{A{F#FAX#}B#EMAIL#}", "AF456B"}, {"ErrorMarkDoesNotFillABlock", 7, "{x##}", ""},
    {"FourthLevelInsideAnEmptyThird", 7, "{1{2{3{4#NAZEVFIRMY#}5}6}7}8", "124Alfa<br>Beta56"},
    {"FourthLevelAfterAFilledThird", 7, "{1{2{3#EMAIL#{4#NAZEVFIRMY#}5}6}7}8",
     "123info@alfa.cz" + kTooDeep + "4Alfa<br>Beta56"},
    {"CloseAtTheTopEndsThePage", 7, "a}b#EMAIL#", "a"},
    {"UnclosedFilledBlock", 7, "a{b#EMAIL#", "abinfo@alfa.cz"},
    {"UnclosedEmptyBlock", 9, "a{b#EMAIL#", "a"},
    {"OpenAsLastCharacterHasNoEffect", 7, "{{{x#EMAIL#{", "xinfo@alfa.cz"},
    // Loops
    {"LoopOverThree", 7, "#BEGINEXP, #[#EXPONATTEXT#]#ENDEXP#", "[e1], [e2], [e3]"},
    {"LoopOverOne", 9, "#BEGINEXP, #[#EXPONATTEXT#]#ENDEXP#", "[e9]"},
    {"LoopOverNone", 8, "#BEGINEXP, #[#EXPONATTEXT#]#ENDEXP#", "[]"},
    {"LoopInBlockOverNone", 8, "{<ul>#BEGINNOM#<li>#NOMENKLATURAKOD#</li>#ENDNOM#</ul>}", ""},
    {"LoopInBlockOverThree", 7, "{<ul>#BEGINNOM#<li>#NOMENKLATURAKOD#</li>#ENDNOM#</ul>}",
     "<ul><li>A1</li><li>B2</li><li>C3</li></ul>"},
    {"SeparatorAsWritten", 7, "#beginexp Or #x#endexp#", "x Or x Or x"},
    {"SeparatorFromTheCharacterAfterTheWord", 7, "#xBEGINEXP-#e#ENDEXP#", "eP-eP-e"},
    {"PlacementsByArea", 7, "#BEGINUMISTENI, #P#UMISTENIPAVILON#/#UMISTENISTANEK##ENDUMISTENI#", "PP1/10, PP2/20"},
    {"CoExhibitorsByName", 7, "#BEGINSPOLUVYST; ##SPOLUVYSTAVOVATELE##ENDSPOLUVYST#", "Gama; Prázdná firma"},
    {"FirmsInFileOrder", 7, "#BEGINZASTFIR / ##ZASTOUPENAFIRMA##ENDZASTFIR#", "F1 / F2"},
    {"TwoLoopsOverOneDatasetInTurn", 7, "#BEGINUMISTENI,#A#ENDUMISTENI#|#BEGINSPOLUVYST,#B#ENDSPOLUVYST#", "A,A|B,B"},
    {"NestedLoopsShareTheSeparator", 7,
     "#BEGINNOM; #N#NOMENKLATURAKOD#(#BEGINEXP, #E#EXPONATTEXT##ENDEXP#)#ENDNOM#",
     "NA1(Ee1, Ee2, Ee3), NB2(Ee1, Ee2, Ee3), NC3(Ee1, Ee2, Ee3)"},
    {"InnerLoopInADroppedBlockSetsTheSeparator", 7,
     "#BEGINNOM; ##NOMENKLATURAKOD#{#BEGINDOPLINF|##DOPLINF#-#ENDDOPLINF#}#ENDNOM#", "A1|B2|C3"},
    {"TemplateEndingInALoopBody", 7, "#BEGINNOM#<#NOMENKLATURAKOD#>", "<A1>"},
    {"DetailKeywordAfterItsLoop", 7, "#BEGINEXP##ENDEXP#[#EXPONATTEXT#]", "[e1]"},
    {"LoopEndAtTheTopWithoutFurtherRecord", 7, "A#ENDDOPLINF#B", "A"},
    // Loops that cannot be carried out end the page with a mark.
    {"LoopEndAtTheTopWithFurtherRecords", 7, "A#ENDNOM#B", "A" + loopEndOutside("ENDNOM")},
    {"LoopEndInABlockOfItsBody", 7, "#BEGINNOM#{#NOMENKLATURAKOD##ENDNOM#}x", "A1" + loopEndOutside("ENDNOM")},
    {"CrossedLoops", 7, "#BEGINNOM##BEGINEXP##ENDNOM##ENDEXP#", loopEndOutside("ENDNOM")},
    {"NestedLoopsOverOneDataset", 7,
     "#BEGINUMISTENI#x#BEGINSPOLUVYST#y#ENDSPOLUVYST#z#ENDUMISTENI#",
     "xERR[Smyčka vnořená do smyčky nad stejnými daty: BEGINSPOLUVYST ]"},
    {"BlockClosedInALoopBody", 7, "{#BEGINNOM#a#EMAIL#}#ENDNOM#",
     "ainfo@alfa.czERR[Konec bloku uvnitř smyčky: BEGINNOM ]"},
    {"TooDeepBlockInALoopBody", 7, "{{{#BEGINNOM##NOMENKLATURAKOD#{x}#ENDNOM#}}}", "A1" + kTooDeep},
};

// clang-format on
INSTANTIATE_TEST_SUITE_P(Pages, TemplateEngine, ::testing::ValuesIn(kPageCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(TemplateEngineState, DataErrorsLeaveTheFill) {
    PageWorld world;
    loadSampleCatalogue(world);
    world.suffixes.expLanguageSuffix = "2";  // the exhibits have no column KTE_TEXT2
    EXPECT_THROW(world.fill("#BEGINEXP##EXPONATTEXT##ENDEXP#", 7), Error);
}

// Templates made of random markup, loops in every wrong arrangement included, all come to an
// end with a page of bounded size.
TEST(TemplateEngineState, RandomTemplatesComeToAnEnd) {
    // Text between keywords reads as a keyword once a "#" is missing: "abc" is none.
    // clang-format off
    const std::vector<std::string> pieces = {
        "#BEGINNOM,#", "#ENDNOM#", "#BEGINEXP;#", "#ENDEXP#", "#BEGINUMISTENI#", "#ENDUMISTENI#",
        "#BEGINSPOLUVYST#", "#ENDSPOLUVYST#", "#BEGINDOPLINF#", "#ENDDOPLINF#", "{", "}",
        "#NOMENKLATURAKOD#", "#EXPONATTEXT#", "#EMAIL#", "#FAX#", "abc", "#", "##"};
    // clang-format on
    std::mt19937 random(1234);
    std::uniform_int_distribution<size_t> pick(0, pieces.size() - 1);
    std::uniform_int_distribution<int> length(1, 24);
    for (int round = 0; round < 3000; ++round) {
        std::string pageTemplate;
        for (int n = length(random); n > 0; --n) {
            pageTemplate += pieces[pick(random)];
        }
        PageWorld world;
        loadSampleCatalogue(world);
        const std::string page = world.fill(pageTemplate, 7);
        // No piece yields more than 15 characters, and a loop repeats at most three times
        // per level.
        EXPECT_LT(page.size(), 200 * pageTemplate.size() + 200) << pageTemplate;
    }
}

}  // namespace
}  // namespace expo::testing
