#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "app/WorkspaceSettings.h"
#include "catalogue/UnitMgr.h"
#include "formats/QueryReader.h"

/// The catalogue and the settings that the desktop search answers from: those of the
/// user's window, found through the catalogue record that the window keeps, and read
/// again when their files change. Never writes anything: a missing or damaged catalogue
/// gives the factory units, missing settings their defaults.
class CSearchCatalogue {
public:
    /// recordFile: where the window records its catalogue (see CCatalogueRecord);
    /// settingsRoot: the window's settings store.
    CSearchCatalogue(std::string recordFile, std::string settingsRoot);
    ~CSearchCatalogue();
    CSearchCatalogue(const CSearchCatalogue&) = delete;
    CSearchCatalogue& operator=(const CSearchCatalogue&) = delete;

    /// Reads again whatever changed since the last call: a few file looks when nothing did.
    void Refresh();

    /// The reader of queries on the catalogue.
    const CQueryReader& Reader() const { return *m_reader; }
    const CUnitMgr& Catalogue() const { return m_catalogue; }
    /// A number that differs for every catalogue read, in this run and any other.
    std::uint64_t Generation() const { return m_generation; }
    /// Decimals of the numbers shown, as in the window.
    int Precision() const { return m_settings.m_decimalPrecision; }
    /// The window's last type and to-unit.
    CQueryReader::Preferred LastUsed() const;
    /// The folder to start the window in, so that its catalogue file is the one recorded;
    /// empty when no window has recorded one.
    std::string WindowFolder() const;

private:
    /// What tells a file's change cheaply: identity, size and time of last change.
    struct Stamp {
        bool operator==(const Stamp&) const = default;
        std::uint64_t device = 0;
        std::uint64_t inode = 0;
        std::int64_t size = -1;
        std::int64_t changed = 0;  ///< nanoseconds
    };
    static Stamp StampOf(const std::string& file);

    void ReadCatalogue();
    void ReadSettings();

    std::string m_recordFile;
    std::string m_settingsRoot;
    Stamp m_recordStamp;
    std::string m_catalogueFile;  ///< absolute; empty for the factory units
    Stamp m_catalogueStamp;
    Stamp m_settingsStamp;
    Stamp m_settingsLogStamp;
    bool m_read = false;

    CUnitMgr m_catalogue;
    std::unique_ptr<CQueryReader> m_reader;
    std::uint64_t m_generation = 0;
    CWorkspaceSettings m_settings;
};
