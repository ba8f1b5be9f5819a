// Formatting angles for statements: a statement of 2000 pickets formats 4000 angles.
#include "core/Angles.h"

#include <benchmark/benchmark.h>

#include <vector>

using namespace kalimor;

namespace {

std::vector<double> packedAngles()
{
    std::vector<double> v;
    for (int d = 0; d < 360; d += 7)
        for (int m = 0; m < 60; m += 13)
            v.push_back(d + m / 100.0 + 0.00456);
    return v;
}

void BM_PackedToAngleText(benchmark::State& state)
{
    const auto notation = static_cast<AngleNotation>(state.range(0));
    const std::vector<double> angles = packedAngles();
    std::size_t i = 0;
    for (auto _ : state) {
        std::string text = PackedToAngleText(notation, angles[i]);
        benchmark::DoNotOptimize(text);
        i = (i + 1) % angles.size();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_PackedToAngleText)->Arg(0)->Arg(1)->Arg(2)->Arg(3);

void BM_RadiansToAngleText(benchmark::State& state)
{
    const auto notation = static_cast<AngleNotation>(state.range(0));
    std::vector<double> angles;
    for (int k = 0; k < 1000; ++k)
        angles.push_back(k * 0.006283185307179586 + 1e-7);
    std::size_t i = 0;
    for (auto _ : state) {
        std::string text = RadiansToAngleText(notation, angles[i]);
        benchmark::DoNotOptimize(text);
        i = (i + 1) % angles.size();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_RadiansToAngleText)->Arg(0)->Arg(1)->Arg(2)->Arg(3);

} // namespace
