// libFuzzer target: instrument file import, the user text format.
#include "import_fuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzImport(data, size, 7, 1);
    return 0;
}
