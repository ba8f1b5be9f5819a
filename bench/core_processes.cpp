// What a user waits for from a cold start: kalimor-cli inverse, and the window's screenshot
// (when the window is built). Each iteration starts a fresh process.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace {

int runProcess(std::vector<std::string> argv)
{
    std::vector<char*> args;
    for (auto& a : argv)
        args.push_back(a.data());
    args.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    int status = -1;
    if (posix_spawn(&pid, args[0], &actions, nullptr, args.data(), environ) == 0)
        waitpid(pid, &status, 0);
    posix_spawn_file_actions_destroy(&actions);
    return status;
}

void BM_CliInverse(benchmark::State& state)
{
    for (auto _ : state) {
        const int status = runProcess({KALIMOR_CLI, "inverse", "6071.2", "4321.9", "5000", "5100.33"});
        if (status != 0)
            state.SkipWithError("kalimor-cli inverse failed");
    }
}
BENCHMARK(BM_CliInverse)->Unit(benchmark::kMillisecond)->UseRealTime();

#ifdef KALIMOR_WINDOW
void BM_WindowScreenshot(benchmark::State& state)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    for (auto _ : state) {
        const int status = runProcess({KALIMOR_WINDOW, "--screenshot", "/tmp/kalimor-bench-window.png"});
        if (status != 0)
            state.SkipWithError("kalimor --screenshot failed");
    }
}
BENCHMARK(BM_WindowScreenshot)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10);
#endif

} // namespace
