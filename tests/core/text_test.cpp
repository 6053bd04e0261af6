// Code page 1250 conversions, letter case, trimming and number conversions.
#include "platform/text/text.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/text/error.h"

namespace expo::text {
namespace {

TEST(Cp1250, EveryByteRoundTripsThroughUnicode) {
    for (int b = 0; b < 256; ++b) {
        const auto byte = static_cast<unsigned char>(b);
        const char32_t code = cp1250ToUnicode(byte);
        ASSERT_EQ(unicodeToCp1250(code), byte) << "byte " << b;
        const std::string one(1, static_cast<char>(byte));
        EXPECT_EQ(utf8ToCp1250(cp1250ToUtf8(one)), one) << "byte " << b;
        EXPECT_EQ(utf16ToCp1250(cp1250ToUtf16(one)), one) << "byte " << b;
    }
}

TEST(Cp1250, KnownCodePoints) {
    struct Case {
        unsigned char byte;
        char32_t code;
    };
    const Case cases[] = {{'A', U'A'},  {0x80, U'€'}, {0x8A, U'Š'},  {0x8E, U'Ž'}, {0x9A, U'š'},
                          {0x9E, U'ž'}, {0xA0, 0xA0}, {0xB9, U'ą'},  {0xBE, U'ľ'}, {0xC8, U'Č'},
                          {0xD8, U'Ř'}, {0xD9, U'Ů'}, {0xE8, U'č'},  {0xEC, U'ě'}, {0xF8, U'ř'},
                          {0xF9, U'ů'}, {0xFD, U'ý'}, {0xFF, 0x2D9}, {0x81, 0x81}, {0x98, 0x98}};
    for (const auto& c : cases) {
        EXPECT_EQ(cp1250ToUnicode(c.byte), c.code) << int{c.byte};
    }
}

TEST(Cp1250, CharactersOutsideTheCodePageBecomeQuestionMarks) {
    EXPECT_EQ(unicodeToCp1250(U'ą'), 0xB9);
    EXPECT_EQ(unicodeToCp1250(U'ñ'), std::nullopt);
    EXPECT_EQ(utf8ToCp1250("añb"), "a?b");
    EXPECT_EQ(utf8ToCp1250("a\xF0\x9F\x98\x80"
                           "b"),
              "a?b");  // emoji
    EXPECT_EQ(utf8ToCp1250("a\xC3"
                           "b"),
              "a?b");                              // truncated sequence
    EXPECT_EQ(utf8ToCp1250("\xC0\xAF"), "??");     // overlong '/'
    EXPECT_EQ(utf8ToCp1250("\xED\xA0\x80"), "?");  // encoded surrogate
    EXPECT_EQ(utf16ToCp1250(u"a\xD83D\xDE00"
                            "b"),
              "a?b");                                                     // surrogate pair
    EXPECT_EQ(utf16ToCp1250(std::u16string{u'a', 0xD800, u'b'}), "a?b");  // lone surrogate
}

TEST(Cp1250, LiteralsConvert) {
    EXPECT_EQ(cp("Vše"),
              "V\x9A"
              "e");
    EXPECT_EQ(cp1250ToUtf8(cp("Příliš žluťoučký kůň")), "Příliš žluťoučký kůň");
}

TEST(Utf8, Validity) {
    EXPECT_TRUE(isValidUtf8(""));
    EXPECT_TRUE(isValidUtf8("Žluťoučký \xF0\x9F\x98\x80"));
    EXPECT_FALSE(isValidUtf8("\x9A"));
    EXPECT_FALSE(isValidUtf8("\xC3"));
    EXPECT_FALSE(isValidUtf8("\xE0\x80\xAF"));
    EXPECT_FALSE(isValidUtf8("\xF4\x90\x80\x80"));  // beyond U+10FFFF
}

TEST(Case, UpperOfEveryLetter) {
    const struct {
        const char* lower;
        const char* upper;
    } pairs[] = {
        {"abcdefghijklmnopqrstuvwxyz", "ABCDEFGHIJKLMNOPQRSTUVWXYZ"},
        {"áčďéěíňóřšťúůýž", "ÁČĎÉĚÍŇÓŘŠŤÚŮÝŽ"},
        {"äľĺŕôąęłńśźżćőűüöâăîçđţşë", "ÄĽĹŔÔĄĘŁŃŚŹŻĆŐŰÜÖÂĂÎÇĐŢŞË"},
    };
    for (const auto& p : pairs) {
        EXPECT_EQ(upper(cp(p.lower)), cp(p.upper)) << p.lower;
        EXPECT_EQ(lower(cp(p.upper)), cp(p.lower)) << p.upper;
    }
}

TEST(Case, BytesWithoutACapitalStay) {
    for (const char* s : {"ß", "˙", "µ", "÷", "×", "1", "€", " "}) {
        EXPECT_EQ(upper(cp(s)), cp(s)) << s;
    }
}

TEST(Case, UpperAndLowerAreInverseOnEveryByte) {
    for (int b = 0; b < 256; ++b) {
        const auto c = static_cast<unsigned char>(b);
        const unsigned char u = upperChar(c);
        if (u != c) {
            EXPECT_EQ(lowerChar(u), c) << b;
            EXPECT_EQ(upperChar(u), u) << b;
        }
        EXPECT_EQ(upperChar(lowerChar(c)), upperChar(c)) << b;
    }
}

TEST(Case, AsciiLowerLeavesOtherBytes) {
    EXPECT_EQ(asciiLower(cp("GO_POLOŽKA_SEKCE")), cp("go_poloŽka_sekce"));
    EXPECT_EQ(asciiLower(cp("ŠABLONA.HTML")), cp("Šablona.html"));
}

TEST(Case, EqualsNoCase) {
    EXPECT_TRUE(equalsNoCase(cp("text Počet"), cp("TEXT POČET")));
    EXPECT_TRUE(equalsNoCase("", ""));
    EXPECT_FALSE(equalsNoCase("abc", "abcd"));
    EXPECT_FALSE(equalsNoCase(cp("c"), cp("č")));
}

TEST(Trim, RemovesBlanksAndControlCharacters) {
    const struct {
        std::string in, both, left, right;
    } cases[] = {
        {"", "", "", ""},
        {" \t\r\n", "", "", ""},
        {"\x01 a b \x1F", "a b", "a b \x1F", "\x01 a b"},
        {"\xA0x\xA0", "\xA0x\xA0", "\xA0x\xA0", "\xA0x\xA0"},  // the no-break space is kept
        {std::string("\0x\0", 3), "x", std::string("x\0", 2), std::string("\0x", 2)},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(trim(c.in), c.both);
        EXPECT_EQ(trimLeft(c.in), c.left);
        EXPECT_EQ(trimRight(c.in), c.right);
    }
}

TEST(StrToInt, ValidTexts) {
    const struct {
        const char* text;
        int32_t value;
    } cases[] = {
        {"0", 0},
        {"42", 42},
        {"  42", 42},
        {"+7", 7},
        {"-7", -7},
        {"007", 7},
        {"$10", 16},
        {"x1f", 31},
        {"X1F", 31},
        {"0x10", 16},
        {"0XfF", 255},
        {"-$10", -16},
        {"$00FFFFFF", 0x00FFFFFF},
        {"$FFFFFFFF", -1},
        {"2147483647", 2147483647},
        {"-2147483648", INT32_MIN},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(tryStrToInt(c.text), c.value) << c.text;
        EXPECT_EQ(strToInt(c.text), c.value) << c.text;
    }
}

TEST(StrToInt, InvalidTexts) {
    for (const char* text :
         {"", " ", "-", "+", "$", "0x", "x", "12 ", "1 2", "12a", "abc", "$G1", "0x-1", "--1",
          "\t1", "2147483648", "-2147483649", "$100000000", "1.0"}) {
        EXPECT_EQ(tryStrToInt(text), std::nullopt) << text;
    }
}

TEST(StrToInt, ErrorNamesTheText) {
    try {
        strToInt("$00FFZZ");
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "'$00FFZZ' is not a valid integer value");
    }
}

TEST(Numbers, IntToStr) {
    EXPECT_EQ(intToStr(0), "0");
    EXPECT_EQ(intToStr(-12), "-12");
    EXPECT_EQ(intToStr(INT64_MAX), "9223372036854775807");
}

TEST(Numbers, RoundHalfEven) {
    const struct {
        double in;
        int64_t out;
    } cases[] = {{0.5, 0},   {1.5, 2},     {2.5, 2}, {3.5, 4},         {-0.5, 0},
                 {-1.5, -2}, {-2.5, -2},   {2.4, 2}, {2.6, 3},         {-2.6, -3},
                 {320, 320}, {409.6, 410}, {0.0, 0}, {1e9, 1000000000}};
    for (const auto& c : cases) {
        EXPECT_EQ(roundHalfEven(c.in), c.out) << c.in;
    }
}

TEST(Numbers, ColourIsBlueGreenRed) {
    EXPECT_EQ(colorFromInt(0x00FFFFFF), (Rgb{255, 255, 255}));
    EXPECT_EQ(colorFromInt(0), (Rgb{0, 0, 0}));
    EXPECT_EQ(colorFromInt(0x00CED3D6), (Rgb{0xD6, 0xD3, 0xCE}));
    EXPECT_EQ(colorFromInt(0x000000FF), (Rgb{255, 0, 0}));
    EXPECT_EQ(colorFromInt(0x00FF0000), (Rgb{0, 0, 255}));
    EXPECT_EQ(colorFromInt(strToInt("$00123456")), (Rgb{0x56, 0x34, 0x12}));
}

}  // namespace
}  // namespace expo::text
