#pragma once
// The import page's hand-over of its rows to the traverse and to the tacheometry.
#include "work/Work.h"

namespace kalimor {

// The name a transferred row gives its point: the template prefix followed by the row's
// address (cbSelectNamePoint item 0) or note (item 1), every blank removed. False when the
// choice box selects neither item: then no name is written and the point keeps its own.
bool TransferName(const ImportRow& row, const std::string& prefix, int nameSource, std::string& name);

// The marked rows ("Точка хода") into traverse points 0, 1, ..., in table order; the point
// count becomes their number (one more for "Ход без примычных углов"), kept within 3..200.
// A row whose distance or angle is not a number is reported in the messages and the next
// marked row fills the same point. Rows beyond the 200 points are left out and reported.
// Returns the number of marked rows.
int TransferToCourse(Work& work);

// "В ход": the transfer above, then the adjustment, which runs also when no row was marked.
AdjustOutcome btnToCourseClick(Work& work);

// "В тахеометр.": the selected rows into pickets 0, 1, ..., in table order, with an empty
// distance taken as 0; then the first picket is shown. The picket shown before is stored
// first when the count changes (ConversionError stops the transfer there). Rows beyond the
// 2000 pickets are left out and reported.
void btnTopiketClick(Work& work);

} // namespace kalimor
