#pragma once

#include <filesystem>
#include <string>
#include <vector>

/// A directory of its own for one test, removed with everything in it afterwards.
class CScratchDir {
public:
    /// Creates a fresh, uniquely named directory under the system's temporary directory.
    CScratchDir();
    ~CScratchDir();
    CScratchDir(const CScratchDir&) = delete;
    CScratchDir& operator=(const CScratchDir&) = delete;

    /// The directory.
    const std::filesystem::path& Path() const { return m_path; }
    /// The path of name inside the directory, as text.
    std::string File(const std::string& name) const { return (m_path / name).string(); }
    /// Writes bytes to name inside the directory, making its folders, and returns its path.
    std::string Write(const std::string& name, const std::string& bytes) const;
    /// The names of the directory's entries, in no particular order.
    std::vector<std::string> Entries() const;
    /// The whole content of a file, empty when there is none.
    static std::string Read(const std::filesystem::path& file);

private:
    std::filesystem::path m_path;
};
