#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "catalogue/ArchiveWriter.h"

/// A byte sink that writes a file so that it is never seen half written: the bytes go
/// to a temporary file created exclusively beside the target, which Commit() flushes,
/// fsyncs and renames over the target. Destroyed without Commit(), it removes the
/// temporary file and the target stays as it was. Failures throw CFileError with the
/// target's path and the system's reason.
class CSafeFileWriter : public CByteSink {
public:
    explicit CSafeFileWriter(std::string path);
    CSafeFileWriter(const CSafeFileWriter&) = delete;
    CSafeFileWriter& operator=(const CSafeFileWriter&) = delete;
    ~CSafeFileWriter() override;

    void Write(std::string_view bytes) override;
    /// Makes the written bytes the file. beforeReplace, when given, is called with the
    /// target's path once the bytes are safe on disk and just before they replace an
    /// existing target, while that file is still there.
    void Commit(const std::function<void(const std::string&)>& beforeReplace = {});

private:
    std::string m_path;
    std::string m_target;  // m_path with a symbolic link followed
    std::string m_tempPath;
    int m_fd = -1;
    bool m_committed = false;
};
