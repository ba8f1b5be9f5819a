#include "work/Search.h"

#include "work/Work.h"

#include <algorithm>

namespace kalimor {

namespace {
char latinLower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// The searched member of an import row; null for a column the import search does not offer.
std::string ImportRow::*importMember(int column)
{
    switch (column) {
    case 1:
        return &ImportRow::address;
    case 2:
        return &ImportRow::slopeDistance;
    case 3:
        return &ImportRow::horizontalAngle;
    case 4:
        return &ImportRow::verticalAngle;
    case 8:
        return &ImportRow::note;
    default:
        break;
    }
    return nullptr;
}

// The walk of a find-next, inlined for each kind of table: a 100 000-row import is searched
// at every press.
template <class Cell>
std::optional<std::size_t> findRowWith(std::size_t rowCount, long currentRow, std::string_view text, const Cell& cell)
{
    if (rowCount == 0)
        return std::nullopt;
    // A current row beyond the table (the view lagging behind the work) starts from the top.
    const std::size_t start = currentRow < 0 || static_cast<std::size_t>(currentRow) >= rowCount
                                  ? 0
                                  : static_cast<std::size_t>(currentRow) + 1;
    for (std::size_t k = 0; k < rowCount; ++k) {
        const std::size_t row = start + k < rowCount ? start + k : start + k - rowCount;
        if (CellBeginsWith(cell(row), text))
            return row;
    }
    return std::nullopt;
}
} // namespace

bool SearchesColumn(SearchTable table, int column)
{
    if (table == SearchTable::Course)
        return column >= 1 && column <= 5;
    return (column >= 1 && column <= 4) || column == 8;
}

bool CellBeginsWith(std::string_view cell, std::string_view text)
{
    // A cell shorter than the text is compared whole, so it can never equal the longer text.
    if (cell.size() < text.size())
        return false;
    return std::equal(text.begin(), text.end(), cell.begin(),
                      [](char a, char b) { return latinLower(a) == latinLower(b); });
}

std::optional<std::size_t> FindImportRow(const Work& work, int column, long currentRow, std::string_view text)
{
    if (!SearchesColumn(SearchTable::Import, column))
        return std::nullopt;
    const auto& rows = work.import.rows;
    const auto member = importMember(column);
    return findRowWith(rows.size(), currentRow, text,
                       [&rows, member](std::size_t r) -> std::string_view { return rows[r].*member; });
}

std::optional<std::size_t> FindCourseRow(const Work& work, int column, long currentRow, std::string_view text)
{
    if (!SearchesColumn(SearchTable::Course, column))
        return std::nullopt;
    const auto& rows = work.course.rows;
    return findRowWith(rows.size(), currentRow, text, [&rows, column](std::size_t r) -> std::string_view {
        return rows[r][static_cast<std::size_t>(column)].text;
    });
}

std::optional<std::size_t> FindTableRow(const Work& work, SearchTable table, int column, long currentRow,
                                        std::string_view text)
{
    return table == SearchTable::Import ? FindImportRow(work, column, currentRow, text)
                                        : FindCourseRow(work, column, currentRow, text);
}

std::optional<std::size_t> FindInText(std::string_view text, std::size_t from, std::string_view what)
{
    if (what.empty() || from > text.size())
        return std::nullopt;
    const std::size_t at = text.find(what, from);
    if (at == std::string_view::npos)
        return std::nullopt;
    return at;
}

} // namespace kalimor
