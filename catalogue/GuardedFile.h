#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

/// The one way the programs read a file whole: the catalogue, unit tables and rates
/// files. Only a regular file is read, opened without blocking so that a FIFO or device
/// chosen by mistake never hangs the caller, and at most a cap of bytes, so that a huge
/// or endless file is refused before it fills memory.
class CGuardedFile {
public:
    /// Why a file was not read.
    enum class Fault {
        kNone,
        kCannotOpen,
        kFolder,
        kNotAFile,  ///< a pipe, device or socket
        kCannotRead,
        kTooLarge,
    };

    /// Reads the file at path, when it is a regular file of at most maxBytes.
    CGuardedFile(const std::string& path, std::uintmax_t maxBytes);

    Fault GetFault() const { return m_fault; }
    /// The system's words for kCannotOpen and kCannotRead.
    const std::string& SystemReason() const { return m_systemReason; }
    /// The file's bytes; none after a fault.
    std::string_view Bytes() const { return {m_data.get(), m_size}; }
    /// The fault in words for a message, "Is a directory" or "larger than 256 MiB".
    std::string Reason() const;
    /// Throws CFileError with the path and Reason when the file was not read.
    void ThrowOnFault() const;

private:
    void ReadAll(int fd, std::uintmax_t sizeHint);
    void Fail(Fault fault, std::string systemReason = {});

    std::string m_path;
    std::uintmax_t m_maxBytes;
    Fault m_fault = Fault::kNone;
    std::string m_systemReason;
    std::unique_ptr<char[]> m_data;
    std::size_t m_size = 0;
};
