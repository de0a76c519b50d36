#pragma once

#include <string>
#include <vector>

/// Why rates were refused (reading the file or applying it), as a code and its values beside the
/// English text that tarvo-convert prints, so that a window can word the reason in its own
/// language.
class CRatesReason {
public:
    enum class Code {
        kNone,
        kEmpty,           ///< the rates file is empty
        kNoDate,          ///< it gives no date for its rates
        kNotDateHeader,   ///< the first field of the header is not 'Date'
        kBadCode,         ///< values: the code; empty or repeated
        kNoRatesLine,     ///< a header but no line of rates
        kFieldCount,      ///< values: the fields, the header's columns
        kBadRate,         ///< values: the code, the rate as written
        kXmlMalformed,    ///< values: the parser's description, the byte
        kXmlNotEnvelope,  ///< values: the element the XML holds
        kXmlNoDay,        ///< no <Cube> of a day's rates
        kNoDollarUnit,    ///< values: the unit, the type
        kNoDollarRate,    ///< values: the code
        kLineTooLong,     ///< values: the longest line a file may have, in KiB
        kRateOutOfRange,  ///< values: the code, the dollar's code, the rate per dollar
    };

    CRatesReason() = default;
    /// A reason of code with values, on line (0: the reason is not a line's).
    CRatesReason(Code code, std::vector<std::string> values = {}, long line = 0);

    /// What the reason is.
    Code GetCode() const { return m_code; }
    /// The line of a CSV file the reason is about; 0 when none.
    long Line() const { return m_line; }
    /// The i-th value of the reason, as the English text shows it; empty when there is none.
    const std::string& Value(std::size_t i) const;
    /// The reason as tarvo-convert words it, "line 2: " first when it names a line.
    std::string English() const;

private:
    Code m_code = Code::kNone;
    std::vector<std::string> m_values;
    long m_line = 0;
};
