#include "core/Angles.h"
#include "core/Codepage.h"
#include "core/Errors.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

using namespace kalimor;

namespace {
constexpr double kPi = std::numbers::pi;

// Angle texts are engine text (the degree sign is byte 0xB0); compare them as UTF-8.
std::string utf8(const std::string& cp1251)
{
    return Cp1251ToUtf8(cp1251);
}
} // namespace

TEST(PackedSplit, DegreesMinutesSecondsIncludingOverflowAndSign)
{
    struct Case {
        double packed;
        int degrees, minutes;
        double seconds;
    };
    const Case cases[] = {
        {123.30456, 123, 30, 45.6}, {5.0305, 5, 3, 5},          {-5.0305, 5, 3, 5},   {12.3, 12, 30, 0},
        {12.75, 12, 75, 0},         {12.306, 12, 30, 60},       {-0.3045, 0, 30, 45}, {0.00005, 0, 0, 0.5},
        {12.3045649, 12, 30, 45.6}, {359.5960000, 359, 59, 60}, {0, 0, 0, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PackedDegrees(c.packed), c.degrees) << c.packed;
        EXPECT_EQ(PackedMinutes(c.packed), c.minutes) << c.packed;
        EXPECT_DOUBLE_EQ(PackedSeconds(c.packed), c.seconds) << c.packed;
    }
}

TEST(PackedToRadians, WorkedExamplesAndSign)
{
    EXPECT_DOUBLE_EQ(PackedToRadians(123.30456), 2.155702701251583);
    EXPECT_DOUBLE_EQ(PackedToRadians(-5.0305), -0.08816336790976911);
    EXPECT_DOUBLE_EQ(PackedToRadians(12.75), PackedToRadians(13.15)); // 75' carries arithmetically
    EXPECT_DOUBLE_EQ(PackedToRadians(180), kPi);
    EXPECT_DOUBLE_EQ(DmsToRadians(-1, 0, 0), -kPi / 180);
    EXPECT_DOUBLE_EQ(DmsToRadians(0, 0, -3600), -kPi / 180);
}

TEST(RadiansSplit, DegreesMinutesSecondsWithLift)
{
    EXPECT_EQ(RadiansDegrees(0.5), 28);
    EXPECT_EQ(RadiansMinutes(0.5), 38);
    EXPECT_DOUBLE_EQ(RadiansSeconds(3, 0.5), 52.403);
    EXPECT_EQ(RadiansDegrees(kPi / 6), 30); // 29.999999999999996° still counts as 30
    EXPECT_EQ(RadiansMinutes(kPi / 6), 0);
    EXPECT_DOUBLE_EQ(RadiansSeconds(3, kPi / 6), 0);
    EXPECT_EQ(RadiansDegrees(-0.5), 28);
}

TEST(RadiansToPacked, WorkedExamples)
{
    EXPECT_DOUBLE_EQ(RadiansToPacked(0.5), 28.3852403);
    EXPECT_DOUBLE_EQ(RadiansToPacked(-0.5), -28.3852403);
    EXPECT_DOUBLE_EQ(RadiansToPacked(1e-6), 0.0000206);
    EXPECT_DOUBLE_EQ(RadiansToPacked(0), 0);
    // 359°59'59.9996" rounds to 60" and is not carried.
    const double almostFull = DmsToRadians(359, 59, 59.9996);
    EXPECT_DOUBLE_EQ(RadiansToPacked(almostFull), 359.5960000);
    EXPECT_EQ(utf8(RadiansToAngleText(AngleNotation::DegreeSigns, almostFull)), "359°59'60\"");
}

TEST(PackedToAngleText, NotationTable)
{
    struct Case {
        AngleNotation notation;
        double packed;
        const char* text;
    };
    const Case cases[] = {
        {AngleNotation::DegreeSigns, 123.30456, "123°30'45.6\""},
        {AngleNotation::DegreeSigns, -5.0305, "-5°03'05\""},
        {AngleNotation::Compact, 123.30456, "1233045.6"},
        {AngleNotation::Compact, -5.0305, "-50305"},
        {AngleNotation::Spaced, 123.30456, "123 30 45.6"},
        {AngleNotation::Spaced, -5.0305, "-5 03 05"},
        {AngleNotation::Packed, 123.30456, "123.30456"},
        {AngleNotation::Packed, -5.0305, "-5.0305"},
        {AngleNotation::DegreeSigns, 12.3, "12°30'00\""},
        {AngleNotation::DegreeSigns, 0.00005, "0°00'00.5\""},
        {AngleNotation::DegreeSigns, -0.3045, "-0°30'45\""},
        {AngleNotation::DegreeSigns, 12.3045649, "12°30'45.6\""},
        {AngleNotation::DegreeSigns, 12.00075, "12°00'07.5\""},
        {AngleNotation::DegreeSigns, 12.75, "12°75'00\""},
        {AngleNotation::DegreeSigns, -0.0, "0°00'00\""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(utf8(PackedToAngleText(c.notation, c.packed)), c.text) << c.packed;
    // The degree sign is the single byte 0xB0.
    EXPECT_EQ(PackedToAngleText(AngleNotation::DegreeSigns, 1), std::string("1\xB0") + "00'00\"");
}

TEST(PackedToAngleText, ItemNumberOutsideTheNotationsGivesEmptyText)
{
    EXPECT_EQ(PackedToAngleText(-1, 12.3), "");
    EXPECT_EQ(PackedToAngleText(4, 12.3), "");
    EXPECT_EQ(RadiansToAngleText(-1, 0.5), "");
    EXPECT_EQ(PackedToAngleText(2, 12.3), "12 30 00");
}

TEST(RadiansToAngleText, WorkedExamples)
{
    EXPECT_EQ(utf8(RadiansToAngleText(AngleNotation::DegreeSigns, 0.5)), "28°38'52.4\"");
    EXPECT_EQ(utf8(RadiansToAngleText(AngleNotation::DegreeSigns, -0.5)), "-28°38'52.4\"");
    EXPECT_EQ(utf8(RadiansToAngleText(AngleNotation::DegreeSigns, 1e-6)), "0°00'00.2\"");
    EXPECT_EQ(RadiansToAngleText(AngleNotation::Packed, 0), "0");
    EXPECT_EQ(RadiansToAngleText(AngleNotation::Packed, 0.5), "28.3852403");
    // A tiny negative angle that rounds to zero carries no sign.
    EXPECT_EQ(utf8(RadiansToAngleText(AngleNotation::DegreeSigns, -1e-12)), "0°00'00\"");
}

TEST(RadiansToPackedDirection, SecondsBelowAndAboveTen)
{
    struct Case {
        int d, m;
        double s;
        const char* text;
    };
    const Case cases[] = {
        {12, 30, 5.67, "12.300567"}, {12, 30, 45.67, "12.3046"}, {12, 30, 0, "12.30000"},
        {12, 30, 0.05, "12.300005"}, {12, 30, 0.5, "12.300050"}, {12, 5, 9.99, "12.050999"},
        {12, 9, 10, "12.0910"},      {0, 0, 59.7, "0.0060"},     {359, 59, 59.4, "359.5959"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RadiansToPackedDirection(DmsToRadians(c.d, c.m, c.s)), c.text) << c.d << " " << c.m << " " << c.s;
}

TEST(DecimalDegreesToPacked, WorkedExamplesNeverNegative)
{
    const std::pair<const char*, const char*> cases[] = {
        {"12.5", "12.3"}, {"12.7625", "12.4545"}, {"-12.5", "12.3"}, {"12.500138889", "12.30005"},
        {"0.25", "0.15"}, {" 1 2.5 ", "12.3"},    {"0", "0"},        {"-0.25", "0.15"},
        {"180", "180"},
    };
    for (const auto& [in, out] : cases)
        EXPECT_EQ(DecimalDegreesToPacked(in), out) << in;
    EXPECT_THROW(DecimalDegreesToPacked("abc"), ConversionError);
    EXPECT_THROW(DecimalDegreesToPacked(""), ConversionError);
}

TEST(DirectionAngle, QuadrantsAxesAndNearZero)
{
    struct Case {
        double dY, dX, alpha;
    };
    const Case cases[] = {
        {100, 100, kPi / 4},
        {100, -100, 3 * kPi / 4},
        {-100, -100, 3.9269908169872414},
        {-100, 100, 7 * kPi / 4},
        {5, 0, kPi / 2},
        {-5, 0, 3 * kPi / 2},
        {0, -3, kPi},
        {0, 0, 0},
        {0, 1e-13, 0},
        {0, -1e-13, kPi},
        {2, 1e-13, 1.5707963267948966},
        {-2, 1e-13, 4.71238898038469},
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(DirectionAngle(c.dY, c.dX), c.alpha) << c.dY << " " << c.dX;
    EXPECT_EQ(DirectionAngle(2, 1e-13), 1.5707963267948966); // exactly π/2
    EXPECT_FALSE(std::signbit(DirectionAngle(-0.0, 0)));
}

TEST(DirectionAngle, StaysBelowFullCircle)
{
    for (double dY : {-1e-300, -1e-20, -1e-16}) {
        const double a = DirectionAngle(dY, 1);
        EXPECT_GE(a, 0);
        EXPECT_LT(a, 2 * kPi);
    }
}

TEST(IsNearZero, Boundary)
{
    EXPECT_TRUE(IsNearZero(1e-12));
    EXPECT_TRUE(IsNearZero(-1e-12));
    EXPECT_FALSE(IsNearZero(1.1e-12));
}

TEST(Angles, AbsurdMagnitudesDoNotOverflow)
{
    // Typed garbage must not crash the formatting (integer overflow is undefined).
    EXPECT_FALSE(PackedToAngleText(AngleNotation::DegreeSigns, 1e300).empty());
    EXPECT_FALSE(RadiansToAngleText(AngleNotation::Spaced, -1e300).empty());
    EXPECT_FALSE(RadiansToPackedDirection(1e20).empty());
    EXPECT_FALSE(DecimalDegreesToPacked("1e300").empty());
}
