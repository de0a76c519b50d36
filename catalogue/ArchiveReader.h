#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

/// Reads the catalogue file's little-endian fields from bytes in memory. Every read
/// checks the bytes left first and throws CFileError("data ends early") instead of
/// reading past the end, so no count or length in a file can make it allocate more
/// than the rest of the file holds.
class CArchiveReader {
public:
    /// name is used in error messages only; bytes must outlive the reader.
    CArchiveReader(std::string_view bytes, std::string name);

    std::uint32_t ReadUInt32();
    std::int32_t ReadInt32();
    double ReadDouble();
    /// A counted text (1-, 2- or 4-byte length, or the UTF-16 form), as UTF-8.
    std::string ReadText();
    /// The unit count (2 bytes, or 0xFFFF and 4 bytes). Fails at once when the rest of
    /// the file could not hold that many records of minRecordSize bytes each.
    std::size_t ReadCount(std::size_t minRecordSize);

    std::size_t Remaining() const { return m_bytes.size() - m_pos; }

private:
    [[noreturn]] void Fail() const;
    /// The next count bytes; inline because every field of every record comes through here.
    std::string_view Take(std::size_t count) {
        if (count > Remaining()) {
            Fail();
        }
        const std::string_view taken(m_bytes.data() + m_pos, count);
        m_pos += count;
        return taken;
    }
    /// The rest of a text length whose first byte was lead; sets utf16 at the UTF-16
    /// marker, which is honoured once (the length after it is a plain length).
    std::uint32_t ReadLengthAfterByte(std::uint32_t lead, bool& utf16);

    std::string_view m_bytes;
    std::size_t m_pos = 0;
    std::string m_name;
};
