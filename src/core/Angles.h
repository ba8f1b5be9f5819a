#pragma once
// Angles in radians, the packed notation D.MMSSs, and direction angles.
#include <string>

namespace kalimor {

// The notations of statements; the first three are the items of "Формат углов в ведомостях".
enum class AngleNotation { DegreeSigns = 0, Compact = 1, Spaced = 2, Packed = 3 };

bool IsNearZero(double value);
double DirectionAngle(double dY, double dX);

int PackedDegrees(double packed);
int PackedMinutes(double packed);
double PackedSeconds(double packed);
double DmsToRadians(int degrees, int minutes, double seconds);
double PackedToRadians(double packed);

int RadiansDegrees(double radians);
int RadiansMinutes(double radians);
double RadiansSeconds(int decimals, double radians);

double RadiansToPacked(double radians);
std::string RadiansToPackedDirection(double radians);
std::string PackedToAngleText(AngleNotation notation, double packed);
std::string RadiansToAngleText(AngleNotation notation, double radians);
// Item numbers outside the notations give the empty text.
std::string PackedToAngleText(int notation, double packed);
std::string RadiansToAngleText(int notation, double radians);
std::string DecimalDegreesToPacked(const std::string& decimalDegrees);

} // namespace kalimor
