#include "work/Transfers.h"

#include "core/Codepage.h"
#include "core/NumberParse.h"
#include "core/NumberText.h"
#include "core/TextRoutines.h"
#include "tacheometry/Pickets.h"
#include "traverse/CourseTable.h"
#include "work/CourseCommands.h"

#include <algorithm>

namespace kalimor {
namespace {

std::string RowNumberMessage(std::size_t rowIndex)
{
    return Ru("Ошибка в структуре файла в строке ") + std::to_string(rowIndex + 1);
}

bool Empty(const std::string& text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return c == ' '; });
}

} // namespace

bool TransferName(const ImportRow& row, const std::string& prefix, int nameSource, std::string& name)
{
    if (nameSource == 0)
        name = RemoveChar(prefix + row.address, ' ');
    else if (nameSource == 1)
        name = RemoveChar(prefix + row.note, ' ');
    else
        return false;
    return true;
}

int TransferToCourse(Work& work)
{
    ImportPage& import = work.import;
    CoursePage& course = work.course;
    import.messages.clear();
    const auto marked =
        std::count_if(import.rows.begin(), import.rows.end(), [](const ImportRow& r) { return r.station; });
    const int n = static_cast<int>(marked);
    if (n == 0)
        return 0;

    const int wanted = std::clamp(course.cbTypeCourse == 2 ? n + 1 : n, kMinCoursePoints, kMaxCoursePoints);
    if (wanted != course.SePointCourseCount || course.rows.size() != static_cast<std::size_t>(LastRow(wanted) + 1))
        SetCoursePointCount(work, wanted);

    int k = 0;
    int leftOut = 0;
    for (std::size_t r = 0; r < import.rows.size(); ++r) {
        const ImportRow& row = import.rows[r];
        if (!row.station)
            continue;
        // The traverse holds 200 points: further marked rows have no point to go to.
        if (k >= kMaxCoursePoints) {
            ++leftOut;
            continue;
        }
        CoursePoint& point = course.points[static_cast<std::size_t>(k)];
        std::string name;
        if (TransferName(row, work.settings.edCourseTemplate, work.settings.cbSelectNamePoint, name)) {
            point.Name = name;
            SetCourseCellText(course, PointRow(k), col::Name, name);
        }
        // Each value is stored as soon as it is read; a failure leaves this point to the next row.
        double value = 0;
        if (!TryStrToFloat(row.slopeDistance, value)) {
            import.messages.push_back(RowNumberMessage(r));
            continue;
        }
        point.SlopeDistance = value;
        if (!TryStrToFloat(row.horizontalAngle, value)) {
            import.messages.push_back(RowNumberMessage(r));
            continue;
        }
        point.HzPacked = value;
        if (!TryStrToFloat(row.verticalAngle, value)) {
            import.messages.push_back(RowNumberMessage(r));
            continue;
        }
        point.VPacked = value;
        SetCourseCellText(course, LegRow(k), col::SD, NumberText(point.SlopeDistance));
        SetCourseCellText(course, PointRow(k), col::Hz, NumberText(point.HzPacked));
        SetCourseCellText(course, LegRow(k), col::V, NumberText(point.VPacked));
        ++k;
    }
    if (leftOut > 0)
        import.messages.push_back(Ru("В ход вошли первые 200 точек; не загружено отмеченных строк: ") +
                                  std::to_string(leftOut));
    import.messages.push_back(Ru("Данные загружены в ход."));
    return n;
}

AdjustOutcome btnToCourseClick(Work& work)
{
    TransferToCourse(work);
    return AdjustCourse(work);
}

void btnTopiketClick(Work& work)
{
    ImportPage& import = work.import;
    PiketPage& piket = work.piket;
    import.messages.clear();
    std::size_t n = 0;
    const std::size_t rows = std::min(import.rows.size(), import.selected.size());
    for (std::size_t r = 0; r < rows; ++r)
        n += import.selected[r] ? 1 : 0;
    if (n > 0) {
        const int count = static_cast<int>(std::min<std::size_t>(n, kMaxPickets));
        if (count != piket.sePointPiketCount)
            sePointPiketCountChange(piket, count);
        int i = 0;
        int leftOut = 0;
        for (std::size_t r = 0; r < rows; ++r) {
            if (!import.selected[r])
                continue;
            if (i >= kMaxPickets) {
                ++leftOut;
                continue;
            }
            const ImportRow& row = import.rows[r];
            Picket& picket = piket.pickets[static_cast<std::size_t>(i)];
            std::string name;
            if (TransferName(row, work.settings.edPiketTemplate, work.settings.cbSelectNamePoint, name))
                picket.name = name;
            double value = 0;
            bool read = true;
            if (Empty(row.slopeDistance)) {
                picket.slopeDistance = 0;
            } else if (TryStrToFloat(row.slopeDistance, value)) {
                picket.slopeDistance = value;
            } else {
                read = false;
            }
            if (read && TryStrToFloat(row.horizontalAngle, value))
                picket.horizontalAngle = value;
            else
                read = false;
            if (read && TryStrToFloat(row.verticalAngle, value))
                picket.verticalAngle = value;
            else
                read = false;
            if (!read) {
                import.messages.push_back(RowNumberMessage(r));
                continue;
            }
            ++i;
        }
        if (leftOut > 0)
            import.messages.push_back(Ru("В пикетаж вошли первые 2000 точек; не загружено выбранных строк: ") +
                                      std::to_string(leftOut));
        import.messages.push_back(Ru("Данные загружены в пикетаж."));
    }
    piket.currentPicket = 0;
    ShowPicket(piket, 0);
}

} // namespace kalimor
