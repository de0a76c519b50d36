#include "shell/ConverterApp.h"

int main(int argc, char* argv[]) {
    // Before the application object: the reading overlaps its start.
    const auto readAhead = CConverterApp::ReadAhead();
    CConverterApp app(argc, argv);
    return app.Run(readAhead.get());
}
