#pragma once
// "Посчитать": picket directions, distances, coordinates and heights, appended to the running
// tacheometry statement. The statement is read back by character positions elsewhere, so its
// layout is fixed to the character.
#include "core/ProcessingSettings.h"
#include "tacheometry/PiketModel.h"

#include <cstddef>
#include <string>
#include <vector>

namespace kalimor {

enum class PiketCalcResult {
    Computed,
    StationNotChosen, // traverse mode without ТС or ТО: warn, nothing stored or written
};

// The text of the warning box for StationNotChosen.
const std::string& StationNotChosenText();

// The computation. angleType is the traverse page's angle type (0 left, 1 right angles).
// A conversion error stops it where the text is read; what was written before stays.
PiketCalcResult btnCalcPiketClick(PiketPage& piket, const ProcessingSettings& settings, int angleType);

// The statement template changed (0 2D, 1 3D; anything else writes no statement text).
void cbSelectPiketTemplateChange(PiketPage& piket, int item);

// "Очистить", after the Yes: statement emptied, title and station block due. The pickets stay.
void btnClearPiketClick(PiketPage& piket);
// Its question.
const std::string& ClearStatementQuestion();

// The statement replaced as a whole (an opened project): title and station block due.
void ReplacePiketStatement(PiketPage& piket, std::vector<std::string> lines);

// New work: statement emptied, pickets emptied, station and picket fields reset.
void ResetPiketPage(PiketPage& piket);

// Pieces of the layout, for the readers and tests.
constexpr std::size_t kPiketBlankWidth = 98;
constexpr std::size_t kPiketRowWidth2D = 88;
constexpr std::size_t kPiketRowWidth3D = 99;
std::string PiketRule(int templateItem);

// A distance, coordinate or height of the statement: the value rounded to `decimals` and
// written exactly as NumberText writes the rounded value, into a buffer of at least
// kNumberTextCapacity bytes; answers the length. Rows are written by the thousand, so the
// usual case is formatted from the rounded integer directly.
std::size_t StatementNumberTo(char* out, int decimals, double value);

} // namespace kalimor
