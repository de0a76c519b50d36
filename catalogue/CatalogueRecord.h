#pragma once

#include <string>

/// Which catalogue file the user's window works on, kept in a file of its own so that the
/// other programs of the session (the desktop search helper) answer from the same units.
class CCatalogueRecord {
public:
    /// $XDG_STATE_HOME/tarvo/catalogue (XdgFolder::StateHome()); empty when there is no home
    /// folder.
    static std::string DefaultFile();

    explicit CCatalogueRecord(std::string file = DefaultFile());

    /// Records catalogueFile, made absolute against the current folder, unless the record
    /// already holds that path: written atomically, its folder created. Throws CFileError
    /// when it cannot be written.
    void Record(const std::string& catalogueFile) const;
    /// The recorded absolute path; empty when there is none, it cannot be read, or it is
    /// not absolute.
    std::string Recorded() const;

private:
    std::string m_file;
};
