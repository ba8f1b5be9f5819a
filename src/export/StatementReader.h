#pragma once
// Reads the picket rows of the tacheometry statement back by character positions, including
// rows the user edited by hand. The reader never fails: what does not match is NoRow.
#include <string>
#include <string_view>

namespace kalimor {

struct StatementRow {
    enum Kind { NoRow, PlanRow, HeightRow, RemoteRow };
    Kind kind = NoRow;
    std::string name; // blanks removed
    std::string x, y; // as written, blanks removed
    std::string h;    // HeightRow: the height; RemoteRow: the height difference without "*"; else empty
};

StatementRow ReadStatementRow(std::string_view line);

// True for a station line (" Точка стояния: " or " Точка стояния : "); x and y then get its
// coordinate texts with blanks removed. Orientation lines are not station lines.
bool ReadStationLine(std::string_view line, std::string& x, std::string& y);

} // namespace kalimor
