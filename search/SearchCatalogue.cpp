#include "search/SearchCatalogue.h"

#include <sys/stat.h>

#include <filesystem>
#include <random>

#include "catalogue/CatalogueRecord.h"

CSearchCatalogue::CSearchCatalogue(std::string recordFile, std::string settingsRoot)
    : m_recordFile(std::move(recordFile)),
      m_settingsRoot(std::move(settingsRoot)),
      m_settings(m_settingsRoot) {
    // Random, so that an id from an earlier run of the helper never passes for a new one.
    std::random_device random;
    m_generation = (std::uint64_t{random()} << 32) ^ random();
    m_settings.m_readOnly = true;
    m_settings.m_location.Set("Software", "Kolpa", "Tarvo");
}

CSearchCatalogue::~CSearchCatalogue() = default;

CSearchCatalogue::Stamp CSearchCatalogue::StampOf(const std::string& file) {
    struct stat status {};
    if (file.empty() || ::stat(file.c_str(), &status) != 0) {
        return {};
    }
    return {status.st_dev, status.st_ino, status.st_size,
            std::int64_t{status.st_ctim.tv_sec} * 1000000000 + status.st_ctim.tv_nsec};
}

void CSearchCatalogue::Refresh() {
    const Stamp record = StampOf(m_recordFile);
    bool catalogueChanged = !m_read || record != m_recordStamp;
    if (catalogueChanged) {
        m_recordStamp = record;
        m_catalogueFile = CCatalogueRecord(m_recordFile).Recorded();
    }
    const Stamp catalogue = StampOf(m_catalogueFile);
    catalogueChanged = catalogueChanged || catalogue != m_catalogueStamp;
    if (catalogueChanged) {
        m_catalogueStamp = catalogue;
        ReadCatalogue();
    }
    // The store commits to its log, and copies the log back now and then.
    const Stamp settings = StampOf(m_settingsRoot);
    const Stamp settingsLog = StampOf(m_settingsRoot + "-wal");
    if (!m_read || settings != m_settingsStamp || settingsLog != m_settingsLogStamp) {
        m_settingsStamp = settings;
        m_settingsLogStamp = settingsLog;
        ReadSettings();
    }
    m_read = true;
}

void CSearchCatalogue::ReadCatalogue() {
    m_reader.reset();
    m_catalogue.RemoveAllUnits();
    m_catalogue.LoadFromFileOrFactory(m_catalogueFile);
    m_reader = std::make_unique<CQueryReader>(m_catalogue);
    ++m_generation;
}

void CSearchCatalogue::ReadSettings() {
    m_settings.Load();
}

CQueryReader::Preferred CSearchCatalogue::LastUsed() const {
    return {m_settings.m_type, m_settings.m_toUnit};
}

std::string CSearchCatalogue::WindowFolder() const {
    if (m_catalogueFile.empty()) {
        return {};
    }
    // The window opens its catalogue file relative to the folder it starts in.
    const std::filesystem::path workspace(m_settings.m_workspaceFile);
    std::filesystem::path folder(m_catalogueFile);
    if (workspace.is_absolute()) {
        return folder.parent_path().string();
    }
    for (auto part = workspace.begin(); part != workspace.end(); ++part) {
        folder = folder.parent_path();
    }
    return folder.string();
}
