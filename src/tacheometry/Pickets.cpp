#include "tacheometry/Pickets.h"

#include "core/Errors.h"
#include "core/NumberParse.h"
#include "core/NumberText.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>

namespace kalimor {

namespace {

Picket& Record(PiketPage& piket, int k)
{
    return piket.pickets[static_cast<std::size_t>(std::clamp(k, 0, kMaxPickets - 1))];
}

// A whole number as typed into "Текущая": optional blanks around, an optional sign.
long long IntegerFromText(const std::string& text)
{
    std::size_t b = 0, e = text.size();
    while (b < e && text[b] == ' ')
        ++b;
    while (e > b && text[e - 1] == ' ')
        --e;
    const char* first = text.data() + b;
    if (b < e && text[b] == '+')
        ++first;
    long long value = 0;
    const auto res = std::from_chars(first, text.data() + e, value);
    if (b == e || res.ec != std::errc() || res.ptr != text.data() + e)
        throw KalimorError("'" + text + "' is not a valid integer value");
    return value;
}

void Move(PiketPage& piket, int index)
{
    piket.currentPicket = std::clamp(index, 0, piket.sePointPiketCount - 1);
    ShowPicket(piket, piket.currentPicket);
}

} // namespace

void StorePicket(PiketPage& piket, int k)
{
    Picket& p = Record(piket, k);
    p.name = piket.edNamePiket;
    p.slopeDistance = StrToFloat(piket.neSDpiket);
    p.horizontalAngle = StrToFloat(piket.neHzPiket);
    p.verticalAngle = StrToFloat(piket.neV3piket);
}

void ShowPicket(PiketPage& piket, int k)
{
    const Picket& p = Record(piket, k);
    piket.edNamePiket = p.name;
    piket.neSDpiket = NumberText(p.slopeDistance);
    piket.neHzPiket = NumberText(p.horizontalAngle);
    piket.neV3piket = NumberText(p.verticalAngle);
    // Writing the number raises its change event, which would store and show the same
    // picket again: that changes nothing, so it is not repeated here.
    piket.neCurrentPiket = std::to_string(k + 1);
}

void btnNextPiketClick(PiketPage& piket)
{
    StorePicket(piket, piket.currentPicket);
    Move(piket, piket.currentPicket + 1);
}

void btnPrevPiketClick(PiketPage& piket)
{
    StorePicket(piket, piket.currentPicket);
    Move(piket, piket.currentPicket - 1);
}

void neCurrentPiketChange(PiketPage& piket)
{
    StorePicket(piket, piket.currentPicket);
    const long long n = IntegerFromText(piket.neCurrentPiket);
    if (n > piket.sePointPiketCount)
        Move(piket, piket.sePointPiketCount - 1);
    else if (n < 1)
        Move(piket, 0);
    else
        Move(piket, static_cast<int>(n - 1));
}

void sePointPiketCountChange(PiketPage& piket, int count)
{
    StorePicket(piket, piket.currentPicket);
    piket.sePointPiketCount = std::clamp(count, 1, kMaxPickets);
    // The number shown normally holds currentPicket + 1; an unreadable one keeps the picket.
    double m = piket.currentPicket + 1;
    if (!TryStrToFloat(piket.neCurrentPiket, m) || !std::isfinite(m))
        m = piket.currentPicket + 1;
    if (m > piket.sePointPiketCount)
        Move(piket, piket.sePointPiketCount - 1);
    else if (std::nearbyint(m) < 1)
        Move(piket, 0);
    else
        Move(piket, static_cast<int>(std::nearbyint(m - 1)));
}

void ClearPickets(PiketPage& piket)
{
    piket.pickets.fill(Picket{});
    piket.sePointPiketCount = 1;
    piket.currentPicket = 0;
    ShowPicket(piket, 0);
}

} // namespace kalimor
