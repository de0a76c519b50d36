// The main window's own work: one conversion (typing a digit into the From box) on the
// factory catalogue and on a type of 100 thousand units, a change to that type (both unit
// lists refilled), and one sorted fill of a list with 100 thousand names. With every unit
// set of share/tarvo/units added, a conversion and a type change are timed beside the same
// on the factory catalogue, in turns, and the counters give their ratio.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <memory>
#include <string>
#include <utility>

#include "app/WorkspaceSettings.h"
#include "bench/PairedTiming.h"
#include "catalogue/ArchiveWriter.h"
#include "catalogue/StringSink.h"
#include "catalogue/UnitMgr.h"
#include "formats/UnitSet.h"
#include "ui/AppContext.h"
#include "ui/DataExchange.h"
#include "ui/DlgMain.h"

namespace {

constexpr int kBigCount = 100000;
const char* const kBigType = "Big";

/// The factory catalogue, optionally after a type of kBigCount units in shuffled order.
std::unique_ptr<CUnitMgr> MakeCatalogue(bool withBigType) {
    auto catalogue = std::make_unique<CUnitMgr>();
    if (withBigType) {
        CStringSink sink;
        CArchiveWriter archive(sink);
        archive.WriteUInt32(catalogue->m_headerNumber);
        archive.WriteText(catalogue->m_title);
        archive.WriteText(catalogue->m_secondHeader);
        archive.WriteText(catalogue->m_thirdHeader);
        archive.WriteInt32(catalogue->m_headerValue);
        archive.WriteCount(kBigCount);
        for (int i = 0; i < kBigCount; ++i) {
            const int shuffled = static_cast<int>((static_cast<long long>(i) * 7919) % kBigCount);
            CUnit(kBigType, (i % 2 ? "Unit " : "unit ") + std::to_string(shuffled),
                  1.0 + static_cast<double>(i % 1000) / 8.0, 0.0)
                .Serialize(archive);
        }
        archive.Flush();
        catalogue->LoadFromBytes(sink.Bytes());
    }
    catalogue->AddFactoryUnits();
    return catalogue;
}

/// The factory catalogue with every unit set shipped added.
std::unique_ptr<CUnitMgr> MakeLibraryCatalogue() {
    auto catalogue = MakeCatalogue(false);
    for (const CUnitSet& set : CUnitSet::InFolder(TARVO_SOURCE_DIR "/share/tarvo/units")) {
        set.MergeInto(*catalogue);
    }
    return catalogue;
}

class CBenchApp : public CAppContext {
public:
    explicit CBenchApp(bool withBigType) : CBenchApp(MakeCatalogue(withBigType)) {}
    explicit CBenchApp(std::unique_ptr<CUnitMgr> catalogue)
        : m_catalogue(std::move(catalogue)), m_settings("/nonexistent/bench.db") {}
    CUnitMgr& Catalogue() override { return *m_catalogue; }
    CWorkspaceSettings& Settings() override { return m_settings; }
    void OnHelp() override {}
    void OnAbout() override {}

private:
    std::unique_ptr<CUnitMgr> m_catalogue;
    CWorkspaceSettings m_settings;
};

void Choose(QComboBox* list, const QString& text) {
    list->setFocus();
    const int index = DataExchange::FindPrefix(list, text);
    list->setCurrentIndex(index);
    emit list->activated(index);
}

/// A shown window with type, from unit and to unit chosen.
std::unique_ptr<CDlgMain> OpenWindow(CBenchApp& app, const char* type, const char* from,
                                     const char* to) {
    auto window = std::make_unique<CDlgMain>(app);
    window->show();
    Choose(window->findChild<QComboBox*>("typeList"), type);
    Choose(window->findChild<QComboBox*>("fromUnitList"), from);
    Choose(window->findChild<QComboBox*>("toUnitList"), to);
    return window;
}

/// Types one digit, 2 to 8 by count, into the From box as a person does.
void TypeDigit(CDlgMain& window, int count) {
    auto* from = window.findChild<QLineEdit*>("fromNumberBox");
    const QString text = QString::number(2 + (count % 7));
    from->setText(text);
    emit from->textEdited(text);
}

void CheckConversionShown(benchmark::State& state, const CDlgMain& window) {
    if (window.findChild<QLineEdit*>("toNumberBox")->text().isEmpty()) {
        state.SkipWithError("no conversion shown");
    }
}

void TypeDigits(benchmark::State& state, CDlgMain& window) {
    window.findChild<QLineEdit*>("fromNumberBox")->setFocus();
    int digit = 0;
    for (auto _ : state) {
        TypeDigit(window, digit++);
    }
    CheckConversionShown(state, window);
}

void BM_RecomputeFactory(benchmark::State& state) {
    CBenchApp app(false);
    const auto window = OpenWindow(app, "Distance", "yard (yd.)", "foot (ft.)");
    TypeDigits(state, *window);
    window->reject();
}

void BM_Recompute100k(benchmark::State& state) {
    CBenchApp app(true);
    // Units late in the run: the catalogue's lookup walks the whole type.
    const auto window = OpenWindow(app, kBigType, "unit 99998", "Unit 99999");
    TypeDigits(state, *window);
    window->reject();
}

void BM_TypeChange100k(benchmark::State& state) {
    CBenchApp app(true);
    const auto window = OpenWindow(app, "Distance", "yard (yd.)", "foot (ft.)");
    auto* types = window->findChild<QComboBox*>("typeList");
    auto* units = window->findChild<QComboBox*>("fromUnitList");
    for (auto _ : state) {
        Choose(types, kBigType);
        state.PauseTiming();
        if (units->count() != kBigCount) {
            state.SkipWithError("the unit list was not filled");
        }
        Choose(types, "Distance");
        state.ResumeTiming();
    }
    window->reject();
}

/// The same window twice, with the same type and units chosen: on the factory catalogue
/// with every unit set added, and on the factory catalogue alone.
struct CLibraryBesideFactory {
    CLibraryBesideFactory(const char* type, const char* from, const char* to)
        : library(MakeLibraryCatalogue()),
          factory(false),
          libraryWindow(OpenWindow(library, type, from, to)),
          factoryWindow(OpenWindow(factory, type, from, to)) {}
    ~CLibraryBesideFactory() {
        libraryWindow->reject();
        factoryWindow->reject();
    }
    CLibraryBesideFactory(const CLibraryBesideFactory&) = delete;
    CLibraryBesideFactory& operator=(const CLibraryBesideFactory&) = delete;

    CBenchApp library;
    CBenchApp factory;
    std::unique_ptr<CDlgMain> libraryWindow;
    std::unique_ptr<CDlgMain> factoryWindow;
};

void BM_RecomputeLibraryVsFactory(benchmark::State& state) {
    const CLibraryBesideFactory windows("Distance", "yard (yd.)", "foot (ft.)");
    CPairedTiming timing;
    int digit = 0;
    for (auto _ : state) {
        ++digit;
        state.SetIterationTime(timing.Measure([&] { TypeDigit(*windows.libraryWindow, digit); }));
        timing.Compare([&] { TypeDigit(*windows.factoryWindow, digit); });
    }
    CheckConversionShown(state, *windows.libraryWindow);
    timing.Report(state, "library", "factory");
}

void BM_TypeChangeLibraryVsFactory(benchmark::State& state) {
    const CLibraryBesideFactory windows("Temperature", "", "");
    auto* libraryTypes = windows.libraryWindow->findChild<QComboBox*>("typeList");
    auto* factoryTypes = windows.factoryWindow->findChild<QComboBox*>("typeList");
    CPairedTiming timing;
    for (auto _ : state) {
        state.SetIterationTime(timing.Measure([&] { Choose(libraryTypes, "Distance"); }));
        timing.Compare([&] { Choose(factoryTypes, "Distance"); });
        Choose(libraryTypes, "Temperature");
        Choose(factoryTypes, "Temperature");
    }
    const auto unitCount = [](const CDlgMain& window) {
        return window.findChild<QComboBox*>("fromUnitList")->count();
    };
    if (unitCount(*windows.libraryWindow) <= unitCount(*windows.factoryWindow)) {
        state.SkipWithError("the library adds no Distance units");
    }
    timing.Report(state, "library", "factory");
}

void BM_FillSorted100k(benchmark::State& state) {
    QStringList names;
    for (int i = 0; i < kBigCount; ++i) {
        names << QStringLiteral("unit %1").arg((static_cast<long long>(i) * 7919) % kBigCount);
    }
    QComboBox list;
    for (auto _ : state) {
        DataExchange::FillSorted(&list, names);
    }
}

}  // namespace

BENCHMARK(BM_RecomputeFactory)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Recompute100k)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TypeChange100k)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FillSorted100k)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RecomputeLibraryVsFactory)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TypeChangeLibraryVsFactory)->UseManualTime()->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
