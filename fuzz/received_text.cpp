// Whatever the line delivers, cut into whatever chunks: the text is kept byte for byte, and the
// counter and the view agree with counting the whole text at once.
#include "intake/ReceivedText.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    // The first byte chooses the chunk lengths, the rest is what the instrument sent.
    const std::size_t step = 1 + data[0] % 17;
    const std::string_view sent(reinterpret_cast<const char*>(data + 1), size - 1);

    kalimor::ReceivedText received;
    std::string shown;
    for (std::size_t at = 0, n = step; at < sent.size(); at += n, n = n % 7 + step)
        shown += received.append(sent.substr(at, n));

    kalimor::ReceivedText whole;
    whole.assign(std::string(sent));
    if (received.text != sent || received.lineCount() != whole.lineCount() || shown != whole.viewText() ||
        received.lines() != whole.lines() || received.lines().size() != received.lineCount() || received.sync())
        std::abort();
    return 0;
}
