#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

/// UTF-8 as the unit tables hold it.
namespace Utf8Text {

/// The number of characters of well-formed UTF-8 text, or nullopt when it is not: no
/// overlong forms, no surrogates, nothing above U+10FFFF.
std::optional<std::size_t> CountCharacters(std::string_view text);

}  // namespace Utf8Text
