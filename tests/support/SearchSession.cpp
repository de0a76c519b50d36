#include "tests/support/SearchSession.h"

#include <filesystem>

#include "app/WorkspaceSettings.h"
#include "catalogue/UnitMgr.h"

void CSearchSession::WindowSaves(const CUnitMgr& catalogue) const {
    std::filesystem::create_directories(m_scratch.Path() / "work");
    catalogue.SaveToFile(CatalogueFile());
    m_scratch.Write("state/tarvo/catalogue", CatalogueFile() + "\n");
}

void CSearchSession::WindowSaves(const std::vector<CUnit>& extra) const {
    CUnitMgr catalogue;
    catalogue.AddFactoryUnits();
    // psi as its unit set has it: the factory Pressure units lack it.
    catalogue.AddOrUpdateUnit(
        CUnit("Pressure", "pound per square inch (psi)", 1e5 / 6894.757293168361, 0));
    for (const CUnit& unit : extra) {
        catalogue.AddOrUpdateUnit(unit);
    }
    WindowSaves(catalogue);
}

void CSearchSession::WindowSettles(const std::string& type, const std::string& to,
                                   int precision) const {
    CWorkspaceSettings settings(Store());
    settings.m_location.Set("Software", "Kolpa", "Tarvo");
    settings.m_type = type;
    settings.m_toUnit = to;
    settings.m_decimalPrecision = precision;
    settings.Save();
}

std::map<std::string, std::string> CSearchSession::Environment() const {
    return {{"XDG_STATE_HOME", m_scratch.File("state")},
            {"XDG_CONFIG_HOME", m_scratch.File("config")},
            {"HOME", m_scratch.File("home")},
            {"LC_ALL", "C.UTF-8"},
            {"LANGUAGE", ""}};
}
