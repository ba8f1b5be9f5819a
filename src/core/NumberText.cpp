#include "core/NumberText.h"

#include <charconv>
#include <cmath>

namespace kalimor {

namespace {
constexpr double kPowersOfTen[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                   1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
}

double RoundToDecimals(int decimals, double value)
{
    const double scale =
        (decimals >= 0 && decimals <= 15) ? kPowersOfTen[decimals] : std::pow(10.0, static_cast<double>(decimals));
    // nearbyint in the default rounding mode: halves go to even.
    return std::nearbyint(value * scale) / scale;
}

std::size_t NumberTextTo(char* out, double value)
{
    if (value == 0) { // a negative zero is written without its sign
        out[0] = '0';
        return 1;
    }
    const double magnitude = std::fabs(value);
    if (magnitude >= 1e-10 && magnitude < 1e-4) {
        // Small corrections (an angle correction of 0.7" is packed 0.00007) read better in
        // plain decimals than in exponent form: 15 significant digits, trailing zeros dropped.
        const int exponent = static_cast<int>(std::floor(std::log10(magnitude)));
        auto res = std::to_chars(out, out + kNumberTextCapacity, value, std::chars_format::fixed, 14 - exponent);
        char* end = res.ptr;
        while (end[-1] == '0')
            --end;
        if (end[-1] == '.')
            --end;
        return static_cast<std::size_t>(end - out);
    }
    // General format with 15 significant digits drops trailing zeros and the point of a
    // whole value, which is exactly the short text wanted.
    auto res = std::to_chars(out, out + kNumberTextCapacity, value, std::chars_format::general, 15);
    std::size_t n = static_cast<std::size_t>(res.ptr - out);
    if (n == 2 && out[0] == '-' && out[1] == '0') { // rounded to a negative zero
        out[0] = '0';
        n = 1;
    }
    return n;
}

std::string NumberText(double value)
{
    char buf[kNumberTextCapacity];
    return std::string(buf, NumberTextTo(buf, value));
}

} // namespace kalimor
