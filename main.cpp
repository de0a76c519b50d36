#include "shell/ConverterApp.h"
#include "shell/FontConfigLoad.h"

int main(int argc, char* argv[]) {
    // While the application connects to the display, worker threads read what the window
    // needs first: the font configuration, the settings and the units.
    const CFontConfigLoad fonts;
    const auto readAhead = CConverterApp::ReadAhead();
    CConverterApp app(argc, argv);
    return app.Run(readAhead.get());
}
