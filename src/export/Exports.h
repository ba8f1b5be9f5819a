#pragma once
// The export commands of the traverse and tacheometry pages: the writer of the chosen
// dialog item, or all five at once.
#include "export/ExportNaming.h"
#include "export/WorkbookWriter.h"
#include "work/Work.h"

#include <string>

namespace kalimor {

enum class ExportSource { Traverse, Tacheometry };

// The filter items of SaveCourseDialog and SavePiketDialog, numbered from 1.
enum ExportItem {
    kExportStatement = 1,
    kExportCoordinates = 2,
    kExportExcel = 3,
    kExportMapInfo = 4,
    kExportTop = 5,
    kExportAll = 6,
};

// Runs the export of dialog item `item` with the chosen name. A single export opens its
// results when option 1 is set and takes a name ending in its own extension as the base
// name; "all five" appends each writer's suffix to the name as typed and opens nothing.
// Each file is added to `files` as soon as it is written. Stops at the first failing writer;
// the files written before stay.
void RunExport(const Work& work, WorkbookWriter& writer, ExportSource source, int item, const std::string& chosen,
               ExportFiles& files);

} // namespace kalimor
