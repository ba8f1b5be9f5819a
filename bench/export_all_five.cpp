// All five exports of a 2000-row tacheometry statement, as "Все ведомости сразу" writes them.
#include "core/Codepage.h"
#include "export/Exports.h"
#include "work/Work.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>

namespace {

std::string Right(const std::string& text, std::size_t width)
{
    return text.size() < width ? std::string(width - text.size(), ' ') + text : text;
}

// A 3D statement: title, station block, heading, 2000 picket rows (every tenth a remote
// height), closing rule.
std::vector<std::string> Statement()
{
    std::vector<std::string> lines = {
        std::string(98, ' '),
        Ru("                              ВЕДОМОСТЬ ВЫЧИСЛЕНИЯ ТАХЕОМЕТРИИ"),
        std::string(98, ' '),
        std::string(98, ' '),
        Ru(" Точка стояния : ТС1          X: 6543210.123  Y: 2345678.456  H: 150          "
           "i: 1.5         "),
        Ru(" Точка ориент. : ТО2          X: 6543310      Y: 2345678.456                  "
           "  v: 2           ")};
    const std::string rule = " " + std::string(98, '-');
    lines.insert(lines.end(), {rule,
                               Ru(" |  Пикет   | Горизонтальный |  Вертикальный  | Расстояние |                "
                                  "Координаты            |"),
                               Ru(" |          |      угол      |      угол      |    (SD),м  |     X, м    |     Y, "
                                  "м    |   H,м    |"),
                               rule, rule});
    for (int i = 0; i < 2000; ++i) {
        const std::string x = std::to_string(6543200 + i) + ".125";
        const std::string y = std::to_string(2345600 + i) + ".75";
        std::string row = " [" + Right("P" + std::to_string(i + 1), 9) + " |" + Right("123 45 06", 15) + " |" +
                          Right("-1 02 03", 15) + " |" + Right("57.314", 11) + " |" + Right(x, 12) + " |" +
                          Right(y, 12);
        row += i % 10 == 9 ? " |*" + Right("1.234", 8) + " ]" : " |" + Right("148.912", 9) + " ]";
        lines.push_back(std::move(row));
    }
    lines.push_back(rule);
    return lines;
}

void AllFiveExportsOf2000Rows(benchmark::State& state)
{
    kalimor::Work work;
    work.piket.statement = Statement();
    const auto folder = std::filesystem::temp_directory_path() / "kalimor-export-bench";
    std::filesystem::create_directories(folder);
    const std::string chosen = (folder / "obj").string();
    kalimor::WorkbookWriter writer = kalimor::ExportWorkbookWriter();
    for (auto _ : state) {
        kalimor::ExportFiles files;
        kalimor::RunExport(work, writer, kalimor::ExportSource::Tacheometry, kalimor::kExportAll, chosen, files);
        benchmark::DoNotOptimize(files);
        if (files.written.size() != 9)
            state.SkipWithError("not every file was written");
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK(AllFiveExportsOf2000Rows)->Unit(benchmark::kMillisecond);

} // namespace
