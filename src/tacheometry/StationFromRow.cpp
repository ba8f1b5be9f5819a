#include "tacheometry/StationFromRow.h"

#include "core/Codepage.h"
#include "core/TextRoutines.h"
#include "tacheometry/StationSetup.h"

#include <string_view>

namespace kalimor {

namespace {

// Positions a..b counted from 1; characters past the end of the line are absent.
std::string Field(std::string_view line, std::size_t a, std::size_t b)
{
    if (line.size() < a)
        return {};
    return RemoveChar(line.substr(a - 1, b - a + 1), ' ');
}

// Answers the clicked line when it is a row, else leaves the warning in *warning.
std::optional<std::string> ClickedRow(const PiketPage& piket, const std::string& ending, std::string* warning)
{
    const auto& st = piket.statement;
    const std::string line = piket.clickedLine >= 0 && piket.clickedLine < static_cast<int>(st.size())
                                 ? st[static_cast<std::size_t>(piket.clickedLine)]
                                 : std::string();
    if (line.size() >= 2 && line[1] == '[')
        return line;
    *warning =
        Ru("Указанная строка ") + '"' + line + '"' + ending + Ru(" Попытайтесь попасть в нужную строку еще раз.");
    return std::nullopt;
}

} // namespace

void rePiketMouseDown(PiketPage& piket, int line)
{
    piket.clickedLine = line;
}

std::optional<std::string> btnToTCPiketClick(PiketPage& piket)
{
    if (piket.statement.size() < 2)
        return std::nullopt;
    std::string warning;
    const auto row = ClickedRow(piket, Ru(" не содержит координат!!!"), &warning);
    if (!row)
        return warning;
    SetStationField(piket, StationField::edTC, Field(*row, 3, 11));
    SetStationField(piket, StationField::neTCX, Field(*row, 61, 72));
    SetStationField(piket, StationField::neTCY, Field(*row, 75, 86));
    if (piket.cbSelectPiketTemplate == 1)
        SetStationField(piket, StationField::nehcenter, Field(*row, 89, 98));
    return std::nullopt;
}

std::optional<std::string> btnToTOPiketClick(PiketPage& piket)
{
    if (piket.statement.size() < 2)
        return std::nullopt;
    std::string warning;
    const auto row = ClickedRow(piket, Ru(" не содержит координат."), &warning);
    if (!row)
        return warning;
    SetStationField(piket, StationField::edTO, Field(*row, 3, 11));
    SetStationField(piket, StationField::neTOX, Field(*row, 61, 72));
    SetStationField(piket, StationField::neTOY, Field(*row, 75, 86));
    return std::nullopt;
}

} // namespace kalimor
