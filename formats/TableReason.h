#pragma once

#include <string>
#include <vector>

/// Why a line of a unit table was refused, as a code and its values beside the English text
/// that tarvo-convert prints, so that a window can word the reason in its own language. A
/// column value is one of the column names "type", "unit name", "coefficient", "offset".
class CTableReason {
public:
    enum class Code {
        kNone,
        kBadHeader,       ///< the first line is not the header
        kLineTooLong,     ///< values: the longest line a file may have, in KiB
        kLoneBackslash,   ///< values: the column
        kBadEscape,       ///< values: the column, the character after the backslash
        kNameNotUtf8,     ///< values: the column
        kNameEmpty,       ///< values: the column
        kNameTooLong,     ///< values: the column, the field, the most characters, its characters
        kBadName,         ///< values: the column, the field
        kOutOfRange,      ///< values: the column, the field
        kNotANumber,      ///< values: the column, the field
        kBadCoefficient,  ///< values: the field
        kBadOffset,       ///< values: the field
        kMissingColumn,   ///< values: the column
        kTooManyColumns,  ///< values: the columns of the line, the columns expected
        kRepeatedUnit,    ///< values: the unit, its type, the line that has it first
    };

    CTableReason() = default;
    /// A reason of code with values; a field value is quoted as the English text shows it.
    explicit CTableReason(Code code, std::vector<std::string> values = {});

    /// What the reason is.
    Code GetCode() const { return m_code; }
    /// The i-th value of the reason, as the English text shows it; empty when there is none.
    const std::string& Value(std::size_t i) const;
    /// The reason as tarvo-convert words it, without the line.
    std::string English() const;

private:
    Code m_code = Code::kNone;
    std::vector<std::string> m_values;
};
