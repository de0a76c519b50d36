// The program's own start-up, as main() runs it, ended once the main window has painted.
// Run by StartupBench, which passes the launch time and a settings store to use.
#include <string>

#include "FirstPaintProbe.h"
#include "app/WorkspaceSettings.h"
#include "shell/ConverterApp.h"

int main(int argc, char** argv) {
    const std::string store = argc > 2 ? argv[2] : "/tmp/tarvo-startup-probe.db";
    const auto readAhead = CConverterApp::ReadAhead(store);
    CConverterApp app(argc, argv, store);
    CFirstPaintProbe probe(argc > 1 ? argv[1] : "0", "CDlgMain");
    app.installEventFilter(&probe);
    if (!app.StartUp(readAhead.get())) {
        return 1;
    }
    // Not the first run of this version: no About box over the window.
    app.Settings().m_storedVersion = app.Settings().m_currentVersion;
    app.RunMainWindow();
    app.ShutDown();
    return 0;
}
