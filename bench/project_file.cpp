// Opening and saving a large project: 200 traverse points, 20 000 tacheometry statement lines,
// 100 000 import rows and 50 000 received lines, about 10 MB.
//
// The peak memory of an open is measured in a fresh process (this program run with
// "--open-peak FILE"), so that building the test work does not count.
#include "traverse/CourseTable.h"
#include "work/CourseCommands.h"
#include "work/ProjectFile.h"
#include "work/Work.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace kalimor;

namespace {

void FillLargeWork(Work& w)
{
    NewWork(w);
    SetCoursePointCount(w, 200);
    for (int i = 0; i < 200; ++i) {
        SetCourseCellText(w.course, PointRow(i), col::Name, "PT" + std::to_string(i + 1));
        SetCourseCellText(w.course, PointRow(i), col::Hz, "179.5" + std::to_string(100 + i % 60));
        SetCourseCellText(w.course, PointRow(i), col::IV, "1.52");
        if (i < 199) {
            SetCourseCellText(w.course, LegRow(i), col::SD, std::to_string(120 + i % 37) + ".345");
            SetCourseCellText(w.course, LegRow(i), col::V, "0.0" + std::to_string(1000 + i));
            SetCourseCellText(w.course, LegRow(i), col::IV, "1.6");
        }
    }
    SetCourseCellText(w.course, 0, col::Dir, "45.3012");
    SetCourseCellText(w.course, LastRow(200), col::Dir, "47.1533");
    SetCourseCellText(w.course, PointRow(0), col::X, "6543210.123");
    SetCourseCellText(w.course, PointRow(0), col::Y, "2345678.456");
    SetCourseCellText(w.course, PointRow(199), col::X, "6560000.5");
    SetCourseCellText(w.course, PointRow(199), col::Y, "2362000.25");

    w.piket.statement.reserve(20000);
    char line[128];
    for (int k = 0; k < 20000; ++k) {
        std::snprintf(line, sizeof line, "  %-10d %10.3f %12s %12s %10.3f %13.3f %13.3f %9.3f", k + 1,
                      50.0 + k % 300 * 0.731, "123\xb0" "45'12\"", "-1\xb0" "03'05\"", 49.987 + k % 300 * 0.7,
                      6543210.123 + k * 0.01, 2345678.456 + k * 0.02, 150.0 + k % 50 * 0.1);
        w.piket.statement.emplace_back(line);
    }
    w.import.rows.reserve(100000);
    for (int k = 0; k < 100000; ++k) {
        ImportRow r;
        r.address = std::to_string(1000 + k);
        r.slopeDistance = std::to_string(10 + k % 500) + ".345";
        r.horizontalAngle = std::to_string(k % 360) + ".3045";
        r.verticalAngle = "-0.0" + std::to_string(100 + k % 800);
        r.station = k % 50 == 0;
        r.note = k % 10 == 0 ? "corner of house" : "";
        w.import.rows.push_back(std::move(r));
    }
    w.import.selected.assign(w.import.rows.size(), false);
    std::string received;
    received.reserve(50000 * 40);
    for (int k = 0; k < 50000; ++k) {
        std::snprintf(line, sizeof line, "%06d  %9.3f %9.4f %8.4f\r\n", k + 1, 12.5 + k % 400, 123.3045, 91.0512);
        received += line;
    }
    w.received.assign(std::move(received));
}

const std::string& LargeProjectFile()
{
    static const std::string name = [] {
        const fs::path p = fs::temp_directory_path() / ("kalimor-bench-large-" + std::to_string(getpid()) + ".srv");
        Work w;
        FillLargeWork(w);
        SaveProject(w, p.string());
        return p.string();
    }();
    return name;
}

void BM_OpenLargeProject(benchmark::State& state)
{
    const std::string& file = LargeProjectFile();
    for (auto _ : state) {
        Work w;
        OpenProject(w, file);
        benchmark::DoNotOptimize(w.import.rows.data());
    }
    state.counters["MB"] = static_cast<double>(fs::file_size(file)) / 1e6;
}
BENCHMARK(BM_OpenLargeProject)->Unit(benchmark::kMillisecond);

void BM_SaveLargeProject(benchmark::State& state)
{
    Work w;
    OpenProject(w, LargeProjectFile());
    const std::string target = LargeProjectFile() + ".saved.srv";
    for (auto _ : state)
        SaveProject(w, target);
    fs::remove(target);
}
BENCHMARK(BM_SaveLargeProject)->Unit(benchmark::kMillisecond);

// Peak resident memory of a process that opens the large project and ends.
void BM_OpenLargeProjectPeakMemory(benchmark::State& state)
{
    const std::string& file = LargeProjectFile();
    long peakKb = 0;
    for (auto _ : state) {
        const pid_t child = fork();
        if (child == 0) {
            execl("/proc/self/exe", "project_file", "--open-peak", file.c_str(), static_cast<char*>(nullptr));
            _exit(127);
        }
        int status = 0;
        rusage usage{};
        wait4(child, &status, 0, &usage);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            state.SkipWithError("the measuring process failed");
            break;
        }
        peakKb = usage.ru_maxrss;
    }
    state.counters["peak_MB"] = static_cast<double>(peakKb) / 1024.0;
}
BENCHMARK(BM_OpenLargeProjectPeakMemory)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && std::strcmp(argv[1], "--open-peak") == 0) {
        Work w;
        OpenProject(w, argv[2]);
        return w.course.SePointCourseCount == 200 ? 0 : 1;
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    fs::remove(LargeProjectFile());
    return 0;
}
