#include "platform/ui/program_title.h"

#include <gtest/gtest.h>

#include <ostream>

#include "platform/text/text.h"

namespace expo::ui {
namespace {

struct TitleCase {
    const char* programFile;
    const char* title;
};

void PrintTo(const TitleCase& c, std::ostream* os) {
    *os << '"' << c.programFile << '"';
}

class ProgramTitleTest : public ::testing::TestWithParam<TitleCase> {};

TEST_P(ProgramTitleTest, FollowsTheTitleRule) {
    EXPECT_EQ(programTitle(text::cp(GetParam().programFile)), text::cp(GetParam().title));
}

INSTANTIATE_TEST_SUITE_P(Table, ProgramTitleTest,
                         ::testing::Values(TitleCase{"/media/cdrom/EXPOZICE.EXE", "Expozice"},
                                           TitleCase{"/media/cdrom/Expozice.exe", "Expozice"},
                                           // The first character keeps its case.
                                           TitleCase{"/opt/disc/expozice", "expozice"},
                                           TitleCase{"/opt/disc/eXPOZICE", "expozice"},
                                           // Cut at the first ".", not the last.
                                           TitleCase{"/opt/disc/Veletrh.2024.bin", "Veletrh"},
                                           TitleCase{"D:\\KATALOG\\VELETRH.EXE", "Veletrh"},
                                           TitleCase{"/opt/a.b/PROGRAM", "Program"},
                                           TitleCase{"VÝSTAVIŠTĚ.EXE", "Výstaviště"},
                                           TitleCase{"ŠKODA", "Škoda"},
                                           TitleCase{"ŽĽUŤOUČKÝ ŁÓDŹ Ą", "Žľuťoučký łódź ą"},
                                           TitleCase{"/opt/disc/.hidden", ""}, TitleCase{"", ""}));

TEST(ProgramTitle, TheRunningProgramIsNamedAfterItsFile) {
    // This test program's file is "ui_tests".
    EXPECT_EQ(programTitle(), "ui_tests");
}

}  // namespace
}  // namespace expo::ui
