#pragma once
#include <string>

namespace kalimor {

// Halves to even.
double RoundToDecimals(int decimals, double value);

// The shortest text of a real: at most 15 significant digits, no trailing zeros,
// no point when whole, "-" when negative.
std::string NumberText(double value);

} // namespace kalimor
