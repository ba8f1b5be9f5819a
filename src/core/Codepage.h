#pragma once
// Windows-1251 is the engine's text encoding; UTF-8 lives only at the edges
// (window, terminal, source literals). Conversions happen here and nowhere else.
#include <string>
#include <string_view>

namespace kalimor {

// UTF-8 -> Windows-1251. A character the code page cannot hold, or a malformed
// UTF-8 sequence, becomes "?".
std::string Utf8ToCp1251(std::string_view utf8);

// Windows-1251 -> UTF-8. Every byte maps; 0x98, unassigned in the code page,
// becomes U+0098 so that any byte survives a round trip.
std::string Cp1251ToUtf8(std::string_view cp1251);

// A Russian literal of the UTF-8 sources as engine text, converted once per call site:
//   const std::string& s = Ru("Новая работа");
// The result refers to storage that lives as long as the program.
#define Ru(literal) (::kalimor::detail::CachedCp1251<::kalimor::detail::FixedString(literal)>())

namespace detail {
template <std::size_t N> struct FixedString {
    char text[N]{};
    constexpr FixedString(const char (&s)[N])
    {
        for (std::size_t i = 0; i < N; ++i)
            text[i] = s[i];
    }
    constexpr std::string_view view() const { return {text, N - 1}; }
};

template <FixedString S> const std::string& CachedCp1251()
{
    static const std::string converted = Utf8ToCp1251(S.view());
    return converted;
}
} // namespace detail

} // namespace kalimor
