// Saves catalogues where the disk cannot take them: onto a small file system that is too
// small, already full or out of inodes, and under a file size limit at many offsets. Each
// failed save must raise CFileError with the system's reason and leave the old file as it
// was, with no temporary file beside it.
//
// Usage: drill_full_disk --tiny DIR       DIR is the root of a fresh small file system
//        drill_full_disk --no-inodes DIR  DIR is a file system with one free inode
//        drill_full_disk --limit DIR      any directory; the process limits its file size

#include <sys/resource.h>
#include <sys/statvfs.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "DrillFiles.h"
#include "catalogue/FileError.h"
#include "catalogue/UnitMgr.h"

namespace {

namespace fs = std::filesystem;

struct Tally {
    int tried = 0;
    int failed = 0;  // drill cases that went wrong, not saves that failed
};

std::unique_ptr<CUnitMgr> CatalogueOf(std::size_t units, int variant) {
    auto catalogue = std::make_unique<CUnitMgr>();
    catalogue->LoadFromBytes(MakeCatalogueBytes(units, variant));
    return catalogue;
}

/// Saves catalogue over path, which holds old, expecting the save to fail with reason.
void ExpectFailedSave(const char* what, const CUnitMgr& catalogue, const fs::path& path,
                      const std::string& old, const std::string& reason, Tally& tally) {
    ++tally.tried;
    std::string raised = "(none: the save succeeded)";
    try {
        catalogue.SaveToFile(path.string());
    } catch (const CFileError& error) {
        raised = error.Reason();
    }
    const bool intact = ReadFileBytes(path) == old;
    const std::size_t temporaries = TemporaryFilesOf(path).size();
    const bool passed = raised == reason && intact && temporaries == 0;
    std::printf("%-4s %s: raised \"%s\", old file %s, temporary files %zu\n",
                passed ? "ok" : "FAIL", what, raised.c_str(), intact ? "intact" : "CHANGED",
                temporaries);
    tally.failed += passed ? 0 : 1;
}

/// Saves catalogue over path expecting it to succeed, as a control case.
void ExpectSave(const char* what, const CUnitMgr& catalogue, const fs::path& path, Tally& tally) {
    ++tally.tried;
    std::string raised = "nothing";
    try {
        catalogue.SaveToFile(path.string());
    } catch (const CFileError& error) {
        raised = "\"" + error.Reason() + "\"";
    }
    const bool saved = ReadFileBytes(path) == catalogue.SaveToBytes();
    const bool passed = saved && TemporaryFilesOf(path).empty();
    std::printf("%-4s %s: raised %s, new file %s\n", passed ? "ok" : "FAIL", what, raised.c_str(),
                saved ? "in place" : "MISSING");
    tally.failed += passed ? 0 : 1;
}

std::uintmax_t FreeBytes(const fs::path& directory) {
    struct statvfs status {};
    ::statvfs(directory.c_str(), &status);
    return static_cast<std::uintmax_t>(status.f_bavail) * status.f_frsize;
}

/// Bytes per unit record of the drill catalogues, near enough to size them to a disk.
std::size_t UnitsFilling(std::uintmax_t bytes) {
    const std::size_t perUnit = MakeCatalogueBytes(1000, 1).size() / 1000;
    return static_cast<std::size_t>(bytes / perUnit);
}

void RunTinyFileSystem(const fs::path& directory, Tally& tally) {
    const fs::path path = directory / "Tarvo.Dat";
    const std::uintmax_t size = FreeBytes(directory);
    const std::string noSpace = std::strerror(ENOSPC);

    // An old file of about 60% of the disk: a new one of the same size fits on its own,
    // but not beside the old one, which a safe save must keep until the rename.
    const auto old = CatalogueOf(UnitsFilling(size * 6 / 10), 0);
    old->SaveToFile(path.string());
    const std::string oldBytes = ReadFileBytes(path);
    std::printf("tiny disk of %ju bytes holding an old file of %zu bytes\n", size, oldBytes.size());

    ExpectFailedSave("a catalogue larger than the whole disk",
                     *CatalogueOf(UnitsFilling(size * 3), 1), path, oldBytes, noSpace, tally);
    ExpectFailedSave("a catalogue that fits only once the old file is gone",
                     *CatalogueOf(UnitsFilling(size * 6 / 10), 2), path, oldBytes, noSpace, tally);
    {
        const fs::path filler = directory / "filler";
        std::ofstream out(filler, std::ios::binary);
        const std::string block(4096, 'x');
        while (out.write(block.data(), static_cast<std::streamsize>(block.size())) && out.flush()) {
        }
        out.close();
        CUnitMgr oneUnit;
        oneUnit.AddOrUpdateUnit(CUnit("Distance", "inch (in.)", 1.0, 0.0));
        ExpectFailedSave("one unit onto a disk filled to the last byte", oneUnit, path, oldBytes,
                         noSpace, tally);
        fs::remove(filler);
    }
    ExpectSave("control: a small catalogue beside the old file", *CatalogueOf(100, 3), path, tally);
}

void RunNoInodes(const fs::path& directory, Tally& tally) {
    const fs::path path = directory / "Tarvo.Dat";
    const auto old = CatalogueOf(10, 0);
    old->SaveToFile(path.string());
    ExpectFailedSave("a file system with no free inode for the temporary file", *CatalogueOf(10, 1),
                     path, ReadFileBytes(path), std::strerror(ENOSPC), tally);
}

/// Lets this process write files of at most limit bytes.
void LimitFileSize(rlim_t limit) {
    rlimit limits{};
    ::getrlimit(RLIMIT_FSIZE, &limits);
    limits.rlim_cur = limit;
    ::setrlimit(RLIMIT_FSIZE, &limits);
}

void RunFileSizeLimits(const fs::path& directory, Tally& tally) {
    const fs::path path = directory / "Tarvo.Dat";
    std::signal(SIGXFSZ, SIG_IGN);
    CUnitMgr factory;
    factory.AddFactoryUnits();
    factory.SetModified(true);
    const auto old = CatalogueOf(1, 0);
    old->SaveToFile(path.string());
    const std::string oldBytes = ReadFileBytes(path);
    const std::size_t size = factory.SaveToBytes().size();
    const std::string tooLarge = std::strerror(EFBIG);

    // Cuts at the start, around the writer's 4096-byte buffer and right before the end.
    for (const std::size_t limit :
         {std::size_t{0}, std::size_t{1}, std::size_t{27}, std::size_t{4095}, std::size_t{4096},
          std::size_t{4097}, (size + 4096) / 2, size - 1}) {
        LimitFileSize(limit);
        const std::string what = "the factory catalogue (" + std::to_string(size) +
                                 " bytes) with files limited to " + std::to_string(limit) +
                                 " bytes";
        ExpectFailedSave(what.c_str(), factory, path, oldBytes, tooLarge, tally);
    }
    LimitFileSize(size);
    ExpectSave("control: the factory catalogue with files limited to its exact size", factory, path,
               tally);
    LimitFileSize(RLIM_INFINITY);
}

}  // namespace

int main(int argc, char* argv[]) {
    const std::string mode = argc == 3 ? argv[1] : "";
    if (mode != "--tiny" && mode != "--no-inodes" && mode != "--limit") {
        std::fprintf(stderr, "usage: drill_full_disk --tiny|--no-inodes|--limit DIRECTORY\n");
        return 2;
    }
    const fs::path directory = argv[2];
    Tally tally;
    if (mode == "--tiny") {
        RunTinyFileSystem(directory, tally);
    } else if (mode == "--no-inodes") {
        RunNoInodes(directory, tally);
    } else {
        RunFileSizeLimits(directory, tally);
    }
    std::printf("full-disk %s: saves tried %d, behaved %d, misbehaved %d\n", mode.c_str() + 2,
                tally.tried, tally.tried - tally.failed, tally.failed);
    return tally.failed == 0 ? 0 : 1;
}
