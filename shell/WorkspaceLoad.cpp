#include "shell/WorkspaceLoad.h"

#include <filesystem>
#include <system_error>

#include "app/WorkspaceSettings.h"
#include "catalogue/UnitMgr.h"

CWorkspaceLoad::Workspace CWorkspaceLoad::Read(const std::string& settingsRoot,
                                               std::uint32_t version) {
    Workspace workspace;
    workspace.catalogue = std::make_unique<CUnitMgr>();
    workspace.settings = std::make_unique<CWorkspaceSettings>(settingsRoot);
    LoadSettings(*workspace.settings, version);
    LoadCatalogue(*workspace.catalogue, *workspace.settings);
    return workspace;
}

void CWorkspaceLoad::LoadSettings(CWorkspaceSettings& settings, std::uint32_t version) {
    settings.m_location.Set("Software", "Kolpa", "Tarvo");
    settings.m_currentVersion = version;
    // One connection for both steps: opening the store costs more than reading it.
    const CRegistrySettings::StoreSession session(settings);
    settings.Defaults();
    settings.Load();
}

void CWorkspaceLoad::LoadCatalogue(CUnitMgr& catalogue, const CWorkspaceSettings& settings) {
    const std::string& path = settings.m_workspaceFile;
    std::error_code error;
    if (!path.empty() && std::filesystem::exists(path, error)) {
        try {
            catalogue.LoadFromFile(path);
            return;
        } catch (...) {
            // An unreadable file is not reported: the factory units stand in for it.
        }
    }
    catalogue.AddFactoryUnits();
}
