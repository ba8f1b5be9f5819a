#pragma once
// How the export commands turn the name chosen in the save dialog into file names.
// Names here are file-system bytes (UTF-8 on this platform), not engine text.
#include <string>
#include <string_view>
#include <vector>

namespace kalimor {

// The text after the last "\", ":" or "/" of the chosen name (all of it when there is none).
std::string NamePart(std::string_view chosen);

// The folder the dialog chose: the chosen name up to and including its last "/"; empty when
// it has none (the working folder).
std::string ChosenFolder(std::string_view chosen);

// Where a writer puts one of its files: the chosen folder, the name part, then the ending
// appended as it is (a chosen obj.txt gives obj.txt.txt for the ending ".txt").
std::string ExportFileName(std::string_view chosen, std::string_view ending);

// The chosen name without the writer's main ending when it already ends in it, in any
// letter case ("obj.TXT" with ".txt" gives "obj"); otherwise unchanged.
std::string WithoutEnding(std::string_view chosen, std::string_view ending);

// The files a writer wrote, in order, and those the desktop's "open" action gets when the
// writer was asked to open its results (empty otherwise).
struct ExportFiles {
    std::vector<std::string> written;
    std::vector<std::string> toOpen;
};

} // namespace kalimor
