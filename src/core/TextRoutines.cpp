#include "core/TextRoutines.h"

namespace kalimor {

std::string ReplaceAll(std::string_view text, std::string_view pattern, std::string_view replacement)
{
    if (pattern.empty())
        return std::string(text);
    std::string out;
    out.reserve(text.size());
    std::size_t from = 0;
    for (;;) {
        const std::size_t at = text.find(pattern, from);
        if (at == std::string_view::npos)
            break;
        out.append(text.substr(from, at - from));
        out.append(replacement);
        from = at + pattern.size();
    }
    out.append(text.substr(from));
    return out;
}

std::string ExtractField(std::string_view text, char separator, int index)
{
    if (index < 1)
        return std::string();
    std::size_t start = 0;
    for (int field = 1; field < index; ++field) {
        const std::size_t sep = text.find(separator, start);
        if (sep == std::string_view::npos)
            return std::string();
        start = sep + 1;
    }
    const std::size_t end = text.find(separator, start);
    return std::string(text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
}

std::string RemoveChar(std::string_view text, char ch)
{
    std::string out;
    out.reserve(text.size());
    for (char c : text)
        if (c != ch)
            out.push_back(c);
    return out;
}

std::string TextIf(const std::string& text, bool flag)
{
    return flag ? text : std::string();
}

std::optional<char> NumericKeyFilter(std::string_view fieldText, int caret, char typed, int digitsAfterComma,
                                     bool minusAfterComma)
{
    const std::size_t comma = fieldText.find(',');
    if (typed == ',' || typed == '.') {
        if (fieldText.empty() || caret <= 0)
            return std::nullopt;
        if (comma != std::string_view::npos || fieldText.find('.') != std::string_view::npos)
            return std::nullopt;
        return '.';
    }
    const bool digit = typed >= '0' && typed <= '9';
    if (comma != std::string_view::npos && (digit || (typed == '-' && !minusAfterComma)) &&
        caret > static_cast<int>(comma)) {
        const std::size_t following = fieldText.size() - comma - 1;
        if (following > static_cast<std::size_t>(digitsAfterComma < 0 ? 0 : digitsAfterComma))
            return std::nullopt;
    }
    return typed;
}

} // namespace kalimor
