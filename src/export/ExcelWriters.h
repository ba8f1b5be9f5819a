#pragma once
// The coordinate workbooks of both pages, driven through the window's one WorkbookWriter.
#include "export/ExportNaming.h"
#include "export/WorkbookWriter.h"
#include "work/Work.h"

#include <string>

namespace kalimor {

void SaveCourseExcel(const Work& work, WorkbookWriter& writer, const std::string& chosen, bool openAfterSave,
                     ExportFiles& files);
// A picket X or Y that is not a number stops it with a ConversionError before anything is
// saved; the writer keeps the partial stream until the next export begins.
void SavePicketExcel(const Work& work, WorkbookWriter& writer, const std::string& chosen, bool openAfterSave,
                     ExportFiles& files);

} // namespace kalimor
