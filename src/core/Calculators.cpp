#include "core/Calculators.h"

#include "core/Angles.h"
#include "core/NumberParse.h"
#include "core/NumberText.h"

#include <cmath>

namespace kalimor {

InverseProblemResult ComputeInverseProblem(std::string_view x1, std::string_view y1, std::string_view x2,
                                           std::string_view y2)
{
    const double X1 = StrToFloat(x1);
    const double Y1 = StrToFloat(y1);
    const double X2 = StrToFloat(x2);
    const double Y2 = StrToFloat(y2);
    const double dX = X2 - X1;
    const double dY = Y2 - Y1;
    const double alpha = DirectionAngle(dY, dX);
    InverseProblemResult r;
    r.edDirRad = NumberText(alpha);
    r.edDir = RadiansToPackedDirection(alpha);
    r.edHD = NumberText(std::sqrt(dX * dX + dY * dY));
    return r;
}

std::string PackedTextToRadiansText(std::string_view packed)
{
    return NumberText(PackedToRadians(StrToFloat(packed)));
}

std::string RadiansTextToPackedText(std::string_view radians)
{
    return RadiansToPackedDirection(StrToFloat(radians));
}

} // namespace kalimor
