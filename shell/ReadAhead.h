#pragma once

#include <cstdint>
#include <future>
#include <string>
#include <thread>

#include "shell/WorkspaceLoad.h"

/// Reads what the first window needs on a worker thread, started before the application
/// object so that the reading overlaps the application's connection to the display: the
/// workspace, then the system's font configuration, which Qt's font database would
/// otherwise load while the window is built.
class CReadAhead {
public:
    /// Starts the worker, reading the workspace for a program of the given version.
    CReadAhead(std::string settingsRoot, std::uint32_t version);
    /// Waits for the worker to end.
    ~CReadAhead();

    CReadAhead(const CReadAhead&) = delete;
    CReadAhead& operator=(const CReadAhead&) = delete;

    /// Waits for the workspace and hands it over; throws what reading it threw. Once only.
    CWorkspaceLoad::Workspace TakeWorkspace();

private:
    std::promise<CWorkspaceLoad::Workspace> m_read;
    std::future<CWorkspaceLoad::Workspace> m_workspace = m_read.get_future();
    std::thread m_worker;
};
