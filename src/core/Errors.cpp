#include "core/Errors.h"

namespace kalimor {

ConversionError::ConversionError(const std::string& text)
    : KalimorError("'" + text + "' is not a valid floating point value")
{
}

FileError FileError::cannotOpen(const std::string& fileName)
{
    return FileError("Cannot open file " + fileName);
}

FileError FileError::unableToWrite(const std::string& fileName)
{
    return FileError("Unable to write to " + fileName);
}

} // namespace kalimor
