#pragma once

#include <cstdint>
#include <future>
#include <memory>
#include <string>

class CUnitMgr;
class CWorkspaceSettings;

/// The settings and the catalogue a run starts from: read from the settings store, and
/// from the data file the settings name (the factory units when it is missing or cannot
/// be read).
class CWorkspaceLoad {
public:
    struct Workspace {
        // Destroyed in reverse order: the settings first, then the catalogue.
        std::unique_ptr<CUnitMgr> catalogue;
        std::unique_ptr<CWorkspaceSettings> settings;
    };

    /// Reads the workspace for a program of the given version, on the calling thread.
    static Workspace Read(const std::string& settingsRoot, std::uint32_t version);

    /// Starts Read on a worker thread, so that it goes on while the caller does other work.
    CWorkspaceLoad(std::string settingsRoot, std::uint32_t version);
    /// Waits for the worker if Take was never called.
    ~CWorkspaceLoad();

    /// Waits for the worker and hands its workspace over; throws what Read threw.
    Workspace Take();

private:
    static void LoadSettings(CWorkspaceSettings& settings, std::uint32_t version);
    static void LoadCatalogue(CUnitMgr& catalogue, const CWorkspaceSettings& settings);

    std::future<Workspace> m_reading;
};
