#include "core/TextRoutines.h"

#include <gtest/gtest.h>

using namespace kalimor;

TEST(ReplaceAll, ReplacementIsNeverSearchedAgain)
{
    struct Case {
        const char *text, *pattern, *replacement, *result;
    };
    const Case cases[] = {
        {"1,5", ",", ".", "1.5"},  {"a,b,,c", ",", ".", "a.b..c"}, {"aaa", "a", "aa", "aaaaaa"},
        {"abab", "ab", "b", "bb"}, {"text", "", "x", "text"},      {"", ",", ".", ""},
        {"xyz", "q", "r", "xyz"},  {"aaaa", "aa", "a", "aa"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ReplaceAll(c.text, c.pattern, c.replacement), c.result) << c.text;
}

TEST(ExtractField, FieldsFromOneEmptyFieldsAndMissingOnes)
{
    struct Case {
        const char* text;
        int index;
        const char* field;
    };
    const Case cases[] = {
        {"A;B;;D", 1, "A"}, {"A;B;;D", 2, "B"}, {"A;B;;D", 3, ""},   {"A;B;;D", 4, "D"}, {"A;B;;D", 5, ""},
        {"A;B;;D", 0, ""},  {"A;B;;D", -1, ""}, {"", 1, ""},         {"", 2, ""},        {"", 255, ""},
        {";", 1, ""},       {";", 2, ""},       {"only", 1, "only"}, {"a;b;", 3, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ExtractField(c.text, ';', c.index), c.field) << c.text << " " << c.index;
}

TEST(RemoveChar, EveryOccurrence)
{
    EXPECT_EQ(RemoveChar("PT 12 ", ' '), "PT12");
    EXPECT_EQ(RemoveChar(" a b  c ", ' '), "abc");
    EXPECT_EQ(RemoveChar("", ' '), "");
    EXPECT_EQ(RemoveChar("xxx", 'x'), "");
}

TEST(TextIf, TextOnlyWhenSet)
{
    EXPECT_EQ(TextIf("PT1", true), "PT1");
    EXPECT_EQ(TextIf("PT1", false), "");
}

TEST(NumericKeyFilter, SeparatorsEnterAsPointButNotAtTheStartNorTwice)
{
    struct Case {
        const char* text;
        int caret;
        char typed;
        int result; // the character to insert, or 0 when refused
    };
    const Case cases[] = {
        {"12", 2, ',', '.'}, {"12", 2, '.', '.'}, {"12", 1, ',', '.'},   {"", 0, ',', 0},     {"", 0, '.', 0},
        {"12", 0, '.', 0},   {"12", 0, ',', 0},   {"1.2", 3, '.', 0},    {"1.2", 1, ',', 0},  {"1,2", 3, '.', 0},
        {"", 0, '5', '5'},   {"", 0, '-', '-'},   {"1.25", 4, '7', '7'}, {"12", 2, 'a', 'a'}, {"12", 2, '\b', '\b'},
    };
    for (const auto& c : cases) {
        const auto r = NumericKeyFilter(c.text, c.caret, c.typed);
        EXPECT_EQ(r.value_or(0), c.result) << "'" << c.text << "' caret " << c.caret << " typed " << c.typed;
    }
}

TEST(NumericKeyFilter, PastedCommaLimitsWhatFollowsIt)
{
    // Count 1: one character after the comma leaves room for one more, two do not.
    EXPECT_EQ(NumericKeyFilter("1,", 2, '5', 1), '5');
    EXPECT_EQ(NumericKeyFilter("1,5", 3, '6', 1), '6');
    EXPECT_EQ(NumericKeyFilter("1,56", 4, '7', 1), std::nullopt);
    EXPECT_EQ(NumericKeyFilter("1,56", 4, '-', 1), std::nullopt);
    EXPECT_EQ(NumericKeyFilter("1,56", 4, '-', 1, true), '-'); // the inverse-problem dialog
    EXPECT_EQ(NumericKeyFilter("1,56", 0, '7', 1), '7');       // before the comma
    EXPECT_EQ(NumericKeyFilter("1,56", 4, '7', 2), '7');       // the station X field allows 2
    EXPECT_EQ(NumericKeyFilter("1,567", 5, '8', 2), std::nullopt);
}
