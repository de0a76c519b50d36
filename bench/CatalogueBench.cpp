// Catalogue speed: Convert on the factory catalogue, and LoadFromFile, SaveToFile and
// FillUnitList on generated catalogues of 1 thousand, 100 thousand and 1 million units,
// spread in equal runs over 10 types. Reading the same file's bytes into a string is
// measured in the same run as the floor that loading is compared with; the save without a
// backup is the floor of the save that keeps the file it replaces.
#include <benchmark/benchmark.h>

#include <unistd.h>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "catalogue/ArchiveWriter.h"
#include "catalogue/CatalogueBackups.h"
#include "catalogue/StringList.h"
#include "catalogue/StringSink.h"
#include "catalogue/UnitMgr.h"

namespace {

namespace fs = std::filesystem;

constexpr std::int64_t kTypeCount = 10;

/// Generated catalogue files, one per size, in a directory removed at exit.
class CCatalogueFiles {
public:
    CCatalogueFiles()
        : m_dir(fs::temp_directory_path() / ("tarvo-bench-" + std::to_string(getpid()))) {
        fs::create_directories(m_dir);
    }
    CCatalogueFiles(const CCatalogueFiles&) = delete;
    CCatalogueFiles& operator=(const CCatalogueFiles&) = delete;
    ~CCatalogueFiles() {
        std::error_code ignored;
        fs::remove_all(m_dir, ignored);
    }

    /// The file of a catalogue with unitCount units, written on first use.
    const std::string& Path(std::int64_t unitCount) {
        auto [it, added] = m_paths.try_emplace(unitCount);
        if (added) {
            it->second = (m_dir / ("units-" + std::to_string(unitCount) + ".dat")).string();
            std::ofstream(it->second, std::ios::binary) << Bytes(unitCount);
        }
        return it->second;
    }

    /// A path in the directory for files the benchmarks write.
    std::string ScratchPath(const std::string& name) const { return (m_dir / name).string(); }

    /// The name of the last type: its run ends the catalogue.
    static std::string LastType() { return TypeName(kTypeCount - 1); }

private:
    static std::string TypeName(std::int64_t index) { return "Type " + std::to_string(index); }

    /// The file bytes, written field by field: adding a million units one at a time
    /// through the catalogue would take quadratic time.
    static std::string Bytes(std::int64_t unitCount) {
        CStringSink sink;
        CArchiveWriter archive(sink);
        const CUnitMgr header;
        archive.WriteUInt32(header.m_headerNumber);
        archive.WriteText(header.m_title);
        archive.WriteText(header.m_secondHeader);
        archive.WriteText(header.m_thirdHeader);
        archive.WriteInt32(header.m_headerValue);
        archive.WriteCount(static_cast<std::size_t>(unitCount));
        for (std::int64_t i = 0; i < unitCount; ++i) {
            CUnit(TypeName(i * kTypeCount / unitCount), "unit " + std::to_string(i),
                  1.0 + static_cast<double>(i % 1000) / 8.0, 0.0)
                .Serialize(archive);
        }
        archive.Flush();
        return sink.Bytes();
    }

    fs::path m_dir;
    std::map<std::int64_t, std::string> m_paths;
};

CCatalogueFiles& Files() {
    static CCatalogueFiles files;
    return files;
}

/// Keeps the names a catalogue fills in, as a list control would.
class CNameList : public CStringList {
public:
    void Reset() override { m_names.clear(); }
    void Add(const std::string& text) override { m_names.push_back(text); }

private:
    std::vector<std::string> m_names;
};

void SetUnitsProcessed(benchmark::State& state) {
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void ConvertOnFactory(benchmark::State& state, const std::string& type, const std::string& from,
                      const std::string& to) {
    CUnitMgr catalogue;
    catalogue.AddFactoryUnits();
    double value = 100.0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(value);
        benchmark::DoNotOptimize(catalogue.Convert(value, type, from, to));
    }
}

void BM_ConvertFahrenheitToCelsius(benchmark::State& state) {
    ConvertOnFactory(state, "Temperature", "Fahrenheit (°F)", "Celsius (°C)");
}
BENCHMARK(BM_ConvertFahrenheitToCelsius);

// Distance comes eighth of ten types, so its lookups pass most of the catalogue.
void BM_ConvertMileToKilometer(benchmark::State& state) {
    ConvertOnFactory(state, "Distance", "mile (m.)", "kilometer (km)");
}
BENCHMARK(BM_ConvertMileToKilometer);

void BM_ReadFileBytes(benchmark::State& state) {
    const std::string& path = Files().Path(state.range(0));
    for (auto _ : state) {
        std::ifstream file(path, std::ios::binary);
        std::string bytes(fs::file_size(path), '\0');
        file.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        benchmark::DoNotOptimize(bytes.data());
    }
    SetUnitsProcessed(state);
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(fs::file_size(path)));
}

void BM_LoadFromFile(benchmark::State& state) {
    const std::string& path = Files().Path(state.range(0));
    CUnitMgr catalogue;
    for (auto _ : state) {
        catalogue.LoadFromFile(path);
        benchmark::DoNotOptimize(catalogue.GetCount());
    }
    SetUnitsProcessed(state);
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(fs::file_size(path)));
}

void BM_SaveToFile(benchmark::State& state) {
    CUnitMgr catalogue;
    catalogue.LoadFromFile(Files().Path(state.range(0)));
    const std::string target = Files().ScratchPath("saved.dat");
    for (auto _ : state) {
        catalogue.SaveToFile(target);
    }
    SetUnitsProcessed(state);
}

// A hard link and a look at the backup folder: far below the save itself.
void BM_SaveToFileKeepingBackup(benchmark::State& state) {
    CUnitMgr catalogue;
    catalogue.LoadFromFile(Files().Path(state.range(0)));
    const std::string target = Files().ScratchPath("saved-with-backup.dat");
    catalogue.SaveToFile(target);
    CCatalogueBackups backups(Files().ScratchPath("backups"));
    for (auto _ : state) {
        catalogue.SaveToFile(target, &backups);
    }
    if (!backups.Failure().empty()) {
        state.SkipWithError(backups.Failure().c_str());
    }
    SetUnitsProcessed(state);
}

// The backup alone: the link and the rotation of the folder, over the same file each time.
void BM_KeepBackup(benchmark::State& state) {
    const std::string& path = Files().Path(state.range(0));
    const CCatalogueBackups backups(Files().ScratchPath("kept"));
    for (auto _ : state) {
        benchmark::DoNotOptimize(backups.Keep(path));
    }
    SetUnitsProcessed(state);
}

void BM_FillUnitListOfLastType(benchmark::State& state) {
    CUnitMgr catalogue;
    catalogue.LoadFromFile(Files().Path(state.range(0)));
    const std::string type = CCatalogueFiles::LastType();
    CNameList list;
    for (auto _ : state) {
        catalogue.FillUnitList(type, list);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0) / kTypeCount);
}

void CatalogueSizes(benchmark::internal::Benchmark* benchmark) {
    benchmark->Arg(1'000)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMicrosecond);
}
BENCHMARK(BM_ReadFileBytes)->Apply(CatalogueSizes);
BENCHMARK(BM_LoadFromFile)->Apply(CatalogueSizes);
BENCHMARK(BM_SaveToFile)->Apply(CatalogueSizes);
BENCHMARK(BM_SaveToFileKeepingBackup)->Apply(CatalogueSizes);
BENCHMARK(BM_KeepBackup)->Apply(CatalogueSizes);
BENCHMARK(BM_FillUnitListOfLastType)->Apply(CatalogueSizes);

}  // namespace

BENCHMARK_MAIN();
