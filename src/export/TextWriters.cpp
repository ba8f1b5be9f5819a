#include "export/TextWriters.h"

#include "export/ExportSources.h"
#include "export/FileOutput.h"

#include <vector>

namespace kalimor {

namespace {

void AppendRight(std::string& out, const std::string& text, std::size_t width)
{
    if (text.size() < width)
        out.append(width - text.size(), ' ');
    out += text;
}

std::string Joined(const std::string& a, const std::string& b, const std::string& c)
{
    return a + ' ' + b + ' ' + c;
}

// Writes one file of lines and records it.
void WriteLines(ExportFiles& files, const std::string& path, const std::vector<std::string>& lines, bool openAfterSave)
{
    WriteFileAtomically(path, TextFileBytes(lines));
    files.written.push_back(path);
    if (openAfterSave)
        files.toOpen.push_back(path);
}

const char* const kHeading = "N X Y H";
const char* const kRemoteHeading = "N X Y dH";

} // namespace

std::string TopLine(const std::string& name, const std::string& x, const std::string& y, const std::string& h,
                    bool threeD)
{
    std::string line;
    line.reserve(55);
    AppendRight(line, name, 8);
    line += " 000";
    AppendRight(line, x, 13);
    AppendRight(line, y, 13);
    if (threeD)
        AppendRight(line, h, 13);
    else
        line.append(13, ' ');
    line += "   0";
    return line;
}

void SaveCourseStatement(const Work& work, const std::string& chosen, bool openAfterSave, ExportFiles& files)
{
    WriteLines(files, ExportFileName(chosen, ".txt"), work.course.statement, openAfterSave);
}

void SavePicketStatement(const Work& work, const std::string& chosen, bool openAfterSave, ExportFiles& files)
{
    WriteLines(files, ExportFileName(chosen, ".txt"), work.piket.statement, openAfterSave);
}

void SaveCourseCoordinates(const Work& work, const std::string& chosen, bool openAfterSave, ExportFiles& files)
{
    std::vector<std::string> lines;
    if (work.settings.IsOptionSet(kOptionCourseHeading))
        lines.emplace_back(kHeading);
    const int layout = work.course.cbSelectCourseTemplate;
    for (const auto& p : CourseValues(work.course, work.settings)) {
        if (layout == 0)
            lines.push_back(Joined(p.name, p.x, p.y));
        else if (layout == 1)
            lines.push_back(Joined(p.name, p.x, p.y) + ' ' + p.h);
    }
    WriteLines(files, ExportFileName(chosen, ".txt"), lines, openAfterSave);
}

void SavePicketCoordinates(const Work& work, const std::string& chosen, bool openAfterSave, ExportFiles& files)
{
    std::vector<std::string> plain, remote;
    if (work.settings.IsOptionSet(kOptionPiketHeading)) {
        plain.emplace_back(kHeading);
        remote.emplace_back(kRemoteHeading);
    }
    for (const auto& row : StatementRows(work.piket.statement)) {
        switch (row.kind) {
        case StatementRow::PlanRow:
            plain.push_back(Joined(row.name, row.x, row.y));
            break;
        case StatementRow::HeightRow:
            plain.push_back(Joined(row.name, row.x, row.y) + ' ' + row.h);
            break;
        case StatementRow::RemoteRow:
            remote.push_back(Joined(row.name, row.x, row.y) + ' ' + row.h);
            break;
        case StatementRow::NoRow:
            break;
        }
    }
    WriteLines(files, ExportFileName(chosen, ".txt"), plain, openAfterSave);
    WriteLines(files, ExportFileName(chosen, "dH.txt"), remote, openAfterSave);
}

void SaveCourseTop(const Work& work, const std::string& chosen, bool openAfterSave, ExportFiles& files)
{
    std::vector<std::string> lines;
    const int layout = work.course.cbSelectCourseTemplate;
    if (layout == 0 || layout == 1)
        for (const auto& p : CourseValues(work.course, work.settings))
            lines.push_back(TopLine(p.name, p.x, p.y, p.h, layout == 1));
    WriteLines(files, ExportFileName(chosen, ".top"), lines, openAfterSave);
}

void SavePicketTop(const Work& work, const std::string& chosen, bool openAfterSave, ExportFiles& files)
{
    std::vector<std::string> plain, remote;
    for (const auto& row : StatementRows(work.piket.statement)) {
        const bool threeD = row.kind != StatementRow::PlanRow;
        (row.kind == StatementRow::RemoteRow ? remote : plain)
            .push_back(TopLine(row.name, row.x, row.y, row.h, threeD));
    }
    WriteLines(files, ExportFileName(chosen, ".top"), plain, openAfterSave);
    WriteLines(files, ExportFileName(chosen, "dH.top"), remote, openAfterSave);
}

} // namespace kalimor
