// Which links of an unknown scheme the page browsers keep as the program's own words instead of
// handing them to the desktop.
#include <gtest/gtest.h>

#include <string>

#include "presentation/navigation/link_words.h"

namespace expo::presentation {
namespace {

TEST(HoldsLinkWord, TheWordsInAnyCaseAndNothingElse) {
    const struct {
        const char* url;
        bool kept;
    } cases[] = {
        {"zpet:", true},
        {"ZPET:", true},
        {"go_polozka_polozka_x", true},
        {"go_polozka_sekce 1 na CD", true},
        {"program:ke_stazeni\\pruvodce.EXE", true},
        {"video:film.mpg", true},
        {"video:film.MPEG", true},
        {"video:film.avi", true},
        {"archiv:ceniky.zip", true},
        {"nastav_jaz2", true},
        {"mailto:info@veletrh.cz", false},
        {"tel:+420123456789", false},
        {"mailto:zpet@veletrh.cz", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(holdsLinkWord(c.url), c.kept) << c.url;
    }
}

}  // namespace
}  // namespace expo::presentation
