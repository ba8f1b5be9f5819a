#pragma once
// Export files are built in memory and land on disk in one piece: a temporary file beside
// the target, renamed over it, so a failed write never leaves half a file behind.
#include <string>
#include <string_view>
#include <vector>

namespace kalimor {

// Lines of a text file: Windows-1251, CR LF after every line, the last one included.
// No lines gives an empty file.
std::string TextFileBytes(const std::vector<std::string>& lines);

// Writes the bytes to path (native file-system bytes). Throws FileError "Unable to write to
// PATH" when the file cannot be created, written or put in place.
void WriteFileAtomically(const std::string& path, std::string_view bytes);

} // namespace kalimor
