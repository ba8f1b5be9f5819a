#pragma once
// Statement copies, coordinate lists and Credo TOP files of both pages.
// Each writer takes the chosen name F and whether to open its results afterwards.
#include "export/ExportNaming.h"
#include "work/Work.h"

#include <string>

namespace kalimor {

ExportFiles SaveCourseStatement(const Work& work, const std::string& chosen, bool openAfterSave);
ExportFiles SavePicketStatement(const Work& work, const std::string& chosen, bool openAfterSave);
ExportFiles SaveCourseCoordinates(const Work& work, const std::string& chosen, bool openAfterSave);
ExportFiles SavePicketCoordinates(const Work& work, const std::string& chosen, bool openAfterSave);
ExportFiles SaveCourseTop(const Work& work, const std::string& chosen, bool openAfterSave);
ExportFiles SavePicketTop(const Work& work, const std::string& chosen, bool openAfterSave);

// One Credo TOP line: the name right-aligned in 8, " 000", X, Y and (when threeD) H
// right-aligned in 13 each, 13 blanks for a plan point, then "   0". Nothing is cut.
std::string TopLine(const std::string& name, const std::string& x, const std::string& y, const std::string& h,
                    bool threeD);

} // namespace kalimor
