#pragma once
// NumberText of RoundToDecimals(decimals, value) without the general conversion of a real:
// the rounded value is a whole count of the last decimal, written digit by digit. The text is
// the same as NumberText's; values NumberText writes in exponent form take its own path.
#include "core/NumberText.h"

#include <charconv>
#include <cmath>
#include <cstddef>
#include <string>

namespace kalimor {

// NumberText through the shortest text that reads back to the same real: when that text has
// at most 15 significant digits it is the 15-digit text with its trailing zeros dropped.
inline std::size_t QuickNumberTextTo(char* out, double value)
{
    const double magnitude = std::fabs(value);
    if (magnitude >= 1e-4 && magnitude < 1e15) {
        const auto res = std::to_chars(out, out + kNumberTextCapacity, value, std::chars_format::fixed);
        if (res.ec == std::errc()) {
            int significant = 0;
            bool leading = true;
            for (const char* p = out; p != res.ptr; ++p) {
                if (*p < '0' || *p > '9' || (leading && *p == '0'))
                    continue;
                leading = false;
                ++significant;
            }
            if (significant <= 15)
                return static_cast<std::size_t>(res.ptr - out);
        }
    }
    return NumberTextTo(out, value);
}

inline std::size_t RoundedTextTo(char* out, int decimals, double value)
{
    constexpr double kScale[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6};
    const double rounded = RoundToDecimals(decimals, value);
    if (rounded == 0) {
        out[0] = '0';
        return 1;
    }
    if (decimals < 0 || decimals > 6 || !(std::fabs(rounded) >= 1e-4) ||
        !(std::fabs(rounded * kScale[decimals]) < 1e15))
        return NumberTextTo(out, rounded);
    long long count = std::llround(rounded * kScale[decimals]);
    const bool negative = count < 0;
    unsigned long long u =
        negative ? 0ULL - static_cast<unsigned long long>(count) : static_cast<unsigned long long>(count);
    char digits[24]; // least significant first
    int n = 0;
    do {
        digits[n++] = static_cast<char>('0' + u % 10);
        u /= 10;
    } while (u);
    int first = 0; // the lowest fraction digit kept: trailing zeros are dropped
    while (first < decimals && first < n && digits[first] == '0')
        ++first;
    if (first >= n) // only possible when everything below the point was zero
        first = decimals;
    char* p = out;
    if (negative)
        *p++ = '-';
    if (n <= decimals)
        *p++ = '0';
    else
        for (int i = n - 1; i >= decimals; --i)
            *p++ = digits[i];
    if (first < decimals) {
        *p++ = '.';
        for (int i = decimals - 1; i >= first; --i)
            *p++ = i < n ? digits[i] : '0';
    }
    return static_cast<std::size_t>(p - out);
}

inline void SetRoundedText(std::string& text, int decimals, double value)
{
    char buf[kNumberTextCapacity];
    text.assign(buf, RoundedTextTo(buf, decimals, value));
}

} // namespace kalimor
