// What a surveyor waits for on the page "Импорт": a 100 000-line instrument file read into
// the table, "Показать" over all its rows, and saving them as .utf.
#include "core/Codepage.h"
#include "intake/ImportTable.h"
#include "intake/InstrumentImport.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>

using namespace kalimor;

namespace {

constexpr int kLines = 100000;

std::string At(std::string line, std::size_t position, const std::string& text)
{
    if (line.size() < position - 1 + text.size())
        line.resize(position - 1 + text.size(), ' ');
    line.replace(position - 1, text.size(), text);
    return line;
}

// One measurement line of the variant, numbered i.
std::string Line(int variant, int i)
{
    const std::string n = std::to_string(i);
    const std::string hz = std::to_string(i % 360) + ".2512";
    switch (variant) {
    case kRecordersSlope: {
        // The four kinds in turn.
        switch (i % 4) {
        case 0:
            return At(At(At(At(At("For M5|Adr ", 12, n.substr(0, 5)), 22, "PI" + n), 58, "154.321"), 81, hz), 104,
                      "91.1619");
        case 1:
            return At(At(At(At("For R4|", 11, "PT" + n), 22, "100.5"), 42, hz), 62, "-1.2513");
        case 2:
            return At(At(At(At(At("For R5|Adr ", 12, n.substr(0, 4)), 20, "ST" + n), 31, "55.5"), 51, hz), 71, "0.5");
        default:
            return At(At(At(At(At("   ", 4, n.substr(0, 4)), 19, "REC"), 39, "33.3"), 54, hz), 70, "5.5");
        }
    }
    case kR5Zenith:
        return At(At(At(At(At("For R5|Adr ", 12, n.substr(0, 4)), 20, "ST" + n), 31, "55.5"), 51, hz), 71, "91.1619");
    case k3Ta5Slope:
    case k3Ta5Horizontal:
        return At(At(At(At("2311", 12, "P" + n.substr(0, 4)), 30, "123.456"), 45, std::to_string(i % 3600000)), 56,
                  "0030000");
    case kSdrVerticalUp:
    case kSdrVerticalDown:
        return At(At(At(At("09F1           STLEV", 33, std::to_string(1000 + i % 9000)), 37, "79.32300000"), 53,
                     "92.85694444"),
                  69, "212.36416667");
    default:
        return n + " 154.321 " + hz + " -1.2513 " + (i % 7 ? "0" : "1") + " PT" + n;
    }
}

std::string TempPath(const std::string& name)
{
    return (std::filesystem::temp_directory_path() / ("kalimor-bench-" + name)).string();
}

std::string WriteSample(int variant)
{
    std::string text;
    text.reserve(kLines * 120);
    for (int i = 1; i <= kLines; ++i) {
        text += Line(variant, i);
        text += "\r\n";
    }
    const std::string path = TempPath("import-" + std::to_string(variant) + ".txt");
    std::FILE* f = std::fopen(path.c_str(), "wb");
    std::fwrite(text.data(), 1, text.size(), f);
    std::fclose(f);
    return path;
}

void BM_ImportFile(benchmark::State& state)
{
    const int variant = static_cast<int>(state.range(0));
    const std::string path = WriteSample(variant);
    ImportPage page;
    page.edFileName = Utf8ToCp1251(path);
    for (auto _ : state) {
        ImportInstrumentFile(page, variant);
        benchmark::DoNotOptimize(page.rows.data());
    }
    if (page.rows.size() != kLines)
        state.SkipWithError("not every line became a row");
    std::filesystem::remove(path);
}
BENCHMARK(BM_ImportFile)->DenseRange(1, kImportVariantCount)->Unit(benchmark::kMillisecond);

ImportPage ImportedRows()
{
    std::string text;
    for (int i = 1; i <= kLines; ++i)
        text += Line(kUserText, i) + "\r\n";
    ImportPage page;
    ImportContent(page, text, kUserText);
    return page;
}

void BM_ShowWholeRange(benchmark::State& state)
{
    ImportPage page = ImportedRows();
    for (auto _ : state) {
        ShowImportRange(page);
        benchmark::DoNotOptimize(page.rows.data());
    }
    if (page.rows.size() != kLines)
        state.SkipWithError("range lost rows");
}
BENCHMARK(BM_ShowWholeRange)->Unit(benchmark::kMillisecond);

void BM_SaveUtf(benchmark::State& state)
{
    const ImportPage page = ImportedRows();
    const std::string name = Utf8ToCp1251(TempPath("save"));
    for (auto _ : state)
        SaveImportTable(page, name);
    std::filesystem::remove(TempPath("save.utf"));
}
BENCHMARK(BM_SaveUtf)->Unit(benchmark::kMillisecond);

} // namespace
