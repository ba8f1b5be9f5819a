#include "CourseFixture.h"

#include "core/Angles.h"
#include "core/Errors.h"
#include "traverse/CourseAdjust.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

using namespace kalimor;
using namespace kalimor::testing;

namespace {

constexpr double kArcSecond = 3.141592653589793 / 648000.0;

struct LegFigures {
    const char *hd, *direction, *fx, *fy, *dx, *dy, *fh, *dh;
};

TEST(AdjustCourse, OpenTraverseWorkedExampleGivesEveryFigure)
{
    Work work;
    work.course.cbSelectCourseTemplate = 1;
    TypeWorkedExample(work);
    EXPECT_EQ(AdjustCourse(work), AdjustOutcome::InTolerance);

    const CourseData& d = work.course.data;
    EXPECT_NEAR(d.AngularMisclosure / kArcSecond, 10.0, 1e-6);
    EXPECT_NEAR(d.AngularLimit / kArcSecond, 120.0, 1e-9);
    EXPECT_NEAR(d.AngleCorrection / kArcSecond, -2.5, 1e-6);
    EXPECT_NEAR(d.MisclosureX, -0.010, 0.0005);
    EXPECT_NEAR(d.MisclosureY, 0.003, 0.0005);
    EXPECT_NEAR(d.LinearMisclosure, 0.011, 0.0005);
    EXPECT_NEAR(d.RelativeDenominator, 49462.7, 0.05);
    EXPECT_NEAR(d.HeightMisclosure, -0.012, 0.0005);
    EXPECT_EQ(work.course.statusText, Ru("Угловая невязка в допуске"));
    EXPECT_FALSE(work.course.statusBlink);

    const std::vector<LegFigures> legs = {
        {"149.994", "45.00039", "0.003", "-0.001", "106.061", "106.065", "0.003", "3.831"},
        {"200.002", "99.59562", "0.004", "-0.001", "-34.726", "196.963", "0.004", "-1.791"},
        {"180", "59.59585", "0.004", "-0.001", "90.002", "155.885", "0.004", "-0.476"},
    };
    for (int j = 0; j < 3; ++j) {
        SCOPED_TRACE(j);
        const LegFigures& f = legs[static_cast<std::size_t>(j)];
        const int r = LegRow(j);
        EXPECT_EQ(Text(work, r, col::HD), f.hd);
        EXPECT_EQ(Text(work, r, col::FA), "-0.00025");
        EXPECT_EQ(Text(work, r, col::Dir), f.direction);
        EXPECT_EQ(Text(work, r, col::FX), f.fx);
        EXPECT_EQ(Text(work, r, col::FY), f.fy);
        EXPECT_EQ(Text(work, r, col::DX), f.dx);
        EXPECT_EQ(Text(work, r, col::DY), f.dy);
        EXPECT_EQ(Text(work, r, col::FH), f.fh);
        EXPECT_EQ(Text(work, r, col::DH), f.dh);
    }
    const char* xs[] = {"1000", "1106.061", "1071.334", "1161.336"};
    const char* ys[] = {"1200", "1306.065", "1503.027", "1658.912"};
    const char* hs[] = {"100", "103.831", "102.04", "101.564"};
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(Text(work, PointRow(i), col::X), xs[i]);
        EXPECT_EQ(Text(work, PointRow(i), col::Y), ys[i]);
        EXPECT_EQ(Text(work, PointRow(i), col::H), hs[i]);
    }
    // The hand-over: the station lists offer the adjusted points.
    EXPECT_EQ(work.piket.stationList, (std::vector<std::string>{"A", "1", "2", "B"}));
}

struct KindCase {
    int kind;
    double x1, y1, x2, y2, xLast, yLast;
    double fx, fy, fs, tolerance; // tolerance of fx, fy, fs; NaN fx: not computed
    double relative;              // N, 0 when not computed
};

TEST(AdjustCourse, OtherKindsOnTheWorkedExample)
{
    const std::vector<KindCase> cases = {
        {4, 1106.060, 1306.064, 1071.334, 1503.028, 1161.336, 1658.912, -0.0068, 0.0018, 0.0070, 0.00005, 75390},
        {2, 1106.061, 1306.062, 1071.336, 1503.027, 1161.336, 1658.912, -0.00036, 0.00101 * -1, 0.00107, 0.000005,
         494998},
        {3, 1106.056, 1306.067, 1071.322, 1503.030, 1161.314, 1658.919, NAN, 0, 0, 0, 0},
    };
    for (const KindCase& c : cases) {
        SCOPED_TRACE(c.kind);
        Work work;
        work.course.cbTypeCourse = c.kind;
        TypeWorkedExample(work);
        const AdjustOutcome outcome = AdjustCourse(work);
        const auto& pts = work.course.points;
        EXPECT_NEAR(pts[1].X, c.x1, 0.0005);
        EXPECT_NEAR(pts[1].Y, c.y1, 0.0005);
        EXPECT_NEAR(pts[2].X, c.x2, 0.0005);
        EXPECT_NEAR(pts[2].Y, c.y2, 0.0005);
        EXPECT_NEAR(pts[3].X, c.xLast, 0.0005);
        EXPECT_NEAR(pts[3].Y, c.yLast, 0.0005);
        const CourseData& d = work.course.data;
        if (!std::isnan(c.fx)) {
            EXPECT_NEAR(d.MisclosureX, c.fx, c.tolerance);
            EXPECT_NEAR(d.MisclosureY, c.fy, c.tolerance);
            EXPECT_NEAR(d.LinearMisclosure, c.fs, c.tolerance);
            EXPECT_NEAR(d.RelativeDenominator / c.relative, 1.0, 2e-4);
        }
        if (c.kind == 4) {
            EXPECT_EQ(outcome, AdjustOutcome::InTolerance);
            EXPECT_NEAR(d.AngularMisclosure / kArcSecond, 9.75, 0.01);
            EXPECT_NEAR(d.AngleCorrection / kArcSecond, -3.25, 0.01);
            EXPECT_NEAR(pts[3].HzCorrected, pts[3].HzMeasured, 0); // the last angle is not corrected
        } else {
            EXPECT_EQ(outcome, AdjustOutcome::Undetermined);
            EXPECT_EQ(work.course.statusText, Ru("Угловая невязка не определена"));
            EXPECT_EQ(d.AngleCorrection, 0);
        }
        if (c.kind == 2) {
            EXPECT_EQ(RadiansToAngleText(AngleNotation::Spaced, d.Rotation), "89 59 50.3");
        }
        if (c.kind == 3) {
            EXPECT_NEAR(pts[3].H, 101.552, 0.0005);
            EXPECT_EQ(pts[0].FX, 0);
            EXPECT_EQ(pts[2].FH, 0);
        }
    }
}

TEST(AdjustCourse, HangingKindReplacesAStaleOutOfToleranceVerdict)
{
    Work work;
    TypeWorkedExample(work);
    Type(work, PointRow(0), col::Hz, "135.05"); // 50' off
    EXPECT_EQ(AdjustCourse(work), AdjustOutcome::OutOfTolerance);
    EXPECT_EQ(work.course.statusText, Ru("Угловая невязка не в допуске!!!"));
    EXPECT_TRUE(work.course.statusBlink);
    // Results are written all the same.
    EXPECT_FALSE(Text(work, PointRow(1), col::X).empty());

    ChangeCourseKind(work, 3);
    EXPECT_EQ(AdjustCourse(work), AdjustOutcome::Undetermined);
    EXPECT_EQ(work.course.statusText, Ru("Угловая невязка не определена"));
    EXPECT_FALSE(work.course.statusBlink);
}

TEST(AdjustCourse, WholeTurnsInTheAngleSumAreNoMisclosure)
{
    for (const char* hz : {"495.001", "855.001"}) { // 360 and 720 degrees more at the first point
        SCOPED_TRACE(hz);
        Work work;
        TypeWorkedExample(work);
        Type(work, PointRow(0), col::Hz, hz);
        EXPECT_EQ(AdjustCourse(work), AdjustOutcome::InTolerance);
        EXPECT_NEAR(work.course.data.AngularMisclosure / kArcSecond, 10.0, 1e-6);
        EXPECT_EQ(Text(work, PointRow(1), col::X), "1106.061");
        EXPECT_EQ(Text(work, PointRow(2), col::Y), "1503.027");
    }
}

TEST(AdjustCourse, RightAnglesUseTheirOwnTheoreticalSum)
{
    // The worked example traversed with right angles: each angle is 360 minus the left one.
    Work work;
    work.course.cdTypeAngleCourse = 1;
    TypeWorkedExample(work);
    Type(work, PointRow(0), col::Hz, "224.595");
    Type(work, PointRow(1), col::Hz, "125.0005");
    Type(work, PointRow(2), col::Hz, "219.5955");
    Type(work, PointRow(3), col::Hz, "240");
    EXPECT_EQ(AdjustCourse(work), AdjustOutcome::InTolerance);
    EXPECT_NEAR(work.course.data.AngularMisclosure / kArcSecond, -10.0, 1e-6);
    EXPECT_EQ(Text(work, PointRow(1), col::X), "1106.061");
    EXPECT_EQ(Text(work, PointRow(2), col::Y), "1503.027");
}

TEST(AdjustCourse, ClosedTraverseChecksAgainstTheInnerAngleSum)
{
    // A square: four inner angles of 90 degrees, one of them read 3 seconds too large.
    Work work;
    work.course.cbTypeCourse = 1;
    TypeTraverse(work,
                 {{"1", "90.0003", "0", "100", "0", "0"},
                  {"2", "90", "0", "100", "0", "0"},
                  {"3", "90", "0", "100", "0", "0"},
                  {"4", "90", "0", "", "", ""}},
                 "0", "0", "0", "0", "0", "0", "100", "0");
    EXPECT_EQ(AdjustCourse(work), AdjustOutcome::InTolerance);
    EXPECT_NEAR(work.course.data.TheoreticalAngleSum, 2 * 3.141592653589793, 1e-12);
    EXPECT_NEAR(work.course.data.AngularMisclosure / kArcSecond, 3.0, 1e-6);
    EXPECT_NEAR(work.course.data.AngleCorrection / kArcSecond, -0.75, 1e-6);
}

TEST(AdjustCourse, ZeroLengthStopsWithoutResultsOrStatement)
{
    Work work;
    TypeWorkedExample(work);
    AdjustCourse(work);
    Type(work, PointRow(0), col::Hz, "135.05");
    AdjustCourse(work); // out of tolerance, blinking
    ASSERT_TRUE(work.course.statusBlink);
    for (int j = 0; j < 3; ++j)
        Type(work, LegRow(j), col::SD, "0");
    work.piket.stationList.clear();

    EXPECT_EQ(AdjustCourse(work), AdjustOutcome::Stopped);
    EXPECT_EQ(work.course.statusText, Ru("Суммарная длина хода равная 0. Вычисления прерваны."));
    EXPECT_TRUE(work.course.statusBlink); // the message only is set
    EXPECT_TRUE(work.course.statement.empty());
    EXPECT_TRUE(work.piket.stationList.empty());
    // The table shows the inputs read, no results.
    EXPECT_EQ(Text(work, LegRow(0), col::SD), "0");
    EXPECT_EQ(Text(work, LegRow(0), col::HD), "");
    EXPECT_EQ(Text(work, PointRow(1), col::X), "");
    EXPECT_EQ(Text(work, PointRow(0), col::X), "1000");
}

TEST(AdjustCourse, CurvatureAndRefractionAddOnlyTheIncomingLegsTerm)
{
    Work plain, corrected;
    TypeWorkedExample(plain);
    TypeWorkedExample(corrected);
    corrected.settings.ckbhoriz = true;
    corrected.settings.ckbRef = true;
    corrected.settings.edRef = "0.2";
    AdjustCourse(plain);
    AdjustCourse(corrected);
    const double c = (1 - 0.2) / 12742000.0;
    const auto& p = plain.course.points;
    const auto& q = corrected.course.points;
    EXPECT_NEAR(q[1].H - p[1].H, p[0].HorizontalDistance * p[0].HorizontalDistance * c, 1e-12);
    EXPECT_NEAR(q[2].H - p[2].H, p[1].HorizontalDistance * p[1].HorizontalDistance * c, 1e-12);
    EXPECT_EQ(q[3].H, p[3].H);   // the known end
    EXPECT_EQ(q[0].DH, p[0].DH); // differences are taken before the terms
    EXPECT_EQ(q[1].FH, p[1].FH);
}

TEST(AdjustCourse, RefractionTextThatIsNotANumberStopsTheHeights)
{
    Work work;
    TypeWorkedExample(work);
    work.settings.ckbRef = true;
    work.settings.edRef = "0,14";
    try {
        AdjustCourse(work);
        FAIL() << "no conversion error";
    } catch (const ConversionError& e) {
        EXPECT_STREQ(e.what(), "'0,14' is not a valid floating point value");
    }
    // The plane part was done; nothing was written into the table.
    EXPECT_NEAR(work.course.points[1].X, 1106.061, 0.0005);
    EXPECT_EQ(Text(work, PointRow(1), col::X), "");
    EXPECT_TRUE(work.course.statement.empty());
}

TEST(AdjustCourse, ExactClosureHasNoFiniteRelativeMisclosure)
{
    // An open traverse with 90-degree legs that meet the known end exactly.
    Work work;
    TypeTraverse(
        work, {{"A", "180", "0", "100", "0", "0"}, {"B", "180", "0", "100", "0", "0"}, {"C", "180", "0", "", "", ""}},
        "0", "0", "0", "0", "0", "200", "0", "0");
    EXPECT_EQ(AdjustCourse(work), AdjustOutcome::InTolerance);
    EXPECT_EQ(work.course.data.LinearMisclosure, 0);
    EXPECT_EQ(work.course.data.RelativeDenominator, 0);
    EXPECT_EQ(Text(work, PointRow(1), col::X), "100");
}

} // namespace
