#pragma once
// Search in the two tables (a row by the beginning of one column's text) and in the
// texts of the statements and the received data (a substring).
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace kalimor {

struct Work;

// The two searchable tables. Each searches only in the columns its own search menu offers.
enum class SearchTable { Import, Course };

// True when the find dialog of the table acts for this column: import 1, 2, 3, 4, 8;
// traverse 1 to 5. Any other column (left by the other table's menu) makes a press do nothing.
bool SearchesColumn(SearchTable table, int column);

// A cell "begins with" the searched text: the first size(text) characters of the cell (all
// of it when shorter) equal the text, Latin a-z compared without case, every other byte,
// Cyrillic included, exactly. An empty text matches every cell.
bool CellBeginsWith(std::string_view cell, std::string_view text);

// The table searches on the work, one find-next each: the rows after currentRow to the last,
// then from the first to currentRow itself (so currentRow is tried last); currentRow may be
// -1 (no current row). The row found, or nothing when no row matches or the column is not
// one this table searches.
std::optional<std::size_t> FindImportRow(const Work& work, int column, long currentRow, std::string_view text);
std::optional<std::size_t> FindCourseRow(const Work& work, int column, long currentRow, std::string_view text);
std::optional<std::size_t> FindTableRow(const Work& work, SearchTable table, int column, long currentRow,
                                        std::string_view text);

// Text search: the first occurrence of what in text at or after from, exact case, no wrap
// around. Nothing when there is none or what is empty.
std::optional<std::size_t> FindInText(std::string_view text, std::size_t from, std::string_view what);

} // namespace kalimor
