// Backups of the catalogue file: every save that replaces it keeps the old file, the newest
// ten of each catalogue stay, and tarvo-convert lists and restores them.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "catalogue/CatalogueBackups.h"
#include "catalogue/UnitMgr.h"
#include "tests/convert/CommandRun.h"
#include "tests/support/ScopedEnv.h"
#include "tests/support/ScratchDir.h"

namespace {

namespace fs = std::filesystem;

/// A catalogue of count units of one type.
std::unique_ptr<CUnitMgr> CatalogueOf(int count) {
    auto catalogue = std::make_unique<CUnitMgr>();
    for (int i = 0; i < count; ++i) {
        catalogue->AddOrUpdateUnit(CUnit("Length", "unit " + std::to_string(i), i + 1.0, 0));
    }
    return catalogue;
}

int UnitCountOf(const std::string& path) {
    CUnitMgr catalogue;
    catalogue.LoadFromFile(path);
    return catalogue.GetCount();
}

ino_t InodeOf(const std::string& path) {
    struct stat status {};
    return ::stat(path.c_str(), &status) == 0 ? status.st_ino : 0;
}

/// A scratch catalogue file, with XDG_STATE_HOME pointing into the scratch directory.
class Backups : public testing::Test {
protected:
    void SetUp() override { SetStateHome((m_dir / "state").string()); }
    void SetStateHome(const std::string& folder) { m_state.emplace("XDG_STATE_HOME", folder); }
    std::string Catalogue(const std::string& folder = ".") const {
        fs::create_directories(m_dir / folder);
        return (m_dir / folder / "Tarvo.Dat").string();
    }
    std::vector<CCatalogueBackups::Backup> List(const std::string& catalogue) const {
        return CCatalogueBackups().List(catalogue);
    }
    Outcome Run(const std::string& catalogue, std::vector<std::string> args) const {
        args.insert(args.begin(), {"--file", catalogue});
        return RunCommand(std::move(args));
    }
    std::string WriteFile(const std::string& name, const std::string& bytes) const {
        return m_scratch.Write(name, bytes);
    }
    static std::string ReadFile(const std::string& path) { return CScratchDir::Read(path); }

    CScratchDir m_scratch;
    const fs::path& m_dir = m_scratch.Path();
    std::optional<CScopedEnv> m_state;
};

TEST_F(Backups, EverySaveThatReplacesTheFileKeepsItAndTheNewestTenStay) {
    const std::string path = Catalogue();
    EXPECT_EQ(CCatalogueBackups::DefaultFolder(), (m_dir / "state/tarvo/backups").string());
    CCatalogueBackups backups;
    // Saves a second apart at most, so the names must tell them apart below the second.
    for (int units = 1; units <= 13; ++units) {
        CatalogueOf(units)->SaveToFile(path, &backups);
        EXPECT_EQ(backups.Failure(), "");
    }
    const std::vector<CCatalogueBackups::Backup> kept = List(path);
    ASSERT_EQ(kept.size(), CCatalogueBackups::kKept);
    std::set<std::string> paths;
    for (std::size_t i = 0; i < kept.size(); ++i) {
        // The first save made the file, so the newest backup holds the 12-unit catalogue.
        EXPECT_EQ(UnitCountOf(kept[i].path), 12 - static_cast<int>(i));
        EXPECT_EQ(fs::path(kept[i].path).parent_path(), CCatalogueBackups::DefaultFolder());
        EXPECT_TRUE(fs::path(kept[i].path).filename().string().starts_with("Tarvo.Dat."));
        EXPECT_EQ(kept[i].time.size(), std::string("2026-12-08 23:02:49 UTC").size());
        paths.insert(kept[i].path);
    }
    EXPECT_EQ(paths.size(), kept.size());
    EXPECT_EQ(UnitCountOf(path), 13);
}

TEST_F(Backups, ABackupOnTheSameFileSystemIsAHardLink) {
    const std::string path = Catalogue();
    CatalogueOf(1)->SaveToFile(path);
    const ino_t replaced = InodeOf(path);
    CCatalogueBackups backups;
    CatalogueOf(2)->SaveToFile(path, &backups);
    ASSERT_EQ(List(path).size(), 1U);
    EXPECT_EQ(InodeOf(List(path)[0].path), replaced);
}

TEST_F(Backups, ABackupOnAnotherFileSystemIsACopy) {
    const fs::path shm = "/dev/shm";
    struct stat scratch {};
    struct stat other {};
    if (::stat(m_dir.c_str(), &scratch) != 0 || ::stat(shm.c_str(), &other) != 0 ||
        scratch.st_dev == other.st_dev) {
        GTEST_SKIP() << "no second file system beside " << m_dir;
    }
    const fs::path folder = shm / ("tarvo-backups-" + std::to_string(::getpid()));
    const std::string path = Catalogue();
    CatalogueOf(3)->SaveToFile(path);
    const std::string bytes = ReadFile(path);
    CCatalogueBackups backups(folder.string());
    CatalogueOf(4)->SaveToFile(path, &backups);
    const auto kept = backups.List(path);
    const std::string copied = kept.size() == 1 ? ReadFile(kept[0].path) : std::string();
    fs::remove_all(folder);
    ASSERT_EQ(kept.size(), 1U) << backups.Failure();
    EXPECT_EQ(copied, bytes);
}

TEST_F(Backups, CataloguesOfTheSameNameInTwoFoldersKeepTheirOwnBackups) {
    const std::string first = Catalogue("a");
    const std::string second = Catalogue("b");
    CCatalogueBackups backups;
    for (const std::string& path : {first, second, first, second, first}) {
        CatalogueOf(1)->SaveToFile(path, &backups);
    }
    EXPECT_EQ(List(first).size(), 2U);
    EXPECT_EQ(List(second).size(), 1U);
}

TEST_F(Backups, ABackupThatCannotBeMadeDoesNotStopTheSave) {
    const std::string path = Catalogue();
    CatalogueOf(1)->SaveToFile(path);
    // The state folder lies under a plain file, so no backup folder can be made.
    SetStateHome(WriteFile("not-a-folder", "x") + "/state");
    CCatalogueBackups backups;
    CatalogueOf(2)->SaveToFile(path, &backups);
    EXPECT_NE(backups.Failure(), "");
    EXPECT_EQ(UnitCountOf(path), 2);

    const Outcome imported = Run(path, {"--import", WriteFile("one.tsv",
                                                              "type\tunit\tcoefficient\toffset\n"
                                                              "Length\tspan\t2\t0\n")});
    EXPECT_EQ(imported.status, 0) << imported.err;
    EXPECT_NE(imported.err.find("warning: no backup"), std::string::npos) << imported.err;
    EXPECT_EQ(UnitCountOf(path), 3);
}

TEST_F(Backups, ListAndRestoreFromTheCommandLine) {
    const std::string path = Catalogue();
    EXPECT_EQ(Run(path, {"--backups"}).out.find("no backups of "), 0U);
    CatalogueOf(5)->SaveToFile(path);
    for (const char* table : {"Length\ta\t2\t0\n", "Length\tb\t3\t0\n"}) {
        const std::string tsv =
            WriteFile("add.tsv", std::string("type\tunit\tcoefficient\toffset\n") + table);
        ASSERT_EQ(Run(path, {"--import", tsv}).status, 0);
    }
    const Outcome listed = Run(path, {"--backups"});
    ASSERT_EQ(listed.status, 0) << listed.err;
    const auto kept = List(path);
    ASSERT_EQ(kept.size(), 2U);
    EXPECT_EQ(listed.out, "1\t" + kept[0].time + "\t6 units\t" + kept[0].path + "\n2\t" +
                              kept[1].time + "\t5 units\t" + kept[1].path + "\n");

    struct BadNumber {
        const char* number;
    };
    for (const BadNumber bad : {BadNumber{"0"}, BadNumber{"3"}, BadNumber{"x"}, BadNumber{""}}) {
        const Outcome refused = Run(path, {"--restore", bad.number});
        EXPECT_EQ(refused.status, CConvertCommand::kExitFailure) << bad.number;
        EXPECT_NE(refused.err.find("no backup number"), std::string::npos) << refused.err;
    }
    EXPECT_EQ(UnitCountOf(path), 7);

    // A damaged catalogue is when a backup is wanted most: it need not be readable.
    WriteFile("Tarvo.Dat", "damaged");
    const Outcome restored = Run(path, {"--restore", "2"});
    ASSERT_EQ(restored.status, 0) << restored.err;
    EXPECT_EQ(restored.out,
              "restored backup 2 of " + kept[1].time + " (5 units) to " + path + "\n");
    EXPECT_EQ(UnitCountOf(path), 5);
    // The file the restore replaced is the newest backup now.
    const auto afterRestore = List(path);
    ASSERT_EQ(afterRestore.size(), 3U);
    EXPECT_EQ(ReadFile(afterRestore[0].path), "damaged");
}

}  // namespace

namespace {

TEST_F(Backups, ABackupFolderThatIsAFileIsNamed) {
    const std::string path = Catalogue();
    CatalogueOf(2)->SaveToFile(path);
    // The backup folder is a file, or lies beneath one.
    WriteFile("file-state/tarvo/backups", "not a folder");
    const std::string fileAbove = WriteFile("state-file", "not a folder");
    for (const std::string& state : {m_scratch.File("file-state"), fileAbove}) {
        SetStateHome(state);
        for (const std::vector<std::string>& args :
             {std::vector<std::string>{"--backups"}, std::vector<std::string>{"--restore", "1"}}) {
            const Outcome outcome = Run(path, args);
            EXPECT_EQ(outcome.status, 2) << outcome.out;
            EXPECT_EQ(
                outcome.err.rfind(
                    "tarvo-convert: cannot list the backups: " + state + "/tarvo/backups: ", 0),
                0U)
                << outcome.err;
        }
    }
}

TEST_F(Backups, AKeepRemovesItsOwnStaleCopiesUnderWay) {
    const std::string path = Catalogue();
    CatalogueOf(2)->SaveToFile(path);
    CCatalogueBackups backups;
    const std::string first = backups.Keep(path);
    const std::string prefix = first.substr(0, first.size() - 23);  // without the time stamp
    const fs::path folder = fs::path(first).parent_path();
    const std::string stale = prefix + "20261208T230249.123456Z.part";
    const std::string fresh = prefix + "20261208T230250.123456Z.part";
    const std::string otherStale = (folder / "Other.Dat.0123abcd.20261208T230249.123456Z.part");
    for (const std::string& part : {stale, fresh, otherStale}) {
        WriteFile(fs::relative(part, m_dir).string(), "cut short");
    }
    const auto old = fs::file_time_type::clock::now() - std::chrono::minutes(2);
    fs::last_write_time(stale, old);
    fs::last_write_time(otherStale, old);
    backups.Keep(path);
    EXPECT_FALSE(fs::exists(stale));
    EXPECT_TRUE(fs::exists(fresh));
    EXPECT_TRUE(fs::exists(otherStale));
}

}  // namespace
