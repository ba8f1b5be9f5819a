#include "tacheometry/StationSetup.h"

#include "core/Codepage.h"

namespace kalimor {

void FillStationLists(PiketPage& piket, const CoursePage& course)
{
    piket.stationList.clear();
    for (int i = 0; i < course.SePointCourseCount; ++i)
        piket.stationList.push_back(course.points[static_cast<std::size_t>(i)].Name);
    piket.cbTCIndex = -1;
    piket.cbTOIndex = -1;
    piket.cbTC = Ru("Не выбрана");
    piket.cbTO = Ru("Не выбрана");
}

} // namespace kalimor
