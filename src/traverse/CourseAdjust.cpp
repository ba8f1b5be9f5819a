#include "traverse/CourseAdjust.h"

#include "core/Angles.h"
#include "core/Codepage.h"
#include "core/NumberParse.h"
#include "traverse/CourseStatement.h"
#include "traverse/CourseTable.h"

#include <cmath>

namespace kalimor {

namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kHalfPi = 1.5707963267948966;
constexpr double kTwoPi = 6.283185307179586;
constexpr double kEarthDiameter = 12742000.0;

double DegreesToRadians(double degrees)
{
    return degrees / 180.0 * kPi;
}

// Packed direction of a column-8 cell, as its degrees, minutes and seconds.
double PackedPartsToRadians(double packed)
{
    return DmsToRadians(PackedDegrees(packed), PackedMinutes(packed), PackedSeconds(packed));
}

double DirectionCell(const CoursePage& page, int row, double fallback)
{
    double value = fallback;
    if (row >= 0 && row < static_cast<int>(page.rows.size()))
        TryStrToFloat(page.rows[static_cast<std::size_t>(row)][col::Dir].text, value);
    return value;
}

double IntoFullTurn(double a)
{
    for (int k = 0; k < 2 && a >= kTwoPi; ++k)
        a -= kTwoPi;
    for (int k = 0; k < 2 && a < 0; ++k)
        a += kTwoPi;
    return a;
}

// An angular misclosure brought near zero: a whole turn or two is not a misclosure.
double NormaliseMisclosure(double f)
{
    for (int k = 0; k < 2; ++k) {
        if (f >= kHalfPi)
            f -= kTwoPi;
        else if (f <= -kHalfPi)
            f += kTwoPi;
    }
    return f;
}

class Adjuster {
public:
    Adjuster(CoursePage& page, const ProcessingSettings& settings)
        : page_(page), settings_(settings), d_(page.data), n_(page.SePointCourseCount)
    {
    }

    AdjustOutcome run();

private:
    CoursePoint& P(int i) { return page_.points[static_cast<std::size_t>(i)]; }
    void chain(double start, bool corrected);
    void rawCoordinates();
    void closingDirections();
    void check(double f);
    void linear();
    void hanging();
    void heights(bool closing);
    void setStatus(const std::string& text, bool blink)
    {
        page_.statusText = text;
        page_.statusBlink = blink;
    }

    CoursePage& page_;
    const ProcessingSettings& settings_;
    CourseData& d_;
    int n_;
    AdjustOutcome outcome_ = AdjustOutcome::Undetermined;
};

void Adjuster::chain(double start, bool corrected)
{
    const double sign = page_.cdTypeAngleCourse == 1 ? -1.0 : 1.0;
    P(0).ChainDirection = start;
    for (int k = 1; k < n_; ++k) {
        const double beta = corrected ? P(k - 1).HzCorrected : P(k - 1).HzMeasured;
        P(k).ChainDirection = IntoFullTurn(P(k - 1).ChainDirection + kPi + sign * beta);
    }
}

void Adjuster::rawCoordinates()
{
    P(0).XRaw = d_.StartX;
    P(0).YRaw = d_.StartY;
    for (int j = 0; j < n_ - 1; ++j) {
        CoursePoint& p = P(j);
        p.DXRaw = std::cos(P(j + 1).ChainDirection) * p.HorizontalDistance;
        p.DYRaw = std::sin(P(j + 1).ChainDirection) * p.HorizontalDistance;
        P(j + 1).XRaw = p.XRaw + p.DXRaw;
        P(j + 1).YRaw = p.YRaw + p.DYRaw;
    }
}

void Adjuster::closingDirections()
{
    d_.KnownClosingDirection = DirectionAngle(d_.EndY - d_.StartY, d_.EndX - d_.StartX);
    d_.ComputedClosingDirection = DirectionAngle(P(n_ - 1).YRaw - P(0).YRaw, P(n_ - 1).XRaw - P(0).XRaw);
}

void Adjuster::check(double f)
{
    if (std::fabs(f) > std::fabs(d_.AngularLimit)) {
        setStatus(Ru("Угловая невязка не в допуске!!!"), true);
        outcome_ = AdjustOutcome::OutOfTolerance;
    } else {
        setStatus(Ru("Угловая невязка в допуске"), false);
        outcome_ = AdjustOutcome::InTolerance;
    }
}

void Adjuster::linear()
{
    rawCoordinates();
    d_.TheoreticalDX = d_.EndX - d_.StartX;
    d_.TheoreticalDY = d_.EndY - d_.StartY;
    d_.SumDXRaw = d_.SumDYRaw = 0;
    for (int j = 0; j < n_ - 1; ++j) {
        d_.SumDXRaw += P(j).DXRaw;
        d_.SumDYRaw += P(j).DYRaw;
    }
    d_.MisclosureX = d_.SumDXRaw - d_.TheoreticalDX;
    d_.MisclosureY = d_.SumDYRaw - d_.TheoreticalDY;
    d_.LinearMisclosure = std::sqrt(d_.MisclosureX * d_.MisclosureX + d_.MisclosureY * d_.MisclosureY);
    // A traverse that closes exactly has no finite N; 0 stands for that.
    d_.RelativeDenominator = d_.LinearMisclosure == 0 ? 0 : d_.TotalLength / d_.LinearMisclosure;
    for (int j = 0; j < n_ - 1; ++j) {
        CoursePoint& p = P(j);
        p.FX = -d_.MisclosureX / d_.TotalLength * p.HorizontalDistance;
        p.FY = -d_.MisclosureY / d_.TotalLength * p.HorizontalDistance;
        p.DX = p.DXRaw + p.FX;
        p.DY = p.DYRaw + p.FY;
    }
    P(0).X = d_.StartX;
    P(0).Y = d_.StartY;
    P(n_ - 1).X = d_.EndX;
    P(n_ - 1).Y = d_.EndY;
    for (int j = 0; j <= n_ - 3; ++j) {
        P(j + 1).X = P(j).X + P(j).DX;
        P(j + 1).Y = P(j).Y + P(j).DY;
    }
    for (int j = 0; j < n_ - 1; ++j)
        P(j).LegDirection = IntoFullTurn(DirectionAngle(P(j + 1).Y - P(j).Y, P(j + 1).X - P(j).X));
}

void Adjuster::hanging()
{
    P(0).X = d_.StartX;
    P(0).Y = d_.StartY;
    for (int j = 0; j < n_ - 1; ++j) {
        CoursePoint& p = P(j);
        const double alpha = P(j + 1).ChainDirection;
        p.DX = std::cos(alpha) * p.HorizontalDistance;
        p.DY = std::sin(alpha) * p.HorizontalDistance;
        p.FX = p.FY = 0;
        P(j + 1).X = p.X + p.DX;
        P(j + 1).Y = p.Y + p.DY;
        p.LegDirection = alpha;
    }
}

void Adjuster::heights(bool closing)
{
    P(0).HRaw = d_.StartH;
    for (int k = 0; k < n_ - 1; ++k) {
        const CoursePoint& p = P(k);
        P(k + 1).HRaw = std::tan(p.VRadians) * p.HorizontalDistance + (p.HRaw + p.InstrumentHeight) - p.TargetHeight;
    }
    d_.HeightMisclosure = closing ? P(n_ - 1).HRaw - d_.EndH : 0;
    const double fh = d_.HeightMisclosure;
    P(0).H = d_.StartH;
    if (closing)
        P(n_ - 1).H = d_.EndH;
    const int lastLeg = closing ? n_ - 3 : n_ - 2;
    for (int k = 0; k <= lastLeg; ++k) {
        const CoursePoint& p = P(k);
        double h = std::tan(p.VRadians) * p.HorizontalDistance + (p.H + p.InstrumentHeight) - p.TargetHeight;
        if (closing)
            h -= p.HorizontalDistance * fh / d_.TotalLength;
        P(k + 1).H = h;
    }
    for (int k = 0; k < n_ - 1; ++k) {
        CoursePoint& p = P(k);
        p.FH = closing ? -fh / d_.TotalLength * p.HorizontalDistance : 0;
        p.DH = P(k + 1).H - p.H;
    }
    if (!closing)
        return;
    // Curvature and refraction, after the differences were taken: each point gets only the
    // term of its own incoming leg.
    const double c1 = settings_.ckbhoriz ? 1.0 / kEarthDiameter : 0.0;
    const double c2 = settings_.ckbRef ? -StrToFloat(settings_.edRef) / kEarthDiameter : 0.0;
    for (int k = 0; k <= n_ - 3; ++k) {
        const double hd = P(k).HorizontalDistance;
        P(k + 1).H += hd * hd * c1 + hd * hd * c2;
    }
}

AdjustOutcome Adjuster::run()
{
    // 1.
    ReadCourseTable(page_);
    n_ = page_.SePointCourseCount;
    PrepareAngleCheck(page_, settings_.sePrecession);
    // 2.
    page_.statement.clear();
    // 3.
    for (int k = 0; k < n_; ++k) {
        CoursePoint& p = P(k);
        p.HzMeasured = PackedToRadians(p.HzPacked);
        p.VRadians = PackedToRadians(p.VPacked);
        p.HorizontalDistance = p.SlopeDistance * std::cos(p.VRadians);
    }
    // 4.
    d_.TotalLength = 0;
    for (int j = 0; j < n_ - 1; ++j)
        d_.TotalLength += P(j).HorizontalDistance;
    if (d_.TotalLength == 0) {
        // The blinking of the previous verdict is left as it was.
        page_.statusText = Ru("Суммарная длина хода равная 0. Вычисления прерваны.");
        page_.outcome = AdjustOutcome::Stopped;
        return page_.outcome;
    }
    // 5.
    const int kind = page_.cbTypeCourse;
    const double start = PackedToRadians(d_.StartDirection);
    if (kind == 0 || kind == 1) {
        d_.MeasuredAngleSum = 0;
        for (int k = 0; k < n_; ++k)
            d_.MeasuredAngleSum += P(k).HzMeasured;
        d_.AngularMisclosure = NormaliseMisclosure(d_.MeasuredAngleSum - d_.TheoreticalAngleSum);
        check(d_.AngularMisclosure);
        d_.AngleCorrection = -d_.AngularMisclosure / n_;
        for (int k = 0; k < n_; ++k)
            P(k).HzCorrected = P(k).HzMeasured + d_.AngleCorrection;
        chain(start, true);
    } else if (kind == 4) {
        chain(start, false);
        rawCoordinates();
        closingDirections();
        d_.AngularMisclosure = NormaliseMisclosure(d_.ComputedClosingDirection - d_.KnownClosingDirection);
        check(d_.AngularMisclosure);
        d_.AngleCorrection = -d_.AngularMisclosure / (n_ - 1);
        for (int k = 0; k < n_; ++k)
            P(k).HzCorrected = P(k).HzMeasured + (k < n_ - 1 ? d_.AngleCorrection : 0.0);
        chain(start, true);
    } else if (kind == 2) {
        chain(0, false);
        rawCoordinates();
        closingDirections();
        d_.Rotation = -(d_.ComputedClosingDirection - d_.KnownClosingDirection);
        for (int k = 0; k < 2; ++k) {
            if (d_.Rotation < 0)
                d_.Rotation += kTwoPi;
            else if (d_.Rotation >= kTwoPi)
                d_.Rotation -= kTwoPi;
        }
        setStatus(Ru("Угловая невязка не определена"), false);
        d_.AngleCorrection = 0;
        for (int k = 0; k < n_; ++k)
            P(k).HzCorrected = P(k).HzMeasured;
        chain(d_.Rotation, true);
    } else {
        // A hanging traverse has no check; a verdict of an earlier run would mislead.
        setStatus(Ru("Угловая невязка не определена"), false);
        d_.AngleCorrection = 0;
        for (int k = 0; k < n_; ++k)
            P(k).HzCorrected = P(k).HzMeasured;
        chain(start, true);
    }
    // 6., 7. Kinds outside 0..4 (possible only from a file) are carried like a hanging one.
    const bool closing = kind == 0 || kind == 1 || kind == 2 || kind == 4;
    if (closing)
        linear();
    else
        hanging();
    // 8.
    page_.outcome = outcome_;
    heights(closing);
    // 9.
    WriteCourseResults(page_);
    WriteCourseStatement(page_, settings_, page_.cbSelectCourseTemplate, kind);
    return page_.outcome;
}

} // namespace

void PrepareAngleCheck(CoursePage& page, int precision)
{
    CourseData& d = page.data;
    const int n = page.SePointCourseCount;
    if (page.cbTypeCourse == 1) {
        d.TheoreticalAngleSum = DegreesToRadians((n - 2) * 180.0);
    } else if (page.cbTypeCourse == 0) {
        const double as = PackedPartsToRadians(DirectionCell(page, 0, d.StartDirection));
        const double ae = PackedPartsToRadians(DirectionCell(page, LastRow(n), d.EndDirection));
        const double turns = DegreesToRadians(n * 180.0);
        d.TheoreticalAngleSum = page.cdTypeAngleCourse == 1 ? as - ae + turns : ae - as + turns;
    }
    d.Precision = precision;
    d.AngularLimit = d.Precision * std::sqrt(static_cast<double>(n)) / 648000.0 * kPi;
}

AdjustOutcome AdjustCourse(CoursePage& page, const ProcessingSettings& settings)
{
    return Adjuster(page, settings).run();
}

} // namespace kalimor
