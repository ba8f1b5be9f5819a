#pragma once
// Fixed-position instrument lines for tests: texts placed at character positions from 1.
#include <initializer_list>
#include <string>
#include <utility>

inline std::string At(std::initializer_list<std::pair<std::size_t, std::string>> pieces)
{
    std::string line;
    for (const auto& [position, text] : pieces) {
        if (line.size() < position - 1 + text.size())
            line.resize(position - 1 + text.size(), ' ');
        line.replace(position - 1, text.size(), text);
    }
    return line;
}
