#include "export/ExportNaming.h"

#include <cctype>

namespace kalimor {

std::string NamePart(std::string_view chosen)
{
    const auto cut = chosen.find_last_of("\\:/");
    return std::string(cut == std::string_view::npos ? chosen : chosen.substr(cut + 1));
}

std::string ChosenFolder(std::string_view chosen)
{
    const auto cut = chosen.find_last_of('/');
    return cut == std::string_view::npos ? std::string() : std::string(chosen.substr(0, cut + 1));
}

std::string ExportFileName(std::string_view chosen, std::string_view ending)
{
    return ChosenFolder(chosen) + NamePart(chosen) + std::string(ending);
}

std::string WithoutEnding(std::string_view chosen, std::string_view ending)
{
    if (chosen.size() < ending.size())
        return std::string(chosen);
    const auto tail = chosen.substr(chosen.size() - ending.size());
    for (std::size_t i = 0; i < ending.size(); ++i) {
        const auto a = static_cast<unsigned char>(tail[i]);
        const auto b = static_cast<unsigned char>(ending[i]);
        if (std::tolower(a) != std::tolower(b))
            return std::string(chosen);
    }
    return std::string(chosen.substr(0, chosen.size() - ending.size()));
}

} // namespace kalimor
