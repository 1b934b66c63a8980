#include "platform/cp1251.h"

#include <gtest/gtest.h>

using namespace lw;

TEST(Cp1251, AsciiPassesThrough)
{
    std::string all;
    for (int c = 0; c < 128; ++c)
        all += static_cast<char>(c);
    EXPECT_EQ(cp1251ToUtf8(all), all);
    EXPECT_EQ(utf8ToCp1251(all), all);
}

TEST(Cp1251, CyrillicLettersMapToTheirCodePoints)
{
    EXPECT_EQ(cp1251CodePoint(0xC0), U'А');
    EXPECT_EQ(cp1251CodePoint(0xFF), U'я');
    EXPECT_EQ(cp1251CodePoint(0xA8), U'Ё');
    EXPECT_EQ(cp1251CodePoint(0xB8), U'ё');
    EXPECT_EQ(cp1251CodePoint(0x88), U'€');
    EXPECT_EQ(cp1251CodePoint(0xB9), U'№');
    EXPECT_EQ(cp1251ToUtf8("\xCA\xE0\xE4\xF0"), "Кадр");
    EXPECT_EQ(utf8ToCp1251("Мастер кадров"), "\xCC\xE0\xF1\xF2\xE5\xF0 \xEA\xE0\xE4\xF0\xEE\xE2");
}

TEST(Cp1251, EveryAssignedByteRoundTrips)
{
    for (int b = 0; b < 256; ++b) {
        const std::string one(1, static_cast<char>(b));
        const std::string back = utf8ToCp1251(cp1251ToUtf8(one));
        if (b == 0x98)
            EXPECT_EQ(back, "?") << "the unassigned byte comes back as a question mark";
        else
            EXPECT_EQ(back, one) << "byte " << b;
    }
}

TEST(Cp1251, UnassignedByteBecomesReplacementCharacter)
{
    EXPECT_EQ(cp1251CodePoint(0x98), U'\uFFFD');
    EXPECT_EQ(cp1251ToUtf8("\x98"), "\xEF\xBF\xBD");
}

TEST(Cp1251, CharactersOutsideTheCodePageBecomeQuestionMarks)
{
    EXPECT_EQ(utf8ToCp1251("日本"), "??");
    EXPECT_EQ(utf8ToCp1251("é"), "?");
    // Malformed UTF-8 never reads past the end.
    EXPECT_EQ(utf8ToCp1251("\xD0"), "?");
    EXPECT_EQ(utf8ToCp1251("a\xE2\x82"), "a?" "?");
}
