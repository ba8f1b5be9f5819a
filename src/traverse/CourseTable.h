#pragma once
// The traverse table GridViewCourse as cell texts, and its reading into the point model.
#include "traverse/CourseModel.h"

#include <string>

namespace kalimor {

// Column numbers of GridViewCourse.
namespace col {
constexpr int Number = 0, Name = 1, Hz = 2, SD = 3, V = 4, IV = 5, HD = 6, FA = 7, Dir = 8, FX = 9, X = 10, DX = 11,
              FY = 12, Y = 13, DY = 14, FH = 15, H = 16, DH = 17;
}

// Row of point i, of leg i (point i to point i + 1), and of the end orientation row.
constexpr int PointRow(int i)
{
    return 2 * i + 1;
}
constexpr int LegRow(int i)
{
    return 2 * i + 2;
}
constexpr int LastRow(int pointCount)
{
    return 2 * pointCount;
}

// Reads the table into the model, rebuilds the table for page.SePointCourseCount and writes
// the inputs back. A cell whose text (blanks removed, "," as ".") is empty leaves its value
// unchanged; one that is not a number stores 0, and the rebuilt cell that shows that 0 is
// marked unreadable. In the coordinates-only mode (cbUseDirorCoord 0) the two direction
// angles are computed from the known points.
void ReadCourseTable(CoursePage& page);

// Writes the results of the model into the table: lengths, coordinates and corrections to
// 3 decimals, packed angles to 5.
void WriteCourseResults(CoursePage& page);

// The point count change of SePointCourseCount: above 200 gives 200, below 3 gives 3; then
// ReadCourseTable and PrepareAngleCheck with the given precision (seconds).
void SetCoursePointCount(CoursePage& page, int count, int precision);

// Puts a text into a cell (as typed); clears the cell's unreadable mark.
void SetCourseCellText(CoursePage& page, int row, int column, const std::string& text);

// The traverse part of a new work: every point emptied, the twelve known values 0, the table
// laid out for three points with "0" in every input cell, the statement emptied, the count
// set to 3 (reading the table when the count changes).
void ResetCourseForNewWork(CoursePage& page, int precision);

// Whether the height columns (5, 15, 16, 17) are shown: only in the 3D statement template.
inline bool CourseHeightColumnsShown(const CoursePage& page)
{
    return page.cbSelectCourseTemplate == 1;
}

} // namespace kalimor
