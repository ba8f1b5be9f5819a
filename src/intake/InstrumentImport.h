#pragma once
// Reading measurement files of the survey instruments (and our own user text format) into
// the import table.
#include "intake/ImportModel.h"

#include <string>
#include <string_view>
#include <vector>

namespace kalimor {

// The filter items of the open dialog, in their order; the item number is the variant.
enum ImportVariant : int {
    kRecordersSlope = 1,  // R4, R5, M5, Rec500 with slope distance
    kR5Zenith = 2,        // R5 with the zenith angle
    k3Ta5Slope = 3,       // 3Ta5, slope distance
    k3Ta5Horizontal = 4,  // 3Ta5, horizontal distance
    kSdrVerticalUp = 5,   // SDR "09F1", vertical angle Z - 90
    kSdrVerticalDown = 6, // SDR "09F1", vertical angle 90 - Z
    kUserText = 7,        // the user text format
};
constexpr int kImportVariantCount = 7;

// The file's lines: CR LF, a lone CR and a lone LF each end a line. A terminator at the very
// end does not start another (empty) line.
std::vector<std::string_view> SplitLines(std::string_view text);

// The whole file as bytes. name is engine text; throws FileError "Cannot open file NAME".
std::string ReadFileBytes(const std::string& name);

// "Открыть": imports the file named in page.edFileName as the given variant. Nothing happens
// when the name is empty. The table is emptied first, so a file that cannot be read leaves
// an empty table and everything else as it was. A value that must be a number and is not
// stops the import with ConversionError (see ImportContent).
void ImportInstrumentFile(ImportPage& page, int variant);

// The import of already read file bytes, from the emptying of ImportRowList on: every line is
// read by the variant, each kept line adds a row (and its ImportRowList line and address
// item), then the range boxes select the first and last address and pAllString is updated.
// On ConversionError the rows before the failing line stay, followed by one empty row; the
// range boxes select nothing and pAllString keeps its text; the error is rethrown.
// A variant outside 1..7 reads no line.
void ImportContent(ImportPage& page, std::string_view content, int variant);

// The six values of one line of the user text format (variant 7): fields split at single
// blanks; the row is checked unless field 5 is exactly "0".
ImportRow UserTextRow(std::string_view line);

// The line of the user text format for a row: the six values joined by one blank, the mark
// as "1" or "0".
std::string UserTextLine(const ImportRow& row);

} // namespace kalimor
