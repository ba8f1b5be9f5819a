#pragma once
// Typing a traverse into the table cells, as the surveyor does.
#include "core/Codepage.h"
#include "traverse/CourseTable.h"
#include "work/CourseCommands.h"
#include "work/Work.h"

#include <string>
#include <vector>

namespace kalimor::testing {

struct TypedPoint {
    std::string name, hz, i;
    std::string sd, v, t; // the leg that leaves the point; empty for the last point
};

inline void Type(Work& work, int row, int column, const std::string& text)
{
    SetCourseCellText(work.course, row, column, text);
}

// Count, points and legs, known start and end, directions.
inline void TypeTraverse(Work& work, const std::vector<TypedPoint>& points, const std::string& startDir,
                         const std::string& endDir, const std::string& x1, const std::string& y1, const std::string& h1,
                         const std::string& x2, const std::string& y2, const std::string& h2)
{
    const int n = static_cast<int>(points.size());
    SetCoursePointCount(work, n);
    for (int k = 0; k < n; ++k) {
        const TypedPoint& p = points[static_cast<std::size_t>(k)];
        Type(work, PointRow(k), col::Name, p.name);
        Type(work, PointRow(k), col::Hz, p.hz);
        Type(work, PointRow(k), col::IV, p.i);
        if (k < n - 1) {
            Type(work, LegRow(k), col::SD, p.sd);
            Type(work, LegRow(k), col::V, p.v);
            Type(work, LegRow(k), col::IV, p.t);
        }
    }
    Type(work, 0, col::Dir, startDir);
    Type(work, LastRow(n), col::Dir, endDir);
    Type(work, PointRow(0), col::X, x1);
    Type(work, PointRow(0), col::Y, y1);
    Type(work, PointRow(0), col::H, h1);
    Type(work, PointRow(n - 1), col::X, x2);
    Type(work, PointRow(n - 1), col::Y, y2);
    Type(work, PointRow(n - 1), col::H, h2);
}

// The open traverse of four points that the figures below are known for: left angles,
// coordinates and directions, precision 60.
inline void TypeWorkedExample(Work& work)
{
    TypeTraverse(work,
                 {{"A", "135.001", "1.5", "150.045", "1.3", "1.6"},
                  {"1", "234.5955", "1.45", "200.01", "-0.3", "1.5"},
                  {"2", "140.0005", "1.52", "180", "0", "2"},
                  {"B", "120", "1.48", "", "", ""}},
                 "90", "0", "1000", "1200", "100", "1161.336", "1658.912", "101.564");
}

inline const std::string& Text(const Work& work, int row, int column)
{
    return work.course.rows.at(static_cast<std::size_t>(row)).at(static_cast<std::size_t>(column)).text;
}

} // namespace kalimor::testing
