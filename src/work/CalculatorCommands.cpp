#include "work/CalculatorCommands.h"

#include "traverse/CourseTable.h"

namespace kalimor {

namespace {

void EnsureTable(Work& work)
{
    if (work.course.rows.empty())
        ReadCourseTable(work.course);
}

} // namespace

void WriteStartDirection(Work& work, const std::string& text)
{
    EnsureTable(work);
    SetCourseCellText(work.course, 0, col::Dir, text);
}

void WriteEndDirection(Work& work, const std::string& text)
{
    EnsureTable(work);
    SetCourseCellText(work.course, static_cast<int>(work.course.rows.size()) - 1, col::Dir, text);
}

} // namespace kalimor
