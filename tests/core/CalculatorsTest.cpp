#include "core/Calculators.h"
#include "core/Errors.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace kalimor;

TEST(ComputeInverseProblem, DirectionRadiansAndDistanceTexts)
{
    struct Case {
        const char *x1, *y1, *x2, *y2, *dir, *dirRad, *hd;
    };
    const Case cases[] = {
        {"0", "0", "100", "100", "45.00000", "0.785398163397448", "141.42135623731"},
        {"0", "0", "-100", "-100", "225.00000", "3.92699081698724", "141.42135623731"},
        {"0", "0", "0", "5", "90.00000", "1.5707963267949", "5"},
        {"0", "0", "0", "-5", "270.00000", "4.71238898038469", "5"},
        {"10", "20", "10", "20", "0.00000", "0", "0"}, // coincident points
        {" 1.5 ", "2", "4.5", "6", "53.0748", "0.927295218001612", "5"},
    };
    for (const auto& c : cases) {
        const auto r = ComputeInverseProblem(c.x1, c.y1, c.x2, c.y2);
        EXPECT_EQ(r.edDir, c.dir) << c.x2 << " " << c.y2;
        EXPECT_EQ(r.edDirRad, c.dirRad) << c.x2 << " " << c.y2;
        EXPECT_EQ(r.edHD, c.hd) << c.x2 << " " << c.y2;
    }
}

TEST(ComputeInverseProblem, SwappedPointsGiveTheOppositeDirectionAndSameDistance)
{
    const auto there = ComputeInverseProblem("6071.2", "4321.9", "5000", "5100.33");
    const auto back = ComputeInverseProblem("5000", "5100.33", "6071.2", "4321.9");
    EXPECT_EQ(there.edHD, back.edHD);
    EXPECT_NEAR(std::fabs(std::stod(there.edDirRad) - std::stod(back.edDirRad)), 3.14159265358979, 1e-12);
}

TEST(ComputeInverseProblem, FieldThatIsNotANumberStopsWithItsText)
{
    try {
        ComputeInverseProblem("0", "1,5", "0", "0");
        FAIL() << "accepted 1,5";
    } catch (const ConversionError& e) {
        EXPECT_STREQ(e.what(), "'1,5' is not a valid floating point value");
    }
    EXPECT_THROW(ComputeInverseProblem("0", "0", "0", ""), ConversionError);
}

TEST(AngleConversions, PackedToRadiansAndBack)
{
    EXPECT_EQ(PackedTextToRadiansText("-5.0305"), "-0.0881633679097691");
    EXPECT_EQ(PackedTextToRadiansText("0"), "0");
    EXPECT_EQ(PackedTextToRadiansText("180"), "3.14159265358979");
    EXPECT_EQ(RadiansTextToPackedText("0.785398163397448"), "45.00000");
    EXPECT_EQ(RadiansTextToPackedText("-0.785398163397448"), "45.00000"); // sign dropped
    EXPECT_EQ(RadiansTextToPackedText("0.5"), "28.3852");
    EXPECT_THROW(RadiansTextToPackedText("abc"), ConversionError);
    EXPECT_THROW(PackedTextToRadiansText("0x10"), ConversionError);
}
