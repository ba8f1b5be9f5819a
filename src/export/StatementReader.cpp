#include "export/StatementReader.h"

#include "core/Codepage.h"

namespace kalimor {

namespace {

// The characters at positions first..last (from 1) that the line has, blanks and the
// extra character removed.
std::string Field(std::string_view line, std::size_t first, std::size_t last, char alsoRemove = ' ')
{
    std::string out;
    if (first > line.size())
        return out;
    const auto slice = line.substr(first - 1, last - first + 1);
    out.reserve(slice.size());
    for (char c : slice)
        if (c != ' ' && c != alsoRemove)
            out.push_back(c);
    return out;
}

bool ClosedAt(std::string_view line, std::size_t position)
{
    return line.size() >= position && line[position - 1] == ']';
}

StatementRow::Kind KindOf(std::string_view line)
{
    const auto length = line.size();
    if ((length == 88 && ClosedAt(line, 88)) || (length == 116 && (ClosedAt(line, 88) || ClosedAt(line, 116))))
        return StatementRow::PlanRow;
    if ((length == 99 && ClosedAt(line, 99)) || (length == 138 && (ClosedAt(line, 99) || ClosedAt(line, 138))))
        return line[88] == '*' ? StatementRow::RemoteRow : StatementRow::HeightRow;
    return StatementRow::NoRow;
}

} // namespace

StatementRow ReadStatementRow(std::string_view line)
{
    StatementRow row;
    row.kind = KindOf(line);
    if (row.kind == StatementRow::NoRow)
        return row;
    row.name = Field(line, 3, 12);
    row.x = Field(line, 61, 73);
    row.y = Field(line, 75, 87);
    if (row.kind != StatementRow::PlanRow)
        row.h = Field(line, 89, 98, '*');
    return row;
}

bool ReadStationLine(std::string_view line, std::string& x, std::string& y)
{
    const std::string& label = Ru("Точка стояния");
    if (line.size() < 1 + label.size() || line.substr(1, label.size()) != label)
        return false;
    // " Точка стояния: " (traverse mode) or " Точка стояния : " (manual mode, one further).
    const std::size_t shift = line.size() > 14 && line[14] == ':' ? 0 : 1;
    x = Field(line, 33 + shift, 44 + shift);
    y = Field(line, 49 + shift, 60 + shift);
    return true;
}

} // namespace kalimor
