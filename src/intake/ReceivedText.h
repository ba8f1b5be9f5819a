#pragma once
// The text received over the serial line (view "redownload") and its line counter.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kalimor {

// The collected text. A line break is CR LF, a lone CR or a lone LF, as the view shows it;
// the counter leaves out an empty last line (after a final break), so an empty text counts 0.
// The counter is kept while chunks arrive: a chunk costs its own length, never the whole text.
struct ReceivedText {
    std::string text; // Windows-1251, exactly as received

    // Appends a chunk unchanged and advances the counter over it. Returns the chunk as the
    // view appends it: every line break a single "\n" (a CR LF split between two chunks
    // included, whose LF then gives nothing).
    std::string append(std::string_view chunk);
    // Empties the text.
    void clear();
    // Replaces the whole text and counts it anew.
    void assign(std::string newText);
    // Other code may replace `text` as a whole (a project opened, new work). This recounts
    // when the text is not the one counted and answers whether it was not.
    bool sync();
    // Goes up with every change of the text (an append, a replacement, a clear), so that a
    // view can tell whether it still shows the text, also one replaced by the same text.
    std::uint64_t revision() const { return revision_; }

    // The lines of the view: as many as lineCount().
    std::size_t lineCount() const { return breaks_ + (lastLineEmpty_ ? 0 : 1); }
    std::vector<std::string> lines() const;
    // The whole text as the view shows it: every line break a single "\n".
    std::string viewText() const;
    // "Принято строк: N".
    std::string counterText() const;

private:
    void recount();

    std::size_t breaks_ = 0;
    bool lastLineEmpty_ = true; // the text is empty or ends with a line break
    bool endsWithCr_ = false;   // a following LF belongs to that break
    // What the counter covers, so that a replacement of `text` by other code is noticed.
    std::size_t countedSize_ = 0;
    std::uint64_t countedHash_ = 14695981039346656037ull;
    std::uint64_t revision_ = 0;
};

// The file name a save writes to: the chosen name when its last component has an extension,
// otherwise the name with ".txt" added.
std::string ReceivedSaveName(const std::string& chosenName);

// Writes the lines of the text, each followed by CR LF, to ReceivedSaveName(chosenName) in one
// piece (a temporary file renamed over the target). chosenName is a native file-system path.
// Answers the name written. Throws FileError "Unable to write to NAME" and leaves an existing
// file as it was when the file cannot be written.
std::string SaveReceivedText(const ReceivedText& received, const std::string& chosenName);

} // namespace kalimor
