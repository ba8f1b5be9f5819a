#pragma once
// The adjustment "Уравнять" of the five traverse kinds.
#include "core/ProcessingSettings.h"
#include "traverse/CourseModel.h"

namespace kalimor {

// TheoreticalAngleSum (closed and open kinds) and AngularLimit = precision * sqrt(n)
// seconds; precision is the setting sePrecession.
void PrepareAngleCheck(CoursePage& page, int precision);

// Reads the table, adjusts, writes the results into the table and writes the statement.
// Sets page.statusText / statusBlink and page.outcome. A refraction text that is not a
// number throws ConversionError from the height part; what was computed before stays.
// The station lists of the tacheometry are refilled by the Work-level command.
AdjustOutcome AdjustCourse(CoursePage& page, const ProcessingSettings& settings);

} // namespace kalimor
