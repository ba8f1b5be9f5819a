#pragma once
// The traverse of the page "Линейно-угловой ход": its settings, the table of cell texts
// the surveyor types into, and the point model the table is read into.
#include <array>
#include <string>
#include <vector>

namespace kalimor {

constexpr int kMaxCoursePoints = 200;
constexpr int kMinCoursePoints = 3;
constexpr int kCourseColumns = 18;

struct CoursePoint {
    std::string Name;
    double XRaw = 0, YRaw = 0;
    double HRaw = 0;
    double H = 0;
    double X = 0;
    double InstrumentHeight = 0;
    double TargetHeight = 0;
    double CarriedValue1 = 0, CarriedValue2 = 0;
    double DH = 0;
    double FH = 0;
    double Y = 0;
    double DXRaw = 0, DYRaw = 0;
    double FX = 0, FY = 0;
    double DX = 0, DY = 0;
    double SlopeDistance = 0;
    double BackSlopeDistance = 0;
    double HorizontalDistance = 0;
    double HzPacked = 0;
    double HzMeasured = 0;
    double HzCorrected = 0;
    double VPacked = 0;
    double VRadians = 0;
    double ChainDirection = 0;
    double LegDirection = 0;
};

struct CourseData {
    double StartX = 0, StartY = 0, StartH = 0;
    double EndX = 0, EndY = 0, EndH = 0;
    double StartDirection = 0, EndDirection = 0;
    double StartOrientX = 0, StartOrientY = 0, EndOrientX = 0, EndOrientY = 0;
    double Precision = 0;
    double TheoreticalAngleSum = 0, AngularLimit = 0;
    double MeasuredAngleSum = 0, AngularMisclosure = 0, AngleCorrection = 0;
    double TotalLength = 0;
    double TheoreticalDX = 0, TheoreticalDY = 0, SumDXRaw = 0, SumDYRaw = 0;
    // RelativeDenominator is 0 when the linear misclosure is exactly 0 (no finite N).
    double MisclosureX = 0, MisclosureY = 0, LinearMisclosure = 0, RelativeDenominator = 0;
    double KnownClosingDirection = 0, ComputedClosingDirection = 0, Rotation = 0;
    double HeightMisclosure = 0;
};

// How the last adjustment ended: the verdict shown in the status pane.
enum class AdjustOutcome {
    None,           // not adjusted yet
    InTolerance,    // "Угловая невязка в допуске"
    OutOfTolerance, // "Угловая невязка не в допуске!!!", blinking; results written all the same
    Undetermined,   // kinds 2 and 3: "Угловая невязка не определена"
    Stopped,        // total length 0: no results, no statement
};

// One cell of GridViewCourse: its text as typed or written, whether it is painted as an
// input cell, and whether the last reading of it failed (shown marked in the window).
struct CourseCell {
    std::string text;
    bool input = false;
    bool unreadable = false;
};

using CourseRow = std::array<CourseCell, kCourseColumns>;

// Everything of the traverse page as plain data.
struct CoursePage {
    // "Параметры хода"
    int SePointCourseCount = 3;
    int cbTypeCourse = 0;
    int cdTypeAngleCourse = 0;
    int cbUseDirorCoord = 1;
    int cbSelectCourseTemplate = 0;
    bool ckbNextBackUse = false; // stored and restored only

    std::vector<CourseRow> rows; // 2n + 1 rows
    std::array<CoursePoint, kMaxCoursePoints> points{};
    CourseData data;

    std::vector<std::string> statement; // reCourse, one entry a line
    std::string statusText;             // StStatusCalc
    bool statusBlink = false;           // red blinking while the misclosure is out of tolerance
    AdjustOutcome outcome = AdjustOutcome::None;
};

} // namespace kalimor
