#include "intake/ReceivedText.h"

#include "core/Codepage.h"
#include "core/Errors.h"

#include <filesystem>
#include <fstream>
#include <system_error>

namespace kalimor {

namespace {

constexpr std::uint64_t kHashSeed = 14695981039346656037ull; // FNV-1a, 64 bits
constexpr std::uint64_t kHashPrime = 1099511628211ull;

// The counting state over a stretch of text; the hash tells a replaced text from the counted one.
struct Scan {
    std::size_t breaks = 0;
    bool lastLineEmpty = true;
    bool endsWithCr = false;
    std::uint64_t hash = kHashSeed;

    // Advances over bytes that follow what was scanned so far; when piece is given, appends the
    // bytes to it with every line break as one "\n".
    void over(std::string_view bytes, std::string* piece)
    {
        std::uint64_t h = hash;
        std::size_t n = breaks;
        bool cr = endsWithCr;
        std::size_t runStart = 0;
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            const char c = bytes[i];
            h = (h ^ static_cast<unsigned char>(c)) * kHashPrime;
            if (c != '\r' && c != '\n') {
                cr = false;
                continue;
            }
            if (piece)
                piece->append(bytes.substr(runStart, i - runStart));
            runStart = i + 1;
            // The LF of a CR LF belongs to the break its CR already made.
            if (c == '\r' || !cr) {
                ++n;
                if (piece)
                    piece->push_back('\n');
            }
            cr = c == '\r';
        }
        if (piece)
            piece->append(bytes.substr(runStart));
        if (!bytes.empty())
            lastLineEmpty = bytes.back() == '\r' || bytes.back() == '\n';
        hash = h;
        breaks = n;
        endsWithCr = cr;
    }
};

// Calls f(line) for each line of the view, leaving out an empty last line.
template <class F> void ForEachLine(std::string_view text, F&& f)
{
    std::size_t start = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (c != '\r' && c != '\n') {
            ++i;
            continue;
        }
        f(text.substr(start, i - start));
        i += (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ? 2 : 1;
        start = i;
    }
    if (start < text.size())
        f(text.substr(start));
}

} // namespace

std::string ReceivedText::append(std::string_view chunk)
{
    // Text replaced by other code with one of another length: count it before going on.
    if (text.size() != countedSize_)
        recount();
    Scan scan{breaks_, lastLineEmpty_, endsWithCr_, countedHash_};
    std::string piece;
    piece.reserve(chunk.size());
    scan.over(chunk, &piece);
    text.append(chunk);
    breaks_ = scan.breaks;
    lastLineEmpty_ = scan.lastLineEmpty;
    endsWithCr_ = scan.endsWithCr;
    countedHash_ = scan.hash;
    countedSize_ = text.size();
    ++revision_;
    return piece;
}

void ReceivedText::clear()
{
    assign({});
}

void ReceivedText::assign(std::string newText)
{
    text = std::move(newText);
    recount();
}

bool ReceivedText::sync()
{
    if (text.size() == countedSize_) {
        Scan scan;
        scan.over(text, nullptr);
        if (scan.hash == countedHash_)
            return false;
    }
    recount();
    return true;
}

void ReceivedText::recount()
{
    Scan scan;
    scan.over(text, nullptr);
    breaks_ = scan.breaks;
    lastLineEmpty_ = scan.lastLineEmpty;
    endsWithCr_ = scan.endsWithCr;
    countedHash_ = scan.hash;
    countedSize_ = text.size();
    ++revision_;
}

std::vector<std::string> ReceivedText::lines() const
{
    std::vector<std::string> result;
    ForEachLine(text, [&](std::string_view line) { result.emplace_back(line); });
    return result;
}

std::string ReceivedText::viewText() const
{
    Scan scan;
    std::string shown;
    shown.reserve(text.size());
    scan.over(text, &shown);
    return shown;
}

std::string ReceivedText::counterText() const
{
    return Ru("Принято строк: ") + std::to_string(lineCount());
}

std::string ReceivedSaveName(const std::string& chosenName)
{
    const std::size_t slash = chosenName.find_last_of('/');
    const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    if (chosenName.find('.', nameStart) != std::string::npos)
        return chosenName;
    return chosenName + ".txt";
}

std::string SaveReceivedText(const ReceivedText& received, const std::string& chosenName)
{
    const std::string name = ReceivedSaveName(chosenName);
    std::string bytes;
    bytes.reserve(received.text.size() + received.lineCount());
    ForEachLine(received.text, [&](std::string_view line) {
        bytes.append(line);
        bytes.append("\r\n");
    });

    // The bytes go to a temporary file beside the target, which then replaces the target in one
    // step, so a failed write never leaves half a file in place of a good one.
    namespace fs = std::filesystem;
    const fs::path target(name);
    fs::path temporary = target;
    temporary += ".kalimor-tmp";
    const auto fail = [&] {
        std::error_code ignored;
        fs::remove(temporary, ignored);
        // The path is UTF-8 on this platform; the message is engine text.
        return FileError::unableToWrite(Utf8ToCp1251(name));
    };
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out)
            throw fail();
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out)
            throw fail();
    }
    std::error_code error;
    fs::rename(temporary, target, error);
    if (error)
        throw fail();
    return name;
}

} // namespace kalimor
