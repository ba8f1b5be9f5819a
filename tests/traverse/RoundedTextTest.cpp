#include "traverse/RoundedText.h"
#include "core/NumberText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

using namespace kalimor;

namespace {

std::string Rounded(int decimals, double value)
{
    char buf[kNumberTextCapacity];
    return std::string(buf, RoundedTextTo(buf, decimals, value));
}

TEST(RoundedText, SameTextAsNumberTextOfTheRoundedValue)
{
    const double cases[] = {0,
                            -0.0,
                            0.0004,
                            -0.0004,
                            0.00005,
                            -0.00025,
                            0.001,
                            0.0105,
                            102.04,
                            180.0004,
                            -34.7255,
                            1106.0605,
                            6543120.4125,
                            -1e-9,
                            1e14,
                            123456789012.345,
                            999999999999.9995,
                            2.5,
                            -2.5,
                            45.00039};
    for (int d = 0; d <= 5; ++d)
        for (double v : cases) {
            SCOPED_TRACE(std::to_string(d) + " " + std::to_string(v));
            EXPECT_EQ(Rounded(d, v), NumberText(RoundToDecimals(d, v)));
        }
    std::mt19937_64 random(42);
    std::uniform_real_distribution<double> mantissa(-1, 1);
    std::uniform_int_distribution<int> exponent(-6, 13), decimals(0, 5);
    for (int k = 0; k < 200000; ++k) {
        const double v = mantissa(random) * std::pow(10.0, exponent(random));
        const int d = decimals(random);
        ASSERT_EQ(Rounded(d, v), NumberText(RoundToDecimals(d, v))) << d << " " << v;
    }
}

TEST(RoundedText, QuickNumberTextIsNumberText)
{
    const double cases[] = {0,           -0.0,
                            1e-4,        -1e-4,
                            9.99e-5,     0.25,
                            45.6,        30.0,
                            1e14,        999999999999999.0,
                            1e15,        1e300,
                            0.1 + 0.2,   1.0 / 3,
                            6543120.412, 2345210.3370000001,
                            -123.30456};
    char buf[kNumberTextCapacity];
    for (double v : cases)
        EXPECT_EQ(std::string(buf, QuickNumberTextTo(buf, v)), NumberText(v)) << v;
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> mantissa(-1, 1);
    std::uniform_int_distribution<int> exponent(-6, 16), decimals(0, 6);
    for (int k = 0; k < 200000; ++k) {
        // Typed values (few decimals) and computed ones (full precision).
        double v = mantissa(random) * std::pow(10.0, exponent(random));
        if (k % 2)
            v = RoundToDecimals(decimals(random), v);
        ASSERT_EQ(std::string(buf, QuickNumberTextTo(buf, v)), NumberText(v)) << v;
    }
}

} // namespace
