#pragma once
#include <string_view>

namespace kalimor {

// The one text-to-real conversion: "." as the decimal point, optional sign and exponent,
// surrounding blanks allowed. Anything else (empty, "1,5", nan, inf, hex, trailing garbage)
// throws ConversionError("'TEXT' is not a valid floating point value").
double StrToFloat(std::string_view text);

// The same, answering false instead of throwing.
bool TryStrToFloat(std::string_view text, double& value);

} // namespace kalimor
