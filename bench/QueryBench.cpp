// Reading conversion queries on catalogues of 650 and of 100 000 units: the factory units
// and a unit set's pressure, then generated units in ten more types. Each query is timed
// beside its floor, the least that any reader of it must do: fold its text once and look
// that up once in the sorted names of the catalogue. The two alternate, so that both meet
// the same load on the machine, and the counters give both medians, their ratio and the
// time a query may take at that size. Queries of a mebibyte, which must answer in
// milliseconds, and building the index, once per catalogue, are measured on their own.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "catalogue/FactoryUnits.h"
#include "catalogue/UnitMgr.h"
#include "formats/FoldedName.h"
#include "formats/QueryReader.h"
#include "formats/UnitTable.h"

namespace {

constexpr std::int64_t kGeneratedTypes = 10;

/// The catalogue of about unitCount units, made on first use.
const CUnitMgr& Catalogue(std::int64_t unitCount) {
    static std::map<std::int64_t, std::unique_ptr<CUnitMgr>> made;
    std::unique_ptr<CUnitMgr>& catalogue = made[unitCount];
    if (catalogue == nullptr) {
        std::vector<CUnit> units;
        for (const CFactoryUnit& unit : FactoryUnits()) {
            units.emplace_back(std::string(unit.type), std::string(unit.name), unit.coefficient,
                               unit.offset);
        }
        units.emplace_back("Pressure", "pound per square inch (psi)", 14.503773773, 0.0);
        const auto generated = unitCount - static_cast<std::int64_t>(units.size());
        for (std::int64_t i = 0; i < generated; ++i) {
            units.emplace_back("Type " + std::to_string(i * kGeneratedTypes / generated),
                               "gadget " + std::to_string(i) + " (gd" + std::to_string(i) + ")",
                               1.0 + static_cast<double>(i), 0.0);
        }
        std::ostringstream table;
        CUnitTable::Write(table, units);
        CUnitTable reader;
        std::vector<CUnitTable::Problem> problems;
        reader.Read(table.str(), problems);
        catalogue = std::make_unique<CUnitMgr>();
        reader.ReplaceIn(*catalogue);
    }
    return *catalogue;
}

/// Queries of every kind, the last two on generated units of the last type.
std::vector<std::string> Queries(const CUnitMgr& catalogue) {
    const auto generated = catalogue.GetCount() - static_cast<int>(FactoryUnits().size()) - 1;
    const std::string last = std::to_string(generated - 1);
    const std::string before = std::to_string(generated - 20);
    return {"5 psi in bar",
            "100 F to C",
            "2 yards to feet",
            "5 ft 3 in to cm",
            "1 hr 30 min in sec",
            "(2+3)/4 kilom in yar",
            "10 usd into gbp",
            "3*2 gadget " + before + " in gd" + last,
            "gd" + last + " -> gadget " + before};
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0.0 : values[values.size() / 2];
}

double Seconds(std::chrono::steady_clock::time_point since) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

void BM_ReadQuery(benchmark::State& state) {
    const CUnitMgr& catalogue = Catalogue(state.range(0));
    const CQueryReader reader(catalogue);
    const std::vector<std::string> queries = Queries(catalogue);
    std::vector<std::string> names;
    for (const CUnit& unit : catalogue.Units()) {
        names.push_back(FoldName(unit.m_name));
    }
    std::sort(names.begin(), names.end());
    for (const std::string& query : queries) {
        const CQueryReader::Answer answer = reader.Read(query);
        if (answer.outcome != CQueryReader::Outcome::kConverted) {
            state.SkipWithError(("not converted: " + query + ": " + answer.message).c_str());
            return;
        }
    }
    std::vector<double> read;
    std::vector<double> floor;
    std::size_t next = 0;
    for (auto _ : state) {
        auto start = std::chrono::steady_clock::now();
        const std::string folded = FoldName(queries[next]);
        benchmark::DoNotOptimize(std::lower_bound(names.begin(), names.end(), folded));
        floor.push_back(Seconds(start));
        start = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(reader.Read(queries[next]));
        read.push_back(Seconds(start));
        state.SetIterationTime(read.back());
        next = (next + 1) % queries.size();
    }
    state.counters["query_us"] = Median(read) * 1e6;
    state.counters["floor_us"] = Median(floor) * 1e6;
    state.counters["ratio"] = Median(read) / Median(floor);
    state.counters["target_us"] = state.range(0) < 10'000 ? 20.0 : 2000.0;
}

/// A query of about a mebibyte, one of several shapes that make a reader work hard.
std::string LongQuery(std::int64_t shape) {
    constexpr std::size_t kLength = 1 << 20;
    static constexpr const char* kPieces[] = {"1 m ", "in ", "(", "2^", "-> ", "yd", "1,5+"};
    std::string query;
    while (query.size() < kLength) {
        query += kPieces[shape];
    }
    return query + "1 m in cm";
}

void BM_ReadLongQuery(benchmark::State& state) {
    const CQueryReader reader(Catalogue(650));
    const std::string query = LongQuery(state.range(0));
    for (auto _ : state) {
        benchmark::DoNotOptimize(reader.Read(query));
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(query.size()));
}

void BM_IndexCatalogue(benchmark::State& state) {
    const CUnitMgr& catalogue = Catalogue(state.range(0));
    for (auto _ : state) {
        const CQueryReader reader(catalogue);
        benchmark::DoNotOptimize(&reader);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

}  // namespace

BENCHMARK(BM_ReadQuery)->Arg(650)->Arg(100'000)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ReadLongQuery)->DenseRange(0, 6)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_IndexCatalogue)->Arg(650)->Arg(100'000)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
