#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "catalogue/CatalogueBackups.h"

class CUnitMgr;

/// The backups of one catalogue file as tarvo-convert shows them: newest first, numbered
/// from 1, so that --restore 1 takes back the last save.
class CBackupList {
public:
    CBackupList(const CCatalogueBackups& backups, const std::string& cataloguePath);

    /// One line per backup: number, time, unit count and path, separated by tabs; a note
    /// on standard output when there is none. False with error when the backup folder
    /// cannot be listed (a file in its place, no permission).
    bool Print(std::ostream& out, std::string& error) const;
    /// Loads backup number (as typed) into catalogue and describes it in what; false with
    /// error when there is no such backup or it cannot be read.
    bool Load(const std::string& number, CUnitMgr& catalogue, std::string& what,
              std::string& error) const;

private:
    std::string m_cataloguePath;
    std::string m_folder;
    std::string m_folderFault;
    std::vector<CCatalogueBackups::Backup> m_backups;
};
