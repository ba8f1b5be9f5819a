#pragma once
// Statement copies, coordinate lists and Credo TOP files of both pages.
// Each writer takes the chosen name F and whether to open its results afterwards.
#include "export/ExportNaming.h"
#include "work/Work.h"

#include <string>

namespace kalimor {

void SaveCourseStatement(const Work& work, const std::string& chosen, bool openAfterSave, ExportFiles& files);
void SavePicketStatement(const Work& work, const std::string& chosen, bool openAfterSave, ExportFiles& files);
void SaveCourseCoordinates(const Work& work, const std::string& chosen, bool openAfterSave, ExportFiles& files);
void SavePicketCoordinates(const Work& work, const std::string& chosen, bool openAfterSave, ExportFiles& files);
void SaveCourseTop(const Work& work, const std::string& chosen, bool openAfterSave, ExportFiles& files);
void SavePicketTop(const Work& work, const std::string& chosen, bool openAfterSave, ExportFiles& files);

// One Credo TOP line: the name right-aligned in 8, " 000", X, Y and (when threeD) H
// right-aligned in 13 each, 13 blanks for a plan point, then "   0". Nothing is cut.
std::string TopLine(const std::string& name, const std::string& x, const std::string& y, const std::string& h,
                    bool threeD);

} // namespace kalimor
