#pragma once
// INI profiles as the Windows profile service reads and writes them, on Windows-1251 text.
//
// Reading rules: a section starts at a line "[name]"; a value line is "key=value". Section and
// key names compare without regard to letter case, Latin and Cyrillic alike; the value is the
// text after the first "=", with leading and trailing blanks dropped and then one pair of
// enclosing quotes (both ' or both ") dropped. The first section of a name is the one looked
// in, and the first key of a name in it wins. Values are not cut at any length.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace kalimor {

// A name folded for comparison: Latin and Windows-1251 Cyrillic capitals to small letters.
std::string FoldIniName(std::string_view name);

// A text read once and indexed; lookups never scan it again.
class IniReader {
public:
    IniReader() = default;
    explicit IniReader(std::string text);

    // The whole file; throws FileError "Cannot open file %s" when it cannot be read.
    // fileName is the path as the operating system spells it.
    static IniReader fromFile(const std::string& fileName);

    bool hasSection(std::string_view section) const;
    // The value as read, or nothing when the section or the key is missing.
    std::optional<std::string_view> find(std::string_view section, std::string_view key) const;

    std::string readString(std::string_view section, std::string_view key, std::string_view defaultValue) const;
    // A decimal integer, or hexadecimal after "0x"/"0X"; anything else, and a missing key,
    // gives the default.
    int readInteger(std::string_view section, std::string_view key, int defaultValue) const;
    // An integer; any value other than 0 is set.
    bool readBool(std::string_view section, std::string_view key, bool defaultValue) const;

    // The integer rule on its own.
    static std::optional<int> parseInteger(std::string_view value);

private:
    // Keys written as plain decimal numbers ("0", "1", ...: the stored lists) sit in a vector
    // by their number; every other key, and numbers beyond a budget, in a hash map.
    struct Keys {
        std::vector<std::string_view> numbered;
        std::vector<unsigned char> present;
        std::unordered_map<std::string, std::string_view> named;
        bool numbersNamed = false; // some number went to the map
    };
    const Keys* section(std::string_view name) const;
    void add(Keys& keys, std::string_view key, std::string_view value);

    std::string text_;
    std::vector<Keys> sections_;
    std::unordered_map<std::string, std::size_t> sectionIndex_;
    std::size_t numberedBudget_ = 0; // vector slots left, so a sparse number cannot fill memory
};

// Builds a profile value by value. A section is created where its first key is written and
// a new key goes to the end of its section; writing a key again replaces its value in place.
class IniWriter {
public:
    void writeString(std::string_view section, std::string_view key, std::string_view value);
    void writeInteger(std::string_view section, std::string_view key, long long value);
    void writeBool(std::string_view section, std::string_view key, bool value);

    // The profile text, CR LF after every line.
    std::string text() const;

    // Writes the text in one piece through a temporary file renamed over the target, so a
    // failed save leaves the previous file as it was. Throws FileError "Unable to write to %s".
    void saveTo(const std::string& fileName) const;

private:
    struct Section {
        std::string name;
        std::vector<std::pair<std::string, std::string>> entries;
        std::vector<std::size_t> numbered; // entry + 1 of the key with that number, 0 when none
        std::unordered_map<std::string, std::size_t> index;
        bool numbersIndexed = false; // some number went to the map
    };
    Section& sectionFor(std::string_view name);

    std::vector<Section> sections_;
    std::unordered_map<std::string, std::size_t> sectionIndex_;
};

// Writes bytes to a file through a temporary file in the same folder, renamed over the target.
// Throws FileError "Unable to write to %s" and leaves the target untouched on failure.
void WriteFileReplacing(const std::string& fileName, std::string_view bytes);

// Reads a whole file; throws FileError "Cannot open file %s".
std::string ReadWholeFile(const std::string& fileName);

} // namespace kalimor
