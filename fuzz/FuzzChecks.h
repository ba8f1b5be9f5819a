#pragma once
// What the fuzz targets assert about their results: a broken property aborts the run.
#include <cstdlib>
#include <string>

namespace fuzzcheck {

inline void Check(bool condition)
{
    if (!condition)
        std::abort();
}

inline bool HasBlank(const std::string& text)
{
    return text.find(' ') != std::string::npos;
}

} // namespace fuzzcheck
