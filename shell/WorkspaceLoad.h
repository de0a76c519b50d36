#pragma once

#include <cstdint>
#include <memory>
#include <string>

class CUnitMgr;
class CWorkspaceSettings;

/// Reads the settings and the catalogue a run starts from: the settings from the store,
/// the catalogue from the data file they name (the factory units when it is missing or
/// cannot be read).
class CWorkspaceLoad {
public:
    struct Workspace {
        // Destroyed in reverse order: the settings first, then the catalogue.
        std::unique_ptr<CUnitMgr> catalogue;
        std::unique_ptr<CWorkspaceSettings> settings;
    };

    /// Reads the workspace for a program of the given version.
    static Workspace Read(const std::string& settingsRoot, std::uint32_t version);

private:
    static void LoadSettings(CWorkspaceSettings& settings, std::uint32_t version);
};
