#pragma once
// The project file (.srv): the whole work in an INI profile, and the three commands on it.
// The window asks the questions and shows the file dialogs first; these take the answer.
//
// File names are paths as the operating system spells them (UTF-8 on Linux); the caption and
// the error messages carry them as Windows-1251 text.
#include "work/Work.h"

#include <string>
#include <string_view>

namespace kalimor {

// "Новый": empties the traverse, the import table, both statements, the pickets, the station
// fields, the import messages and the received text; keeps every setting and traverse choice.
void NewWork(Work& work);

// "Открыть": reads the file and replaces the work's stored parts, then adjusts the traverse.
// Throws FileError "Cannot open file %s" (nothing changed but the pending marks of the
// tacheometry) and ConversionError for a line count that is not a number (what was read before
// stays; the caption keeps its text and the traverse is not adjusted).
void OpenProject(Work& work, const std::string& fileName);
// The same from the bytes of a file already read; fileName is what the caption shows.
void OpenProjectText(Work& work, std::string bytes, const std::string& fileName);

// "Сохранить": brings the traverse up to date and writes the whole file anew through a
// temporary file, to the chosen name with its extension replaced by ".srv". Answers the name
// written. Throws FileError "Unable to write to %s", or ConversionError when the refraction
// text is not a number; either way the previous file stays as it was.
std::string SaveProject(Work& work, const std::string& chosenName);
// The bytes SaveProject writes, without the file; the traverse is brought up to date the same.
std::string ProjectText(Work& work);

// The chosen name with the extension of its last component, if any, replaced by ".srv".
std::string ProjectFileName(const std::string& chosenName);

// Line counts of the stored lists are read as reals; counts beyond this are taken as this many,
// so a damaged count cannot make the program fill its memory with empty lines.
constexpr int kMaxStoredLines = 1000000;

} // namespace kalimor
