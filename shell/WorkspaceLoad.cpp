#include "shell/WorkspaceLoad.h"

#include "app/WorkspaceSettings.h"
#include "catalogue/UnitMgr.h"

CWorkspaceLoad::Workspace CWorkspaceLoad::Read(const std::string& settingsRoot,
                                               std::uint32_t version) {
    Workspace workspace;
    workspace.catalogue = std::make_unique<CUnitMgr>();
    workspace.settings = std::make_unique<CWorkspaceSettings>(settingsRoot);
    LoadSettings(*workspace.settings, version);
    workspace.catalogue->LoadFromFileOrFactory(workspace.settings->m_workspaceFile);
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
