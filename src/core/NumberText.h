#pragma once
#include <cstddef>
#include <string>

namespace kalimor {

// Halves to even.
double RoundToDecimals(int decimals, double value);

// The shortest text of a real: at most 15 significant digits, no trailing zeros,
// no point when whole, "-" when negative. Magnitudes below 0.0001 or of 15 and more
// integer digits come in exponent form ("1e-05", "1e+15").
std::string NumberText(double value);

// The same text written into a caller's buffer of at least kNumberTextCapacity bytes,
// for hot formatting loops; answers the length written.
constexpr std::size_t kNumberTextCapacity = 32;
std::size_t NumberTextTo(char* out, double value);

} // namespace kalimor
