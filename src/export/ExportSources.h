#pragma once
// What the writers take from the work: the traverse points as texts, and the picket rows of
// the tacheometry statement.
#include "core/ProcessingSettings.h"
#include "export/StatementReader.h"
#include "traverse/CourseModel.h"

#include <string>
#include <vector>

namespace kalimor {

// Option positions of the additional options that the exports read.
constexpr int kOptionOpenAfterSave = 1;
constexpr int kOptionCourseHeading = 3;
constexpr int kOptionPiketHeading = 6;

struct CoursePointTexts {
    std::string name;    // blanks removed
    std::string x, y, h; // rounded to the distance decimals, as NumberText
};

// Traverse points 0 .. SePointCourseCount - 1.
std::vector<CoursePointTexts> CourseValues(const CoursePage& course, const ProcessingSettings& settings);

// The rows of a statement that the exports take (PlanRow, HeightRow, RemoteRow), in order.
std::vector<StatementRow> StatementRows(const std::vector<std::string>& statement);

// The distance decimals as the exports use them.
int LineDecimals(const ProcessingSettings& settings);

} // namespace kalimor
