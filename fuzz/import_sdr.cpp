// libFuzzer target: instrument file import, variants 5..6 (the first byte picks one).
#include "import_fuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzImport(data, size, 5, 2);
    return 0;
}
