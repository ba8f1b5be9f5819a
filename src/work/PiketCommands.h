#pragma once
// Commands of the page "Тахеометрия" that read the rest of the work: the adjusted traverse
// for the station lists, and the settings and angle type for the computation. Questions are
// asked by the window before these run.
#include "tacheometry/PiketCalc.h"
#include "work/Work.h"

#include <string>

namespace kalimor {

// A choice in the station or orientation list (item -1: none), values from the traverse
// rounded to the distance decimals.
void ChooseStation(Work& work, int item);
void ChooseOrientation(Work& work, int item);
// Text typed into the station or orientation list.
void TypeStation(Work& work, const std::string& text);
void TypeOrientation(Work& work, const std::string& text);

// "Посчитать" with the work's settings and the traverse page's angle type.
PiketCalcResult CalculatePickets(Work& work);

// New work, the tacheometry's part: statement, pickets and fields back to their start.
void NewWorkPiket(Work& work);

} // namespace kalimor
