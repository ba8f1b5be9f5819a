#pragma once
// The station point (ТС) and orientation point (ТО) of the tacheometry page: taken from the
// adjusted traverse or typed by hand. Every change marks the statement for a new station block.
#include "tacheometry/PiketModel.h"
#include "traverse/CourseModel.h"

#include <string>

namespace kalimor {

// "Не выбрана": the list text while no traverse point is chosen.
const std::string& NotChosenText();

// Refills the station lists with the names of the traverse points 0 .. n-1 and sets both
// list texts to "Не выбрана"; selects no item and changes no coordinate field.
void FillStationLists(PiketPage& piket, const CoursePage& course);

// A choice of item `item` in the station list (-1: none). Fills the station coordinates,
// heights and instrument height from that traverse point, rounded to `decimals`, and makes
// the point before it the orientation point.
void cbTCChange(PiketPage& piket, const CoursePage& course, int decimals, int item);
// A choice of item `item` in the orientation list (-1: none).
void cbTOChange(PiketPage& piket, const CoursePage& course, int decimals, int item);

// Text typed into a list: selects the first item of that name, or none. When it names no
// item only the name changes; the coordinate fields stay as they are.
void cbTCTextChange(PiketPage& piket, const CoursePage& course, int decimals, const std::string& text);
void cbTOTextChange(PiketPage& piket, const CoursePage& course, int decimals, const std::string& text);

// Traverse mode (checked) or manual mode; switching to manual copies the list texts into the
// manual name fields.
void ckbAutoManualClick(PiketPage& piket, bool checked);

// "<<=>>": exchanges names and coordinates of ТС and ТО; the heights stay.
void btnChangeTCTOClick(PiketPage& piket);

// The station fields by name, for the change events of the page.
enum class StationField { edTC, edTO, neTCX, neTCY, nehcenter, nei, neTOX, neTOY, neito };
std::string& StationFieldText(PiketPage& piket, StationField field);
// A changed field text (typed or set by a program step): stored, and the station block is due.
void SetStationField(PiketPage& piket, StationField field, const std::string& text);

} // namespace kalimor
