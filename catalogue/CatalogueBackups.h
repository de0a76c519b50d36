#pragma once

#include <cstddef>
#include <string>
#include <vector>

/// The earlier versions of catalogue files. Before a save replaces a catalogue file, the
/// file is kept in the backup folder under the catalogue's file name, a short tag of its
/// full path (two catalogues may share a name) and the UTC time of the save; the newest
/// kKept of each catalogue file stay, older ones are removed.
class CCatalogueBackups {
public:
    static constexpr std::size_t kKept = 10;

    /// One kept file: its path and the UTC time it was kept, "2026-12-08 23:02:49 UTC".
    struct Backup {
        std::string path;
        std::string time;
    };

    /// $XDG_STATE_HOME/tarvo/backups, by default ~/.local/state/tarvo/backups; empty when
    /// neither that variable nor HOME names an absolute folder.
    static std::string DefaultFolder();

    explicit CCatalogueBackups(std::string folder = DefaultFolder());
    const std::string& Folder() const { return m_folder; }

    /// Keeps the file at cataloguePath: a hard link where the backup folder is on the same
    /// file system, a copy otherwise. Then removes the oldest beyond kKept. Returns the
    /// backup's path; throws CFileError when no backup could be made.
    std::string Keep(const std::string& cataloguePath) const;
    /// Keep() for a save about to replace the file: a failure is not thrown, since a backup
    /// must never stop a save, but noted for Failure().
    void KeepBeforeSave(const std::string& cataloguePath) noexcept;
    /// Why the last KeepBeforeSave() made no backup; empty when it did.
    const std::string& Failure() const { return m_failure; }

    /// The backups of the catalogue file at cataloguePath, newest first.
    std::vector<Backup> List(const std::string& cataloguePath) const;
    /// Why the backup folder cannot be listed ("PATH: not a folder"); empty when it can or
    /// is not there yet.
    std::string FolderFault() const;

private:
    /// The start every backup name of that catalogue file shares.
    static std::string NamePrefix(const std::string& cataloguePath);
    /// Removes the copies under way that a killed save left behind, a minute old or more.
    void RemoveStaleParts(const std::string& prefix) const;
    /// Makes the backup file under a new name; false when the name was taken.
    bool MakeBackup(const std::string& source, const std::string& backup) const;

    std::string m_folder;
    std::string m_failure;
};
