#include "work/CourseCommands.h"

#include "tacheometry/StationSetup.h"
#include "traverse/CourseAdjust.h"
#include "traverse/CourseTable.h"

#include <string>

namespace kalimor {

AdjustOutcome AdjustCourse(Work& work)
{
    const AdjustOutcome outcome = AdjustCourse(work.course, work.settings);
    // A stopped adjustment leaves the station lists of the previous one.
    if (outcome != AdjustOutcome::Stopped)
        FillStationLists(work.piket, work.course);
    return outcome;
}

void SetCoursePointCount(Work& work, int count)
{
    SetCoursePointCount(work.course, count, work.settings.sePrecession);
}

bool AddCoursePoint(Work& work)
{
    if (work.course.SePointCourseCount >= kMaxCoursePoints)
        return false;
    SetCoursePointCount(work, work.course.SePointCourseCount + 1);
    return true;
}

bool DeleteCoursePoint(Work& work)
{
    if (work.course.SePointCourseCount <= kMinCoursePoints)
        return false;
    SetCoursePointCount(work, work.course.SePointCourseCount - 1);
    return true;
}

AdjustOutcome AutoNumberCourse(Work& work)
{
    CoursePage& page = work.course;
    for (int i = 0; i < page.SePointCourseCount; ++i) {
        const std::string name = work.settings.edCourseTemplate + std::to_string(i + 1);
        page.points[static_cast<std::size_t>(i)].Name = name;
        // The adjustment reads the names from the table, so the cells carry them.
        SetCourseCellText(page, PointRow(i), col::Name, name);
    }
    return AdjustCourse(work);
}

AdjustOutcome ChangeAngleType(Work& work, int item)
{
    work.course.cdTypeAngleCourse = item;
    return AdjustCourse(work);
}

AdjustOutcome ChangeSourceKind(Work& work, int item)
{
    work.course.cbUseDirorCoord = item;
    return AdjustCourse(work);
}

void ChangeCourseKind(Work& work, int item)
{
    work.course.cbTypeCourse = item;
}

void ChangeCourseTemplate(Work& work, int item)
{
    work.course.cbSelectCourseTemplate = item;
}

} // namespace kalimor
