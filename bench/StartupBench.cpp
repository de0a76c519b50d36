// Start-up time: from launching a process to its main window's first paint, and memory:
// the peak resident size of the run and the private part at first paint, for the program
// and, side by side, for the least Qt dialog (the floor). The program runs once on a
// settings store of its own each time (a first run) and once on a store that earlier runs
// filled. Uses the display of the environment: run under Xvfb (xvfb-run) or with
// QT_QPA_PLATFORM=offscreen.
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

extern char** environ;

namespace {

long long NowNanoseconds() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

/// What one launch gave: the nanoseconds the program reports until its window painted,
/// -1 when it failed, its private memory then, and its peak resident memory.
struct CLaunch {
    long long nanoseconds = -1;
    double privateMiB = 0.0;
    double peakMiB = 0.0;
};

/// Launches program with the launch time and the settings store, until it has ended.
CLaunch TimeToFirstPaint(const std::string& program, const std::string& store) {
    CLaunch launched;
    int out[2];
    if (pipe(out) != 0) {
        return launched;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    const std::string launch = std::to_string(NowNanoseconds());
    char* argv[] = {const_cast<char*>(program.c_str()), const_cast<char*>(launch.c_str()),
                    const_cast<char*>(store.c_str()), nullptr};
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    if (spawned == 0) {
        FILE* reader = fdopen(out[0], "r");
        long privateKiB = 0;
        if (reader == nullptr ||
            std::fscanf(reader, "%lld %ld", &launched.nanoseconds, &privateKiB) != 2) {
            launched.nanoseconds = -1;
        }
        launched.privateMiB = static_cast<double>(privateKiB) / 1024.0;
        int status = 0;
        struct rusage usage {};
        wait4(pid, &status, 0, &usage);
        launched.peakMiB = static_cast<double>(usage.ru_maxrss) / 1024.0;  // given in KiB
        if (reader != nullptr) {
            std::fclose(reader);
        }
    } else {
        close(out[0]);
    }
    return launched;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0.0 : values[values.size() / 2];
}

/// Launches the floor and the program in turn, so that both meet the same load on the
/// machine; the time is the program's, the counters give both medians and their ratio,
/// and the peak memory of both.
void BM_StartupAgainstFloor(benchmark::State& state, bool firstRun) {
    const std::string bench = std::string(TARVO_BINARY_DIR) + "/bench/";
    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("tarvo-startup-" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
    const std::string filledStore = (dir / "store.db").string();
    if (!firstRun) {
        TimeToFirstPaint(bench + "TarvoStartupProbe", filledStore);
    }
    std::vector<double> floor;
    std::vector<double> program;
    std::vector<double> floorMiB;
    std::vector<double> programMiB;
    std::vector<double> floorPrivateMiB;
    std::vector<double> programPrivateMiB;
    for (auto _ : state) {
        const std::string store =
            firstRun ? (dir / ("store-" + std::to_string(program.size()) + ".db")).string()
                     : filledStore;
        const CLaunch floorRun = TimeToFirstPaint(bench + "MinimalQtDialog", store);
        const CLaunch programRun = TimeToFirstPaint(bench + "TarvoStartupProbe", store);
        if (floorRun.nanoseconds < 0 || programRun.nanoseconds < 0) {
            state.SkipWithError("a program did not report its first paint");
            break;
        }
        floor.push_back(static_cast<double>(floorRun.nanoseconds) / 1e6);
        program.push_back(static_cast<double>(programRun.nanoseconds) / 1e6);
        floorMiB.push_back(floorRun.peakMiB);
        programMiB.push_back(programRun.peakMiB);
        floorPrivateMiB.push_back(floorRun.privateMiB);
        programPrivateMiB.push_back(programRun.privateMiB);
        state.SetIterationTime(static_cast<double>(programRun.nanoseconds) / 1e9);
    }
    std::filesystem::remove_all(dir);
    state.counters["floor_median_ms"] = Median(floor);
    state.counters["tarvo_median_ms"] = Median(program);
    state.counters["ratio"] = Median(program) / Median(floor);
    state.counters["floor_peak_MiB"] = Median(floorMiB);
    state.counters["tarvo_peak_MiB"] = Median(programMiB);
    state.counters["extra_MiB"] = Median(programMiB) - Median(floorMiB);
    state.counters["extra_private_MiB"] = Median(programPrivateMiB) - Median(floorPrivateMiB);
}

}  // namespace

BENCHMARK_CAPTURE(BM_StartupAgainstFloor, first_run, true)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(31);
BENCHMARK_CAPTURE(BM_StartupAgainstFloor, filled_store, false)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(31);

BENCHMARK_MAIN();
