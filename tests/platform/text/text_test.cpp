// Code page 1250 conversions, letter case, trimming and number conversions.
#include "platform/text/text.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "platform/text/error.h"

namespace expo::text {
namespace {

TEST(Cp1250, EveryByteRoundTripsAndKnownBytesMapToTheirCharacters) {
    for (int b = 0; b < 256; ++b) {
        const std::string one(1, static_cast<char>(b));
        ASSERT_EQ(unicodeToCp1250(cp1250ToUnicode(static_cast<unsigned char>(b))), b) << b;
        EXPECT_EQ(utf8ToCp1250(cp1250ToUtf8(one)), one) << b;
        EXPECT_EQ(utf16ToCp1250(cp1250ToUtf16(one)), one) << b;
    }
    const std::pair<unsigned char, char32_t> known[] = {
        {0x80, U'€'}, {0x8A, U'Š'}, {0x9E, U'ž'}, {0xA0, 0xA0}, {0xB9, U'ą'},  {0xBE, U'ľ'},
        {0xC8, U'Č'}, {0xD9, U'Ů'}, {0xEC, U'ě'}, {0xF8, U'ř'}, {0xFF, 0x2D9}, {0x98, 0x98}};
    for (const auto& [byte, code] : known) {
        EXPECT_EQ(cp1250ToUnicode(byte), code) << int{byte};
    }
}

TEST(Cp1250, WhatTheCodePageLacksOrIsInvalidBecomesAQuestionMark) {
    const std::pair<const char*, const char*> utf8[] = {
        {"añb", "a?b"},     {"a\xF0\x9F\x98\x80z", "a?z"}, {"a\xC3z", "a?z"},
        {"\xC0\xAF", "??"}, {"\xED\xA0\x80", "?"},         {"Vše", "V\x9A\x65"}};
    for (const auto& [in, out] : utf8) {
        EXPECT_EQ(utf8ToCp1250(in), out) << in;
    }
    EXPECT_EQ(utf16ToCp1250(u"a\xD83D\xDE00z"), "a?z");
    EXPECT_EQ(utf16ToCp1250(std::u16string{u'a', 0xD800, u'b'}), "a?b");
    EXPECT_TRUE(isValidUtf8("Žluťoučký \xF0\x9F\x98\x80"));
    for (const char* bad : {"\x9A", "\xC3", "\xE0\x80\xAF", "\xF4\x90\x80\x80"}) {
        EXPECT_FALSE(isValidUtf8(bad)) << bad;
    }
}

TEST(Case, UpperAndLowerOfEveryLetter) {
    const std::pair<const char*, const char*> pairs[] = {
        {"abcdefghijklmnopqrstuvwxyz", "ABCDEFGHIJKLMNOPQRSTUVWXYZ"},
        {"áčďéěíňóřšťúůýžäľĺŕôąęłńśźżćőűüöâăîçđţşë", "ÁČĎÉĚÍŇÓŘŠŤÚŮÝŽÄĽĹŔÔĄĘŁŃŚŹŻĆŐŰÜÖÂĂÎÇĐŢŞË"},
        {"ß˙µ÷×1€ ", "ß˙µ÷×1€ "}};
    for (const auto& [lowerText, upperText] : pairs) {
        EXPECT_EQ(upper(cp(lowerText)), cp(upperText)) << lowerText;
        EXPECT_EQ(lower(cp(upperText)), cp(lowerText)) << upperText;
    }
    for (int b = 0; b < 256; ++b) {
        const auto c = static_cast<unsigned char>(b);
        if (upperChar(c) != c) {
            EXPECT_EQ(lowerChar(upperChar(c)), c) << b;
        }
    }
    EXPECT_EQ(asciiLower(cp("ŠABLONA.HTML")), cp("Šablona.html"));
    EXPECT_TRUE(equalsNoCase(cp("text Počet"), cp("TEXT POČET")));
    EXPECT_FALSE(equalsNoCase("abc", "abcd"));
    EXPECT_FALSE(equalsNoCase(cp("c"), cp("č")));
}

TEST(Trim, RemovesBlanksAndControlCharactersButNotTheNoBreakSpace) {
    const std::array<std::string, 4> cases[] = {
        // text, trimmed, on the left, on the right
        {" \t\r\n", "", "", ""},
        {"\x01 a b \x1F", "a b", "a b \x1F", "\x01 a b"},
        {"\xA0x\xA0", "\xA0x\xA0", "\xA0x\xA0", "\xA0x\xA0"},
        {std::string("\0x\0", 3), "x", std::string("x\0", 2), std::string("\0x", 2)}};
    for (const auto& [in, both, left, right] : cases) {
        EXPECT_EQ(trim(in), both);
        EXPECT_EQ(trimLeft(in), left);
        EXPECT_EQ(trimRight(in), right);
    }
}

TEST(StrToInt, DecimalAndHexadecimalIn32Bits) {
    const std::pair<const char*, int32_t> valid[] = {{"  42", 42},
                                                     {"+7", 7},
                                                     {"-7", -7},
                                                     {"$10", 16},
                                                     {"x1f", 31},
                                                     {"0XfF", 255},
                                                     {"-$10", -16},
                                                     {"$FFFFFFFF", -1},
                                                     {"2147483647", INT32_MAX},
                                                     {"-2147483648", INT32_MIN}};
    for (const auto& [text, value] : valid) {
        EXPECT_EQ(tryStrToInt(text), value) << text;
        EXPECT_EQ(strToInt(text), value) << text;
    }
    for (const char* text : {"", " ", "-", "$", "0x", "12 ", "1 2", "12a", "$G1", "0x-1", "--1",
                             "\t1", "2147483648", "-2147483649", "$100000000", "1.0"}) {
        EXPECT_EQ(tryStrToInt(text), std::nullopt) << text;
    }
    EXPECT_THAT([] { strToInt("$00FFZZ"); },
                ::testing::ThrowsMessage<Error>("'$00FFZZ' is not a valid integer value"));
}

TEST(Numbers, RoundingAndColours) {
    const std::pair<double, int64_t> rounding[] = {{0.5, 0}, {1.5, 2}, {2.5, 2}, {409.6, 410}};
    for (const auto& [in, out] : rounding) {
        EXPECT_EQ(roundHalfEven(in), out) << in;
    }
    EXPECT_EQ(colorFromInt(0x00CED3D6), (Rgb{0xD6, 0xD3, 0xCE}));
}

}  // namespace
}  // namespace expo::text
