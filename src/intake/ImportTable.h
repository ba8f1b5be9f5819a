#pragma once
// Work on the import table after a file import: the range display, saving as .utf, marking
// every row, and the two counters.
#include "intake/ImportModel.h"

#include <string>

namespace kalimor {

// pAllString := "Всего строк: " + number of rows.
void UpdateRowCounter(ImportPage& page);
// Which rows are selected (parallel to rows; a shorter vector counts the rest as not
// selected). The counter is left alone: it follows clicks only.
void SetImportSelection(ImportPage& page, std::vector<bool> selected);
// A click in the table: SelectRow := "Выбрано строк: " + the number of selected rows.
void UpdateSelectionCounter(ImportPage& page);
int SelectedRowCount(const ImportPage& page);

// A range box's text as typed or picked: it selects the first item equal to it, or no item.
void SetRangeBegin(ImportPage& page, const std::string& text);
void SetRangeEnd(ImportPage& page, const std::string& text);
// A range box's item picked by number (-1 for none).
void SelectRangeBegin(ImportPage& page, int index);
void SelectRangeEnd(ImportPage& page, int index);

// "Показать": the rows of ImportRowList from the smaller to the larger selected index replace
// the table, as the last import read them. Answers false, changing nothing, when a box's text
// is empty or names no item of the last import; the window then warns "Не выбрана часть
// файла!".
bool ShowImportRange(ImportPage& page);

// "Сохранить": the name proposed in the dialog, "с_BEGIN_по_END" from the range boxes' texts.
std::string ProposedRangeFileName(const ImportPage& page);
// The file the table is written to: the chosen name with ".utf" appended unless it already
// ends in it.
std::string UtfFileName(const std::string& chosenName);
// The table as it stands, one user-text line a row, CR LF after each.
std::string ImportTableUtfBytes(const ImportPage& page);
// Writes the table to UtfFileName(chosenName) (engine text); answers that name. Throws
// FileError "Unable to write to NAME".
std::string SaveImportTable(const ImportPage& page, const std::string& chosenName);

// "Пометить все" / "Убрать пометки": the mark "Точка хода" of every row.
void MarkAllRows(ImportPage& page, bool station);

} // namespace kalimor
