// "Посчитать" for 2000 pickets in the engine: the computation and the statement lines.
#include "core/ProcessingSettings.h"
#include "tacheometry/PiketCalc.h"

#include <benchmark/benchmark.h>

using namespace kalimor;

namespace {

PiketPage TwoThousandPickets(int templateItem)
{
    PiketPage p;
    p.ckbAutoManual = false;
    p.edTC = "ST1";
    p.edTO = "ST2";
    p.neTCX = "6543214.657";
    p.neTCY = "2345489.027";
    p.nehcenter = "151.776";
    p.nei = "1.4";
    p.neTOX = "6543188.903";
    p.neTOY = "2345341.771";
    p.neito = "2";
    p.cbSelectPiketTemplate = templateItem;
    p.sePointPiketCount = kMaxPickets;
    for (int k = 0; k < kMaxPickets; ++k) {
        Picket& r = p.pickets[static_cast<std::size_t>(k)];
        r.name = "P" + std::to_string(k + 1);
        r.slopeDistance = k % 50 == 49 ? 0 : 5 + (k * 37 % 1000) / 10.0;
        r.horizontalAngle = (k * 7919 % 360) + 0.3045;
        r.verticalAngle = (k % 7) - 3 + 0.1530;
    }
    p.neSDpiket = "5";
    p.neHzPiket = "0.3045";
    p.neV3piket = "-2.847";
    return p;
}

// A fresh statement each time: title, station block, heading and 2000 rows.
void BM_CalcPickets(benchmark::State& state)
{
    const PiketPage start = TwoThousandPickets(static_cast<int>(state.range(0)));
    PiketPage p = start;
    ProcessingSettings s;
    s.ckbhoriz = s.ckbRef = true;
    for (auto _ : state) {
        state.PauseTiming();
        p.statement.clear();
        p.titlePending = p.stationBlockPending = true;
        state.ResumeTiming();
        btnCalcPiketClick(p, s, 0);
        benchmark::DoNotOptimize(p.statement.data());
    }
    state.SetItemsProcessed(state.iterations() * kMaxPickets);
}
BENCHMARK(BM_CalcPickets)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Runs appended to a statement that already holds 250 runs (500 000 lines).
void BM_CalcPicketsAppend(benchmark::State& state)
{
    PiketPage p = TwoThousandPickets(1);
    ProcessingSettings s;
    for (int run = 0; run < 250; ++run)
        btnCalcPiketClick(p, s, 0);
    const std::size_t base = p.statement.size();
    for (auto _ : state) {
        state.PauseTiming();
        p.statement.resize(base);
        state.ResumeTiming();
        btnCalcPiketClick(p, s, 0);
        benchmark::DoNotOptimize(p.statement.data());
    }
}
BENCHMARK(BM_CalcPicketsAppend)->Unit(benchmark::kMillisecond);

} // namespace
