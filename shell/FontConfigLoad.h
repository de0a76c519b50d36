#pragma once

#include <thread>

/// Loads the system's font configuration on a worker thread. Qt's font database loads it
/// when the first window is built; started before the application object, the loading
/// overlaps the application's connection to the display instead.
class CFontConfigLoad {
public:
    CFontConfigLoad();
    /// Waits for the loading to end.
    ~CFontConfigLoad();

    CFontConfigLoad(const CFontConfigLoad&) = delete;
    CFontConfigLoad& operator=(const CFontConfigLoad&) = delete;

private:
    std::thread m_loading;
};
