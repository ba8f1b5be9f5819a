// What the surveyor waits for on "Уравнять": a 200-point traverse read from its table,
// adjusted, written back and put into a statement (target: under 0.5 ms); and the whole
// kalimor-cli adjust process on the demo project (target: under 30 ms).
#include "traverse/CourseTable.h"
#include "work/CourseCommands.h"
#include "work/Work.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

namespace {

using namespace kalimor;

// An open traverse of 200 points heading north-east with small angle and length variations.
void TypeLongTraverse(Work& work)
{
    CoursePage& page = work.course;
    page.cbSelectCourseTemplate = 1;
    SetCoursePointCount(work, kMaxCoursePoints);
    for (int k = 0; k < kMaxCoursePoints; ++k) {
        SetCourseCellText(page, PointRow(k), col::Name, "T" + std::to_string(k + 1));
        SetCourseCellText(page, PointRow(k), col::Hz, k % 2 ? "179.5957" : "180.0003");
        SetCourseCellText(page, PointRow(k), col::IV, "1.5");
        if (k < kMaxCoursePoints - 1) {
            SetCourseCellText(page, LegRow(k), col::SD, std::to_string(120 + k % 7 * 0.013));
            SetCourseCellText(page, LegRow(k), col::V, k % 3 ? "0.1512" : "-0.1204");
            SetCourseCellText(page, LegRow(k), col::IV, "1.7");
        }
    }
    SetCourseCellText(page, 0, col::Dir, "45");
    SetCourseCellText(page, LastRow(kMaxCoursePoints), col::Dir, "45");
    SetCourseCellText(page, PointRow(0), col::X, "6543000");
    SetCourseCellText(page, PointRow(0), col::Y, "2345000");
    SetCourseCellText(page, PointRow(0), col::H, "150");
    SetCourseCellText(page, PointRow(kMaxCoursePoints - 1), col::X, "6559895.2");
    SetCourseCellText(page, PointRow(kMaxCoursePoints - 1), col::Y, "2361895.2");
    SetCourseCellText(page, PointRow(kMaxCoursePoints - 1), col::H, "152.3");
}

void BM_AdjustCourse200Points(benchmark::State& state)
{
    Work work;
    TypeLongTraverse(work);
    for (auto _ : state) {
        AdjustCourse(work);
        benchmark::DoNotOptimize(work.course.statement.data());
    }
    state.counters["statement_lines"] = static_cast<double>(work.course.statement.size());
}
BENCHMARK(BM_AdjustCourse200Points)->Unit(benchmark::kMicrosecond);

void BM_CliAdjustDemo(benchmark::State& state)
{
    const std::string command = std::string(KALIMOR_CLI) + " adjust " + KALIMOR_EXAMPLES + "/demo.srv >/dev/null 2>&1";
    for (auto _ : state)
        benchmark::DoNotOptimize(std::system(command.c_str()));
}
BENCHMARK(BM_CliAdjustDemo)->Unit(benchmark::kMillisecond)->Iterations(30);

} // namespace
