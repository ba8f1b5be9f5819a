#include "core/Angles.h"

#include "core/NumberParse.h"
#include "core/NumberText.h"
#include "core/TextRoutines.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <numbers>

namespace kalimor {

namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kTwoPi = 6.283185307179586;
constexpr double kDegreesPerRadian = 57.29577951308232;
constexpr char kDegreeSign = '\xB0'; // "°" in Windows-1251

// A small fixed buffer: angle texts never exceed a few dozen bytes, so formatting
// stays off the heap until the final string (which usually fits the short-string buffer).
struct TextBuffer {
    char data[96];
    std::size_t size = 0;

    void put(char c) { data[size++] = c; }
    void put(const char* s, std::size_t n)
    {
        std::memcpy(data + size, s, n);
        size += n;
    }
    void putInt(long long v)
    {
        auto res = std::to_chars(data + size, data + sizeof data, v);
        size = static_cast<std::size_t>(res.ptr - data);
    }
    // An integer padded with leading zeros to at least `width` digits.
    void putPadded(long long v, int width)
    {
        char tmp[24];
        auto res = std::to_chars(tmp, tmp + sizeof tmp, v);
        const int n = static_cast<int>(res.ptr - tmp);
        for (int i = n; i < width; ++i)
            put('0');
        put(tmp, static_cast<std::size_t>(n));
    }
    void putNumber(double v) { size += NumberTextTo(data + size, v); }
    // NumberText with one leading "0" when the value is below 10 (minutes, seconds).
    void putTwoDigitNumber(double v)
    {
        if (v < 10)
            put('0');
        putNumber(v);
    }
    std::string str() const { return std::string(data, size); }
    double toReal() const
    {
        double v = 0;
        // The text is built here from digits and one point, so it always parses.
        const char* first = data;
        const bool negative = size > 0 && data[0] == '-';
        if (negative)
            ++first;
        std::from_chars(first, data + size, v);
        return negative ? -v : v;
    }
};

// Whole parts of absurd inputs (1e300 typed as an angle) saturate instead of overflowing.
int toInt(double v)
{
    if (!(v == v))
        return 0;
    if (v >= 2147483647.0)
        return 2147483647;
    if (v <= -2147483648.0)
        return -2147483647 - 1;
    return static_cast<int>(v);
}

double fractionalPart(double v)
{
    double whole = 0;
    return std::modf(v, &whole);
}

} // namespace

bool IsNearZero(double value)
{
    return std::fabs(value) <= 1e-12;
}

double DirectionAngle(double dY, double dX)
{
    if (IsNearZero(dX) && dY > 0)
        return kPi / 2;
    if (IsNearZero(dX) && dY < 0)
        return 3 * kPi / 2;
    double alpha = std::atan2(dY, dX);
    if (alpha < 0)
        alpha += kTwoPi;
    // A tiny negative angle plus 2π rounds to 2π itself; keep the result inside [0, 2π).
    if (alpha >= kTwoPi || alpha == 0)
        alpha = 0;
    return alpha;
}

int PackedDegrees(double packed)
{
    return toInt(std::fabs(std::trunc(packed)));
}

double PackedSeconds(double packed)
{
    const double n = std::nearbyint(packed * 100000);
    // The last three digits of n are seconds to 0.1": the fraction of n / 1000, taken at
    // three decimals so that representation noise of the division vanishes.
    const double f = std::fmod(n, 1000.0) / 1000.0;
    return std::fabs(f) * 100;
}

int PackedMinutes(double packed)
{
    const double x = std::fabs(packed);
    const double minutes = std::fabs((x - PackedDegrees(packed) - PackedSeconds(packed) / 10000) * 100);
    return toInt(std::nearbyint(minutes));
}

double DmsToRadians(int degrees, int minutes, double seconds)
{
    const double r =
        std::fabs(seconds) / 648000 * kPi + (std::abs(degrees) / 180.0 * kPi + std::abs(minutes) / 10800.0 * kPi);
    return (degrees < 0 || minutes < 0 || seconds < 0) ? -r : r;
}

double PackedToRadians(double packed)
{
    const double r = DmsToRadians(PackedDegrees(packed), PackedMinutes(packed), PackedSeconds(packed));
    return packed < 0 ? -r : r;
}

int RadiansDegrees(double radians)
{
    return toInt(std::trunc(std::fabs(radians) * 180 / kPi + 1e-12));
}

int RadiansMinutes(double radians)
{
    const double a = std::fabs(radians) * kDegreesPerRadian + 1e-12;
    return toInt(std::trunc(fractionalPart(a) * 60));
}

double RadiansSeconds(int decimals, double radians)
{
    const double a = std::fabs(radians) * kDegreesPerRadian + 1e-12;
    return RoundToDecimals(decimals, fractionalPart(a * 60) * 60);
}

namespace {

TextBuffer packedText(double radians)
{
    TextBuffer t;
    const long long thousandths = toInt(std::nearbyint(RadiansSeconds(3, radians) * 1000));
    if (radians < 0)
        t.put('-');
    t.putInt(RadiansDegrees(radians));
    t.put('.');
    t.putPadded(RadiansMinutes(radians), 2);
    t.putPadded(thousandths, 5);
    return t;
}

TextBuffer angleText(AngleNotation notation, double packed)
{
    TextBuffer t;
    if (notation == AngleNotation::Packed) {
        t.putNumber(packed);
        return t;
    }
    if (packed < 0) // a negative zero is not below zero and gets no sign
        t.put('-');
    t.putInt(PackedDegrees(packed));
    const char* minuteSep = "";
    const char* secondSep = "";
    const char* tail = "";
    switch (notation) {
    case AngleNotation::DegreeSigns:
        t.put(kDegreeSign);
        minuteSep = "'";
        tail = "\"";
        break;
    case AngleNotation::Compact:
        break;
    case AngleNotation::Spaced:
        t.put(' ');
        secondSep = " ";
        break;
    default:
        return TextBuffer{};
    }
    t.putTwoDigitNumber(PackedMinutes(packed));
    t.put(minuteSep, std::strlen(minuteSep));
    t.put(secondSep, std::strlen(secondSep));
    t.putTwoDigitNumber(PackedSeconds(packed));
    t.put(tail, std::strlen(tail));
    return t;
}

bool validNotation(int notation)
{
    return notation >= 0 && notation <= static_cast<int>(AngleNotation::Packed);
}

} // namespace

double RadiansToPacked(double radians)
{
    return packedText(radians).toReal();
}

std::string RadiansToPackedDirection(double radians)
{
    TextBuffer t;
    t.putInt(RadiansDegrees(radians));
    t.put('.');
    t.putPadded(RadiansMinutes(radians), 2);
    const double s = RadiansSeconds(2, radians);
    if (s <= 9.99) {
        const double h = s * 100; // hundredths of a second
        const double rounded = std::nearbyint(h);
        if (rounded == 0) {
            t.put("000", 3);
        } else {
            if (rounded < 10)
                t.put("000", 3);
            else if (rounded < 100)
                t.put("00", 2);
            else
                t.put('0');
            t.putNumber(h);
        }
    } else {
        t.putNumber(RadiansSeconds(0, radians));
    }
    return t.str();
}

std::string PackedToAngleText(AngleNotation notation, double packed)
{
    return angleText(notation, packed).str();
}

std::string RadiansToAngleText(AngleNotation notation, double radians)
{
    return PackedToAngleText(notation, RadiansToPacked(radians));
}

std::string PackedToAngleText(int notation, double packed)
{
    if (!validNotation(notation))
        return std::string();
    return PackedToAngleText(static_cast<AngleNotation>(notation), packed);
}

std::string RadiansToAngleText(int notation, double radians)
{
    if (!validNotation(notation))
        return std::string();
    return RadiansToAngleText(static_cast<AngleNotation>(notation), radians);
}

std::string DecimalDegreesToPacked(const std::string& decimalDegrees)
{
    const double a = std::fabs(StrToFloat(RemoveChar(decimalDegrees, ' ')));
    const double d = std::trunc(a);
    const double minutesExact = (a - d) * 60;
    const double m = std::trunc(minutesExact);
    const double tenths = std::nearbyint((minutesExact - m) * 600);
    TextBuffer t;
    // Degrees can exceed the range of an integer only for absurd input; write them as a real.
    t.putNumber(d);
    t.put('.');
    t.putPadded(toInt(m), 2);
    t.putPadded(toInt(tenths), 3);
    return NumberText(t.toReal());
}

} // namespace kalimor
