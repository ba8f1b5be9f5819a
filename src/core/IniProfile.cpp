#include "core/IniProfile.h"

#include "core/Codepage.h"
#include "core/Errors.h"

#include <array>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <system_error>

namespace kalimor {

namespace {

constexpr std::array<unsigned char, 256> MakeFoldTable()
{
    std::array<unsigned char, 256> t{};
    for (int c = 0; c < 256; ++c)
        t[c] = static_cast<unsigned char>(c);
    for (int c = 'A'; c <= 'Z'; ++c)
        t[c] = static_cast<unsigned char>(c + 32);
    for (int c = 0xC0; c <= 0xDF; ++c) // А..Я
        t[c] = static_cast<unsigned char>(c + 32);
    // The other capitals of the code page and their small letters: Ё Ђ Ѓ Љ Њ Ќ Ћ Џ Ў Ј Ґ Є Ї І Ѕ.
    constexpr unsigned char pairs[][2] = {{0xA8, 0xB8}, {0x80, 0x90}, {0x81, 0x83}, {0x8A, 0x9A}, {0x8C, 0x9C},
                                          {0x8D, 0x9D}, {0x8E, 0x9E}, {0x8F, 0x9F}, {0xA1, 0xA2}, {0xA3, 0xBC},
                                          {0xA5, 0xB4}, {0xAA, 0xBA}, {0xAF, 0xBF}, {0xB2, 0xB3}, {0xBD, 0xBE}};
    for (const auto& p : pairs)
        t[p[0]] = p[1];
    return t;
}

constexpr std::array<unsigned char, 256> kFold = MakeFoldTable();

// The profile service's blanks: white space and the old end-of-file mark.
bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f' || c == '\x1a';
}

std::string_view Trim(std::string_view s)
{
    std::size_t b = 0;
    std::size_t e = s.size();
    while (b < e && IsBlank(s[b]))
        ++b;
    while (e > b && IsBlank(s[e - 1]))
        --e;
    return s.substr(b, e - b);
}

std::string_view Unquote(std::string_view v)
{
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
        return v.substr(1, v.size() - 2);
    return v;
}

std::string MessageName(const std::string& fileName)
{
    return Utf8ToCp1251(fileName);
}

// A key that is a plain decimal number: digits only, no leading zero, at most nine digits.
// Such keys compare equal only to the same text, so their number identifies them.
bool PlainNumber(std::string_view key, std::size_t& number)
{
    if (key.empty() || key.size() > 9 || (key[0] == '0' && key.size() > 1))
        return false;
    std::size_t n = 0;
    for (char c : key) {
        if (c < '0' || c > '9')
            return false;
        n = n * 10 + static_cast<std::size_t>(c - '0');
    }
    number = n;
    return true;
}

} // namespace

std::string FoldIniName(std::string_view name)
{
    name = Trim(name);
    std::string folded(name.size(), '\0');
    for (std::size_t i = 0; i < name.size(); ++i)
        folded[i] = static_cast<char>(kFold[static_cast<unsigned char>(name[i])]);
    return folded;
}

// ---------------------------------------------------------------------------------------------
// Reading

IniReader::IniReader(std::string text) : text_(std::move(text))
{
    const std::string_view all(text_);
    std::size_t lines = 1;
    for (char c : all)
        lines += c == '\n';
    numberedBudget_ = 2 * lines + 1024;
    Keys* current = nullptr; // lines before the first section belong to none
    std::size_t pos = 0;
    while (pos < all.size()) {
        std::size_t end = all.find('\n', pos);
        if (end == std::string_view::npos)
            end = all.size();
        const std::string_view line = Trim(all.substr(pos, end - pos));
        pos = end + 1;
        if (line.empty())
            continue;
        if (line.front() == '[') {
            const std::size_t close = line.rfind(']');
            if (close == std::string_view::npos || close == 0) {
                current = nullptr; // a broken header: its keys are found nowhere
                continue;
            }
            std::string name = FoldIniName(line.substr(1, close - 1));
            auto [it, inserted] = sectionIndex_.try_emplace(std::move(name), sections_.size());
            if (inserted) {
                sections_.emplace_back();
                current = &sections_.back();
            } else {
                // A repeated section is never looked in: the first of a name answers.
                current = nullptr;
            }
            continue;
        }
        if (!current)
            continue;
        const std::size_t eq = line.find('=');
        if (eq == std::string_view::npos) {
            // A line without "=" is a key whose value is empty.
            add(*current, line, std::string_view{});
            continue;
        }
        add(*current, line.substr(0, eq), Unquote(Trim(line.substr(eq + 1))));
    }
}

IniReader IniReader::fromFile(const std::string& fileName)
{
    return IniReader(ReadWholeFile(fileName));
}

const IniReader::Keys* IniReader::section(std::string_view name) const
{
    const auto it = sectionIndex_.find(FoldIniName(name));
    return it == sectionIndex_.end() ? nullptr : &sections_[it->second];
}

bool IniReader::hasSection(std::string_view name) const
{
    return section(name) != nullptr;
}

std::optional<std::string_view> IniReader::find(std::string_view sectionName, std::string_view key) const
{
    const Keys* keys = section(sectionName);
    if (!keys)
        return std::nullopt;
    key = Trim(key);
    std::size_t number = 0;
    if (PlainNumber(key, number)) {
        if (number < keys->present.size() && keys->present[number])
            return keys->numbered[number];
        if (!keys->numbersNamed)
            return std::nullopt;
    }
    const auto it = keys->named.find(FoldIniName(key));
    if (it == keys->named.end())
        return std::nullopt;
    return it->second;
}

void IniReader::add(Keys& keys, std::string_view key, std::string_view value)
{
    key = Trim(key);
    std::size_t number = 0;
    if (PlainNumber(key, number)) {
        if (number < keys.present.size()) {
            if (!keys.present[number] && !(keys.numbersNamed && keys.named.count(std::string(key)))) {
                keys.numbered[number] = value;
                keys.present[number] = 1;
            }
            return;
        }
        const std::size_t growth = number + 1 - keys.present.size();
        if (growth <= numberedBudget_ && !(keys.numbersNamed && keys.named.count(std::string(key)))) {
            numberedBudget_ -= growth;
            keys.numbered.resize(number + 1);
            keys.present.resize(number + 1);
            keys.numbered[number] = value;
            keys.present[number] = 1;
            return;
        }
        keys.numbersNamed = true;
    }
    keys.named.try_emplace(FoldIniName(key), value);
}

std::string IniReader::readString(std::string_view sectionName, std::string_view key,
                                  std::string_view defaultValue) const
{
    const auto v = find(sectionName, key);
    return std::string(v ? *v : defaultValue);
}

std::optional<int> IniReader::parseInteger(std::string_view value)
{
    long long result = 0;
    bool hex = value.size() > 2 && value[0] == '0' && (value[1] == 'x' || value[1] == 'X');
    std::size_t i = 0;
    bool negative = false;
    if (hex) {
        i = 2;
    } else if (!value.empty() && (value[0] == '-' || value[0] == '+')) {
        negative = value[0] == '-';
        i = 1;
    }
    if (i >= value.size())
        return std::nullopt;
    const long long limit = hex ? 0xFFFFFFFFLL : (negative ? 2147483648LL : 2147483647LL);
    for (; i < value.size(); ++i) {
        const char c = value[i];
        int digit = 0;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (hex && c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else if (hex && c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        else
            return std::nullopt;
        result = result * (hex ? 16 : 10) + digit;
        if (result > limit)
            return std::nullopt;
    }
    if (hex) // eight hex digits fill the 32 bits, as "0xFFFFFFFF" is -1
        return static_cast<int>(static_cast<unsigned int>(result));
    return static_cast<int>(negative ? -result : result);
}

int IniReader::readInteger(std::string_view sectionName, std::string_view key, int defaultValue) const
{
    const auto v = find(sectionName, key);
    if (!v)
        return defaultValue;
    return parseInteger(*v).value_or(defaultValue);
}

bool IniReader::readBool(std::string_view sectionName, std::string_view key, bool defaultValue) const
{
    return readInteger(sectionName, key, defaultValue ? 1 : 0) != 0;
}

// ---------------------------------------------------------------------------------------------
// Writing

IniWriter::Section& IniWriter::sectionFor(std::string_view name)
{
    auto [it, inserted] = sectionIndex_.try_emplace(FoldIniName(name), sections_.size());
    if (inserted)
        sections_.emplace_back().name = std::string(name);
    return sections_[it->second];
}

void IniWriter::writeString(std::string_view sectionName, std::string_view key, std::string_view value)
{
    Section& s = sectionFor(sectionName);
    std::size_t number = 0;
    if (PlainNumber(Trim(key), number)) {
        if (number < s.numbered.size() && s.numbered[number]) {
            s.entries[s.numbered[number] - 1].second.assign(value);
            return;
        }
        // Lists are written in order, so the vector grows with the section.
        if (number < 2 * s.entries.size() + 1024 && !(s.numbersIndexed && s.index.count(FoldIniName(key)))) {
            if (number >= s.numbered.size())
                s.numbered.resize(number + 1);
            s.entries.emplace_back(std::string(key), std::string(value));
            s.numbered[number] = s.entries.size();
            return;
        }
        s.numbersIndexed = true;
    }
    auto [it, inserted] = s.index.try_emplace(FoldIniName(key), s.entries.size());
    if (inserted)
        s.entries.emplace_back(std::string(key), std::string(value));
    else
        s.entries[it->second].second.assign(value);
}

void IniWriter::writeInteger(std::string_view sectionName, std::string_view key, long long value)
{
    writeString(sectionName, key, std::to_string(value));
}

void IniWriter::writeBool(std::string_view sectionName, std::string_view key, bool value)
{
    writeString(sectionName, key, value ? "1" : "0");
}

std::string IniWriter::text() const
{
    std::size_t size = 0;
    for (const auto& s : sections_) {
        size += s.name.size() + 4;
        for (const auto& [k, v] : s.entries)
            size += k.size() + v.size() + 3;
    }
    std::string out;
    out.reserve(size);
    for (const auto& s : sections_) {
        out += '[';
        out += s.name;
        out += "]\r\n";
        for (const auto& [k, v] : s.entries) {
            out += k;
            out += '=';
            out += v;
            out += "\r\n";
        }
    }
    return out;
}

void IniWriter::saveTo(const std::string& fileName) const
{
    WriteFileReplacing(fileName, text());
}

// ---------------------------------------------------------------------------------------------
// Files

void WriteFileReplacing(const std::string& fileName, std::string_view bytes)
{
    namespace fs = std::filesystem;
    static std::atomic<unsigned> counter{0};
    const fs::path target(fileName);
    std::error_code ec;
    if (fileName.empty() || fs::is_directory(target, ec))
        throw FileError::unableToWrite(MessageName(fileName));

    const auto stamp = static_cast<unsigned long long>(std::chrono::steady_clock::now().time_since_epoch().count());
    std::string tempName;
    std::FILE* f = nullptr;
    for (int attempt = 0; attempt < 16 && !f; ++attempt) {
        char suffix[48];
        std::snprintf(suffix, sizeof suffix, ".%llx-%x.tmp", stamp, counter++);
        tempName = fileName + suffix;
        f = std::fopen(tempName.c_str(), "wbx");
    }
    if (!f)
        throw FileError::unableToWrite(MessageName(fileName));
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    ok = std::fflush(f) == 0 && ok;
    ok = std::fclose(f) == 0 && ok;
    if (ok) {
        // A file replaced keeps its permissions.
        const fs::file_status old = fs::status(target, ec);
        if (!ec && fs::is_regular_file(old))
            fs::permissions(fs::path(tempName), old.permissions(), ec);
        fs::rename(fs::path(tempName), target, ec);
        ok = !ec;
    }
    if (!ok) {
        fs::remove(fs::path(tempName), ec);
        throw FileError::unableToWrite(MessageName(fileName));
    }
}

std::string ReadWholeFile(const std::string& fileName)
{
    std::FILE* f = std::fopen(fileName.c_str(), "rb");
    if (!f)
        throw FileError::cannotOpen(MessageName(fileName));
    std::string bytes;
    std::error_code ec;
    const auto size = std::filesystem::file_size(std::filesystem::path(fileName), ec);
    if (!ec)
        bytes.reserve(static_cast<std::size_t>(size));
    char buffer[1 << 16];
    std::size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0)
        bytes.append(buffer, n);
    const bool failed = std::ferror(f) != 0; // a folder opens but cannot be read
    std::fclose(f);
    if (failed)
        throw FileError::cannotOpen(MessageName(fileName));
    return bytes;
}

} // namespace kalimor
