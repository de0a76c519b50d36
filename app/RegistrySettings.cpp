#include "app/RegistrySettings.h"

#include "app/KeyStore.h"

namespace {

// The section's place in the store: the base key must exist; the keys below it are made
// when missing.
CKeyStore::Path SectionPath(const CRegistryKeyPath& location, const std::string& section) {
    return {{location.m_base},
            {location.m_maker, location.m_application, location.m_subKey, section}};
}

template <typename T>
T ValueOr(const std::optional<CKeyStore::Value>& value, const T& defaultValue) {
    const T* stored = value ? std::get_if<T>(&*value) : nullptr;
    return stored ? *stored : defaultValue;
}

}  // namespace

CRegistrySettings::CRegistrySettings(std::string root) : m_location(std::move(root)) {}

CRegistrySettings::~CRegistrySettings() = default;

void CRegistrySettings::Defaults() {
    m_modified = 0;
}

void CRegistrySettings::Load() {
    m_modified = 0;
}

void CRegistrySettings::Save() {
    m_modified = 0;
}

CKeyStore::Access CRegistrySettings::Access() const {
    return m_readOnly ? CKeyStore::Access::ReadOnly : CKeyStore::Access::ReadWrite;
}

CKeyStore& CRegistrySettings::Store(std::unique_ptr<CKeyStore>& own) {
    if (m_session) {
        return *m_session;
    }
    own = std::make_unique<CKeyStore>(m_location.m_root, Access());
    return *own;
}

std::int32_t CRegistrySettings::GetNumber(const std::string& section, const std::string& name,
                                          std::int32_t defaultValue) {
    std::unique_ptr<CKeyStore> own;
    return ValueOr(Store(own).GetValue(SectionPath(m_location, section), name), defaultValue);
}

bool CRegistrySettings::SetNumber(const std::string& section, const std::string& name,
                                  std::int32_t value) {
    std::unique_ptr<CKeyStore> own;
    return Store(own).SetValue(SectionPath(m_location, section), name, value);
}

std::string CRegistrySettings::GetString(const std::string& section, const std::string& name,
                                         const std::string& defaultValue) {
    std::unique_ptr<CKeyStore> own;
    return ValueOr(Store(own).GetValue(SectionPath(m_location, section), name), defaultValue);
}

bool CRegistrySettings::SetString(const std::string& section, const std::string& name,
                                  const std::string& value) {
    std::unique_ptr<CKeyStore> own;
    return Store(own).SetValue(SectionPath(m_location, section), name, value);
}

CRegistrySettings::StoreSession::StoreSession(CRegistrySettings& settings) : m_settings(settings) {
    if (!m_settings.m_session) {
        m_store = std::make_unique<CKeyStore>(m_settings.m_location.m_root, m_settings.Access());
        m_settings.m_session = m_store.get();
    }
}

CRegistrySettings::StoreSession::~StoreSession() {
    if (m_store) {
        m_settings.m_session = nullptr;
    }
}
