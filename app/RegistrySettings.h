#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "app/KeyStore.h"
#include "app/RegistryKeyPath.h"

/// Typed access to one settings location and the three steps defaults, load, save.
/// Never throws and never shows anything: a read that fails yields its default, a
/// write that fails returns false.
class CRegistrySettings {
public:
    /// Settings kept in the store file root; reads and writes nothing yet.
    explicit CRegistrySettings(std::string root = CRegistryKeyPath::DefaultRoot());
    virtual ~CRegistrySettings();

    /// Resets the fields to their defaults and clears modified.
    virtual void Defaults();
    /// Reads the fields from the store and clears modified.
    virtual void Load();
    /// Writes the fields to the store and clears modified.
    virtual void Save();

    /// The number stored as name in section, or defaultValue when there is none.
    std::int32_t GetNumber(const std::string& section, const std::string& name,
                           std::int32_t defaultValue);
    /// Stores number as name in section; false when it could not be written.
    bool SetNumber(const std::string& section, const std::string& name, std::int32_t value);
    /// The text stored as name in section, or defaultValue when there is none.
    std::string GetString(const std::string& section, const std::string& name,
                          const std::string& defaultValue);
    /// Stores text as name in section; false when it could not be written.
    bool SetString(const std::string& section, const std::string& name, const std::string& value);

    bool IsModified() const { return m_modified != 0; }
    void SetModified(bool modified = true) { m_modified = modified ? 1 : 0; }

    CRegistryKeyPath m_location;
    /// Reads only, never writing or creating the store: for the other programs of the
    /// session, which look at the user's settings.
    bool m_readOnly = false;

    /// Lets the accesses of one step share a connection to the store, so a step opens the
    /// store once, and gives up at once on its other values when the store fails.
    /// Sessions nest: an inner one uses the outer one's connection.
    class StoreSession {
    public:
        explicit StoreSession(CRegistrySettings& settings);
        ~StoreSession();
        StoreSession(const StoreSession&) = delete;
        StoreSession& operator=(const StoreSession&) = delete;

    private:
        CRegistrySettings& m_settings;
        std::unique_ptr<CKeyStore> m_store;
    };

protected:
    std::int32_t m_modified = 0;

private:
    /// The open session's store, or else a store made in own for one access.
    CKeyStore& Store(std::unique_ptr<CKeyStore>& own);
    CKeyStore::Access Access() const;

    CKeyStore* m_session = nullptr;
};
