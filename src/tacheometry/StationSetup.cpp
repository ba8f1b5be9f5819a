#include "tacheometry/StationSetup.h"

#include "core/Codepage.h"
#include "core/NumberText.h"

namespace kalimor {

namespace {

// Traverse values enter the fields already rounded, so the computation uses what is shown.
std::string Rounded(int decimals, double value)
{
    return NumberText(RoundToDecimals(decimals, value));
}

bool ValidItem(const PiketPage& piket, int item)
{
    return item >= 0 && item < static_cast<int>(piket.stationList.size()) && item < kMaxCoursePoints;
}

int FirstItemNamed(const PiketPage& piket, const std::string& text)
{
    for (std::size_t i = 0; i < piket.stationList.size(); ++i)
        if (piket.stationList[i] == text)
            return static_cast<int>(i);
    return -1;
}

} // namespace

const std::string& NotChosenText()
{
    return Ru("Не выбрана");
}

void FillStationLists(PiketPage& piket, const CoursePage& course)
{
    piket.stationList.clear();
    for (int i = 0; i < course.SePointCourseCount && i < kMaxCoursePoints; ++i)
        piket.stationList.push_back(course.points[static_cast<std::size_t>(i)].Name);
    piket.cbTCIndex = -1;
    piket.cbTOIndex = -1;
    piket.cbTC = NotChosenText();
    piket.cbTO = NotChosenText();
}

void cbTOChange(PiketPage& piket, const CoursePage& course, int decimals, int item)
{
    piket.stationBlockPending = true;
    if (!ValidItem(piket, item))
        return;
    piket.cbTOIndex = item;
    piket.cbTO = piket.stationList[static_cast<std::size_t>(item)];
    const CoursePoint& p = course.points[static_cast<std::size_t>(item)];
    piket.neTOX = Rounded(decimals, p.X);
    piket.neTOY = Rounded(decimals, p.Y);
}

void cbTCChange(PiketPage& piket, const CoursePage& course, int decimals, int item)
{
    piket.stationBlockPending = true;
    if (!ValidItem(piket, item))
        return;
    piket.cbTCIndex = item;
    piket.cbTC = piket.stationList[static_cast<std::size_t>(item)];
    const CoursePoint& p = course.points[static_cast<std::size_t>(item)];
    piket.neTCX = Rounded(decimals, p.X);
    piket.neTCY = Rounded(decimals, p.Y);
    // The point before the station becomes ТО. The first point has none: the orientation
    // list is left without a selection and its fields as they were.
    piket.cbTOIndex = item - 1;
    if (item == 0)
        piket.cbTO.clear();
    piket.nehcenter = Rounded(decimals, p.H);
    piket.nei = Rounded(decimals, p.InstrumentHeight);
    cbTOChange(piket, course, decimals, piket.cbTOIndex);
}

void cbTCTextChange(PiketPage& piket, const CoursePage& course, int decimals, const std::string& text)
{
    const int item = FirstItemNamed(piket, text);
    if (item < 0) {
        piket.cbTCIndex = -1;
        piket.cbTC = text;
        piket.stationBlockPending = true;
        return;
    }
    cbTCChange(piket, course, decimals, item);
}

void cbTOTextChange(PiketPage& piket, const CoursePage& course, int decimals, const std::string& text)
{
    const int item = FirstItemNamed(piket, text);
    if (item < 0) {
        piket.cbTOIndex = -1;
        piket.cbTO = text;
        piket.stationBlockPending = true;
        return;
    }
    cbTOChange(piket, course, decimals, item);
}

void ckbAutoManualClick(PiketPage& piket, bool checked)
{
    piket.ckbAutoManual = checked;
    if (!checked) {
        SetStationField(piket, StationField::edTC, piket.cbTC);
        SetStationField(piket, StationField::edTO, piket.cbTO);
    }
}

void btnChangeTCTOClick(PiketPage& piket)
{
    std::swap(piket.edTC, piket.edTO);
    std::swap(piket.neTCX, piket.neTOX);
    std::swap(piket.neTCY, piket.neTOY);
    piket.stationBlockPending = true;
}

std::string& StationFieldText(PiketPage& piket, StationField field)
{
    switch (field) {
    case StationField::edTC:
        return piket.edTC;
    case StationField::edTO:
        return piket.edTO;
    case StationField::neTCX:
        return piket.neTCX;
    case StationField::neTCY:
        return piket.neTCY;
    case StationField::nehcenter:
        return piket.nehcenter;
    case StationField::nei:
        return piket.nei;
    case StationField::neTOX:
        return piket.neTOX;
    case StationField::neTOY:
        return piket.neTOY;
    case StationField::neito:
        return piket.neito;
    }
    return piket.neito;
}

void SetStationField(PiketPage& piket, StationField field, const std::string& text)
{
    StationFieldText(piket, field) = text;
    piket.stationBlockPending = true;
}

} // namespace kalimor
