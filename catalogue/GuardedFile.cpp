#include "catalogue/GuardedFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "catalogue/FileError.h"

namespace {

/// Closes a file descriptor when it goes.
class CDescriptor {
public:
    explicit CDescriptor(int fd) : m_fd(fd) {}
    CDescriptor(const CDescriptor&) = delete;
    CDescriptor& operator=(const CDescriptor&) = delete;
    ~CDescriptor() {
        if (m_fd >= 0) {
            ::close(m_fd);
        }
    }
    int Get() const { return m_fd; }

private:
    int m_fd;
};

}  // namespace

CGuardedFile::CGuardedFile(const std::string& path, std::uintmax_t maxBytes)
    : m_path(path), m_maxBytes(maxBytes) {
    const CDescriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    struct stat status {};
    if (file.Get() < 0 || ::fstat(file.Get(), &status) != 0) {
        Fail(Fault::kCannotOpen, std::strerror(errno));
    } else if (S_ISDIR(status.st_mode)) {
        Fail(Fault::kFolder);
    } else if (!S_ISREG(status.st_mode)) {
        Fail(Fault::kNotAFile);
    } else if (static_cast<std::uintmax_t>(status.st_size) > maxBytes) {
        Fail(Fault::kTooLarge);
    } else {
        ReadAll(file.Get(), static_cast<std::uintmax_t>(status.st_size));
    }
}

void CGuardedFile::ReadAll(int fd, std::uintmax_t sizeHint) {
    // One byte more than the size, so that a file read to its end needs no second buffer;
    // a file may still grow while it is read, or report no size at all (/proc).
    std::size_t capacity = static_cast<std::size_t>(sizeHint) + 1;
    m_data = std::make_unique_for_overwrite<char[]>(capacity);
    for (;;) {
        if (m_size == capacity) {
            if (m_size > m_maxBytes) {
                Fail(Fault::kTooLarge);
                return;
            }
            const std::size_t grown =
                static_cast<std::size_t>(std::min<std::uintmax_t>(2 * capacity, m_maxBytes + 1));
            auto data = std::make_unique_for_overwrite<char[]>(grown);
            std::memcpy(data.get(), m_data.get(), m_size);
            m_data = std::move(data);
            capacity = grown;
        }
        const ssize_t count = ::read(fd, m_data.get() + m_size, capacity - m_size);
        if (count == 0) {
            break;
        }
        if (count < 0) {
            if (errno == EINTR) {
                continue;
            }
            Fail(Fault::kCannotRead, std::strerror(errno));
            return;
        }
        m_size += static_cast<std::size_t>(count);
    }
    if (m_size > m_maxBytes) {
        Fail(Fault::kTooLarge);
    }
}

void CGuardedFile::Fail(Fault fault, std::string systemReason) {
    m_fault = fault;
    m_systemReason = std::move(systemReason);
    m_data.reset();
    m_size = 0;
}

std::string CGuardedFile::Reason() const {
    switch (m_fault) {
        case Fault::kNone:
            return {};
        case Fault::kFolder:
            return std::strerror(EISDIR);
        case Fault::kNotAFile:
            return "not a regular file";
        case Fault::kTooLarge:
            return "larger than " + std::to_string(m_maxBytes >> 20) + " MiB";
        case Fault::kCannotOpen:
        case Fault::kCannotRead:
            break;
    }
    return m_systemReason;
}

void CGuardedFile::ThrowOnFault() const {
    if (m_fault != Fault::kNone) {
        throw CFileError(m_path, Reason());
    }
}
