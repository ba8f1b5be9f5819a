#include "core/NumberText.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace kalimor;

TEST(NumberText, ShortestTextUpTo15SignificantDigits)
{
    const std::pair<double, const char*> cases[] = {
        {45.6, "45.6"},
        {30.0, "30"},
        {0.25, "0.25"},
        {-0.25, "-0.25"},
        {0, "0"},
        {-0.0, "0"},
        {123.456, "123.456"},
        {0.1 + 0.2, "0.3"}, // 15 digits hide representation noise
        {45.6 * 3, "136.8"},
        {1234567.891, "1234567.891"},
        {123456789012345.0, "123456789012345"},
        {6378137.12345678, "6378137.12345678"},
        {0.001, "0.001"},
        {0.00007, "0.00007"}, // small corrections stay in plain decimals
        {-0.0000123456789012345, "-0.0000123456789012345"},
        {1.00000000000000008e-10, "0.0000000001"},
        {-1e-20, "-1e-20"}, // exponent form below 1e-10
        {1e15, "1e+15"},
    };
    for (const auto& [value, text] : cases)
        EXPECT_EQ(NumberText(value), text) << value;
}

TEST(RoundToDecimals, HalvesToEvenAndDecimalCounts)
{
    struct Case {
        int decimals;
        double value, rounded;
    };
    const Case cases[] = {
        {0, 0.5, 0},
        {0, 1.5, 2},
        {0, 2.5, 2},
        {0, -2.5, -2},
        {0, 3.5, 4},
        {0, 123.456, 123},
        {4, 123.456, 123.456},
        {2, 0.125, 0.12},
        {1, 0.25, 0.2},
        {2, 1.005, 1},
        {3, 123.4567, 123.457},
        {2, 0.375, 0.38},
        {0, -0.4, -0.0},
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(RoundToDecimals(c.decimals, c.value), c.rounded) << c.decimals << " " << c.value;
    // Setting 0 and 4 on a distance of 123.456: no trailing zero is added.
    EXPECT_EQ(NumberText(RoundToDecimals(0, 123.456)), "123");
    EXPECT_EQ(NumberText(RoundToDecimals(4, 123.456)), "123.456");
}
