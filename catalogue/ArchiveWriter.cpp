#include "catalogue/ArchiveWriter.h"

#include <bit>
#include <limits>
#include <stdexcept>
#include <utility>

#include "catalogue/TextCodec.h"

namespace {

constexpr std::size_t kBufferSize = 4096;

std::uint32_t CheckedUInt32(std::size_t value) {
    if (value > std::numeric_limits<std::uint32_t>::max()) {
        throw std::length_error("a length does not fit the catalogue file");
    }
    return static_cast<std::uint32_t>(value);
}

}  // namespace

CArchiveWriter::CArchiveWriter(CByteSink& sink) : m_sink(sink) {
    m_buffer.reserve(kBufferSize);
}

void CArchiveWriter::Put(std::string_view bytes) {
    while (!bytes.empty()) {
        const std::size_t room = kBufferSize - m_buffer.size();
        const std::size_t part = bytes.size() < room ? bytes.size() : room;
        m_buffer.append(bytes.substr(0, part));
        bytes.remove_prefix(part);
        if (m_buffer.size() == kBufferSize) {
            Flush();
        }
    }
}

void CArchiveWriter::PutLittleEndian(std::uint64_t value, std::size_t size) {
    char bytes[8];
    for (std::size_t i = 0; i < size; ++i) {
        bytes[i] = static_cast<char>(value >> (8 * i));
    }
    Put(std::string_view(bytes, size));
}

void CArchiveWriter::Flush() {
    if (m_buffer.empty()) {
        return;
    }
    // Emptied first, so a sink that throws never sees the same bytes twice.
    const std::string pending = std::move(m_buffer);
    m_buffer.clear();
    m_buffer.reserve(kBufferSize);
    m_sink.Write(pending);
}

void CArchiveWriter::WriteUInt32(std::uint32_t value) {
    PutLittleEndian(value, 4);
}

void CArchiveWriter::WriteInt32(std::int32_t value) {
    WriteUInt32(static_cast<std::uint32_t>(value));
}

void CArchiveWriter::WriteDouble(double value) {
    PutLittleEndian(std::bit_cast<std::uint64_t>(value), 8);
}

void CArchiveWriter::WriteLength(std::size_t length) {
    if (length < 0xFF) {
        PutLittleEndian(length, 1);
    } else if (length < 0xFFFE) {
        PutLittleEndian(0xFF, 1);
        PutLittleEndian(length, 2);
    } else {
        PutLittleEndian(0xFFFFFF, 3);
        WriteUInt32(CheckedUInt32(length));
    }
}

void CArchiveWriter::WriteText(std::string_view utf8) {
    if (const auto singleByte = TextCodec::Utf8ToCp1252(utf8)) {
        WriteLength(singleByte->size());
        Put(*singleByte);
        return;
    }
    // A character Windows-1252 cannot hold: the UTF-16 form keeps the name intact.
    const std::string utf16 = TextCodec::Utf8ToUtf16Le(utf8);
    PutLittleEndian(0xFF, 1);
    PutLittleEndian(0xFFFE, 2);
    WriteLength(utf16.size() / 2);
    Put(utf16);
}

void CArchiveWriter::WriteCount(std::size_t count) {
    if (count < 0xFFFF) {
        PutLittleEndian(count, 2);
    } else {
        PutLittleEndian(0xFFFF, 2);
        WriteUInt32(CheckedUInt32(count));
    }
}
