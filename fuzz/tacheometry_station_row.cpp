// libFuzzer target: "В ТС" and "В ТО" over hand-edited statement lines, then "Посчитать"
// with whatever the row gave the station fields.
#include "core/Errors.h"
#include "core/ProcessingSettings.h"
#include "tacheometry/PiketCalc.h"
#include "tacheometry/StationFromRow.h"

#include "FuzzChecks.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

using fuzzcheck::Check;
using fuzzcheck::HasBlank;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace kalimor;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    PiketPage piket;
    piket.ckbAutoManual = false;
    piket.cbSelectPiketTemplate = size % 2 == 0 ? 1 : 0;
    std::size_t start = 0;
    while (start <= text.size() && piket.statement.size() < 200) {
        auto end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        piket.statement.emplace_back(text.substr(start, end - start));
        start = end + 1;
    }
    const int lines = static_cast<int>(piket.statement.size());
    ProcessingSettings settings;
    for (int line = -1; line <= lines; ++line) {
        rePiketMouseDown(piket, line);
        const auto tc = btnToTCPiketClick(piket);
        const auto to = btnToTOPiketClick(piket);
        Check(tc.has_value() == to.has_value());
        if (lines < 2) {
            Check(!tc);
            continue;
        }
        if (!tc) {
            Check(!HasBlank(piket.edTC) && !HasBlank(piket.neTCX) && !HasBlank(piket.neTCY));
            Check(!HasBlank(piket.nehcenter) && piket.edTC.size() <= 9 && piket.neTCX.size() <= 12);
        }
    }
    const std::size_t before = piket.statement.size();
    try {
        btnCalcPiketClick(piket, settings, static_cast<int>(size % 2));
        // A computed run ends with the row of its one picket and the closing rule.
        Check(piket.statement.size() >= 2);
        Check(piket.statement.back() == PiketRule(piket.cbSelectPiketTemplate));
        Check(piket.statement[piket.statement.size() - 2].substr(0, 2) == " [");
        Check(!piket.stationBlockPending);
    } catch (const KalimorError&) {
        Check(piket.statement.size() >= before);
    }
    return 0;
}
