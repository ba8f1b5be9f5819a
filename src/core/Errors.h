#pragma once
// Errors that stop a command. The message is Windows-1251 text, shown as it stands.
#include <stdexcept>
#include <string>

namespace kalimor {

class KalimorError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A text that should have been a number was not.
class ConversionError : public KalimorError {
public:
    explicit ConversionError(const std::string& text);
};

// A file could not be read or written.
class FileError : public KalimorError {
public:
    using KalimorError::KalimorError;
    static FileError cannotOpen(const std::string& fileName);    // "Cannot open file %s"
    static FileError unableToWrite(const std::string& fileName); // "Unable to write to %s"
};

} // namespace kalimor
