// libFuzzer target: the project file reader, and a save of what it read opened once more.
#include "core/Errors.h"
#include "work/ProjectFile.h"
#include "work/Work.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    kalimor::Work work;
    try {
        kalimor::OpenProjectText(work, std::string(reinterpret_cast<const char*>(data), size), "fuzz.srv");
    } catch (const kalimor::KalimorError&) {
        return 0; // a count that is not a number, or a refraction text the adjustment cannot read
    }
    // Large stored lists only repeat the same paths; keep the run fast.
    if (work.import.rows.size() + work.piket.statement.size() > 20000)
        return 0;
    std::string saved;
    try {
        saved = kalimor::ProjectText(work);
    } catch (const kalimor::ConversionError&) {
        return 0; // the refraction text of the file is not a number: the save refuses it
    }
    // What the program saved must open again without an error.
    kalimor::Work again;
    kalimor::OpenProjectText(again, saved, "fuzz.srv");
    return 0;
}
