#include "app/WindowSettings.h"

#include <utility>

namespace {

constexpr const char* kWindowSection = "Window";
constexpr const char* kVersionSection = "CurrentVersion";
constexpr const char* kVersion = "Version";
constexpr const char* kOnTop = "On top";
constexpr const char* kState = "State";
constexpr const char* kBoundsLeft = "Bounds.left";
constexpr const char* kBoundsTop = "Bounds.top";
constexpr const char* kBoundsRight = "Bounds.right";
constexpr const char* kBoundsBottom = "Bounds.bottom";
// The one stored window state that is kept; any other reads as the normal state 0.
constexpr std::int32_t kKeptState = 2;

}  // namespace

CWindowSettings::CWindowSettings(std::string root) : CRegistrySettings(std::move(root)) {
    SetWindowDefaults();
}

void CWindowSettings::SetWindowDefaults() {
    m_alwaysOnTop = 0;
    m_bounds = {};
    m_state = 0;
}

void CWindowSettings::Defaults() {
    const StoreSession session(*this);
    CRegistrySettings::Defaults();
    m_storedVersion = static_cast<std::uint32_t>(
        GetNumber(kVersionSection, kVersion, static_cast<std::int32_t>(m_storedVersion)));
    // The field keeps the version found, so the first run of a version can be told apart.
    if (m_storedVersion != m_currentVersion) {
        SetNumber(kVersionSection, kVersion, static_cast<std::int32_t>(m_currentVersion));
    }
    SetWindowDefaults();
}

void CWindowSettings::Load() {
    const StoreSession session(*this);
    m_alwaysOnTop = GetNumber(kWindowSection, kOnTop, m_alwaysOnTop);
    m_bounds.bottom = GetNumber(kWindowSection, kBoundsBottom, m_bounds.bottom);
    m_bounds.right = GetNumber(kWindowSection, kBoundsRight, m_bounds.right);
    m_bounds.top = GetNumber(kWindowSection, kBoundsTop, m_bounds.top);
    m_bounds.left = GetNumber(kWindowSection, kBoundsLeft, m_bounds.left);
    m_state = GetNumber(kWindowSection, kState, m_state) == kKeptState ? kKeptState : 0;
    CRegistrySettings::Load();
}

void CWindowSettings::Save() {
    const StoreSession session(*this);
    SetNumber(kWindowSection, kOnTop, m_alwaysOnTop);
    // Empty bounds are not written, so the bounds stored before stay.
    if (!m_bounds.IsEmpty()) {
        const std::pair<const char*, std::int32_t> parts[] = {{kBoundsLeft, m_bounds.left},
                                                              {kBoundsTop, m_bounds.top},
                                                              {kBoundsRight, m_bounds.right},
                                                              {kBoundsBottom, m_bounds.bottom}};
        for (const auto& [name, value] : parts) {
            if (!SetNumber(kWindowSection, name, value)) {
                break;
            }
        }
    }
    SetNumber(kWindowSection, kState, m_state);
    CRegistrySettings::Save();
}
