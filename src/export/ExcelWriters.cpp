#include "export/ExcelWriters.h"

#include "core/Codepage.h"
#include "core/Errors.h"
#include "core/NumberParse.h"
#include "export/ExportSources.h"

namespace kalimor {

namespace {

// Row 1 gets the column titles when the heading option is set; answers the first data row.
std::uint16_t Heading(WorkbookWriter& writer, bool heading)
{
    if (!heading)
        return 1;
    writer.WriteText(1, 1, "N");
    writer.WriteText(1, 2, "X");
    writer.WriteText(1, 3, "Y");
    writer.WriteText(1, 4, "H");
    return 2;
}

// A worksheet row number is 16 bits wide: past the last row the numbers would wrap round and
// overwrite the first rows, so the export stops before anything is saved.
void CheckRowFits(unsigned row)
{
    if (row > WorkbookWriter::kLastRow)
        throw KalimorError(Ru("Лист Excel вмещает не более 65535 строк"));
}

void Save(WorkbookWriter& writer, bool openAfterSave, ExportFiles& files)
{
    writer.EndWorkbook();
    writer.SaveWorkbook();
    files.written.push_back(writer.FileName());
    if (openAfterSave)
        files.toOpen.push_back(writer.FileName());
}

} // namespace

void SaveCourseExcel(const Work& work, WorkbookWriter& writer, const std::string& chosen, bool openAfterSave,
                     ExportFiles& files)
{
    writer.BeginWorkbook();
    writer.SetFileName(ExportFileName(chosen, ""));
    unsigned row = Heading(writer, work.settings.IsOptionSet(kOptionCourseHeading));
    // The cells hold exactly what the texts say. Only the workbook reads them back: the
    // text writers copy a text such as "nan" of a degenerate traverse as it stands.
    for (const auto& p : CourseValues(work.course, work.settings)) {
        CheckRowFits(row);
        const auto r16 = static_cast<std::uint16_t>(row);
        writer.WriteText(r16, 1, p.name);
        writer.WriteNumber(r16, 2, StrToFloat(p.x));
        writer.WriteNumber(r16, 3, StrToFloat(p.y));
        writer.WriteNumber(r16, 4, StrToFloat(p.h));
        ++row;
    }
    Save(writer, openAfterSave, files);
}

void SavePicketExcel(const Work& work, WorkbookWriter& writer, const std::string& chosen, bool openAfterSave,
                     ExportFiles& files)
{
    writer.BeginWorkbook();
    writer.SetFileName(ExportFileName(chosen, ""));
    unsigned row = Heading(writer, work.settings.IsOptionSet(kOptionPiketHeading));
    for (const auto& line : work.piket.statement) {
        const StatementRow r = ReadStatementRow(line);
        if (r.kind == StatementRow::NoRow)
            continue;
        CheckRowFits(row);
        const auto r16 = static_cast<std::uint16_t>(row);
        writer.WriteText(r16, 1, r.name);
        writer.WriteNumber(r16, 2, StrToFloat(r.x));
        writer.WriteNumber(r16, 3, StrToFloat(r.y));
        writer.WriteText(r16, 4, r.h);
        ++row;
    }
    Save(writer, openAfterSave, files);
}

} // namespace kalimor
