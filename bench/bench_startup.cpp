// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up: from starting the heliodial process to its main window's first
// paint (offscreen), and the process's peak resident memory.
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace {

std::string ProgramPath()
{
    // The benchmark lives in <build>/bench, the program in <build>.
    char self[4096];
    const ssize_t length = readlink("/proc/self/exe", self, sizeof self - 1);
    if (length <= 0)
        return "heliodial";
    std::string path(self, static_cast<std::size_t>(length));
    path = path.substr(0, path.rfind('/'));
    return path.substr(0, path.rfind('/')) + "/heliodial";
}

void StartUp(benchmark::State &state)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    setenv("HELIODIAL_QUIT_AFTER_FIRST_PAINT", "1", 1);
    const std::string program = ProgramPath();
    long peakKb = 0;
    for (auto _ : state) {
        pid_t child = 0;
        char *const args[] = {const_cast<char *>(program.c_str()), nullptr};
        if (posix_spawn(&child, program.c_str(), nullptr, nullptr, args, environ) != 0) {
            state.SkipWithError("cannot start heliodial");
            return;
        }
        int status = 0;
        rusage usage{};
        wait4(child, &status, 0, &usage);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            state.SkipWithError("heliodial did not exit cleanly");
            return;
        }
        peakKb = std::max(peakKb, usage.ru_maxrss);
    }
    state.counters["peak_rss_MB"] = double(peakKb) / 1024;
}
BENCHMARK(StartUp)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(5)
    ->ReportAggregatesOnly();

} // namespace

BENCHMARK_MAIN();
