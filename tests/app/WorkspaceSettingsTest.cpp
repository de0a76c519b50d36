#include <gtest/gtest.h>

#include <SQLiteCpp/SQLiteCpp.h>

#include <string>
#include <thread>
#include <vector>

#include "TempStore.h"
#include "app/KeyStore.h"
#include "app/WorkspaceSettings.h"
#include "tests/support/ScopedEnv.h"

namespace {

using Names = std::vector<std::string>;

const Names kApplicationKey = {"Software", "Kolpa", "Tarvo"};
const Names kGeneral = {"Software", "Kolpa", "Tarvo", "General"};
constexpr std::uint32_t kVersion = 65542;

// Start-up's order: location, current version, defaults with the version check, load.
void StartUp(CWorkspaceSettings& settings) {
    settings.m_location.Set("Software", "Kolpa", "Tarvo");
    settings.m_currentVersion = kVersion;
    settings.Defaults();
    settings.Load();
}

// Counts the commits other connections make to the file while it is open.
class CCommitCounter {
public:
    explicit CCommitCounter(const std::string& file) : m_db(file, SQLite::OPEN_READONLY) {
        m_start = Version();
    }
    bool SawCommit() { return Version() != m_start; }

private:
    int Version() { return m_db.execAndGet("PRAGMA data_version").getInt(); }
    SQLite::Database m_db;
    int m_start = 0;
};

class WorkspaceSettingsTest : public TempStore {};

TEST_F(WorkspaceSettingsTest, ConstructionSetsDefaultsInMemoryOnly) {
    const CWorkspaceSettings settings = Settings();
    EXPECT_EQ(settings.m_workspaceFile, "Tarvo.Dat");
    EXPECT_EQ(settings.m_calculator, "calc");
    EXPECT_EQ(settings.m_decimalPrecision, 3);
    EXPECT_EQ(settings.m_reloadLastUnits, 1);
    EXPECT_EQ(settings.m_alwaysOnTop, 0);
    EXPECT_TRUE(settings.m_bounds.IsEmpty());
    EXPECT_EQ(settings.m_storedVersion, 0u);
    EXPECT_FALSE(settings.IsModified());
    EXPECT_FALSE(std::filesystem::exists(Root()));
}

TEST_F(WorkspaceSettingsTest, FirstStartRecordsVersionAndCreatesTheSections) {
    CWorkspaceSettings settings = Settings();
    settings.m_currentVersion = kVersion;
    settings.Defaults();
    EXPECT_EQ(settings.m_storedVersion, 0u);
    EXPECT_EQ(Settings().GetNumber("CurrentVersion", "Version", 0), 65542);
    EXPECT_EQ(CKeyStore(Root()).ValueNames(kGeneral), std::nullopt) << "only the version";

    settings.Load();
    CKeyStore store(Root());
    EXPECT_EQ(store.SubKeyNames({}), Names{"Software"});
    EXPECT_EQ(store.SubKeyNames({"Software"}), Names{"Kolpa"});
    EXPECT_EQ(store.SubKeyNames(kApplicationKey), (Names{"CurrentVersion", "General", "Window"}));
    EXPECT_EQ(store.ValueNames(kGeneral), Names{});
    EXPECT_EQ(settings.m_workspaceFile, "Tarvo.Dat");
    EXPECT_FALSE(settings.IsModified());
}

TEST_F(WorkspaceSettingsTest, VersionIsRewrittenOnlyWhenItDiffers) {
    struct Case {
        std::int32_t stored;
        bool rewritten;
    };
    for (const Case c : {Case{65541, true}, Case{65542, false}, Case{131072, true}}) {
        SCOPED_TRACE(c.stored);
        ASSERT_TRUE(Settings().SetNumber("CurrentVersion", "Version", c.stored));
        CWorkspaceSettings settings = Settings();
        settings.m_currentVersion = kVersion;
        CCommitCounter commits(Root());
        settings.Defaults();
        EXPECT_EQ(commits.SawCommit(), c.rewritten);
        EXPECT_EQ(settings.m_storedVersion, static_cast<std::uint32_t>(c.stored));
        EXPECT_EQ(Settings().GetNumber("CurrentVersion", "Version", 0), 65542);
    }
}

TEST_F(WorkspaceSettingsTest, DefaultsResetAllButTheLastUnits) {
    CWorkspaceSettings settings = Settings();
    settings.m_type = "Distance";
    settings.m_decimalPrecision = 7;
    settings.m_alwaysOnTop = 1;
    settings.m_bounds = {1, 2, 3, 4};
    settings.m_state = 2;
    settings.m_calculator = "xcalc";
    settings.SetModified();
    settings.Defaults();
    EXPECT_EQ(settings.m_type, "Distance");
    EXPECT_EQ(settings.m_decimalPrecision, 3);
    EXPECT_EQ(settings.m_alwaysOnTop, 0);
    EXPECT_TRUE(settings.m_bounds.IsEmpty());
    EXPECT_EQ(settings.m_state, 0);
    EXPECT_EQ(settings.m_calculator, "calc");
    EXPECT_FALSE(settings.IsModified());
}

TEST_F(WorkspaceSettingsTest, SaveThenLoadGivesBackEveryField) {
    CWorkspaceSettings saved = Settings();
    saved.m_type = "Distance";
    saved.m_fromUnit = "Metre";
    saved.m_toUnit = "Foot";
    saved.m_workspaceFile = "/home/u/units.dat";
    saved.m_calculator = "gnome-calculator";
    saved.m_decimalPrecision = 12;
    saved.m_reloadLastUnits = 0;
    saved.m_alwaysOnTop = 1;
    saved.m_bounds = {-20, 10, 300, 400};
    saved.m_state = 2;
    saved.SetModified();
    saved.Save();
    EXPECT_FALSE(saved.IsModified());

    CWorkspaceSettings loaded = Settings();
    StartUp(loaded);
    EXPECT_EQ(loaded.m_type, "Distance");
    EXPECT_EQ(loaded.m_fromUnit, "Metre");
    EXPECT_EQ(loaded.m_toUnit, "Foot");
    EXPECT_EQ(loaded.m_workspaceFile, "/home/u/units.dat");
    EXPECT_EQ(loaded.m_calculator, "gnome-calculator");
    EXPECT_EQ(loaded.m_decimalPrecision, 12) << "no range is enforced";
    EXPECT_EQ(loaded.m_reloadLastUnits, 0);
    EXPECT_EQ(loaded.m_alwaysOnTop, 1);
    EXPECT_EQ(loaded.m_bounds.left, -20);
    EXPECT_EQ(loaded.m_bounds.bottom, 400);
    EXPECT_EQ(loaded.m_state, 2);
}

TEST_F(WorkspaceSettingsTest, NamesReadInOtherCapitalsFindTheWrittenValueAndSaveKeepsOne) {
    CWorkspaceSettings writer = Settings();
    ASSERT_TRUE(writer.SetString("General", "From Unit", "Metre"));
    ASSERT_TRUE(writer.SetString("GENERAL", "to unit", "Foot"));
    ASSERT_TRUE(writer.SetNumber("general", "DECIMAL PRECISION", 5));

    CWorkspaceSettings settings = Settings();
    StartUp(settings);
    EXPECT_EQ(settings.m_fromUnit, "Metre");
    EXPECT_EQ(settings.m_toUnit, "Foot");
    EXPECT_EQ(settings.m_decimalPrecision, 5);
    settings.m_fromUnit = "Inch";
    settings.Save();
    settings.Load();
    EXPECT_EQ(settings.m_fromUnit, "Inch");

    const auto names = CKeyStore(Root()).ValueNames(kGeneral);
    ASSERT_TRUE(names);
    EXPECT_EQ(names->size(), 7u);
    EXPECT_EQ(CKeyStore(Root()).SubKeyNames(kApplicationKey),
              (Names{"CurrentVersion", "General", "Window"}));
}

TEST_F(WorkspaceSettingsTest, OnlyState2IsKept) {
    for (const auto& [stored, loaded] :
         std::vector<std::pair<int, int>>{{0, 0}, {1, 0}, {2, 2}, {3, 0}, {-2, 0}}) {
        SCOPED_TRACE(stored);
        ASSERT_TRUE(Settings().SetNumber("Window", "State", stored));
        CWorkspaceSettings settings = Settings();
        settings.Load();
        EXPECT_EQ(settings.m_state, loaded);
    }
}

TEST_F(WorkspaceSettingsTest, EmptyBoundsLoadAsStoredAndAreNotWritten) {
    CWorkspaceSettings writer = Settings();
    for (const auto& [name, value] : std::vector<std::pair<const char*, int>>{
             {"Bounds.left", 10}, {"Bounds.top", 10}, {"Bounds.right", 5}, {"Bounds.bottom", 5}}) {
        ASSERT_TRUE(writer.SetNumber("Window", name, value));
    }
    CWorkspaceSettings settings = Settings();
    settings.Load();
    EXPECT_EQ(settings.m_bounds.left, 10);
    EXPECT_EQ(settings.m_bounds.top, 10);
    EXPECT_EQ(settings.m_bounds.right, 5);
    EXPECT_EQ(settings.m_bounds.bottom, 5);

    settings.m_bounds = {};
    settings.Save();
    EXPECT_EQ(writer.GetNumber("Window", "Bounds.left", -1), 10);
    EXPECT_EQ(writer.GetNumber("Window", "Bounds.bottom", -1), 5);

    settings.m_bounds = {1, 2, 3, 4};
    settings.Save();
    EXPECT_EQ(writer.GetNumber("Window", "Bounds.left", -1), 1);
    EXPECT_EQ(writer.GetNumber("Window", "Bounds.bottom", -1), 4);
}

TEST_F(WorkspaceSettingsTest, ValueOfTheWrongKindReadsAsTheDefault) {
    CWorkspaceSettings writer = Settings();
    ASSERT_TRUE(writer.SetString("General", "Decimal Precision", "12"));
    ASSERT_TRUE(writer.SetNumber("General", "Type", 5));
    ASSERT_TRUE(writer.SetString("Window", "Bounds.left", ""));
    {
        // A number that does not fit in 32 bits, as another writer might have left it.
        SQLite::Database db(Root(), SQLite::OPEN_READWRITE);
        db.exec("UPDATE key_values SET data = 4294967296 WHERE name = 'Type'");
    }
    CWorkspaceSettings settings = Settings();
    settings.m_type = "Distance";
    settings.m_bounds.left = 7;
    settings.Load();
    EXPECT_EQ(settings.m_decimalPrecision, 3);
    EXPECT_EQ(settings.m_type, "Distance");
    EXPECT_EQ(settings.m_bounds.left, 7);
}

TEST_F(WorkspaceSettingsTest, LocationGivesTheKeyPath) {
    CWorkspaceSettings settings(Root());
    settings.m_location.Set("Software", "Acme", "Units", "Profile 1");
    ASSERT_TRUE(settings.SetNumber("Window", "State", 2));
    EXPECT_EQ(CKeyStore(Root()).ValueNames({"SOFTWARE", "acme", "Units", "Profile 1", "window"}),
              Names{"State"});

    // The base key is opened, never created.
    settings.m_location.Set("Programs");
    EXPECT_FALSE(settings.SetNumber("Window", "State", 2));
    EXPECT_EQ(settings.GetNumber("Window", "State", 9), 9);
    EXPECT_EQ(CKeyStore(Root()).SubKeyNames({}), Names{"Software"});
}

TEST_F(WorkspaceSettingsTest, DefaultRootFollowsTheConfigHome) {
    CScopedEnv configHome("XDG_CONFIG_HOME", "/cfg");
    EXPECT_EQ(CRegistryKeyPath::DefaultRoot(), "/cfg/Kolpa/Tarvo.db");
    CScopedEnv relativeConfigHome("XDG_CONFIG_HOME", "relative");
    CScopedEnv home("HOME", m_scratch.Path().string());
    EXPECT_EQ(CRegistryKeyPath::DefaultRoot(), m_scratch.File(".config/Kolpa/Tarvo.db"));
}

TEST_F(WorkspaceSettingsTest, TwoProcessesSavingAtOnceLeaveOneValuePerName) {
    constexpr int kRounds = 20;
    const auto saveRepeatedly = [this](const std::string& unit) {
        CWorkspaceSettings settings = Settings();
        for (int round = 0; round < kRounds; ++round) {
            settings.m_currentVersion = kVersion;
            settings.Defaults();
            settings.Load();
            settings.m_fromUnit = unit;
            settings.m_bounds = {0, 0, round + 1, round + 1};
            settings.Save();
        }
    };
    std::thread first(saveRepeatedly, "Metre");
    std::thread second(saveRepeatedly, "Foot");
    first.join();
    second.join();

    CWorkspaceSettings settings = Settings();
    settings.Load();
    EXPECT_TRUE(settings.m_fromUnit == "Metre" || settings.m_fromUnit == "Foot");
    EXPECT_EQ(settings.m_bounds.right, kRounds);
    EXPECT_EQ(CKeyStore(Root()).ValueNames(kGeneral)->size(), 7u);
    SQLite::Database db(Root(), SQLite::OPEN_READONLY);
    EXPECT_EQ(db.execAndGet("PRAGMA integrity_check").getString(), "ok");
}

}  // namespace

// What another program of the session sees: the window's values, and no change of any
// kind to the store, whatever it tries.
TEST_F(WorkspaceSettingsTest, ReadOnlySettingsReadTheStoreAndNeverWriteIt) {
    CWorkspaceSettings reader = Settings();
    reader.m_readOnly = true;
    reader.Load();
    EXPECT_EQ(reader.m_decimalPrecision, 3);
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::path(Root()).parent_path()));

    CWorkspaceSettings window = Settings();
    StartUp(window);
    window.m_toUnit = "bar (bar)";
    window.m_decimalPrecision = 5;
    window.Save();
    CCommitCounter commits(Root());
    const auto files = {Root(), Root() + "-wal"};
    std::vector<std::filesystem::file_time_type> times;
    for (const std::string& file : files) {
        times.push_back(std::filesystem::last_write_time(file));
    }

    reader.Load();
    EXPECT_EQ(reader.m_toUnit, "bar (bar)");
    EXPECT_EQ(reader.m_decimalPrecision, 5);
    reader.m_decimalPrecision = 1;
    reader.m_location.m_subKey = "Missing";  // keys a writer would create
    reader.Save();
    reader.Load();
    StartUp(reader);
    EXPECT_FALSE(commits.SawCommit());
    std::size_t i = 0;
    for (const std::string& file : files) {
        EXPECT_EQ(std::filesystem::last_write_time(file), times[i++]) << file;
    }
    EXPECT_EQ(CKeyStore(Root()).SubKeyNames(kApplicationKey),
              (Names{"CurrentVersion", "General", "Window"}));
}
