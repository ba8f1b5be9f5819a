#include "traverse/CourseTable.h"

#include "core/Angles.h"
#include "core/NumberParse.h"
#include "core/NumberText.h"
#include "core/TextRoutines.h"
#include "traverse/CourseAdjust.h"
#include "traverse/RoundedText.h"

#include <algorithm>
#include <array>

namespace kalimor {

namespace {

// The outcome of reading one cell by the table's rule.
enum class CellRead { Empty, Number, Unreadable };

CellRead ReadCell(const CoursePage& page, int row, int column, double& value)
{
    if (row < 0 || row >= static_cast<int>(page.rows.size()))
        return CellRead::Empty;
    const std::string& text = page.rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)].text;
    if (text.empty())
        return CellRead::Empty;
    double parsed = 0;
    bool read = false;
    if (text.find_first_of(" ,") == std::string::npos) {
        // Most cells hold a plain number: read as it stands.
        read = TryStrToFloat(text, parsed);
    } else {
        const std::string compact = RemoveChar(text, ' ');
        if (compact.empty())
            return CellRead::Empty;
        read = TryStrToFloat(ReplaceAll(compact, ",", "."), parsed);
    }
    if (read) {
        value = parsed;
        return CellRead::Number;
    }
    value = 0;
    return CellRead::Unreadable;
}

// The twelve single known values, in the order they are read.
enum Single { StartDir, StartOX, StartOY, SX, SY, SH, EndDir, EndOX, EndOY, EX, EY, EH, kSingles };
// The measured values of a point and its leg.
enum PointField { FName, FHz, FSD, FV, FI, FT, kPointFields };

CourseCell& Cell(CoursePage& page, int row, int column)
{
    return page.rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
}

void SetNumber(std::string& text, double value)
{
    char buf[kNumberTextCapacity];
    text.assign(buf, QuickNumberTextTo(buf, value));
}

void Put(CoursePage& page, int row, int column, double value, bool input, bool unreadable)
{
    CourseCell& cell = Cell(page, row, column);
    SetNumber(cell.text, value);
    cell.input = input;
    cell.unreadable = unreadable;
}

} // namespace

void ReadCourseTable(CoursePage& page)
{
    CourseData& d = page.data;
    const int oldRows = static_cast<int>(page.rows.size());
    std::array<bool, kSingles> badSingle{};
    std::array<std::array<bool, kPointFields>, kMaxCoursePoints> badPoint{};

    // 1. The single cells of the old table.
    const auto single = [&](Single which, int row, int column, double& value) {
        badSingle[which] = ReadCell(page, row, column, value) == CellRead::Unreadable;
    };
    single(StartDir, 0, col::Dir, d.StartDirection);
    single(StartOX, 0, col::X, d.StartOrientX);
    single(StartOY, 0, col::Y, d.StartOrientY);
    single(SX, 1, col::X, d.StartX);
    single(SY, 1, col::Y, d.StartY);
    single(SH, 1, col::H, d.StartH);
    single(EndDir, oldRows - 1, col::Dir, d.EndDirection);
    single(EndOX, oldRows - 1, col::X, d.EndOrientX);
    single(EndOY, oldRows - 1, col::Y, d.EndOrientY);
    single(EX, oldRows - 2, col::X, d.EndX);
    single(EY, oldRows - 2, col::Y, d.EndY);
    single(EH, oldRows - 2, col::H, d.EndH);

    // 2. Every point row of the old table with the row below it (for the last point that is
    // the end orientation row).
    for (int r = 1; r <= oldRows - 2; r += 2) {
        const int i = (r - 1) / 2;
        if (i >= kMaxCoursePoints)
            break;
        CoursePoint& p = page.points[static_cast<std::size_t>(i)];
        auto& bad = badPoint[static_cast<std::size_t>(i)];
        p.Name = Cell(page, r, col::Name).text;
        bad[FHz] = ReadCell(page, r, col::Hz, p.HzPacked) == CellRead::Unreadable;
        bad[FSD] = ReadCell(page, r + 1, col::SD, p.SlopeDistance) == CellRead::Unreadable;
        bad[FV] = ReadCell(page, r + 1, col::V, p.VPacked) == CellRead::Unreadable;
        bad[FI] = ReadCell(page, r, col::IV, p.InstrumentHeight) == CellRead::Unreadable;
        bad[FT] = ReadCell(page, r + 1, col::IV, p.TargetHeight) == CellRead::Unreadable;
    }

    // 3. The new, empty table.
    const int n = std::clamp(page.SePointCourseCount, kMinCoursePoints, kMaxCoursePoints);
    page.SePointCourseCount = n;
    // The rows are emptied in place, so a rebuild of the same size allocates nothing.
    page.rows.resize(static_cast<std::size_t>(2 * n + 1));
    for (CourseRow& row : page.rows)
        for (CourseCell& cell : row) {
            cell.text.clear();
            cell.input = false;
            cell.unreadable = false;
        }

    // 4. The inputs of points and legs.
    for (int i = 0; i < n; ++i) {
        const CoursePoint& p = page.points[static_cast<std::size_t>(i)];
        const auto& bad = badPoint[static_cast<std::size_t>(i)];
        const int r = PointRow(i);
        Cell(page, r, col::Number).text = std::to_string(i + 1);
        CourseCell& name = Cell(page, r, col::Name);
        name.text = p.Name;
        name.input = true;
        Put(page, r, col::IV, p.InstrumentHeight, true, bad[FI]);
        Put(page, r, col::Hz, p.HzPacked, true, bad[FHz]);
        if (i < n - 1) {
            const int leg = LegRow(i);
            Put(page, leg, col::SD, p.SlopeDistance, true, bad[FSD]);
            Put(page, leg, col::V, p.VPacked, true, bad[FV]);
            Put(page, leg, col::IV, p.TargetHeight, true, bad[FT]);
        }
    }

    // 5. The known points; the orientation points only where they are inputs.
    const bool coordinatesOnly = page.cbUseDirorCoord == 0;
    const int last = LastRow(n);
    Put(page, 1, col::X, d.StartX, true, badSingle[SX]);
    Put(page, 1, col::Y, d.StartY, true, badSingle[SY]);
    if (coordinatesOnly) {
        Put(page, 0, col::X, d.StartOrientX, true, badSingle[StartOX]);
        Put(page, 0, col::Y, d.StartOrientY, true, badSingle[StartOY]);
    }
    Put(page, last - 1, col::X, d.EndX, true, badSingle[EX]);
    Put(page, last - 1, col::Y, d.EndY, true, badSingle[EY]);
    if (coordinatesOnly) {
        Put(page, last, col::X, d.EndOrientX, true, badSingle[EndOX]);
        Put(page, last, col::Y, d.EndOrientY, true, badSingle[EndOY]);
    }
    Put(page, 1, col::H, d.StartH, true, badSingle[SH]);
    Put(page, last - 1, col::H, d.EndH, true, badSingle[EH]);

    // 6. Directions from the known points, through their packed text as the table shows it.
    if (coordinatesOnly) {
        const double start = DirectionAngle(d.StartY - d.StartOrientY, d.StartX - d.StartOrientX);
        const double end = DirectionAngle(d.EndOrientY - d.EndY, d.EndOrientX - d.EndX);
        d.StartDirection = StrToFloat(RadiansToPackedDirection(start));
        d.EndDirection = StrToFloat(RadiansToPackedDirection(end));
    }

    // 7. The direction cells are painted as inputs in both modes.
    Put(page, 0, col::Dir, d.StartDirection, true, !coordinatesOnly && badSingle[StartDir]);
    Put(page, last, col::Dir, d.EndDirection, true, !coordinatesOnly && badSingle[EndDir]);
}

void WriteCourseResults(CoursePage& page)
{
    const int n = page.SePointCourseCount;
    if (static_cast<int>(page.rows.size()) < 2 * n + 1)
        return;
    const auto put = [&](int row, int column, int decimals, double value) {
        SetRoundedText(Cell(page, row, column).text, decimals, value);
    };
    for (int i = 0; i < n - 1; ++i)
        put(LegRow(i), col::HD, 3, page.points[static_cast<std::size_t>(i)].HorizontalDistance);
    for (int i = 0; i < n; ++i) {
        const CoursePoint& p = page.points[static_cast<std::size_t>(i)];
        put(PointRow(i), col::X, 3, p.X);
        put(PointRow(i), col::Y, 3, p.Y);
        put(PointRow(i), col::H, 3, p.H);
    }
    const double correction = RadiansToPacked(page.data.AngleCorrection);
    for (int j = 0; j < n - 1; ++j) {
        const CoursePoint& p = page.points[static_cast<std::size_t>(j)];
        const int r = LegRow(j);
        put(r, col::FA, 5, correction);
        put(r, col::Dir, 5, RadiansToPacked(p.LegDirection));
        put(r, col::FX, 3, p.FX);
        put(r, col::FY, 3, p.FY);
        put(r, col::DX, 3, p.DX);
        put(r, col::DY, 3, p.DY);
        put(r, col::FH, 3, p.FH);
        put(r, col::DH, 3, p.DH);
    }
}

void SetCoursePointCount(CoursePage& page, int count, int precision)
{
    page.SePointCourseCount = std::clamp(count, kMinCoursePoints, kMaxCoursePoints);
    ReadCourseTable(page);
    PrepareAngleCheck(page, precision);
}

void SetCourseCellText(CoursePage& page, int row, int column, const std::string& text)
{
    if (row < 0 || row >= static_cast<int>(page.rows.size()) || column < 0 || column >= kCourseColumns)
        return;
    CourseCell& cell = Cell(page, row, column);
    cell.text = text;
    cell.unreadable = false;
}

void ResetCourseForNewWork(CoursePage& page, int precision)
{
    page.points.fill(CoursePoint{});
    CourseData& d = page.data;
    d.StartX = d.StartY = d.StartH = d.EndX = d.EndY = d.EndH = 0;
    d.StartDirection = d.EndDirection = 0;
    d.StartOrientX = d.StartOrientY = d.EndOrientX = d.EndOrientY = 0;

    page.rows.assign(7, CourseRow{});
    const auto zero = [&](int row, int column) {
        CourseCell& cell = Cell(page, row, column);
        cell.text = "0";
        cell.input = true;
    };
    for (int k = 0; k < 3; ++k) {
        const int r = PointRow(k);
        Cell(page, r, col::Number).text = std::to_string(k + 1);
        zero(r, col::Name);
        zero(r, col::IV);
        zero(r, col::Hz);
    }
    for (int leg = 0; leg < 2; ++leg) {
        zero(LegRow(leg), col::SD);
        zero(LegRow(leg), col::V);
        zero(LegRow(leg), col::IV);
    }
    zero(0, col::Dir);
    zero(6, col::Dir);
    for (int r : {1, 5}) {
        zero(r, col::X);
        zero(r, col::Y);
        zero(r, col::H);
    }
    page.statement.clear();
    if (page.SePointCourseCount != 3)
        SetCoursePointCount(page, 3, precision);
}

} // namespace kalimor
