#include "app/WorkspaceSettings.h"

namespace {

constexpr const char* kGeneral = "General";
constexpr const char* kType = "Type";
constexpr const char* kWorkspaceFile = "Default Workspace";
constexpr const char* kReloadLastUnits = "Reload MRU";
constexpr const char* kCalculator = "Calculator";
// These names have been written with other capitals than they are read with; the store
// matches names without regard to case, so both spellings reach the same value.
constexpr const char* kFromUnitRead = "From unit";
constexpr const char* kFromUnitWritten = "From Unit";
constexpr const char* kToUnitRead = "To unit";
constexpr const char* kToUnitWritten = "To Unit";
constexpr const char* kPrecisionRead = "Decimal precision";
constexpr const char* kPrecisionWritten = "Decimal Precision";

}  // namespace

CWorkspaceSettings::CWorkspaceSettings(std::string root) : CWindowSettings(std::move(root)) {
    SetGeneralDefaults();
}

void CWorkspaceSettings::SetGeneralDefaults() {
    m_decimalPrecision = 3;
    m_reloadLastUnits = 1;
    m_workspaceFile = "Tarvo.Dat";
    m_calculator = "calc";
}

void CWorkspaceSettings::Defaults() {
    CWindowSettings::Defaults();
    SetGeneralDefaults();
}

void CWorkspaceSettings::Load() {
    const StoreSession session(*this);
    m_type = GetString(kGeneral, kType, m_type);
    m_fromUnit = GetString(kGeneral, kFromUnitRead, m_fromUnit);
    m_toUnit = GetString(kGeneral, kToUnitRead, m_toUnit);
    m_workspaceFile = GetString(kGeneral, kWorkspaceFile, m_workspaceFile);
    m_decimalPrecision = GetNumber(kGeneral, kPrecisionRead, m_decimalPrecision);
    m_reloadLastUnits = GetNumber(kGeneral, kReloadLastUnits, m_reloadLastUnits);
    m_calculator = GetString(kGeneral, kCalculator, m_calculator);
    CWindowSettings::Load();
}

void CWorkspaceSettings::Save() {
    const StoreSession session(*this);
    SetString(kGeneral, kType, m_type);
    SetString(kGeneral, kFromUnitWritten, m_fromUnit);
    SetString(kGeneral, kToUnitWritten, m_toUnit);
    SetString(kGeneral, kWorkspaceFile, m_workspaceFile);
    SetNumber(kGeneral, kPrecisionWritten, m_decimalPrecision);
    SetNumber(kGeneral, kReloadLastUnits, m_reloadLastUnits);
    SetString(kGeneral, kCalculator, m_calculator);
    CWindowSettings::Save();
}
