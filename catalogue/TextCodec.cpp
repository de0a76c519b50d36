#include "catalogue/TextCodec.h"

#include <array>
#include <cstdint>
#include <cstring>

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// Code points of the bytes 0x80..0x9F. The five bytes Windows-1252 leaves undefined map
// to the C1 controls of the same value, so every byte has a character and back.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

constexpr char32_t ByteToCodePoint(unsigned char byte) {
    if (byte >= 0x80 && byte < 0xA0) {
        return kHighControls[byte - 0x80u];
    }
    return byte;
}

std::optional<char> CodePointToByte(char32_t code) {
    if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) {
        return static_cast<char>(code);
    }
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == code) {
            return static_cast<char>(0x80 + i);
        }
    }
    return std::nullopt;
}

void AppendUtf8(std::string& out, char32_t code) {
    auto put = [&out](std::uint32_t value) { out.push_back(static_cast<char>(value)); };
    if (code < 0x80) {
        put(code);
    } else if (code < 0x800) {
        put(0xC0 | (code >> 6));
        put(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        put(0xE0 | (code >> 12));
        put(0x80 | ((code >> 6) & 0x3F));
        put(0x80 | (code & 0x3F));
    } else {
        put(0xF0 | (code >> 18));
        put(0x80 | ((code >> 12) & 0x3F));
        put(0x80 | ((code >> 6) & 0x3F));
        put(0x80 | (code & 0x3F));
    }
}

/// Decodes one code point at pos and advances pos; nullopt (pos past the bad byte) for a
/// malformed, overlong, surrogate or out-of-range sequence.
std::optional<char32_t> DecodeUtf8(std::string_view text, std::size_t& pos) {
    const auto lead = static_cast<unsigned char>(text[pos++]);
    if (lead < 0x80) {
        return lead;
    }
    std::size_t extra = 0;
    char32_t code = 0;
    char32_t minimum = 0;
    if ((lead & 0xE0) == 0xC0) {
        extra = 1;
        code = lead & 0x1Fu;
        minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2;
        code = lead & 0x0Fu;
        minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3;
        code = lead & 0x07u;
        minimum = 0x10000;
    } else {
        return std::nullopt;
    }
    for (std::size_t i = 0; i < extra; ++i) {
        if (pos >= text.size() || (static_cast<unsigned char>(text[pos]) & 0xC0) != 0x80) {
            return std::nullopt;
        }
        code = (code << 6) | (static_cast<unsigned char>(text[pos++]) & 0x3Fu);
    }
    if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
        return std::nullopt;
    }
    return code;
}

/// The UTF-8 form of each byte 0x80..0xFF, worked out once at compile time, so decoding a
/// text costs one table look-up per high byte.
struct CEncodedByte {
    std::array<char, 3> bytes{};
    std::size_t length = 0;
};

constexpr std::array<CEncodedByte, 128> MakeHighByteTable() {
    std::array<CEncodedByte, 128> table{};
    for (std::size_t i = 0; i < table.size(); ++i) {
        const char32_t code = ByteToCodePoint(static_cast<unsigned char>(0x80 + i));
        CEncodedByte& entry = table[i];
        if (code < 0x800) {
            entry.bytes = {static_cast<char>(0xC0 | (code >> 6)),
                           static_cast<char>(0x80 | (code & 0x3F)), '\0'};
            entry.length = 2;
        } else {
            entry.bytes = {static_cast<char>(0xE0 | (code >> 12)),
                           static_cast<char>(0x80 | ((code >> 6) & 0x3F)),
                           static_cast<char>(0x80 | (code & 0x3F))};
            entry.length = 3;
        }
    }
    return table;
}

constexpr std::array<CEncodedByte, 128> kHighBytes = MakeHighByteTable();

/// True when no byte has its top bit set; looks at eight bytes per step because nearly
/// every text in a catalogue is plain ASCII.
bool IsAscii(std::string_view bytes) {
    constexpr std::uint64_t kHighBits = 0x8080808080808080u;
    std::uint64_t seen = 0;
    std::size_t pos = 0;
    for (; pos + sizeof(seen) <= bytes.size(); pos += sizeof(seen)) {
        std::uint64_t word = 0;
        std::memcpy(&word, bytes.data() + pos, sizeof(word));
        seen |= word;
    }
    for (; pos < bytes.size(); ++pos) {
        seen |= static_cast<unsigned char>(bytes[pos]);
    }
    return (seen & kHighBits) == 0;
}

void AppendUtf16Unit(std::string& out, std::uint32_t unit) {
    out.push_back(static_cast<char>(unit & 0xFF));
    out.push_back(static_cast<char>(unit >> 8));
}

}  // namespace

namespace TextCodec {

std::string Cp1252ToUtf8(std::string_view bytes) {
    if (IsAscii(bytes)) {
        return std::string(bytes);
    }
    std::size_t length = 0;
    for (char byte : bytes) {
        const auto value = static_cast<unsigned char>(byte);
        length += value < 0x80 ? 1 : kHighBytes[value - 0x80u].length;
    }
    std::string out;
    out.reserve(length);
    for (char byte : bytes) {
        const auto value = static_cast<unsigned char>(byte);
        if (value < 0x80) {
            out.push_back(byte);
        } else {
            const CEncodedByte& encoded = kHighBytes[value - 0x80u];
            out.append(encoded.bytes.data(), encoded.length);
        }
    }
    return out;
}

std::optional<std::string> Utf8ToCp1252(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        const auto code = DecodeUtf8(utf8, pos);
        if (!code) {
            return std::nullopt;
        }
        const auto byte = CodePointToByte(*code);
        if (!byte) {
            return std::nullopt;
        }
        out.push_back(*byte);
    }
    return out;
}

std::string Utf16LeToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    const std::size_t units = bytes.size() / 2;
    auto unitAt = [bytes](std::size_t i) -> char32_t {
        return static_cast<unsigned char>(bytes[2 * i]) |
               (static_cast<char32_t>(static_cast<unsigned char>(bytes[2 * i + 1])) << 8);
    };
    for (std::size_t i = 0; i < units; ++i) {
        const char32_t unit = unitAt(i);
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < units) {
            const char32_t low = unitAt(i + 1);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                AppendUtf8(out, 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00));
                ++i;
                continue;
            }
        }
        const bool surrogate = unit >= 0xD800 && unit <= 0xDFFF;
        AppendUtf8(out, surrogate ? kReplacement : unit);
    }
    if (bytes.size() % 2 != 0) {
        AppendUtf8(out, kReplacement);
    }
    return out;
}

std::string Utf8ToUtf16Le(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size() * 2);
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        const char32_t code = DecodeUtf8(utf8, pos).value_or(kReplacement);
        if (code >= 0x10000) {
            AppendUtf16Unit(out, 0xD800 + ((code - 0x10000) >> 10));
            AppendUtf16Unit(out, 0xDC00 + ((code - 0x10000) & 0x3FF));
        } else {
            AppendUtf16Unit(out, code);
        }
    }
    return out;
}

std::optional<std::size_t> CountUtf8Characters(std::string_view utf8) {
    std::size_t count = 0;
    for (std::size_t pos = 0; pos < utf8.size(); ++count) {
        if (!DecodeUtf8(utf8, pos)) {
            return std::nullopt;
        }
    }
    return count;
}

}  // namespace TextCodec
