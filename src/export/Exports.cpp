#include "export/Exports.h"

#include "export/ExcelWriters.h"
#include "export/ExportSources.h"
#include "export/MapInfoWriters.h"
#include "export/TextWriters.h"

#include <stdexcept>

namespace kalimor {

namespace {

void Single(const Work& work, WorkbookWriter& writer, ExportSource source, int item, const std::string& chosen,
            bool open, ExportFiles& files)
{
    const bool traverse = source == ExportSource::Traverse;
    switch (item) {
    case kExportStatement:
        return traverse ? SaveCourseStatement(work, chosen, open, files)
                        : SavePicketStatement(work, chosen, open, files);
    case kExportCoordinates:
        return traverse ? SaveCourseCoordinates(work, chosen, open, files)
                        : SavePicketCoordinates(work, chosen, open, files);
    case kExportExcel:
        return traverse ? SaveCourseExcel(work, writer, chosen, open, files)
                        : SavePicketExcel(work, writer, chosen, open, files);
    case kExportMapInfo:
        return traverse ? SaveCourseMapInfo(work, chosen, open, files) : SavePicketMapInfo(work, chosen, open, files);
    case kExportTop:
        return traverse ? SaveCourseTop(work, chosen, open, files) : SavePicketTop(work, chosen, open, files);
    default:
        throw std::invalid_argument("export item " + std::to_string(item));
    }
}

// The ending a typed name may already carry for a single export (the workbook has its own
// rule for extensions).
const char* MainEnding(int item)
{
    switch (item) {
    case kExportStatement:
    case kExportCoordinates:
        return ".txt";
    case kExportMapInfo:
        return ".mif";
    case kExportTop:
        return ".top";
    default:
        return "";
    }
}

} // namespace

void RunExport(const Work& work, WorkbookWriter& writer, ExportSource source, int item, const std::string& chosen,
               ExportFiles& files)
{
    if (item != kExportAll) {
        const bool open = work.settings.IsOptionSet(kOptionOpenAfterSave);
        Single(work, writer, source, item, WithoutEnding(chosen, MainEnding(item)), open, files);
        return;
    }
    const bool traverse = source == ExportSource::Traverse;
    struct Step {
        int item;
        const char* traverseSuffix;
        const char* piketSuffix;
    };
    static constexpr Step kOrder[] = {
        {kExportStatement, "_vdm_hod", "_vdm_pik"}, {kExportCoordinates, "_crd_hod", "_crd_pik"},
        {kExportTop, "_crd_top", "_crd_top"},       {kExportExcel, "_crd_hod", "_crd_pik"},
        {kExportMapInfo, "_map_hod", "_map_pik"},
    };
    for (const auto& step : kOrder)
        Single(work, writer, source, step.item, chosen + (traverse ? step.traverseSuffix : step.piketSuffix), false,
               files);
}

} // namespace kalimor
