#include "core/NumberParse.h"

#include "core/Errors.h"

#include <cctype>
#include <charconv>
#include <string>

namespace kalimor {

bool TryStrToFloat(std::string_view text, double& value)
{
    std::size_t b = 0;
    std::size_t e = text.size();
    while (b < e && (text[b] == ' ' || text[b] == '\t'))
        ++b;
    while (e > b && (text[e - 1] == ' ' || text[e - 1] == '\t'))
        --e;
    std::string_view t = text.substr(b, e - b);
    if (t.empty())
        return false;
    // Only digits, one point, sign and exponent: this shuts out nan, inf and hex,
    // which from_chars would otherwise accept.
    std::size_t i = 0;
    if (t[i] == '+' || t[i] == '-')
        ++i;
    const std::size_t mantissaStart = i;
    bool digits = false;
    while (i < t.size() && std::isdigit(static_cast<unsigned char>(t[i]))) {
        ++i;
        digits = true;
    }
    if (i < t.size() && t[i] == '.') {
        ++i;
        while (i < t.size() && std::isdigit(static_cast<unsigned char>(t[i]))) {
            ++i;
            digits = true;
        }
    }
    if (!digits)
        return false;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        ++i;
        if (i < t.size() && (t[i] == '+' || t[i] == '-'))
            ++i;
        bool expDigits = false;
        while (i < t.size() && std::isdigit(static_cast<unsigned char>(t[i]))) {
            ++i;
            expDigits = true;
        }
        if (!expDigits)
            return false;
    }
    if (i != t.size())
        return false;
    double v = 0;
    // from_chars takes no leading '+'.
    const char* first = t.data() + mantissaStart;
    auto [ptr, ec] = std::from_chars(first, t.data() + t.size(), v);
    if (ptr != t.data() + t.size())
        return false;
    if (ec == std::errc::result_out_of_range)
        return false;
    if (ec != std::errc())
        return false;
    value = (t[0] == '-') ? -v : v;
    return true;
}

double StrToFloat(std::string_view text)
{
    double v = 0;
    if (!TryStrToFloat(text, v))
        throw ConversionError(std::string(text));
    return v;
}

} // namespace kalimor
