#include "platform/ui/program_title.h"

#include <gtest/gtest.h>

#include "platform/text/text.h"

namespace expo::ui {
namespace {

// The file name up to its first ".", the first character as it is and the rest lower case.
TEST(ProgramTitle, FollowsTheTitleRule) {
    const std::pair<const char*, const char*> cases[] = {
        {"/media/cdrom/EXPOZICE.EXE", "Expozice"},
        {"/opt/disc/eXPOZICE", "expozice"},
        {"/opt/disc/Veletrh.2024.bin", "Veletrh"},
        {"D:\\KATALOG\\VELETRH.EXE", "Veletrh"},
        {"/opt/a.b/PROGRAM", "Program"},
        {"ŽĽUŤOUČKÝ ŁÓDŹ Ą", "Žľuťoučký łódź ą"},
        {"/opt/disc/.hidden", ""},
    };
    for (const auto& [file, title] : cases) {
        EXPECT_EQ(programTitle(text::cp(file)), text::cp(title)) << file;
    }
    EXPECT_EQ(programTitle(), "ui_tests");  // this test program's own file
}

}  // namespace
}  // namespace expo::ui
