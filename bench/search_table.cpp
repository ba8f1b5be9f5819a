// One "Найти далее" in an import table of 100 000 rows: the worst case walks every row
// (the only match is the current row itself, or no row matches).
#include "work/Search.h"
#include "work/Work.h"

#include <benchmark/benchmark.h>

#include <string>

using namespace kalimor;

namespace {
Work bigImport(std::size_t rows)
{
    Work w;
    w.import.rows.resize(rows);
    for (std::size_t i = 0; i < rows; ++i) {
        auto& row = w.import.rows[i];
        row.address = std::to_string(i + 1);
        row.slopeDistance = "154.321";
        row.horizontalAngle = "123.30456";
        row.verticalAngle = "-1.2513";
        row.note = "PT" + std::to_string(i + 1);
    }
    return w;
}
} // namespace

static void BM_FindNextWrapsToCurrentRow(benchmark::State& state)
{
    const Work w = bigImport(static_cast<std::size_t>(state.range(0)));
    const long current = 50'000;
    for (auto _ : state) {
        auto found = FindImportRow(w, 8, current, "pt50001"); // only the current row matches
        benchmark::DoNotOptimize(found);
    }
}
BENCHMARK(BM_FindNextWrapsToCurrentRow)->Arg(100'000)->Unit(benchmark::kMillisecond);

static void BM_FindNextNoMatch(benchmark::State& state)
{
    const Work w = bigImport(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        auto found = FindImportRow(w, 1, 0, "x");
        benchmark::DoNotOptimize(found);
    }
}
BENCHMARK(BM_FindNextNoMatch)->Arg(100'000)->Unit(benchmark::kMillisecond);
