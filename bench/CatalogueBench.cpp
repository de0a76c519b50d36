// Catalogue speed: Convert on the factory catalogue, and LoadFromFile, SaveToFile and
// FillUnitList on generated catalogues of 1 thousand, 100 thousand and 1 million units,
// spread in equal runs over 10 types. Reading the same file's bytes into a string is
// measured in the same run as the floor that loading is compared with; the save without a
// backup is the floor of the save that keeps the file it replaces.
//
// Bulk edits: tarvo-convert --import of as many rows, as a merge into the catalogue of
// that size and with --replace, and --rates on it. Each run of the command alternates
// with the floor it is compared with, LoadFromFile plus SaveToFile of the file the command
// left, so that both meet the same load on the machine; the counters give both medians
// and their ratio.
#include <benchmark/benchmark.h>

#include <unistd.h>
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "catalogue/ArchiveWriter.h"
#include "catalogue/CatalogueBackups.h"
#include "catalogue/StringSink.h"
#include "catalogue/UnitMgr.h"
#include "catalogue/VectorStringList.h"
#include "convert/ConvertCommand.h"
#include "formats/RatesUpdate.h"
#include "formats/UnitTable.h"

namespace {

namespace fs = std::filesystem;

constexpr std::int64_t kTypeCount = 10;
constexpr std::int64_t kCurrencyRank = kTypeCount / 2;  // rates change a run mid-catalogue

std::string TypeName(std::int64_t rank) {
    return rank == kCurrencyRank ? std::string(CRatesUpdate::kCurrencyType)
                                 : "Type " + std::to_string(rank);
}

/// Unit i of unitCount: spread in equal runs over the types, the dollar first of its run.
CUnit GeneratedUnit(std::int64_t i, std::int64_t unitCount, double coefficient) {
    const std::int64_t rank = i * kTypeCount / unitCount;
    const bool dollar = rank == kCurrencyRank && (i - 1) * kTypeCount / unitCount < rank;
    return CUnit(TypeName(rank),
                 dollar ? std::string(CRatesUpdate::kDollarUnit) : "unit " + std::to_string(i),
                 coefficient, 0.0);
}

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
        return Made("units-" + std::to_string(unitCount) + ".dat",
                    [unitCount](std::ostream& out) { out << Bytes(unitCount); });
    }

    /// A table of rowCount rows for the catalogue of as many units: every other row
    /// overwrites one of its units with a new coefficient, the others add units, and the
    /// types take turns row by row, so that every type is scattered over the whole table.
    const std::string& Table(std::int64_t rowCount) {
        return Made("table-" + std::to_string(rowCount) + ".tsv", [rowCount](std::ostream& out) {
            std::vector<CUnit> rows;
            rows.reserve(static_cast<std::size_t>(rowCount));
            for (std::int64_t row = 0; row < rowCount; ++row) {
                const std::int64_t perType = rowCount / kTypeCount;
                CUnit unit =
                    GeneratedUnit((row % kTypeCount) * perType + row / kTypeCount, rowCount, 2.5);
                if (row % 2 == 1) {
                    unit.m_name = "new " + unit.m_name;
                }
                rows.push_back(std::move(unit));
            }
            CUnitTable::Write(out, rows);
        });
    }

    /// A reference-rate file with every currency the catalogue has a name for.
    const std::string& Rates() {
        return Made("rates.csv", [](std::ostream& out) {
            const char* const codes[] = {"USD", "JPY", "GBP", "AUD", "BRL", "CAD", "CZK", "CNY",
                                         "DKK", "HKD", "ILS", "MXN", "NZD", "NOK", "SGD", "ZAR",
                                         "CHF", "SEK", "TRY", "PLN", "HUF", "RON", "BGN", "ISK",
                                         "INR", "IDR", "KRW", "MYR", "PHP", "THB"};
            std::string header = "Date";
            std::string rates = "8 December 2026";
            double rate = 1.05;
            for (const char* code : codes) {
                header += std::string(", ") + code;
                rates += ", " + std::to_string(rate);
                rate *= 1.7;
            }
            out << header << '\n' << rates << '\n';
        });
    }

    /// A path in the directory for files the benchmarks write.
    std::string ScratchPath(const std::string& name) const { return (m_dir / name).string(); }

    /// The name of the last type: its run ends the catalogue.
    static std::string LastType() { return TypeName(kTypeCount - 1); }

private:
    template <typename Writer>
    const std::string& Made(const std::string& name, Writer write) {
        auto [it, added] = m_paths.try_emplace(name);
        if (added) {
            it->second = (m_dir / name).string();
            std::ofstream out(it->second, std::ios::binary);
            write(out);
        }
        return it->second;
    }

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
            GeneratedUnit(i, unitCount, 1.0 + static_cast<double>(i % 1000) / 8.0)
                .Serialize(archive);
        }
        archive.Flush();
        return sink.Bytes();
    }

    fs::path m_dir;
    std::map<std::string, std::string> m_paths;
};

CCatalogueFiles& Files() {
    static CCatalogueFiles files;
    return files;
}

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
    CVectorStringList list;
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

/// Wall and processor seconds from one point of the run on.
class CStopwatch {
public:
    double WallSeconds() const {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - m_wall).count();
    }
    double CpuSeconds() const { return static_cast<double>(std::clock() - m_cpu) / CLOCKS_PER_SEC; }

private:
    std::chrono::steady_clock::time_point m_wall = std::chrono::steady_clock::now();
    std::clock_t m_cpu = std::clock();
};

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0.0 : values[values.size() / 2];
}

/// Runs tarvo-convert with args on a fresh copy of the catalogue of the benchmark's size,
/// then the floor on the file it left; the time is the command's. Processor time is given
/// beside wall time: on a busy machine it is the steadier of the two.
void RunAgainstFloor(benchmark::State& state, std::vector<std::string> args) {
    const std::string& original = Files().Path(state.range(0));
    const std::string catalogue = Files().ScratchPath("changed.dat");
    const std::string floorCopy = Files().ScratchPath("floor.dat");
    args.insert(args.begin(), {"--file", catalogue});
    std::vector<double> command;
    std::vector<double> commandCpu;
    std::vector<double> floor;
    std::vector<double> floorCpu;
    for (auto _ : state) {
        fs::copy_file(original, catalogue, fs::copy_options::overwrite_existing);
        std::istringstream in;
        std::ostringstream out;
        std::ostringstream err;
        const CStopwatch commandWatch;
        const int status = CConvertCommand(args, in, out, err).Run();
        command.push_back(commandWatch.WallSeconds());
        commandCpu.push_back(commandWatch.CpuSeconds());
        if (status != CConvertCommand::kExitSuccess) {
            state.SkipWithError(err.str().c_str());
            break;
        }
        const CStopwatch floorWatch;
        CUnitMgr loaded;
        loaded.LoadFromFile(catalogue);
        loaded.SaveToFile(floorCopy);
        floor.push_back(floorWatch.WallSeconds());
        floorCpu.push_back(floorWatch.CpuSeconds());
        state.SetIterationTime(command.back());
    }
    state.counters["command_ms"] = Median(command) * 1e3;
    state.counters["floor_ms"] = Median(floor) * 1e3;
    state.counters["ratio"] = Median(command) / Median(floor);
    state.counters["cpu_ratio"] = Median(commandCpu) / Median(floorCpu);
}

void BM_ImportMerge(benchmark::State& state) {
    RunAgainstFloor(state, {"--import", Files().Table(state.range(0))});
}

void BM_ImportReplace(benchmark::State& state) {
    RunAgainstFloor(state, {"--import", Files().Table(state.range(0)), "--replace"});
}

void BM_Rates(benchmark::State& state) {
    RunAgainstFloor(state, {"--rates", Files().Rates()});
}

/// The time shown is the command's own; the floor is in the counters.
void Timing(benchmark::internal::Benchmark* benchmark) {
    benchmark->UseManualTime()->Unit(benchmark::kMillisecond);
}

// Enough runs for a median at each size, fewer where one run takes seconds.
BENCHMARK(BM_ImportMerge)->Apply(Timing)->Arg(1'000)->Iterations(41);
BENCHMARK(BM_ImportMerge)->Apply(Timing)->Arg(100'000)->Iterations(11);
BENCHMARK(BM_ImportMerge)->Apply(Timing)->Arg(1'000'000)->Iterations(5);
BENCHMARK(BM_ImportReplace)->Apply(Timing)->Arg(1'000)->Iterations(41);
BENCHMARK(BM_ImportReplace)->Apply(Timing)->Arg(100'000)->Iterations(11);
BENCHMARK(BM_ImportReplace)->Apply(Timing)->Arg(1'000'000)->Iterations(5);
BENCHMARK(BM_Rates)->Apply(Timing)->Arg(1'000)->Iterations(41);
BENCHMARK(BM_Rates)->Apply(Timing)->Arg(100'000)->Iterations(11);
BENCHMARK(BM_Rates)->Apply(Timing)->Arg(1'000'000)->Iterations(5);

}  // namespace

BENCHMARK_MAIN();
