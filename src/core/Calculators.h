#pragma once
// The two calculators of the traverse page: the inverse geodetic problem and the angle
// conversions. Inputs are field texts; results are the texts the dialogs show.
#include <string>
#include <string_view>

namespace kalimor {

struct InverseProblemResult {
    std::string edDir;    // packed text of the direction angle
    std::string edDirRad; // the same angle in radians
    std::string edHD;     // horizontal distance
};

// "Рассчитать": the direction from the first point (X1, Y1) to the second (X2, Y2) and the
// distance between them. Any field that does not read as a number throws ConversionError
// before a result exists, so the caller's result fields keep their texts.
InverseProblemResult ComputeInverseProblem(std::string_view x1, std::string_view y1, std::string_view x2,
                                           std::string_view y2);

// "Градусы в радианы": NumberText of the packed angle in radians, sign kept.
std::string PackedTextToRadiansText(std::string_view packed);

// "Радианы в градусы": the packed text of the angle's absolute value.
std::string RadiansTextToPackedText(std::string_view radians);

} // namespace kalimor
