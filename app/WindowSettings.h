#pragma once

#include <cstdint>

#include "app/RegistrySettings.h"

/// The application version check and the window values "On top", "Bounds", "State".
class CWindowSettings : public CRegistrySettings {
public:
    struct Bounds {
        std::int32_t left = 0, top = 0, right = 0, bottom = 0;
        bool IsEmpty() const { return right <= left || bottom <= top; }
    };

    /// In-memory defaults only: reads and writes nothing.
    explicit CWindowSettings(std::string root = CRegistryKeyPath::DefaultRoot());

    /// Reads the stored version and records the current one when they differ, then
    /// resets the window values.
    void Defaults() override;
    void Load() override;
    /// Writes the window values; empty bounds are left out, keeping those stored.
    void Save() override;

    std::uint32_t m_storedVersion = 0;
    std::uint32_t m_currentVersion = 0;
    std::int32_t m_alwaysOnTop = 0;
    Bounds m_bounds;
    std::int32_t m_state = 0;

protected:
    /// The in-memory part of Defaults, which construction runs without the store.
    void SetWindowDefaults();
};
