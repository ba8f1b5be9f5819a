#include "core/ProcessingSettings.h"

#include "core/NumberParse.h"

#include <algorithm>

namespace kalimor {

bool ProcessingSettings::IsOptionSet(int position) const
{
    if (position < 0 || position >= static_cast<int>(additionOptions.size()))
        return false;
    return additionOptions[static_cast<std::size_t>(position)];
}

void ProcessingSettings::setPrecession(int value)
{
    sePrecession = std::clamp(value, kPrecessionMin, kPrecessionMax);
}

void ProcessingSettings::setLinePrecession(int value)
{
    seLinePrecession = std::clamp(value, kLinePrecessionMin, kLinePrecessionMax);
}

void ProcessingSettings::setAnglePrecession(int value)
{
    seAnglePrecession = std::clamp(value, kAnglePrecessionMin, kAnglePrecessionMax);
}

double ProcessingSettings::curvatureCoefficient() const
{
    return ckbhoriz ? 1.0 / 12742000 : 0.0;
}

double ProcessingSettings::refractionCoefficient() const
{
    return ckbRef ? -StrToFloat(edRef) / 12742000 : 0.0;
}

} // namespace kalimor
