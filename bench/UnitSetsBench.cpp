// The Unit Sets dialog over the factory catalogue with every set of share/tarvo/units:
// opening it (the sets read, each compared with the catalogue, a check box each, shown;
// target under 50 ms), compared with reading the sets alone; and adding every set to the
// factory catalogue (target under 20 ms), compared with merging the same units as plain
// tables, without placing them against the catalogue's bases.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCheckBox>
#include <memory>
#include <string>
#include <vector>

#include "bench/PairedTiming.h"
#include "catalogue/UnitMgr.h"
#include "formats/UnitSet.h"
#include "ui/DlgUnitSets.h"

namespace {

const char* const kSetFolder = TARVO_SOURCE_DIR "/share/tarvo/units";

std::unique_ptr<CUnitMgr> FactoryCatalogue() {
    auto catalogue = std::make_unique<CUnitMgr>();
    catalogue->AddFactoryUnits();
    return catalogue;
}

void BM_OpenDialog(benchmark::State& state) {
    const auto catalogue = FactoryCatalogue();
    const QString folder = QString::fromLatin1(kSetFolder);
    CPairedTiming timing;
    for (auto _ : state) {
        std::unique_ptr<CDlgUnitSets> dialog;
        state.SetIterationTime(timing.Measure([&] {
            dialog = std::make_unique<CDlgUnitSets>(*catalogue, folder);
            dialog->show();
        }));
        if (dialog->findChildren<QCheckBox*>().size() != 50) {
            state.SkipWithError("not every set is listed");
        }
        dialog.reset();
        timing.Compare([] { benchmark::DoNotOptimize(CUnitSet::InFolder(kSetFolder)); });
    }
    timing.Report(state, "open", "read");
}

void BM_AddEverySet(benchmark::State& state) {
    const std::vector<CUnitSet> sets = CUnitSet::InFolder(kSetFolder);
    CPairedTiming timing;
    int refused = 0;
    for (auto _ : state) {
        auto catalogue = FactoryCatalogue();
        state.SetIterationTime(timing.Measure([&] {
            for (const CUnitSet& set : sets) {
                refused += set.MergeInto(*catalogue).refusal.empty() ? 0 : 1;
            }
        }));
        catalogue = FactoryCatalogue();
        timing.Compare([&] {
            for (const CUnitSet& set : sets) {
                benchmark::DoNotOptimize(CUnitTable(set.Units()).MergeInto(*catalogue));
            }
        });
    }
    if (refused > 0) {
        state.SkipWithError("a set was refused");
    }
    timing.Report(state, "add", "plain_merge");
}

}  // namespace

BENCHMARK(BM_OpenDialog)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AddEverySet)->UseManualTime()->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
