// The export text without a window: the place and placement lines, each exhibitor's block, the
// notebook's order, the progress line, the saved file's bytes, Ctrl+Shift+Q's drive message,
// and a file written in steps.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/os/files.h"
#include "platform/text/error.h"
#include "platform/text/text.h"
#include "presentation/notebook_export.h"
#include "tests/core/temp_folder.h"
#include "tests/dataset/support.h"

namespace expo::presentation {
namespace {

using ds::FieldType;
using ds::Null;
using ds::Value;
using ds::testing::field;
using text::cp;
using Lines = std::vector<std::string>;

struct LineCase {
    const char* name;
    const char* first;
    const char* second;
    const char* line;
};

class PlaceLine : public ::testing::TestWithParam<LineCase> {};

TEST_P(PlaceLine, JoinsCityAndCountryCode) {
    EXPECT_EQ(exportPlaceLine(cp(GetParam().first), GetParam().second), cp(GetParam().line));
}

INSTANTIATE_TEST_SUITE_P(Cases, PlaceLine,
                         ::testing::Values(LineCase{"Both", "Brno", "CZE", "Brno, CZE"},
                                           LineCase{"NoCity", "", "CZE", ", CZE"},
                                           LineCase{"BlankCity", "   ", "SVK", ", SVK"},
                                           LineCase{"NoCode", "Frýdek-Místek", "", "Frýdek-Místek"},
                                           LineCase{"BlankCode", "Brno", "   ", "Brno"},
                                           LineCase{"Neither", "  ", " ", ""},
                                           LineCase{"Trimmed", "  Kroměříž    ", " CZE",
                                                    "Kroměříž, CZE"}),
                         [](const auto& info) { return std::string(info.param.name); });

class PlacementLine : public ::testing::TestWithParam<LineCase> {};

TEST_P(PlacementLine, JoinsAreaCodeAndStand) {
    EXPECT_EQ(exportPlacementLine(GetParam().first, GetParam().second), GetParam().line);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PlacementLine,
    ::testing::Values(LineCase{"Both", "A", "A 140", "A - A 140"},
                      LineCase{"NoStand", "B", "", "B"}, LineCase{"BlankStand", "B", "     ", "B"},
                      LineCase{"NoArea", "", "A 140", ""},
                      LineCase{"BlankArea", "   ", "A 140", ""},
                      LineCase{"Trimmed", " VP ", "VP 101    ", "VP - VP 101"}),
    [](const auto& info) { return std::string(info.param.name); });

// Exhibitors and placements as the catalogue holds them: fixed-length text with its blanks.
class ExportBlocks : public ::testing::Test {
  protected:
    ExportBlocks() {
        zaznamy.loadFromPacket(
            {{field("KAT_ID", FieldType::Integer, 4),
              field("KAT_NAZEV", FieldType::FixedString, 255),
              field("KAT_MESTO", FieldType::FixedString, 48),
              field("STAT_ID", FieldType::FixedString, 3)},
             {{int64_t{1}, cp("  Agroline a.s.   "), cp("Frýdek-Místek   "), std::string("CZE")},
              {int64_t{2}, cp("Sdružení výrobců\r\nzemědělské techniky"), std::string(""),
               std::string("SVK")},
              {int64_t{3}, std::string("Bez adresy"), Null{}, Null{}},
              {int64_t{4}, std::string("Lone\nLF"), std::string("Brno"), std::string("   ")}}});
        umisteni.loadFromPacket({{field("KTU_STANEK", FieldType::FixedString, 50),
                                  field("PLO_ZKRAT", FieldType::FixedString, 20),
                                  field("KAT_ID", FieldType::Integer, 4)},
                                 {{std::string("A 140     "), std::string("A"), int64_t{1}},
                                  {std::string("X 1       "), std::string("   "), int64_t{1}},
                                  {std::string("          "), std::string("VP"), int64_t{1}},
                                  {std::string("G 101     "), std::string("G"), int64_t{2}},
                                  {std::string("Z 9       "), std::string("Z"), int64_t{99}}}});
        umisteni.setIndexFieldNames("KAT_ID");
    }

    Lines block(int32_t key) { return exhibitorExportLines(zaznamy, umisteni, key); }

    Lines exportOf(const Notebook& notebook) {
        return notebookExportLines(notebook, zaznamy, umisteni, [](size_t, size_t) {});
    }

    ds::ClientDataSet zaznamy{"CDSZaznamy"};
    ds::ClientDataSet umisteni{"CDSUmisteni"};
};

TEST_F(ExportBlocks, NamePlaceThePlacementsWithAnAreaAndTheSeparator) {
    EXPECT_EQ(block(1), (Lines{"Agroline a.s.", cp("Frýdek-Místek, CZE"), "A - A 140", "VP", ""}));
}

TEST_F(ExportBlocks, ALineBreakInTheNameBecomesOneBlank) {
    EXPECT_EQ(block(2),
              (Lines{cp("Sdružení výrobců zemědělské techniky"), ", SVK", "G - G 101", ""}));
    EXPECT_EQ(block(4), (Lines{"Lone\nLF", "Brno", ""}));  // a lone LF stays
}

TEST_F(ExportBlocks, NoPlaceAndNoPlacementLeaveTheNameAndTheSeparator) {
    EXPECT_EQ(block(3), (Lines{"Bez adresy", ""}));
}

TEST_F(ExportBlocks, AnExhibitorWithoutItsRecordGivesNoLineAtAll) {
    EXPECT_EQ(block(99), Lines{});  // its placement is not looked at
}

TEST_F(ExportBlocks, BothDataSetsStayNarrowedToTheLastExhibitor) {
    block(2);
    EXPECT_EQ(zaznamy.filter(), "KAT_ID=2");
    EXPECT_TRUE(zaznamy.filtered());
    EXPECT_EQ(umisteni.filter(), "KAT_ID=2");
    EXPECT_TRUE(umisteni.filtered());
    EXPECT_EQ(umisteni.recordCount(), 1);
}

TEST_F(ExportBlocks, BlocksFollowTheNotebooksOrderAndToldEachPosition) {
    const Notebook notebook{{"C", 3}, {"chybí", 99}, {"A", 1}};
    std::vector<std::pair<size_t, size_t>> told;
    const Lines lines = notebookExportLines(notebook, zaznamy, umisteni,
                                            [&](size_t i, size_t n) { told.emplace_back(i, n); });
    EXPECT_EQ(lines, (Lines{"Bez adresy", "", "Agroline a.s.", cp("Frýdek-Místek, CZE"),
                            "A - A 140", "VP", ""}));
    EXPECT_EQ(told, (std::vector<std::pair<size_t, size_t>>{{1, 3}, {2, 3}, {3, 3}}));
}

// The box's lines as the window shows an unchanged text: split at its line breaks.
Lines boxLines(const std::string& boxText) {
    Lines lines{""};
    for (char c : boxText) {
        if (c == '\n') {
            lines.emplace_back();
        } else {
            lines.back() += c;
        }
    }
    return lines;
}

TEST_F(ExportBlocks, SavedBytesOfOneExhibitor) {
    const std::string box = exportBoxText(exportOf({{"A", 1}}));
    EXPECT_EQ(box, cp("Agroline a.s.\nFrýdek-Místek, CZE\nA - A 140\nVP\n\n"));
    EXPECT_EQ(exportFileBytes(boxLines(box)),
              cp("Agroline a.s.\r\nFrýdek-Místek, CZE\r\nA - A 140\r\nVP\r\n\r\n"));
}

TEST_F(ExportBlocks, SavedBytesOfSeveralExhibitors) {
    const std::string box = exportBoxText(exportOf({{"S", 2}, {"B", 3}}));
    EXPECT_EQ(exportFileBytes(boxLines(box)),
              cp("Sdružení výrobců zemědělské techniky\r\n, SVK\r\nG - G 101\r\n\r\n"
                 "Bez adresy\r\n\r\n"));
}

TEST(ExportFile, EveryLineEndsWithCrLfAndAFinalEmptyLineIsNone) {
    EXPECT_EQ(exportFileBytes({}), "");
    EXPECT_EQ(exportFileBytes({""}), "");
    EXPECT_EQ(exportFileBytes({"a"}), "a\r\n");
    EXPECT_EQ(exportFileBytes({"a", ""}), "a\r\n");
    EXPECT_EQ(exportFileBytes({"a", "", ""}), "a\r\n\r\n");
    EXPECT_EQ(exportFileBytes({"", "b"}), "\r\nb\r\n");
}

TEST(ExportProgress, RecordOfCount) {
    LanguageTexts texts;
    texts.FTextRecord = cp("záznam");
    texts.FTextOf = "z";
    EXPECT_EQ(exportProgressLine(texts, 2, 15), cp("záznam 2 z 15"));
    texts.FTextRecord = "record";
    texts.FTextOf = "of";
    EXPECT_EQ(exportProgressLine(texts, 1, 1), "record 1 of 1");
}

TEST(DriveTypeMessage, TheNumberOrTheReason) {
    EXPECT_EQ(driveTypeMessage([] { return 5; }), "Typ jednotky: 5");
    EXPECT_EQ(driveTypeMessage([]() -> int { throw Error(cp("Jednotka není připravena")); }),
              cp("Chyba při zjišťování typu jednotky.\r\rDůvod:Jednotka není připravena"));
}

std::string contentOf(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(OutputFile, ReplacesAFileInSteps) {
    testing::TempFolder dir;
    const std::string path = dir.write("firmy.txt", "an older and longer content");
    os::OutputFile file;
    ASSERT_EQ(file.create(path), 0);
    file.write("a\r\n");
    file.write(cp("Škoda\r\n"));
    file.close();
    EXPECT_EQ(contentOf(path), "a\r\n\x8Akoda\r\n");
}

TEST(OutputFile, AFileThatCannotBeCreatedGivesTheReason) {
    testing::TempFolder dir;
    os::OutputFile file;
    EXPECT_EQ(file.create((dir.path() / "no" / "firmy.txt").string()), ENOENT);
    EXPECT_EQ(file.create(dir.path().string()), EISDIR);
    EXPECT_EQ(file.create((dir.path() / std::string(300, 'x')).string()), ENAMETOOLONG);
}

TEST(OutputFile, AFailingWriteNamesTheFileAndTheReason) {
    if (!std::filesystem::exists("/dev/full")) {
        GTEST_SKIP() << "no /dev/full";
    }
    os::OutputFile file;
    ASSERT_EQ(file.create("/dev/full"), 0);
    try {
        file.write("x");
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_EQ(std::string(e.what()),
                  cp("Chyba při zápisu do souboru: /dev/full (") + std::strerror(ENOSPC) + ")");
    }
}

}  // namespace
}  // namespace expo::presentation
