#pragma once
// The picket table and the one set of input fields that shows the current picket.
#include "tacheometry/PiketModel.h"

namespace kalimor {

// Field texts -> record k: the name, then distance, horizontal and vertical angle, each
// stored as soon as it is read; a text that is not a number stops there (ConversionError).
void StorePicket(PiketPage& piket, int k);
// Record k -> field texts, then "Текущая" := k + 1.
void ShowPicket(PiketPage& piket, int k);

// "Следующая" and "Предыдущая": store the shown picket, move within the count, show.
void btnNextPiketClick(PiketPage& piket);
void btnPrevPiketClick(PiketPage& piket);
// "Текущая" changed to the text in piket.neCurrentPiket: store the shown picket, then show
// the numbered one (clamped to the count). A text that is not an integer stops after the store.
void neCurrentPiketChange(PiketPage& piket);
// "Всего точек" changed: store the shown picket, take the count (1..2000) and keep the shown
// number within it. When the store fails the count stays as it was.
void sePointPiketCountChange(PiketPage& piket, int count);

// New work: every record emptied, count 1, the first picket shown.
void ClearPickets(PiketPage& piket);

} // namespace kalimor
