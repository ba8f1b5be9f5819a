// Number and angle texts typed by the user or given on the command line: the conversion and
// every formatting routine must neither crash nor overflow, whatever the text.
#include "core/Angles.h"
#include "core/Calculators.h"
#include "core/Codepage.h"
#include "core/Errors.h"
#include "core/NumberParse.h"
#include "core/NumberText.h"
#include "core/TextRoutines.h"

#include <cstddef>
#include <cstdint>
#include <string>

using namespace kalimor;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    double v = 0;
    if (TryStrToFloat(text, v)) {
        for (int n = -1; n <= 4; ++n) {
            PackedToAngleText(n, v);
            RadiansToAngleText(n, v);
        }
        RadiansToPackedDirection(v);
        RadiansToPacked(v);
        PackedToRadians(v);
        for (int k = 0; k <= 4; ++k)
            NumberText(RoundToDecimals(k, v));
        DirectionAngle(v, -v);
    }
    try {
        DecimalDegreesToPacked(text);
        ComputeInverseProblem(text, "0", "0", text);
        PackedTextToRadiansText(text);
        RadiansTextToPackedText(text);
    } catch (const ConversionError&) {
    }
    for (int k = 0; k < 4; ++k)
        ExtractField(text, ';', k);
    ReplaceAll(text, ",", ".");
    RemoveChar(text, ' ');
    if (!text.empty())
        NumericKeyFilter(text.substr(1), static_cast<int>(data[0] % 8) - 1, text[0], 2);
    Cp1251ToUtf8(text);
    Utf8ToCp1251(text);
    return 0;
}
