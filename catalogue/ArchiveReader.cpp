#include "catalogue/ArchiveReader.h"

#include <bit>
#include <cstring>
#include <utility>

#include "catalogue/FileError.h"
#include "catalogue/TextCodec.h"

namespace {

/// The unsigned number stored little-endian in the first sizeof(T) bytes.
template <typename T>
T LittleEndian(std::string_view bytes) {
    T value = 0;
    if constexpr (std::endian::native == std::endian::little) {
        std::memcpy(&value, bytes.data(), sizeof(value));
    } else {
        for (std::size_t i = sizeof(value); i-- > 0;) {
            value = static_cast<T>((value << 8) | static_cast<unsigned char>(bytes[i]));
        }
    }
    return value;
}

}  // namespace

CArchiveReader::CArchiveReader(std::string_view bytes, std::string name)
    : m_bytes(bytes), m_name(std::move(name)) {}

void CArchiveReader::Fail() const {
    throw CFileError(m_name, "the data ends early");
}

std::uint32_t CArchiveReader::ReadUInt32() {
    return LittleEndian<std::uint32_t>(Take(4));
}

std::int32_t CArchiveReader::ReadInt32() {
    return static_cast<std::int32_t>(ReadUInt32());
}

double CArchiveReader::ReadDouble() {
    return std::bit_cast<double>(LittleEndian<std::uint64_t>(Take(8)));
}

std::uint32_t CArchiveReader::ReadLengthAfterByte(std::uint32_t lead, bool& utf16) {
    if (lead < 0xFF) {
        return lead;
    }
    const auto word = LittleEndian<std::uint16_t>(Take(2));
    if (word == 0xFFFF) {
        return ReadUInt32();
    }
    if (word == 0xFFFE && !utf16) {
        // The UTF-16 marker: the real length follows, counted in UTF-16 units.
        utf16 = true;
        return ReadLengthAfterByte(static_cast<unsigned char>(Take(1)[0]), utf16);
    }
    return word;
}

std::string CArchiveReader::ReadText() {
    const auto lead = static_cast<unsigned char>(Take(1)[0]);
    if (lead < 0xFF) {
        // Nearly every text is a short one with its length in a single byte.
        return TextCodec::Cp1252ToUtf8(Take(lead));
    }
    bool utf16 = false;
    const std::uint64_t length = ReadLengthAfterByte(lead, utf16);
    if (utf16) {
        return TextCodec::Utf16LeToUtf8(Take(2 * length));
    }
    return TextCodec::Cp1252ToUtf8(Take(length));
}

std::size_t CArchiveReader::ReadCount(std::size_t minRecordSize) {
    std::size_t count = LittleEndian<std::uint16_t>(Take(2));
    if (count == 0xFFFF) {
        count = ReadUInt32();
    }
    if (minRecordSize != 0 && count > Remaining() / minRecordSize) {
        Fail();
    }
    return count;
}
