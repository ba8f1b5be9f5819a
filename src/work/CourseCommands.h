#pragma once
// Commands of the page "Линейно-угловой ход" on the whole work. Questions are asked by the
// window before these run.
#include "traverse/CourseModel.h"
#include "work/Work.h"

namespace kalimor {

// "Уравнять": adjusts the traverse (table read, results, statement, status) and refills the
// station lists of the tacheometry. Throws ConversionError when the refraction text is read
// and is not a number. Returns the verdict also kept in work.course.outcome.
AdjustOutcome AdjustCourse(Work& work);

// SePointCourseCount changed: the count is brought into 3..200, the table is read and rebuilt
// for it, the angle check is prepared again.
void SetCoursePointCount(Work& work, int count);
// "Добавить" / "Удалить": one point more (up to 200) or fewer (down to 3); false when at the limit.
bool AddCoursePoint(Work& work);
bool DeleteCoursePoint(Work& work);

// "Авто №" after its question was answered Yes: point i is named edCourseTemplate + (i + 1),
// then the traverse is adjusted.
AdjustOutcome AutoNumberCourse(Work& work);

// cdTypeAngleCourse and cbUseDirorCoord changes re-adjust at once.
AdjustOutcome ChangeAngleType(Work& work, int item);
AdjustOutcome ChangeSourceKind(Work& work, int item);
// cbTypeCourse: no event; the kind takes effect at the next adjustment.
void ChangeCourseKind(Work& work, int item);
// cbSelectCourseTemplate: 0 hides the height columns, 1 shows them; nothing is recomputed.
void ChangeCourseTemplate(Work& work, int item);

} // namespace kalimor
