#include "export/Exports.h"

#include "export/ExcelWriters.h"
#include "export/ExportSources.h"
#include "export/MapInfoWriters.h"
#include "export/TextWriters.h"

#include <stdexcept>

namespace kalimor {

namespace {

ExportFiles Single(const Work& work, WorkbookWriter& writer, ExportSource source, int item, const std::string& chosen,
                   bool open)
{
    const bool traverse = source == ExportSource::Traverse;
    switch (item) {
    case kExportStatement:
        return traverse ? SaveCourseStatement(work, chosen, open) : SavePicketStatement(work, chosen, open);
    case kExportCoordinates:
        return traverse ? SaveCourseCoordinates(work, chosen, open) : SavePicketCoordinates(work, chosen, open);
    case kExportExcel:
        return traverse ? SaveCourseExcel(work, writer, chosen, open) : SavePicketExcel(work, writer, chosen, open);
    case kExportMapInfo:
        return traverse ? SaveCourseMapInfo(work, chosen, open) : SavePicketMapInfo(work, chosen, open);
    case kExportTop:
        return traverse ? SaveCourseTop(work, chosen, open) : SavePicketTop(work, chosen, open);
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

ExportFiles RunExport(const Work& work, WorkbookWriter& writer, ExportSource source, int item,
                      const std::string& chosen)
{
    if (item != kExportAll) {
        const bool open = work.settings.IsOptionSet(kOptionOpenAfterSave);
        return Single(work, writer, source, item, WithoutEnding(chosen, MainEnding(item)), open);
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
    ExportFiles files;
    for (const auto& step : kOrder)
        files.append(Single(work, writer, source, step.item,
                            chosen + (traverse ? step.traverseSuffix : step.piketSuffix), false));
    return files;
}

} // namespace kalimor
