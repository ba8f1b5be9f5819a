// libFuzzer target: the tacheometry statement reader over hand-edited lines, and the
// in-memory parts of the writers that take its rows.
#include "core/NumberParse.h"
#include "export/StatementReader.h"
#include "export/TextWriters.h"
#include "export/WorkbookWriter.h"

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
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    kalimor::WorkbookWriter writer = kalimor::ExportWorkbookWriter();
    writer.BeginWorkbook();
    std::uint16_t row = 1;
    std::size_t start = 0;
    while (start <= text.size()) {
        auto end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        const std::string_view line = text.substr(start, end - start);
        start = end + 1;

        std::string x, y;
        if (kalimor::ReadStationLine(line, x, y))
            Check(!HasBlank(x) && !HasBlank(y) && x.size() <= 12 && y.size() <= 12);

        const kalimor::StatementRow r = kalimor::ReadStatementRow(line);
        if (r.kind == kalimor::StatementRow::NoRow) {
            Check(r.name.empty() && r.x.empty() && r.y.empty() && r.h.empty());
            continue;
        }
        const auto n = line.size();
        Check(n == 88 || n == 99 || n == 116 || n == 138);
        Check(!HasBlank(r.name) && !HasBlank(r.x) && !HasBlank(r.y) && !HasBlank(r.h));
        Check(r.h.find('*') == std::string::npos);
        Check((r.kind == kalimor::StatementRow::PlanRow) == (n == 88 || n == 116));
        if (r.kind == kalimor::StatementRow::PlanRow)
            Check(r.h.empty());

        const bool threeD = r.kind != kalimor::StatementRow::PlanRow;
        Check(kalimor::TopLine(r.name, r.x, r.y, r.h, threeD).size() >= 55);

        const auto before = writer.Stream().size();
        writer.WriteText(row, 1, r.name);
        Check(writer.Stream().size() == before + 12 + r.name.size());
        double vx = 0, vy = 0;
        if (kalimor::TryStrToFloat(r.x, vx) && kalimor::TryStrToFloat(r.y, vy)) {
            writer.WriteNumber(row, 2, vx);
            writer.WriteNumber(row, 3, vy);
        }
        writer.WriteText(row, 4, r.h);
        if (row < kalimor::WorkbookWriter::kLastRow)
            ++row;
    }
    writer.EndWorkbook();
    return 0;
}
