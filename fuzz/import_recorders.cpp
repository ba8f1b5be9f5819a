// libFuzzer target: instrument file import, variants 1..2 (the first byte picks one).
#include "import_fuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzImport(data, size, 1, 2);
    return 0;
}
