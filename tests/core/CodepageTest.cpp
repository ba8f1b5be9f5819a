#include "core/Codepage.h"

#include <gtest/gtest.h>

using namespace kalimor;

TEST(Codepage, EveryByteSurvivesTheRoundTrip)
{
    std::string all;
    for (int b = 0; b < 256; ++b)
        all.push_back(static_cast<char>(b));
    EXPECT_EQ(Utf8ToCp1251(Cp1251ToUtf8(all)), all);
}

TEST(Codepage, RussianAndSignsMapToTheirBytes)
{
    EXPECT_EQ(Utf8ToCp1251("Пункт"), "\xcf\xf3\xed\xea\xf2");
    EXPECT_EQ(Utf8ToCp1251("Ёё°№"), "\xa8\xb8\xb0\xb9");
    EXPECT_EQ(Cp1251ToUtf8("\xb0"), "°");
    EXPECT_EQ(Ru("ХОД/ОБЪЕКТ: "), Utf8ToCp1251("ХОД/ОБЪЕКТ: "));
}

TEST(Codepage, UnmappableAndMalformedBecomeQuestionMarks)
{
    EXPECT_EQ(Utf8ToCp1251("a€b"), "a\x88"
                                   "b"); // the euro sign is in the code page
    EXPECT_EQ(Utf8ToCp1251("日本"), "??");
    EXPECT_EQ(Utf8ToCp1251("\xff"
                           "x"),
              "?x");
    EXPECT_EQ(Utf8ToCp1251("\xd0"), "?"); // truncated sequence
    EXPECT_EQ(Utf8ToCp1251("😀"), "?");
}
