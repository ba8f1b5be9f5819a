#include "intake/ImportTable.h"

#include "core/Codepage.h"
#include "export/FileOutput.h"
#include "intake/InstrumentImport.h"

#include <algorithm>

namespace kalimor {
namespace {

int FindItem(const std::vector<std::string>& items, const std::string& text)
{
    const auto it = std::find(items.begin(), items.end(), text);
    return it == items.end() ? -1 : static_cast<int>(it - items.begin());
}

void SetRangeText(const std::vector<std::string>& items, std::string& boxText, int& index, const std::string& text)
{
    boxText = text;
    // Keep the picked item when it shows this text: addresses may repeat.
    if (index >= 0 && index < static_cast<int>(items.size()) && items[static_cast<std::size_t>(index)] == text)
        return;
    index = FindItem(items, text);
}

void SelectRangeItem(const std::vector<std::string>& items, std::string& boxText, int& index, int item)
{
    if (item < 0 || item >= static_cast<int>(items.size())) {
        index = -1;
        return;
    }
    index = item;
    boxText = items[static_cast<std::size_t>(item)];
}

bool ValidBound(const ImportPage& page, int index)
{
    return index >= 0 && static_cast<std::size_t>(index) < page.rowList.size();
}

} // namespace

void UpdateRowCounter(ImportPage& page)
{
    page.pAllString = Ru("Всего строк: ") + std::to_string(page.rows.size());
}

int SelectedRowCount(const ImportPage& page)
{
    const std::size_t n = std::min(page.selected.size(), page.rows.size());
    return static_cast<int>(std::count(page.selected.begin(), page.selected.begin() + static_cast<long>(n), true));
}

void UpdateSelectionCounter(ImportPage& page)
{
    page.SelectRow = Ru("Выбрано строк: ") + std::to_string(SelectedRowCount(page));
}

void SetImportSelection(ImportPage& page, std::vector<bool> selected)
{
    selected.resize(page.rows.size(), false);
    page.selected = std::move(selected);
}

void SetRangeBegin(ImportPage& page, const std::string& text)
{
    SetRangeText(page.beginList, page.cbBegin, page.cbBeginIndex, text);
}

void SetRangeEnd(ImportPage& page, const std::string& text)
{
    SetRangeText(page.endList, page.cbEnd, page.cbEndIndex, text);
}

void SelectRangeBegin(ImportPage& page, int index)
{
    SelectRangeItem(page.beginList, page.cbBegin, page.cbBeginIndex, index);
}

void SelectRangeEnd(ImportPage& page, int index)
{
    SelectRangeItem(page.endList, page.cbEnd, page.cbEndIndex, index);
}

bool ShowImportRange(ImportPage& page)
{
    if (page.cbBegin.empty() || page.cbEnd.empty())
        return false;
    // A typed text that names no item has no index to show from: treated as no choice,
    // before the table is touched.
    if (!ValidBound(page, page.cbBeginIndex) || !ValidBound(page, page.cbEndIndex))
        return false;
    const auto [first, last] = std::minmax(page.cbBeginIndex, page.cbEndIndex);
    page.rows.clear();
    page.selected.clear();
    page.rows.reserve(static_cast<std::size_t>(last - first + 1));
    for (int k = first; k <= last; ++k)
        page.rows.push_back(UserTextRow(page.rowList[static_cast<std::size_t>(k)]));
    page.selected.assign(page.rows.size(), false);
    UpdateRowCounter(page);
    return true;
}

std::string ProposedRangeFileName(const ImportPage& page)
{
    return Ru("с_") + page.cbBegin + Ru("_по_") + page.cbEnd;
}

std::string UtfFileName(const std::string& chosenName)
{
    // Only append the extension when it is missing: "x.utf" stays "x.utf", not "x.utf.utf".
    const std::string extension = ".utf";
    if (chosenName.size() >= extension.size()) {
        std::string tail = chosenName.substr(chosenName.size() - extension.size());
        std::transform(tail.begin(), tail.end(), tail.begin(),
                       [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
        if (tail == extension)
            return chosenName;
    }
    return chosenName + extension;
}

std::string ImportTableUtfBytes(const ImportPage& page)
{
    std::string bytes;
    bytes.reserve(page.rows.size() * 48);
    for (const ImportRow& row : page.rows) {
        bytes += UserTextLine(row);
        bytes += "\r\n";
    }
    return bytes;
}

std::string SaveImportTable(const ImportPage& page, const std::string& chosenName)
{
    const std::string name = UtfFileName(chosenName);
    WriteFileAtomically(Cp1251ToUtf8(name), ImportTableUtfBytes(page));
    return name;
}

void MarkAllRows(ImportPage& page, bool station)
{
    for (ImportRow& row : page.rows)
        row.station = station;
}

} // namespace kalimor
