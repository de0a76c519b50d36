#include "convert/BackupList.h"

#include <charconv>
#include <new>
#include <ostream>

#include "catalogue/FileError.h"
#include "catalogue/UnitMgr.h"
#include "convert/CommandReport.h"

namespace {

std::string Units(int count) {
    return std::to_string(count) + (count == 1 ? " unit" : " units");
}

/// "153 units", or why the backup cannot be read.
std::string UnitCount(const std::string& path) {
    CUnitMgr catalogue;
    try {
        catalogue.LoadFromFile(path);
    } catch (const CFileError& failure) {
        return "unreadable (" + failure.Reason() + ")";
    } catch (const std::bad_alloc&) {
        return "unreadable (out of memory)";
    }
    return Units(catalogue.GetCount());
}

}  // namespace

CBackupList::CBackupList(const CCatalogueBackups& backups, const std::string& cataloguePath)
    : m_cataloguePath(cataloguePath),
      m_folder(backups.Folder()),
      m_folderFault(backups.FolderFault()),
      m_backups(backups.List(cataloguePath)) {}

bool CBackupList::Print(std::ostream& out, std::string& error) const {
    if (!m_folderFault.empty()) {
        error = "cannot list the backups: " + m_folderFault;
        return false;
    }
    if (m_backups.empty()) {
        out << "no backups of " << CommandReport::Printable(m_cataloguePath) << " in "
            << CommandReport::Printable(m_folder) << '\n';
        return true;
    }
    int number = 0;
    for (const CCatalogueBackups::Backup& backup : m_backups) {
        out << ++number << '\t' << backup.time << '\t' << UnitCount(backup.path) << '\t'
            << CommandReport::Printable(backup.path) << '\n';
    }
    return true;
}

bool CBackupList::Load(const std::string& number, CUnitMgr& catalogue, std::string& what,
                       std::string& error) const {
    std::size_t index = 0;
    const char* end = number.data() + number.size();
    const std::from_chars_result result = std::from_chars(number.data(), end, index);
    if (!m_folderFault.empty()) {
        error = "cannot list the backups: " + m_folderFault;
        return false;
    }
    if (result.ec != std::errc() || result.ptr != end || index < 1 || index > m_backups.size()) {
        error = "no backup number '" + number + "': " + m_cataloguePath + " has " +
                std::to_string(m_backups.size()) + " (see --backups)";
        return false;
    }
    const CCatalogueBackups::Backup& backup = m_backups[index - 1];
    try {
        catalogue.LoadFromFile(backup.path);
    } catch (const CFileError& failure) {
        error = "cannot read the backup " + std::string(failure.what());
        return false;
    } catch (const std::bad_alloc&) {
        error = "cannot read the backup " + backup.path + ": out of memory";
        return false;
    }
    what = "backup " + number + " of " + backup.time + " (" + Units(catalogue.GetCount()) + ")";
    return true;
}
