// Import... on the Units page, from the click to the information box, with the file
// dialog answered in advance: the unit set energy.tsv and a generated table of 100 thousand
// lines, each into a fresh Options sheet over the factory catalogue. The floor, measured in
// the same run, is the table reader alone on the same file's bytes.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QApplication>
#include <QPushButton>
#include <QTabWidget>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "app/WorkspaceSettings.h"
#include "catalogue/UnitMgr.h"
#include "formats/UnitTable.h"
#include "ui/AppContext.h"
#include "ui/DlgOptions.h"
#include "ui/FileChooser.h"
#include "ui/MessageBox.h"

namespace {

namespace fs = std::filesystem;

class CBenchApp : public CAppContext {
public:
    CBenchApp() : m_settings("/nonexistent/bench.db") { m_catalogue.AddFactoryUnits(); }
    CUnitMgr& Catalogue() override { return m_catalogue; }
    CWorkspaceSettings& Settings() override { return m_settings; }
    void OnHelp() override {}
    void OnAbout() override {}

private:
    CUnitMgr m_catalogue;
    CWorkspaceSettings m_settings;
};

/// A generated table of 100 thousand lines over 10 new types, removed at exit.
class CBigTable {
public:
    CBigTable()
        : m_path(fs::temp_directory_path() /
                 ("tarvo-import-bench-" + std::to_string(getpid()) + ".tsv")) {
        std::vector<CUnit> units;
        for (int i = 0; i < 100'000; ++i) {
            units.emplace_back("Type " + std::to_string(i / 10'000), "unit " + std::to_string(i),
                               1.0 + i / 8.0, 0.0);
        }
        std::ofstream file(m_path, std::ios::binary);
        CUnitTable::Write(file, units);
    }
    CBigTable(const CBigTable&) = delete;
    CBigTable& operator=(const CBigTable&) = delete;
    ~CBigTable() { fs::remove(m_path); }
    std::string Path() const { return m_path.string(); }

private:
    fs::path m_path;
};

void BM_ReadTable(benchmark::State& state, const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(file)), {});
    std::vector<CUnitTable::Problem> problems;
    for (auto _ : state) {
        std::istringstream in(bytes);
        CUnitTable table;
        benchmark::DoNotOptimize(table.Read(in, problems));
    }
}

void BM_ImportThroughThePage(benchmark::State& state, const std::string& table) {
    const QString path = QString::fromStdString(table);
    CBenchApp app;
    for (auto _ : state) {
        state.PauseTiming();
        CDlgOptions sheet(nullptr, app);
        sheet.findChild<QTabWidget*>()->setCurrentIndex(1);
        sheet.show();
        auto* button = sheet.findChild<QPushButton*>("importButton");
        CFileChooser::SetNextChoice(path);
        CMessageBox::SetNextAnswer(QMessageBox::Ok);
        state.ResumeTiming();
        button->click();  // returns once the information box is answered
        state.PauseTiming();
        if (CMessageBox::TakeShownTexts().size() != 1) {
            state.SkipWithError("no information box");
        }
        sheet.close();
        state.ResumeTiming();
    }
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const CBigTable big;
    const std::pair<const char*, std::string> tables[] = {
        {"energy.tsv", TARVO_SOURCE_DIR "/share/tarvo/units/energy.tsv"},
        {"100k_lines", big.Path()}};
    for (const auto& [name, path] : tables) {
        benchmark::RegisterBenchmark((std::string("BM_ReadTable/") + name).c_str(), BM_ReadTable,
                                     path)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark((std::string("BM_ImportThroughThePage/") + name).c_str(),
                                     BM_ImportThroughThePage, path)
            ->Unit(benchmark::kMillisecond);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
