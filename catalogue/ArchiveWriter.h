#pragma once

#include <cstdint>
#include <string>
#include <string_view>

/// Where an archive's bytes go. SaveToFile passes a file; tests pass a sink that fails
/// after N bytes to reach the error paths.
class CByteSink {
public:
    virtual ~CByteSink() = default;
    /// Writes all of bytes or throws CFileError.
    virtual void Write(std::string_view bytes) = 0;
};

/// Writes the catalogue file's little-endian fields through a 4096-byte buffer.
/// Texts are UTF-8 in memory and written in Windows-1252 when every character fits,
/// otherwise in the UTF-16 form that the reader accepts, so no name is ever destroyed.
class CArchiveWriter {
public:
    explicit CArchiveWriter(CByteSink& sink);
    CArchiveWriter(const CArchiveWriter&) = delete;
    CArchiveWriter& operator=(const CArchiveWriter&) = delete;
    ~CArchiveWriter() = default;

    void WriteUInt32(std::uint32_t value);
    void WriteInt32(std::int32_t value);
    void WriteDouble(double value);
    void WriteText(std::string_view utf8);
    void WriteCount(std::size_t count);
    /// Hands the buffered bytes to the sink. Must be called before the sink is finished.
    void Flush();

private:
    void Put(std::string_view bytes);
    void PutLittleEndian(std::uint64_t value, std::size_t size);
    /// A text length in the 1-, 3- or 7-byte form.
    void WriteLength(std::size_t length);

    CByteSink& m_sink;
    std::string m_buffer;
};
