// Start-up time: from launching a process to its main window's first paint, for the
// program and, side by side, for the least Qt dialog (the floor). Uses the display of the
// environment: run under Xvfb (xvfb-run) or with QT_QPA_PLATFORM=offscreen.
#include <benchmark/benchmark.h>
#include <spawn.h>
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

/// Launches program with the launch time and returns the nanoseconds it reports until
/// its window painted, or -1 when it failed.
long long TimeToFirstPaint(const std::string& program, const std::string& store) {
    int out[2];
    if (pipe(out) != 0) {
        return -1;
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
    long long elapsed = -1;
    if (spawned == 0) {
        FILE* reader = fdopen(out[0], "r");
        if (reader == nullptr || std::fscanf(reader, "%lld", &elapsed) != 1) {
            elapsed = -1;
        }
        int status = 0;
        waitpid(pid, &status, 0);
        if (reader != nullptr) {
            std::fclose(reader);
        }
    } else {
        close(out[0]);
    }
    return elapsed;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0.0 : values[values.size() / 2];
}

/// Launches the floor and the program in turn, so that both meet the same load on the
/// machine; the time is the program's, the counters give both medians and their ratio.
void BM_StartupAgainstFloor(benchmark::State& state) {
    const std::string bench = std::string(TARVO_BINARY_DIR) + "/bench/";
    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("tarvo-startup-" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
    const std::string store = (dir / "store.db").string();
    std::vector<double> floor;
    std::vector<double> program;
    for (auto _ : state) {
        const long long floorTime = TimeToFirstPaint(bench + "MinimalQtDialog", store);
        const long long programTime = TimeToFirstPaint(bench + "TarvoStartupProbe", store);
        if (floorTime < 0 || programTime < 0) {
            state.SkipWithError("a program did not report its first paint");
            break;
        }
        floor.push_back(static_cast<double>(floorTime) / 1e6);
        program.push_back(static_cast<double>(programTime) / 1e6);
        state.SetIterationTime(static_cast<double>(programTime) / 1e9);
    }
    std::filesystem::remove_all(dir);
    state.counters["floor_median_ms"] = Median(floor);
    state.counters["tarvo_median_ms"] = Median(program);
    state.counters["ratio"] = Median(program) / Median(floor);
}

}  // namespace

BENCHMARK(BM_StartupAgainstFloor)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(30);

BENCHMARK_MAIN();
