#include "work/PiketCommands.h"

#include "tacheometry/StationSetup.h"

namespace kalimor {

void ChooseStation(Work& work, int item)
{
    cbTCChange(work.piket, work.course, work.settings.seLinePrecession, item);
}

void ChooseOrientation(Work& work, int item)
{
    cbTOChange(work.piket, work.course, work.settings.seLinePrecession, item);
}

void TypeStation(Work& work, const std::string& text)
{
    cbTCTextChange(work.piket, work.course, work.settings.seLinePrecession, text);
}

void TypeOrientation(Work& work, const std::string& text)
{
    cbTOTextChange(work.piket, work.course, work.settings.seLinePrecession, text);
}

PiketCalcResult CalculatePickets(Work& work)
{
    return btnCalcPiketClick(work.piket, work.settings, work.course.cdTypeAngleCourse);
}

void NewWorkPiket(Work& work)
{
    ResetPiketPage(work.piket);
}

} // namespace kalimor
