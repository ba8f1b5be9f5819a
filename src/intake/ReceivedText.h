#pragma once
// The text received over the serial line (view "redownload") and its line counter.
#include <string>
#include <vector>

namespace kalimor {

struct ReceivedText {
    std::string text; // Windows-1251, exactly as received
};

} // namespace kalimor
