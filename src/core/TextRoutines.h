#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace kalimor {

std::string ReplaceAll(std::string_view text, std::string_view pattern, std::string_view replacement);
std::string ExtractField(std::string_view text, char separator, int index);
std::string RemoveChar(std::string_view text, char ch);
std::string TextIf(const std::string& text, bool flag);

// The key filter of single-line numeric fields. Given the field text, the caret position
// and the typed character, answers the character to insert, or nothing when refused.
// digitsAfterComma is the per-field count of characters allowed after a ",".
std::optional<char> NumericKeyFilter(std::string_view fieldText, int caret, char typed, int digitsAfterComma = 1);

} // namespace kalimor
