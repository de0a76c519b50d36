#include <gtest/gtest.h>

#include <SQLiteCpp/SQLiteCpp.h>

#include <random>
#include <string>

#include "TempStore.h"
#include "app/WorkspaceSettings.h"

namespace {

// Runs a whole start-up and shutdown on root and checks that it saw only defaults and
// could write nothing.
void ExpectDefaultsAndNoWrites(const std::string& root) {
    CWorkspaceSettings settings(root);
    settings.m_location.Set();
    settings.m_currentVersion = 65542;
    settings.Defaults();
    settings.Load();
    EXPECT_EQ(settings.m_storedVersion, 0u);
    EXPECT_EQ(settings.m_workspaceFile, "Tarvo.Dat");
    EXPECT_EQ(settings.m_decimalPrecision, 3);
    EXPECT_EQ(settings.m_type, "");
    EXPECT_EQ(settings.GetString("General", "Calculator", "none"), "none");
    EXPECT_FALSE(settings.SetNumber("Window", "State", 2));
    EXPECT_FALSE(settings.SetString("General", "Type", "Distance"));
    settings.SetModified();
    settings.Save();
    EXPECT_FALSE(settings.IsModified());
}

class StoreFaultsTest : public TempStore {
protected:
    // A real store with every value written, all of it copied into the main file.
    std::string RealStoreBytes() {
        CWorkspaceSettings settings = Settings();
        settings.m_type = "Distance";
        settings.m_bounds = {1, 2, 3, 4};
        settings.Save();
        SQLite::Database(Root(), SQLite::OPEN_READWRITE).exec("PRAGMA wal_checkpoint(TRUNCATE)");
        return CScratchDir::Read(Root());
    }
};

TEST_F(StoreFaultsTest, DamagedFileGivesDefaultsAndIsLeftAsItWas) {
    const std::string real = RealStoreBytes();
    ASSERT_GT(real.size(), 4096u);
    std::string noise(8192, '\0');
    std::mt19937 random(7);
    for (char& byte : noise) {
        byte = static_cast<char>(random());
    }
    std::string foreign;
    {
        const std::string other = m_scratch.File("other.db");
        SQLite::Database db(other, SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
        db.exec("CREATE TABLE notes(text)");
        foreign = CScratchDir::Read(other);
    }
    struct Case {
        const char* what;
        std::string bytes;
    };
    const Case cases[] = {
        {"random bytes", noise},
        {"text", "Type=Distance\n"},
        {"header only", real.substr(0, 100)},
        {"first page only", real.substr(0, 4096)},
        {"cut within the last page", real.substr(0, real.size() - 1000)},
        {"last byte missing", real.substr(0, real.size() - 1)},
        {"last page missing", real.substr(0, real.size() - 4096)},
        {"another program's database", foreign},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove_all(Root() + "-wal");
        std::filesystem::remove_all(Root() + "-shm");
        m_scratch.Write(kStoreName, c.bytes);
        ExpectDefaultsAndNoWrites(Root());
        EXPECT_EQ(CScratchDir::Read(Root()), c.bytes);
    }
}

TEST_F(StoreFaultsTest, DirectoryThatCannotBeMadeGivesDefaults) {
    // Fails for every user, root included: a path through a regular file.
    const std::string file = m_scratch.Write("file", "x");
    ExpectDefaultsAndNoWrites(file + "/sub/Tarvo.db");
    EXPECT_EQ(CScratchDir::Read(file), "x");
}

TEST_F(StoreFaultsTest, StoreLockedByAnotherProgramGivesDefaultsWithoutHanging) {
    RealStoreBytes();
    SQLite::Database holder(Root(), SQLite::OPEN_READWRITE);
    holder.exec("PRAGMA locking_mode = EXCLUSIVE");
    holder.exec("BEGIN EXCLUSIVE");
    holder.exec("UPDATE key_values SET data = 'Weight' WHERE name = 'Type'");
    CWorkspaceSettings settings = Settings();
    settings.Load();  // waits once, then gives up on all its values
    EXPECT_EQ(settings.m_type, "");
    EXPECT_EQ(settings.m_workspaceFile, "Tarvo.Dat");
    EXPECT_FALSE(settings.SetString("General", "Type", "Time"));
    holder.exec("ROLLBACK");
}

TEST_F(StoreFaultsTest, StoreBeingWrittenByAnotherProgramIsStillRead) {
    RealStoreBytes();
    SQLite::Database writer(Root(), SQLite::OPEN_READWRITE);
    SQLite::Transaction pending(writer, SQLite::TransactionBehavior::IMMEDIATE);
    writer.exec("UPDATE key_values SET data = 'Weight' WHERE name = 'Type'");
    CWorkspaceSettings settings = Settings();
    settings.Load();
    EXPECT_EQ(settings.m_type, "Distance") << "the last committed value";
    EXPECT_FALSE(settings.SetString("General", "Type", "Time"));
}

}  // namespace
