#pragma once
// What the calculator dialogs do to the work: the direction angle written into the traverse.
#include "work/Work.h"

#include <string>

namespace kalimor {

// "Записать в начальный дирекционный угол": the text, as it stands, into column "Дир. угол"
// of the traverse table's first row. Nothing is adjusted.
void WriteStartDirection(Work& work, const std::string& text);

// "Записать в конечный дирекционный угол": the same into the table's last row.
void WriteEndDirection(Work& work, const std::string& text);

} // namespace kalimor
