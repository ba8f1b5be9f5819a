#pragma once
// "В ТС" and "В ТО": a computed picket row of the statement becomes the next station or
// orientation point. The statement text is the source, edits by hand included.
#include "tacheometry/PiketModel.h"

#include <optional>
#include <string>

namespace kalimor {

// The mouse went down on statement line `line` (from 0).
void rePiketMouseDown(PiketPage& piket, int line);

// Take name, X, Y (and, under the 3D template, the height) of the clicked row into the station
// fields. Answers the warning text when the clicked line holds no row.
std::optional<std::string> btnToTCPiketClick(PiketPage& piket);
// The same into the orientation fields, without a height.
std::optional<std::string> btnToTOPiketClick(PiketPage& piket);

} // namespace kalimor
