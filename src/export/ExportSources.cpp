#include "export/ExportSources.h"

#include "core/NumberText.h"
#include "core/TextRoutines.h"

#include <algorithm>

namespace kalimor {

int LineDecimals(const ProcessingSettings& settings)
{
    return std::clamp(settings.seLinePrecession, 0, 4);
}

std::vector<CoursePointTexts> CourseValues(const CoursePage& course, const ProcessingSettings& settings)
{
    const int d = LineDecimals(settings);
    const int n = std::clamp(course.SePointCourseCount, 0, kMaxCoursePoints);
    std::vector<CoursePointTexts> values;
    values.reserve(static_cast<std::size_t>(n));
    for (int k = 0; k < n; ++k) {
        const CoursePoint& p = course.points[static_cast<std::size_t>(k)];
        CoursePointTexts t;
        t.name = RemoveChar(p.Name, ' ');
        t.x = NumberText(RoundToDecimals(d, p.X));
        t.y = NumberText(RoundToDecimals(d, p.Y));
        t.h = NumberText(RoundToDecimals(d, p.H));
        values.push_back(std::move(t));
    }
    return values;
}

std::vector<StatementRow> StatementRows(const std::vector<std::string>& statement)
{
    std::vector<StatementRow> rows;
    for (const auto& line : statement) {
        StatementRow row = ReadStatementRow(line);
        if (row.kind != StatementRow::NoRow)
            rows.push_back(std::move(row));
    }
    return rows;
}

} // namespace kalimor
