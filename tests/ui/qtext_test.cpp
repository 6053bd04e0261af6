#include "platform/ui/qtext.h"

#include <gtest/gtest.h>

#include "platform/text/text.h"

namespace expo::ui {
namespace {

TEST(QText, EveryByteSurvivesTheRoundTrip) {
    for (int byte = 0; byte < 256; ++byte) {
        const std::string one(1, static_cast<char>(byte));
        const QString q = toQ(one);
        ASSERT_EQ(q.size(), 1) << "byte " << byte;
        EXPECT_EQ(char32_t{q.front().unicode()},
                  text::cp1250ToUnicode(static_cast<unsigned char>(byte)))
            << "byte " << byte;
        EXPECT_EQ(fromQ(q), one) << "byte " << byte;
    }
}

TEST(QText, CharactersOutsideTheCodePageBecomeQuestionMarks) {
    EXPECT_EQ(fromQ(QStringLiteral(u"Ab\u6F22c\u00E6")), "Ab?c?");
    EXPECT_EQ(fromQ(QString::fromUtf8("\xF0\x9F\x98\x80")), "?");  // one character, two halves
    EXPECT_EQ(fromQ(toQ(std::string("a\0b", 3))), std::string("a\0b", 3));
}

}  // namespace
}  // namespace expo::ui
