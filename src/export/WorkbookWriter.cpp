#include "export/WorkbookWriter.h"

#include "export/FileOutput.h"

#include <bit>
#include <cctype>
#include <cstring>

namespace kalimor {

namespace {

void Put16(std::string& out, std::uint16_t value)
{
    out.push_back(static_cast<char>(value & 0xFF));
    out.push_back(static_cast<char>(value >> 8));
}

std::uint8_t AlignmentBits(CellAlignment alignment)
{
    switch (alignment) {
    case CellAlignment::eaGeneral:
        return 0;
    case CellAlignment::eaLeft:
        return 1;
    case CellAlignment::eaCenter:
        return 2;
    case CellAlignment::eaRight:
        return 3;
    case CellAlignment::eaFill:
        return 4;
    case CellAlignment::eaMultiPlan:
        return 7;
    }
    return 0;
}

bool IsXlsExtension(std::string_view extension)
{
    static constexpr std::string_view xls = ".XLS";
    if (extension.size() != xls.size())
        return false;
    for (std::size_t i = 0; i < xls.size(); ++i)
        if (std::toupper(static_cast<unsigned char>(extension[i])) != xls[i])
            return false;
    return true;
}

constexpr std::uint16_t kCodePageRecord = 0x0042;
constexpr std::uint16_t kWindowsCyrillic = 1251;

} // namespace

void WorkbookWriter::SetRow(std::uint16_t row)
{
    if (row != 0)
        row_ = row;
}

void WorkbookWriter::SetColumn(std::uint16_t column)
{
    if (column != 0 && column <= kLastColumn)
        column_ = column;
}

void WorkbookWriter::SetFileName(const std::string& name)
{
    if (name == fileName_)
        return;
    fileName_ = name;
    const auto partStart = fileName_.find_last_of("\\:/");
    const std::size_t first = partStart == std::string::npos ? 0 : partStart + 1;
    const auto dot = fileName_.rfind('.');
    if (dot == std::string::npos || dot < first)
        fileName_ += ".XLS";
    else if (!IsXlsExtension(std::string_view(fileName_).substr(dot)))
        fileName_.replace(dot, std::string::npos, ".XLS");
}

void WorkbookWriter::BeginWorkbook()
{
    stream_.clear();
    state_ = State::Writing;

    static constexpr std::uint16_t bofNumbers[] = {0x0009, 0x0209, 0x0409, 0x0809};
    const bool biff2 = BIFF == BiffVersion::bvBIFF2;
    std::string bof;
    Put16(bof, 0x0200);
    Put16(bof, 0x0010);
    Put16(bof, 0x0000);
    Record(bofNumbers[static_cast<int>(BIFF)], std::string_view(bof).substr(0, biff2 ? 4 : 6));

    // Without the code page spreadsheet programs decode the names by their own locale.
    std::string codePage;
    Put16(codePage, kWindowsCyrillic);
    Record(kCodePageRecord, codePage);

    std::string dimensions;
    Put16(dimensions, 0);      // first row
    Put16(dimensions, 0xFFFF); // last row
    Put16(dimensions, 0);      // first column
    Put16(dimensions, 0x0100); // last column
    Put16(dimensions, 0);
    Record(biff2 ? 0x0000 : 0x0200, std::string_view(dimensions).substr(0, biff2 ? 8 : 10));
}

void WorkbookWriter::StartIfNeeded()
{
    // A workbook that was finished, or never begun, starts anew at its next record.
    if (state_ != State::Writing)
        BeginWorkbook();
}

void WorkbookWriter::Record(std::uint16_t number, std::string_view data)
{
    Put16(stream_, number);
    Put16(stream_, static_cast<std::uint16_t>(data.size()));
    stream_.append(data);
}

std::string WorkbookWriter::CellHead(std::uint16_t number, std::uint16_t length) const
{
    std::string head;
    head.reserve(11u + length);
    Put16(head, number);
    Put16(head, length);
    Put16(head, static_cast<std::uint16_t>(row_ - 1));
    Put16(head, static_cast<std::uint16_t>(column_ - 1));
    std::uint8_t first = 0;
    if (Hidden)
        first |= 0x80;
    if (Locked)
        first |= 0x40;
    const std::uint8_t second = static_cast<std::uint8_t>((ActiveFont & 3) << 6);
    std::uint8_t third = AlignmentBits(Alignment);
    if (Shading)
        third |= 0x80;
    if (Borders & ebTop)
        third |= 0x20;
    if (Borders & ebBottom)
        third |= 0x40;
    if (Borders & ebLeft)
        third |= 0x08;
    if (Borders & ebRight)
        third |= 0x10;
    head.push_back(static_cast<char>(first));
    head.push_back(static_cast<char>(second));
    head.push_back(static_cast<char>(third));
    return head;
}

void WorkbookWriter::MoveCursor()
{
    switch (MoveAfterEnter) {
    case CursorMove::maNone:
        break;
    case CursorMove::maUp:
        if (row_ > 1)
            --row_;
        break;
    case CursorMove::maDown:
        if (row_ < kLastRow)
            ++row_;
        break;
    case CursorMove::maLeft:
        if (column_ > 1) {
            --column_;
        } else if (row_ > 1) {
            --row_;
            column_ = kLastColumn;
        }
        break;
    case CursorMove::maRight:
        if (column_ < kLastColumn) {
            ++column_;
        } else if (row_ < kLastRow) {
            ++row_;
            column_ = 1;
        }
        break;
    }
}

void WorkbookWriter::WriteText(std::uint16_t row, std::uint16_t column, std::string_view text)
{
    SetRow(row);
    SetColumn(column);
    StartIfNeeded();
    const auto n = static_cast<std::uint8_t>(text.size() > 255 ? 255 : text.size());
    std::string cell = CellHead(0x0004, static_cast<std::uint16_t>(8 + n));
    cell.push_back(static_cast<char>(n));
    cell.append(text.substr(0, n));
    stream_ += cell;
    MoveCursor();
}

void WorkbookWriter::WriteNumber(std::uint16_t row, std::uint16_t column, double value)
{
    SetRow(row);
    SetColumn(column);
    StartIfNeeded();
    std::string cell = CellHead(0x0003, 15);
    auto bits = std::bit_cast<std::uint64_t>(value);
    for (int i = 0; i < 8; ++i) {
        cell.push_back(static_cast<char>(bits & 0xFF));
        bits >>= 8;
    }
    stream_ += cell;
    MoveCursor();
}

void WorkbookWriter::EndWorkbook()
{
    StartIfNeeded();
    Record(0x000A, {});
    state_ = State::Finished;
}

void WorkbookWriter::SaveWorkbook() const
{
    WriteFileAtomically(fileName_, stream_);
}

WorkbookWriter ExportWorkbookWriter()
{
    WorkbookWriter writer;
    writer.Alignment = CellAlignment::eaCenter;
    writer.Locked = false;
    return writer;
}

} // namespace kalimor
