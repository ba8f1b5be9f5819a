#include "export/MapInfoWriters.h"

#include "export/ExportSources.h"
#include "export/FileOutput.h"

namespace kalimor {

namespace {

const char* const kEndSymbol = "    Symbol (42,0,10)";
const char* const kPointSymbol = "    Symbol (34,0,6)";
const char* const kLegPen = "    Pen (1,2,0)";
const char* const kSightPen = "    Pen (1,13,0)";

// MapInfo's first coordinate is east: Y comes before X.
std::string PointLine(const std::string& x, const std::string& y)
{
    return "Point " + y + ' ' + x;
}

std::string LineLine(const std::string& x1, const std::string& y1, const std::string& x2, const std::string& y2)
{
    return "Line " + y1 + ' ' + x1 + ' ' + y2 + ' ' + x2;
}

std::string Record(const std::string& name, const std::string& x, const std::string& y, const std::string& h)
{
    return name + ',' + x + ',' + y + ',' + h;
}

void Write(ExportFiles& files, const std::string& path, const std::vector<std::string>& lines, bool open)
{
    WriteFileAtomically(path, TextFileBytes(lines));
    files.written.push_back(path);
    if (open)
        files.toOpen.push_back(path);
}

} // namespace

const std::vector<std::string>& MapInfoHeader()
{
    static const std::vector<std::string> header = {
        "Version 300",
        "Charset \"WindowsCyrillic\"",
        "Delimiter \",\"",
        "CoordSys NonEarth Units \"m\" Bounds (-10000000, -10000000) (10000000, 10000000)",
        "Columns 4",
        " N Char(10)",
        " X Float",
        " Y Float",
        " H Float",
        "Data",
        "",
    };
    return header;
}

void SaveCourseMapInfo(const Work& work, const std::string& chosen, bool openAfterSave, ExportFiles& files)
{
    const auto points = CourseValues(work.course, work.settings);
    const bool threeD = work.course.cbSelectCourseTemplate == 1;
    const std::size_t n = points.size();

    std::vector<std::string> mif = MapInfoHeader();
    std::vector<std::string> mid;
    for (std::size_t k = 0; k < n; ++k) {
        const auto& p = points[k];
        mif.push_back(PointLine(p.x, p.y));
        mif.emplace_back(k == 0 || k + 1 == n ? kEndSymbol : kPointSymbol);
        mid.push_back(Record(p.name, p.x, p.y, threeD ? p.h : std::string()));
    }
    for (std::size_t k = 1; k < n; ++k) {
        mif.push_back(LineLine(points[k].x, points[k].y, points[k - 1].x, points[k - 1].y));
        mif.emplace_back(kLegPen);
        // Every object needs its record, or readers stop at the first leg.
        mid.emplace_back(",,,");
    }

    Write(files, ExportFileName(chosen, ".mif"), mif, openAfterSave);
    Write(files, ExportFileName(chosen, ".mid"), mid, false);
}

void SavePicketMapInfo(const Work& work, const std::string& chosen, bool openAfterSave, ExportFiles& files)
{
    std::vector<std::string> mif = MapInfoHeader();
    std::vector<std::string> vis = MapInfoHeader();
    std::vector<std::string> mid;
    std::string stationX, stationY;
    for (const auto& line : work.piket.statement) {
        std::string x, y;
        if (ReadStationLine(line, x, y)) {
            stationX = std::move(x);
            stationY = std::move(y);
            continue;
        }
        const StatementRow row = ReadStatementRow(line);
        if (row.kind == StatementRow::NoRow)
            continue;
        mif.push_back(PointLine(row.x, row.y));
        mif.emplace_back(kPointSymbol);
        mid.push_back(Record(row.name, row.x, row.y, row.h));
        vis.push_back(LineLine(stationX, stationY, row.x, row.y));
        vis.emplace_back(kSightPen);
    }

    Write(files, ExportFileName(chosen, ".mif"), mif, openAfterSave);
    Write(files, ExportFileName(chosen, ".mid"), mid, false);
    Write(files, ExportFileName(chosen, "_vis.mif"), vis, false);
}

} // namespace kalimor
