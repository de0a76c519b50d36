#pragma once

#include <stdexcept>
#include <string>

/// A catalogue file could not be opened, read to the end of its data, or written.
/// what() names the file and the reason in words a user can act on.
class CFileError : public std::runtime_error {
public:
    CFileError(const std::string& path, const std::string& reason)
        : std::runtime_error(path + ": " + reason), m_path(path), m_reason(reason) {}

    const std::string& Path() const { return m_path; }
    const std::string& Reason() const { return m_reason; }

private:
    std::string m_path;
    std::string m_reason;
};
