#include "work/ProjectFile.h"

#include "core/Codepage.h"
#include "core/IniProfile.h"
#include "core/NumberParse.h"
#include "core/NumberText.h"
#include "core/TextRoutines.h"
#include "intake/InstrumentImport.h"
#include "tacheometry/PiketCalc.h"
#include "traverse/CourseTable.h"
#include "work/CourseCommands.h"

#include <cmath>
#include <filesystem>
#include <utility>

namespace kalimor {

namespace {

const std::string& General()
{
    return Ru("ОБЩИЕ");
}
const std::string& Initial()
{
    return Ru("ИСХОДНЫЕ ДАННЫЕ");
}
const std::string& Points()
{
    return Ru("ТОЧКИ ХОДА");
}
const std::string& Tacheometry()
{
    return Ru("ТАХЕОМЕТРИЯ");
}
const std::string& Import()
{
    return Ru("ИМПОРТ");
}
const std::string& Rs232()
{
    return Ru("RS-232");
}

const std::string& CaptionPrefix()
{
    return Ru("Kalimor [Тахеометрия] - ");
}

// The twelve known values of the traverse: key, row (by point count), column.
struct KnownValue {
    const char* key;
    int which; // 0 the first row, 1 the first point, 2 the last point, 3 the last row
    int column;
};
constexpr KnownValue kKnownValues[] = {
    {"X1", 1, col::X},  {"Y1", 1, col::Y}, {"H1", 1, col::H},   {"X12", 0, col::X},
    {"Y12", 0, col::Y}, {"H2", 2, col::H}, {"A1", 0, col::Dir}, {"A2", 3, col::Dir},
    {"X2", 2, col::X},  {"Y2", 2, col::Y}, {"X22", 3, col::X},  {"Y22", 3, col::Y},
};

int KnownRow(int which, int pointCount)
{
    switch (which) {
    case 0:
        return 0;
    case 1:
        return PointRow(0);
    case 2:
        return PointRow(pointCount - 1);
    default:
        return LastRow(pointCount);
    }
}

double KnownData(const CourseData& d, const char* key)
{
    const std::string_view k(key);
    if (k == "X1")
        return d.StartX;
    if (k == "Y1")
        return d.StartY;
    if (k == "H1")
        return d.StartH;
    if (k == "X12")
        return d.StartOrientX;
    if (k == "Y12")
        return d.StartOrientY;
    if (k == "H2")
        return d.EndH;
    if (k == "A1")
        return d.StartDirection;
    if (k == "A2")
        return d.EndDirection;
    if (k == "X2")
        return d.EndX;
    if (k == "Y2")
        return d.EndY;
    if (k == "X22")
        return d.EndOrientX;
    return d.EndOrientY;
}

// A field of a stored line as a real; missing or not a number gives 0.
double FieldValue(std::string_view line, int index)
{
    double v = 0;
    const std::string field = ExtractField(line, ' ', index);
    return TryStrToFloat(field, v) ? v : 0.0;
}

// The count under key "0" of a list section: read as a real and rounded to an integer.
int StoredCount(const IniReader& ini, const std::string& section)
{
    const double m = std::nearbyint(StrToFloat(ini.readString(section, "0", "0")));
    if (m <= 0)
        return 0;
    return m >= kMaxStoredLines ? kMaxStoredLines : static_cast<int>(m);
}

// The lines of a list section, each with every "~" removed.
std::vector<std::string> StoredLines(const IniReader& ini, const std::string& section)
{
    const int m = StoredCount(ini, section);
    std::vector<std::string> lines;
    lines.reserve(static_cast<std::size_t>(m));
    for (int k = 1; k <= m; ++k) {
        const auto v = ini.find(section, std::to_string(k));
        lines.push_back(v ? RemoveChar(*v, '~') : std::string());
    }
    return lines;
}

std::string Enclosed(std::string_view line)
{
    std::string s;
    s.reserve(line.size() + 2);
    s += '~';
    s += line;
    s += '~';
    return s;
}

// Blanks start new fields, so a stored point name has none.
std::string StoredPointName(const std::string& name, int k)
{
    std::string s = RemoveChar(name, ' ');
    return s.empty() ? std::to_string(k) : s;
}

std::string StoredPoint(const CoursePoint& p, int k)
{
    std::string s = StoredPointName(p.Name, k);
    for (double v : {p.SlopeDistance, p.HzPacked, p.VPacked, p.InstrumentHeight, p.TargetHeight, p.BackSlopeDistance,
                     p.CarriedValue1, p.CarriedValue2}) {
        s += ' ';
        s += NumberText(v);
    }
    return s;
}

std::string StoredImportRow(const ImportRow& r)
{
    return Enclosed(UserTextLine(r));
}

// A stored import row: five fields at single blanks, the note is the rest after the fifth
// blank, so a note with blanks comes back whole (a file of the older layout reads the same).
ImportRow ImportRowFromLine(std::string_view line)
{
    ImportRow row;
    std::string_view rest = line;
    std::string fields[5];
    for (int f = 0; f < 5; ++f) {
        const std::size_t blank = rest.find(' ');
        if (blank == std::string_view::npos) {
            fields[f] = std::string(rest);
            rest = {};
            for (int g = f + 1; g < 5; ++g)
                fields[g].clear();
            break;
        }
        fields[f] = std::string(rest.substr(0, blank));
        rest.remove_prefix(blank + 1);
        if (f == 4)
            row.note = std::string(rest);
    }
    row.address = std::move(fields[0]);
    row.slopeDistance = std::move(fields[1]);
    row.horizontalAngle = std::move(fields[2]);
    row.verticalAngle = std::move(fields[3]);
    row.station = fields[4] == "1";
    return row;
}

std::string DefaultStoredLine(int k)
{
    return std::to_string(k) + " 0 0 0 0 0";
}

// Brings a choice read from the file into its item range; anything else selects the default.
int Choice(const IniReader& ini, const std::string& key, int defaultItem, int itemCount)
{
    const int v = ini.readInteger(Initial(), key, defaultItem);
    return v >= 0 && v < itemCount ? v : defaultItem;
}

void EnsureCourseTable(Work& work)
{
    CoursePage& c = work.course;
    if (static_cast<int>(c.rows.size()) != 2 * c.SePointCourseCount + 1)
        ReadCourseTable(c);
}

void EmptyAddressLists(ImportPage& import)
{
    import.beginList.clear();
    import.endList.clear();
    import.cbBegin.clear();
    import.cbEnd.clear();
    import.cbBeginIndex = -1;
    import.cbEndIndex = -1;
}

std::string ReceivedTextOf(const std::vector<std::string>& lines)
{
    std::size_t size = 0;
    for (const auto& l : lines)
        size += l.size() + 2;
    std::string text;
    text.reserve(size);
    for (const auto& l : lines) {
        text += l;
        text += "\r\n";
    }
    return text;
}

} // namespace

// ---------------------------------------------------------------------------------------------

void NewWork(Work& work)
{
    ResetCourseForNewWork(work.course, work.settings.sePrecession);
    work.import.rows.clear();
    work.import.selected.clear();
    EmptyAddressLists(work.import);
    ResetPiketPage(work.piket);
    work.piket.titlePending = true;
    work.piket.stationBlockPending = true;
    work.import.messages.clear();
    work.received.clear();
    work.caption = Ru("Kalimor [Тахеометрия] - Новая работа.srv");
}

void OpenProject(Work& work, const std::string& fileName)
{
    work.piket.titlePending = true;
    work.piket.stationBlockPending = true;
    OpenProjectText(work, ReadWholeFile(fileName), fileName);
}

void OpenProjectText(Work& work, std::string bytes, const std::string& fileName)
{
    const IniReader ini(std::move(bytes));
    CoursePage& course = work.course;
    ProcessingSettings& s = work.settings;

    ReplacePiketStatement(work.piket, {});
    EmptyAddressLists(work.import);

    s.edNamePolevik = ini.readString(General(), Ru("Исполнитель"), "");
    s.edNameCameral = ini.readString(General(), Ru("Камеральщик"), "");
    s.edinstrument = ini.readString(General(), Ru("Инструмент"), "");
    s.edNameCourseID = ini.readString(General(), Ru("Ход/Объект"), "");
    s.setPrecession(ini.readInteger(General(), Ru("Точность"), 60));

    EnsureCourseTable(work);
    int count = ini.readInteger(Initial(), Ru("Точек в ходе"), 3);
    count = count < kMinCoursePoints ? kMinCoursePoints : (count > kMaxCoursePoints ? kMaxCoursePoints : count);
    if (count != course.SePointCourseCount)
        SetCoursePointCount(work, count);
    course.cdTypeAngleCourse = Choice(ini, Ru("Тип углов"), 0, 2);
    course.cbTypeCourse = Choice(ini, Ru("Тип хода"), 0, 5);
    course.cbUseDirorCoord = Choice(ini, Ru("Тип исходных данных"), 1, 2);
    course.ckbNextBackUse = ini.readBool(Initial(), Ru("Использовать обратные измерения"), false);

    s.ckbhoriz = ini.readBool(General(), Ru("Поправка на приведение к горизонту"), false);
    s.ckbRef = ini.readBool(General(), Ru("Поправка на рефракцию"), false);
    s.edRef = ini.readString(General(), Ru("Рефракция"), "0.14");

    const int n = course.SePointCourseCount;
    for (int k = 1; k <= n; ++k) {
        const int i = k - 1;
        const auto stored = ini.find(Points(), std::to_string(k));
        const std::string line = stored ? std::string(*stored) : DefaultStoredLine(k);
        CoursePoint& p = course.points[static_cast<std::size_t>(i)];
        p.Name = ExtractField(line, ' ', 1);
        p.SlopeDistance = FieldValue(line, 2);
        p.HzPacked = FieldValue(line, 3);
        p.VPacked = FieldValue(line, 4);
        p.InstrumentHeight = FieldValue(line, 5);
        p.TargetHeight = FieldValue(line, 6);
        p.BackSlopeDistance = FieldValue(line, 7);
        p.CarriedValue1 = FieldValue(line, 8);
        p.CarriedValue2 = FieldValue(line, 9);
        const int pointRow = PointRow(i);
        const int legRow = k < n ? LegRow(i) : LastRow(n);
        SetCourseCellText(course, pointRow, col::Name, p.Name);
        SetCourseCellText(course, pointRow, col::Hz, NumberText(p.HzPacked));
        SetCourseCellText(course, pointRow, col::IV, NumberText(p.InstrumentHeight));
        SetCourseCellText(course, legRow, col::SD, NumberText(p.SlopeDistance));
        SetCourseCellText(course, legRow, col::V, NumberText(p.VPacked));
        SetCourseCellText(course, legRow, col::IV, NumberText(p.TargetHeight));
    }

    ReplacePiketStatement(work.piket, StoredLines(ini, Tacheometry()));

    work.import.rows.clear();
    work.import.selected.clear();
    {
        const int r = StoredCount(ini, Import());
        std::vector<ImportRow> rows;
        rows.reserve(static_cast<std::size_t>(r));
        for (int k = 1; k <= r; ++k) {
            const auto v = ini.find(Import(), std::to_string(k));
            rows.push_back(ImportRowFromLine(RemoveChar(v ? *v : std::string_view(DefaultStoredLine(k)), '~')));
        }
        work.import.rows = std::move(rows);
        work.import.selected.assign(work.import.rows.size(), false);
    }

    work.received.clear();
    work.received.assign(ReceivedTextOf(StoredLines(ini, Rs232())));

    ReadCourseTable(course);
    for (const KnownValue& kv : kKnownValues)
        SetCourseCellText(course, KnownRow(kv.which, n), kv.column, ini.readString(Initial(), kv.key, "0"));
    ReadCourseTable(course);

    work.caption = CaptionPrefix() + Utf8ToCp1251(fileName);

    cbSelectPiketTemplateChange(work.piket, work.piket.cbSelectPiketTemplate);
    ChangeCourseTemplate(work, course.cbSelectCourseTemplate);
    AdjustCourse(work);
}

std::string ProjectText(Work& work)
{
    CoursePage& course = work.course;
    const ProcessingSettings& s = work.settings;
    EnsureCourseTable(work);
    ReadCourseTable(course);
    WriteCourseResults(course);

    IniWriter w;
    w.writeString(General(), Ru("Версия"), VersionText());
    w.writeString(General(), Ru("Исполнитель"), s.edNamePolevik);
    w.writeString(General(), Ru("Камеральщик"), s.edNameCameral);
    w.writeString(General(), Ru("Инструмент"), s.edinstrument);
    w.writeString(General(), Ru("Ход/Объект"), s.edNameCourseID);
    w.writeInteger(General(), Ru("Точность"), s.sePrecession);
    w.writeInteger(Initial(), Ru("Тип углов"), course.cdTypeAngleCourse);
    w.writeInteger(Initial(), Ru("Тип хода"), course.cbTypeCourse);
    w.writeInteger(Initial(), Ru("Тип исходных данных"), course.cbUseDirorCoord);
    w.writeBool(Initial(), Ru("Использовать обратные измерения"), course.ckbNextBackUse);
    w.writeBool(General(), Ru("Поправка на приведение к горизонту"), s.ckbhoriz);
    w.writeBool(General(), Ru("Поправка на рефракцию"), s.ckbRef);
    w.writeString(General(), Ru("Рефракция"), NumberText(StrToFloat(s.edRef)));

    const int n = course.SePointCourseCount;
    w.writeInteger(Initial(), Ru("Точек в ходе"), n);
    for (const KnownValue& kv : kKnownValues)
        w.writeString(Initial(), kv.key, NumberText(KnownData(course.data, kv.key)));

    for (int k = 1; k <= n; ++k)
        w.writeString(Points(), std::to_string(k), StoredPoint(course.points[static_cast<std::size_t>(k - 1)], k));

    const auto& statement = work.piket.statement;
    w.writeInteger(Tacheometry(), "0", static_cast<long long>(statement.size()));
    for (std::size_t k = 0; k < statement.size(); ++k)
        w.writeString(Tacheometry(), std::to_string(k + 1), Enclosed(statement[k]));

    const auto& rows = work.import.rows;
    w.writeInteger(Import(), "0", static_cast<long long>(rows.size()));
    for (std::size_t k = 0; k < rows.size(); ++k)
        w.writeString(Import(), std::to_string(k + 1), StoredImportRow(rows[k]));

    const std::vector<std::string> received = work.received.lines();
    w.writeInteger(Rs232(), "0", static_cast<long long>(received.size()));
    for (std::size_t k = 0; k < received.size(); ++k)
        w.writeString(Rs232(), std::to_string(k + 1), Enclosed(received[k]));

    return w.text();
}

std::string SaveProject(Work& work, const std::string& chosenName)
{
    const std::string fileName = ProjectFileName(chosenName);
    WriteFileReplacing(fileName, ProjectText(work));
    work.caption = CaptionPrefix() + Utf8ToCp1251(std::filesystem::path(fileName).filename().string());
    return fileName;
}

std::string ProjectFileName(const std::string& chosenName)
{
    std::filesystem::path p(chosenName);
    p.replace_extension(".srv");
    return p.string();
}

} // namespace kalimor
