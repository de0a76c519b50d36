// Kills a process with SIGKILL while it saves a catalogue of a million units over the
// file of another, at moments spread over the time a save takes, and checks after every
// kill that the file loads and holds exactly one of the two catalogues.
//
// Usage: drill_kill_save DIRECTORY [KILLS [UNITS [SEED]]]

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "DrillFiles.h"
#include "catalogue/UnitMgr.h"

namespace {

namespace fs = std::filesystem;

/// Starts a child process that saves catalogue to path and ends.
pid_t StartSave(const CUnitMgr& catalogue, const fs::path& path) {
    const pid_t pid = ::fork();
    if (pid < 0) {
        std::perror("fork");
        std::exit(2);
    }
    if (pid == 0) {
        try {
            catalogue.SaveToFile(path.string());
        } catch (const std::exception& error) {
            std::fprintf(stderr, "save failed: %s\n", error.what());
            ::_exit(1);
        }
        ::_exit(0);
    }
    return pid;
}

/// Waits for the child; true when it ended by SIGKILL, false when it finished its save.
bool WaitForChild(pid_t pid) {
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR) {
            std::perror("waitpid");
            std::exit(2);
        }
    }
    if (WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) {
        return true;
    }
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "kill-save: a save failed on its own (status %d)\n", status);
        std::exit(1);
    }
    return false;
}

/// The time one whole save takes in a child, the median of a few.
double MeasureSaveSeconds(const std::array<CUnitMgr, 2>& catalogues, const fs::path& path,
                          int& current) {
    std::vector<double> times;
    for (int i = 0; i < 3; ++i) {
        current = 1 - current;
        const double start = NowSeconds();
        WaitForChild(StartSave(catalogues[current], path));
        times.push_back(NowSeconds() - start);
    }
    std::sort(times.begin(), times.end());
    return times[1];
}

struct Tally {
    int kills = 0;
    int killedMidSave = 0;
    int finishedFirst = 0;
    int old = 0;
    int fresh = 0;
    int damaged = 0;
    int loadFailures = 0;
    int staleTemporaries = 0;
    std::uintmax_t largestTemporary = 0;
    // Where the kill landed, told by the file and the temporary file it left.
    int beforeTemporary = 0;
    int whileWriting = 0;
    int writtenNotRenamed = 0;
    int afterRename = 0;
};

/// Counts and removes the temporary files a killed save left, and returns the size of
/// the largest, or -1 when there was none. A piling-up of them, each as large as the
/// catalogue, would fill the drill's disk long before its end.
std::intmax_t SweepTemporaries(const fs::path& path, Tally& tally) {
    std::intmax_t largest = -1;
    for (const std::string& name : TemporaryFilesOf(path)) {
        const fs::path temporary = path.parent_path() / name;
        const auto size = fs::file_size(temporary);
        largest = std::max(largest, static_cast<std::intmax_t>(size));
        tally.largestTemporary = std::max(tally.largestTemporary, size);
        fs::remove(temporary);
        ++tally.staleTemporaries;
    }
    return largest;
}

void CountStage(bool renamed, std::intmax_t temporarySize, std::size_t fullSize, Tally& tally) {
    if (renamed) {
        ++tally.afterRename;
    } else if (temporarySize < 0) {
        ++tally.beforeTemporary;
    } else if (static_cast<std::size_t>(temporarySize) < fullSize) {
        ++tally.whileWriting;
    } else {
        ++tally.writtenNotRenamed;
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: drill_kill_save DIRECTORY [KILLS [UNITS [SEED]]]\n");
        return 2;
    }
    const fs::path path = fs::path(argv[1]) / "Tarvo.Dat";
    const int kills = argc > 2 ? std::atoi(argv[2]) : 100;
    const std::size_t units = argc > 3 ? std::strtoul(argv[3], nullptr, 10) : 1000000;
    const unsigned seed = argc > 4 ? static_cast<unsigned>(std::strtoul(argv[4], nullptr, 10))
                                   : std::random_device{}();

    // Two catalogues of different sizes that share no unit record.
    const std::array<std::string, 2> bytes = {MakeCatalogueBytes(units, 0),
                                              MakeCatalogueBytes(units - 999, 1)};
    std::array<CUnitMgr, 2> catalogues;
    for (int i = 0; i < 2; ++i) {
        catalogues[i].LoadFromBytes(bytes[i]);
        if (catalogues[i].SaveToBytes() != bytes[i]) {
            std::fprintf(stderr, "kill-save: catalogue %d does not save back as read\n", i);
            return 1;
        }
    }
    int current = 0;
    catalogues[current].SaveToFile(path.string());
    const double saveSeconds = MeasureSaveSeconds(catalogues, path, current);
    std::printf(
        "kill-save: catalogues of %zu and %zu units (%zu and %zu bytes); a whole save "
        "takes %.3f s; seed %u\n",
        units, units - 999, bytes[0].size(), bytes[1].size(), saveSeconds, seed);

    std::mt19937 random(seed);
    // A little past the measured time, so that the last steps (sync, rename) are hit too.
    std::uniform_real_distribution<double> moment(0.0, 1.1 * saveSeconds);
    Tally tally;
    for (int i = 0; i < kills; ++i) {
        const int next = 1 - current;
        const pid_t child = StartSave(catalogues[next], path);
        std::this_thread::sleep_for(std::chrono::duration<double>(moment(random)));
        ::kill(child, SIGKILL);
        ++tally.kills;
        ++(WaitForChild(child) ? tally.killedMidSave : tally.finishedFirst);

        const std::string file = ReadFileBytes(path);
        const int saved = next;
        const bool renamed = file == bytes[next];
        if (file == bytes[current]) {
            ++tally.old;
        } else if (renamed) {
            ++tally.fresh;
            current = next;
        } else {
            ++tally.damaged;
            std::printf("kill %d: the file holds %zu bytes, neither catalogue\n", i + 1,
                        file.size());
        }
        try {
            CUnitMgr loaded;
            loaded.LoadFromFile(path.string());
        } catch (const std::exception& error) {
            ++tally.loadFailures;
            std::printf("kill %d: the file does not load: %s\n", i + 1, error.what());
        }
        CountStage(renamed, SweepTemporaries(path, tally), bytes[saved].size(), tally);
    }

    std::printf(
        "kill-save: kills %d (mid-save %d, after the save ended %d), old %d, new %d, "
        "damaged %d, failed loads %d\n",
        tally.kills, tally.killedMidSave, tally.finishedFirst, tally.old, tally.fresh,
        tally.damaged, tally.loadFailures);
    std::printf(
        "kill-save: the kills landed before the temporary file existed %d, while "
        "writing it %d, after writing it and before the rename %d, after the rename "
        "%d\n",
        tally.beforeTemporary, tally.whileWriting, tally.writtenNotRenamed, tally.afterRename);
    std::printf(
        "kill-save: killed saves left %d temporary files beside the target (largest "
        "%ju bytes); the drill removed them\n",
        tally.staleTemporaries, tally.largestTemporary);
    const bool passed = tally.damaged == 0 && tally.loadFailures == 0 && tally.killedMidSave > 0;
    std::printf("kill-save: %s\n", passed ? "passed" : "FAILED");
    return passed ? 0 : 1;
}
