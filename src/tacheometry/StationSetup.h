#pragma once
#include "tacheometry/PiketModel.h"
#include "traverse/CourseModel.h"

namespace kalimor {

// Refills the station lists with the names of the traverse points 0 .. n-1 and sets both
// list texts to "Не выбрана"; selects no item and changes no coordinate field.
void FillStationLists(PiketPage& piket, const CoursePage& course);

} // namespace kalimor
