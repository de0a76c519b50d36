#include "catalogue/SafeFileWriter.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <utility>

#include "catalogue/FileError.h"

namespace {

constexpr int kTempNameAttempts = 100;

[[noreturn]] void ThrowSystemError(const std::string& path, int error) {
    throw CFileError(path, std::strerror(error));
}

/// The file the bytes must finally land in: a symbolic link is followed, so saving
/// updates the file it points to instead of replacing the link with a plain file.
std::string ResolveTarget(const std::string& path) {
    std::error_code error;
    if (!std::filesystem::is_symlink(path, error)) {
        return path;
    }
    const auto target = std::filesystem::weakly_canonical(path, error);
    return error ? path : target.string();
}

std::string DirectoryOf(const std::string& path) {
    const auto parent = std::filesystem::path(path).parent_path();
    return parent.empty() ? std::string(".") : parent.string();
}

/// Flushes the directory entry of a rename to disk. Best effort: the new file is already
/// in place, and some file systems cannot sync a directory at all.
void SyncDirectory(const std::string& directory) {
    const int fd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

}  // namespace

CSafeFileWriter::CSafeFileWriter(std::string path) : m_path(std::move(path)) {
    if (m_path.empty()) {
        ThrowSystemError(m_path, ENOENT);
    }
    const std::string target = ResolveTarget(m_path);
    struct stat existing {};
    const bool targetExists = ::stat(target.c_str(), &existing) == 0;
    const mode_t mode = targetExists ? (existing.st_mode & 07777) : 0644;

    static std::atomic<unsigned> serial{0};
    for (int attempt = 0; attempt < kTempNameAttempts && m_fd < 0; ++attempt) {
        m_tempPath = target + ".tmp-" + std::to_string(::getpid()) + "-" +
                     std::to_string(serial.fetch_add(1));
        m_fd = ::open(m_tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (m_fd < 0 && errno != EEXIST) {
            ThrowSystemError(m_path, errno);
        }
    }
    if (m_fd < 0) {
        ThrowSystemError(m_path, EEXIST);
    }
    if (targetExists) {
        // The umask may have narrowed the mode; the saved file keeps the old one. Best
        // effort: some file systems refuse modes, and the content matters more.
        ::fchmod(m_fd, mode);
    }
    m_target = target;
}

CSafeFileWriter::~CSafeFileWriter() {
    if (m_fd >= 0) {
        ::close(m_fd);
    }
    if (!m_committed) {
        ::unlink(m_tempPath.c_str());
    }
}

void CSafeFileWriter::Write(std::string_view bytes) {
    if (m_fd < 0) {
        throw CFileError(m_path, "the file is already closed");
    }
    while (!bytes.empty()) {
        const ssize_t written = ::write(m_fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            ThrowSystemError(m_path, errno);
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
}

void CSafeFileWriter::Commit(const std::function<void(const std::string&)>& beforeReplace) {
    if (m_fd < 0) {
        throw CFileError(m_path, "the file is already closed");
    }
    if (::fsync(m_fd) != 0) {
        ThrowSystemError(m_path, errno);
    }
    const int fd = std::exchange(m_fd, -1);
    if (::close(fd) != 0) {
        ThrowSystemError(m_path, errno);
    }
    if (beforeReplace && ::access(m_target.c_str(), F_OK) == 0) {
        beforeReplace(m_target);
    }
    if (::rename(m_tempPath.c_str(), m_target.c_str()) != 0) {
        ThrowSystemError(m_path, errno);
    }
    m_committed = true;
    SyncDirectory(DirectoryOf(m_target));
}
