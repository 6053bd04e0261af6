// The language loading as the window shows it: the progress notice's lines, the look on the
// widgets, the tree with its sections.

#include "tests/support/window_fixture.h"

namespace expo::testing {
namespace {

TEST_F(WindowTest, TheDemoDiscLoadsUnderOneNoticeWithItsLookTreeAndSections) {
    TFormExpozice& w = open(EXPO_DISC_DIR, 1);
    ASSERT_EQ(notices.notices.size(), 1u);
    EXPECT_EQ(notices.notices[0].title, "Starting the catalogue:");
    EXPECT_EQ(Lines(notices.notices[0].lines.begin(), notices.notices[0].lines.begin() + 4),
              (Lines{"loading the layout.", "loading the logo.", "loading the navigation.",
                     "loading data files: 1 of 12."}));
    EXPECT_EQ(node({"Exhibitor catalogue"})->childCount(), 6);
    EXPECT_EQ(w.ListBoxSeznamFirem->font().family(), "Verdana");
    EXPECT_EQ(w.ListBoxSeznamFirem->palette().color(QPalette::Base), QColor(0xF4, 0xF7, 0xFB));
    EXPECT_EQ(w.LabelInfo->palette().color(QPalette::WindowText), QColor(0x1F, 0x4E, 0x8C));
    EXPECT_EQ(w.PanelTlacitka->palette().color(QPalette::Window), QColor(0xD3, 0xDD, 0xE6));
}

}  // namespace
}  // namespace expo::testing
