#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

/// Conversions between UTF-8 (the catalogue's text in memory) and the file's forms.
/// Windows-1252 is mapped one to one over all 256 byte values: the five bytes it leaves
/// undefined map to U+0081, U+008D, U+008F, U+0090 and U+009D, so any file read and
/// written back gives the same bytes.
namespace TextCodec {
/// Windows-1252 bytes to UTF-8.
std::string Cp1252ToUtf8(std::string_view bytes);
/// UTF-8 to Windows-1252 bytes; nullopt when a character has no byte (then write UTF-16).
std::optional<std::string> Utf8ToCp1252(std::string_view utf8);
/// UTF-16LE bytes to UTF-8 (unpaired surrogates become U+FFFD).
std::string Utf16LeToUtf8(std::string_view bytes);
/// UTF-8 to UTF-16LE bytes (invalid sequences become U+FFFD).
std::string Utf8ToUtf16Le(std::string_view utf8);
/// The number of characters of well-formed UTF-8 text, or nullopt when it is not: no
/// overlong forms, no surrogates, nothing above U+10FFFF.
std::optional<std::size_t> CountUtf8Characters(std::string_view utf8);
}  // namespace TextCodec
