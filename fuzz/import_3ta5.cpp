// libFuzzer target: instrument file import, variants 3..4 (the first byte picks one).
#include "import_fuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzImport(data, size, 3, 2);
    return 0;
}
