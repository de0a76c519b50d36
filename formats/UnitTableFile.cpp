#include "formats/UnitTableFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <sstream>
#include <string_view>

#include "catalogue/SafeFileWriter.h"
#include "catalogue/TextCodec.h"

namespace {

using Fault = CUnitTableFile::Fault;

/// Closes a file descriptor when it goes.
class CFileDescriptor {
public:
    explicit CFileDescriptor(int fd) : m_fd(fd) {}
    CFileDescriptor(const CFileDescriptor&) = delete;
    CFileDescriptor& operator=(const CFileDescriptor&) = delete;
    ~CFileDescriptor() {
        if (m_fd >= 0) {
            ::close(m_fd);
        }
    }
    int Get() const { return m_fd; }

private:
    int m_fd;
};

/// Reads the whole regular file at path into bytes; the fault when it cannot.
CUnitTableFile::Outcome ReadBytes(const std::string& path, std::string& bytes) {
    CUnitTableFile::Outcome outcome;
    // Non-blocking, so that opening a pipe nobody writes to does not hang.
    const CFileDescriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    struct stat status {};
    if (file.Get() < 0 || ::fstat(file.Get(), &status) != 0) {
        outcome.fault = Fault::kCannotOpen;
        outcome.systemReason = std::strerror(errno);
    } else if (S_ISDIR(status.st_mode)) {
        outcome.fault = Fault::kFolder;
    } else if (!S_ISREG(status.st_mode)) {
        outcome.fault = Fault::kNotAFile;
    } else if (static_cast<std::uintmax_t>(status.st_size) > CUnitTableFile::kMaxBytes) {
        outcome.fault = Fault::kTooLarge;
    }
    if (outcome.fault != Fault::kNone) {
        return outcome;
    }
    bytes.reserve(static_cast<std::size_t>(status.st_size));
    char block[1 << 16];
    for (;;) {
        const ssize_t got = ::read(file.Get(), block, sizeof block);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            outcome.fault = Fault::kCannotRead;
            outcome.systemReason = std::strerror(errno);
            return outcome;
        }
        if (got == 0) {
            break;
        }
        // A file may grow while it is read, or report no size at all (/proc).
        if (bytes.size() + static_cast<std::size_t>(got) > CUnitTableFile::kMaxBytes) {
            outcome.fault = Fault::kTooLarge;
            return outcome;
        }
        bytes.append(block, static_cast<std::size_t>(got));
    }
    return outcome;
}

/// The first line that is not UTF-8, or 0 when all are.
long FirstLineNotUtf8(std::string_view text) {
    long number = 0;
    while (!text.empty()) {
        ++number;
        const std::size_t end = text.find('\n');
        if (!TextCodec::CountUtf8Characters(text.substr(0, end))) {
            return number;
        }
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
    return 0;
}

}  // namespace

CUnitTableFile::Outcome CUnitTableFile::Read(const std::string& path, CUnitTable& table) {
    std::string bytes;
    Outcome outcome = ReadBytes(path, bytes);
    if (outcome.fault != Fault::kNone) {
        return outcome;
    }
    if (bytes.empty()) {
        outcome.fault = Fault::kEmpty;
    } else if (bytes.find('\0') != std::string::npos) {
        outcome.fault = Fault::kBinary;
    } else if ((outcome.line = FirstLineNotUtf8(bytes)) != 0) {
        outcome.fault = Fault::kNotUtf8;
    } else {
        outcome.badLines = table.Read(bytes, outcome.problems);
        if (outcome.badLines > 0) {
            outcome.fault = Fault::kBadLines;
        }
    }
    return outcome;
}

void CUnitTableFile::Write(const std::string& path, const std::vector<CUnit>& units) {
    std::ostringstream text;
    CUnitTable::Write(text, units);
    CSafeFileWriter file(path);
    file.Write(text.view());
    file.Commit();
}
