// Receiving 10 MB from an instrument in 4 KB chunks: the engine's share (appending and
// keeping the line counter) must stay far below what a user would notice.
#include "intake/ReceivedText.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

// About 10 MB of instrument lines with CR LF breaks, some split between chunks.
std::string InstrumentStream()
{
    std::string data;
    const std::size_t target = 10u * 1024 * 1024;
    data.reserve(target + 256);
    for (unsigned i = 0; data.size() < target; ++i)
        data += std::to_string(i) + "  123.4560  45.3020  91.1512  1.550  PK" + std::to_string(i % 997) +
                "  0.000  0.000  ======================================================\r\n";
    return data;
}

void ReceiveTenMegabytesInChunks(benchmark::State& state)
{
    const std::string data = InstrumentStream();
    const std::size_t chunk = 4096;
    std::size_t lines = 0;
    for (auto _ : state) {
        kalimor::ReceivedText received;
        for (std::size_t at = 0; at < data.size(); at += chunk)
            benchmark::DoNotOptimize(received.append(std::string_view(data).substr(at, chunk)));
        lines = received.lineCount();
        benchmark::DoNotOptimize(lines);
    }
    state.counters["lines"] = static_cast<double>(lines);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * data.size()));
}
BENCHMARK(ReceiveTenMegabytesInChunks)->Unit(benchmark::kMillisecond);

// A project opened or new work replaces the text; the page then checks it once.
void SyncAfterReplacement(benchmark::State& state)
{
    const std::string data = InstrumentStream();
    kalimor::ReceivedText received;
    for (auto _ : state) {
        received.text = data;
        benchmark::DoNotOptimize(received.sync());
    }
}
BENCHMARK(SyncAfterReplacement)->Unit(benchmark::kMillisecond);

} // namespace
