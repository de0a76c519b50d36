#pragma once

#include <cstddef>
#include <string>
#include <string_view>

/// text as names compare when a person types them: letters in lower case and without
/// their accents (Latin letters up to U+017F), blanks trimmed and each run of them one
/// space. Other characters stay as they are. Folding stops past limit bytes, so that a
/// text longer than any name costs no more than the longest name.
std::string FoldName(std::string_view text, std::size_t limit = std::string::npos);
