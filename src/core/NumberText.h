#pragma once
#include <cstddef>
#include <string>

namespace kalimor {

// Halves to even.
double RoundToDecimals(int decimals, double value);

// The shortest text of a real: at most 15 significant digits, no trailing zeros,
// no point when whole, "-" when negative. Magnitudes from 1e-10 up are written in plain
// decimals ("0.00007"); smaller ones, and those of 16 and more integer digits, come in
// exponent form ("1e-11", "1e+15").
std::string NumberText(double value);

// The same text written into a caller's buffer of at least kNumberTextCapacity bytes,
// for hot formatting loops; answers the length written.
constexpr std::size_t kNumberTextCapacity = 32;
std::size_t NumberTextTo(char* out, double value);

} // namespace kalimor
