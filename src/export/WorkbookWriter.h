#pragma once
// A small writer of one-sheet Excel workbooks as a BIFF byte stream, built in memory cell by
// cell and saved in one piece.
#include <cstdint>
#include <string>
#include <string_view>

namespace kalimor {

enum class BiffVersion { bvBIFF2, bvBIFF3, bvBIFF4, bvBIFF5 };
enum class CellAlignment { eaGeneral, eaLeft, eaRight, eaCenter, eaFill, eaMultiPlan };
enum class CursorMove { maNone, maUp, maDown, maLeft, maRight };

// A set of CellBorder flags.
enum CellBorder : unsigned { ebTop = 1, ebBottom = 2, ebLeft = 4, ebRight = 8 };

class WorkbookWriter {
public:
    static constexpr std::uint16_t kLastRow = 65535;
    static constexpr std::uint16_t kLastColumn = 256;

    BiffVersion BIFF = BiffVersion::bvBIFF5;
    std::uint8_t ActiveFont = 0; // 0..3
    CellAlignment Alignment = CellAlignment::eaGeneral;
    unsigned Borders = 0; // CellBorder flags
    bool Shading = false;
    bool Hidden = false;
    bool Locked = true;
    CursorMove MoveAfterEnter = CursorMove::maRight;
    std::string Version = "1.0";

    // The cursor, from 1. Row 0, and Column 0 or above 256, leave it where it is.
    std::uint16_t Row() const { return row_; }
    std::uint16_t Column() const { return column_; }
    void SetRow(std::uint16_t row);
    void SetColumn(std::uint16_t column);

    // A new name is taken; an extension other than ".XLS" (any letter case) in its last
    // path part is replaced by ".XLS", which is appended when there is none.
    const std::string& FileName() const { return fileName_; }
    void SetFileName(const std::string& name);

    void BeginWorkbook();
    void WriteText(std::uint16_t row, std::uint16_t column, std::string_view text);
    void WriteNumber(std::uint16_t row, std::uint16_t column, double value);
    void EndWorkbook();
    // Writes the stream to FileName, replacing the file (FileError when that fails).
    void SaveWorkbook() const;

    const std::string& Stream() const { return stream_; }

private:
    enum class State { Idle, Writing, Finished };

    void Record(std::uint16_t number, std::string_view data);
    void StartIfNeeded();
    std::string CellHead(std::uint16_t number, std::uint16_t length) const;
    void MoveCursor();

    std::string stream_;
    State state_ = State::Idle;
    std::string fileName_;
    std::uint16_t row_ = 1;
    std::uint16_t column_ = 1;
};

// The writer as the main window keeps it for the exports: centred, unlocked cells.
WorkbookWriter ExportWorkbookWriter();

} // namespace kalimor
