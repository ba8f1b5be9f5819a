#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace kalimor {

// Replaces every match from the left; a replacement is never searched again. An empty
// pattern changes nothing.
std::string ReplaceAll(std::string_view text, std::string_view pattern, std::string_view replacement);
// Field `index` (from 1) of the text split at every `separator`; empty when there is no
// such field or index is below 1.
std::string ExtractField(std::string_view text, char separator, int index);
std::string RemoveChar(std::string_view text, char ch);
std::string TextIf(const std::string& text, bool flag);

// The key filter of single-line numeric fields. Given the field text, the caret position
// (0 = before the first character) and the typed character, answers the character to
// insert, or nothing when refused:
//  - "," and "." both enter as "."; refused in an empty field, before the first character,
//    and when the text already holds a "." or "," (a number has one point);
//  - when the text holds a "," (only pasting puts one there), digits and, if
//    `minusAfterComma` is false, "-" typed after it are refused once more than
//    `digitsAfterComma` characters follow it;
//  - every other key passes unchanged.
std::optional<char> NumericKeyFilter(std::string_view fieldText, int caret, char typed, int digitsAfterComma = 1,
                                     bool minusAfterComma = false);

} // namespace kalimor
