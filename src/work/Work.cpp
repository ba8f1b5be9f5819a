#include "work/Work.h"

#include "core/Codepage.h"

namespace kalimor {

Work::Work()
    : caption(Ru("Kalimor [Тахеометрия] - Новая работа"))
{
}

const char* VersionText()
{
    return KALIMOR_VERSION_TEXT;
}

} // namespace kalimor
