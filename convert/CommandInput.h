#pragma once

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

#include "catalogue/GuardedFile.h"

/// The whole text of a file that an option names, or of standard input for "-", read
/// without waiting on a pipe or device by name and refused beyond a size.
class CCommandInput {
public:
    /// Reads path (or standard input for "-") of at most maxBytes; false after error
    /// says why ("cannot open PATH: ...", "cannot read PATH: ...").
    bool Read(const std::string& path, std::uintmax_t maxBytes, std::istream& standardInput,
              std::string& error);
    /// The text read.
    std::string_view Text() const { return m_text; }

private:
    std::string m_standardInput;
    std::optional<CGuardedFile> m_file;
    std::string_view m_text;
};
