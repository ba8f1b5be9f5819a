#include "work/Work.h"

#include "core/Codepage.h"
#include "traverse/CourseTable.h"

namespace kalimor {

Work::Work()
    : caption(Ru("Kalimor [Тахеометрия] - Новая работа"))
{
    // A new work shows the traverse table of the initial point count, built from the empty
    // model, so that every command (window or batch) finds the table in place.
    SetCoursePointCount(course, course.SePointCourseCount, settings.sePrecession);
}

const char* VersionText()
{
    return KALIMOR_VERSION_TEXT;
}

} // namespace kalimor
