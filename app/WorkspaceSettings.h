#pragma once

#include <cstdint>
#include <string>

#include "app/WindowSettings.h"

/// The application's settings: section "General" on top of the window settings.
class CWorkspaceSettings : public CWindowSettings {
public:
    /// In-memory defaults only: reads and writes nothing.
    explicit CWorkspaceSettings(std::string root = CRegistryKeyPath::DefaultRoot());

    /// The window defaults (with the version check), then those of "General"; type and
    /// units stay as they are.
    void Defaults() override;
    /// Reads "General", then the window values, each with its field's value as default.
    void Load() override;
    /// Writes "General", then the window values.
    void Save() override;

    std::string m_type;
    std::string m_fromUnit;
    std::string m_toUnit;
    std::string m_workspaceFile;
    std::string m_calculator;
    std::int32_t m_decimalPrecision = 0;
    std::int32_t m_reloadLastUnits = 0;

private:
    void SetGeneralDefaults();
};
