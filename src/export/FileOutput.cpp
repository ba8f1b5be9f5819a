#include "export/FileOutput.h"

#include "core/Codepage.h"
#include "core/Errors.h"

#include <atomic>
#include <cstdio>
#include <filesystem>
#include <system_error>

namespace kalimor {

std::string TextFileBytes(const std::vector<std::string>& lines)
{
    std::size_t size = 0;
    for (const auto& line : lines)
        size += line.size() + 2;
    std::string bytes;
    bytes.reserve(size);
    for (const auto& line : lines) {
        bytes += line;
        bytes += "\r\n";
    }
    return bytes;
}

namespace {
// Paths are file-system bytes (UTF-8 here); messages are engine text.
FileError writeError(const std::string& path)
{
    return FileError::unableToWrite(Utf8ToCp1251(path));
}
} // namespace

void WriteFileAtomically(const std::string& path, std::string_view bytes)
{
    static std::atomic<unsigned> counter{0};
    const std::string temporary = path + ".~" + std::to_string(counter++) + ".tmp";
    std::FILE* f = std::fopen(temporary.c_str(), "wb");
    if (!f)
        throw writeError(path);
    const bool written = bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    const bool closed = std::fclose(f) == 0;
    std::error_code ec;
    if (!written || !closed) {
        std::filesystem::remove(temporary, ec);
        throw writeError(path);
    }
    std::filesystem::rename(temporary, path, ec);
    if (ec) {
        std::filesystem::remove(temporary, ec);
        throw writeError(path);
    }
}

} // namespace kalimor
