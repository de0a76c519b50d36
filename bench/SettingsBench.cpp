// Start-up and shutdown cost of the settings on a store that a previous run has filled.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "app/WorkspaceSettings.h"

namespace {

// A store file in a fresh directory, filled as a run leaves it; removed at the end.
class CFilledStore {
public:
    CFilledStore() {
        std::string pattern = (std::filesystem::temp_directory_path() / "tarvo-bench-XXXXXX");
        if (mkdtemp(pattern.data())) {
            m_dir = pattern;
        }
        CWorkspaceSettings settings = Open();
        settings.Defaults();
        settings.m_type = "Distance";
        settings.m_fromUnit = "Metre";
        settings.m_toUnit = "Foot";
        settings.m_bounds = {10, 20, 410, 320};
        settings.Save();
    }
    ~CFilledStore() { std::filesystem::remove_all(m_dir); }

    // What start-up does before defaults and load.
    CWorkspaceSettings Open() const {
        CWorkspaceSettings settings((m_dir / "Tarvo.db").string());
        settings.m_location.Set("Software", "Kolpa", "Tarvo");
        settings.m_currentVersion = 65542;
        return settings;
    }

private:
    std::filesystem::path m_dir;
};

void BM_StartUpLoad(benchmark::State& state) {
    const CFilledStore store;
    for (auto _ : state) {
        CWorkspaceSettings settings = store.Open();
        const CRegistrySettings::StoreSession session(settings);
        settings.Defaults();
        settings.Load();
        benchmark::DoNotOptimize(settings.m_type);
    }
}
BENCHMARK(BM_StartUpLoad)->Unit(benchmark::kMillisecond);

void BM_ShutdownSave(benchmark::State& state) {
    const CFilledStore store;
    CWorkspaceSettings settings = store.Open();
    int round = 0;
    for (auto _ : state) {
        settings.m_decimalPrecision = ++round % 10;
        settings.SetModified();
        settings.Save();
    }
}
BENCHMARK(BM_ShutdownSave)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
