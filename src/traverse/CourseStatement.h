#pragma once
// The fixed-width traverse statement shown in reCourse.
#include "core/ProcessingSettings.h"
#include "traverse/CourseModel.h"

namespace kalimor {

// Appends the statement of the adjusted traverse to page.statement; courseTemplate 0 is 2D,
// 1 is 3D; kind is the traverse kind 0..4. Reads the table cells written by the results.
void WriteCourseStatement(CoursePage& page, const ProcessingSettings& settings, int courseTemplate, int kind);

} // namespace kalimor
