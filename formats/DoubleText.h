#pragma once

#include <string>
#include <string_view>

/// Doubles as text for files and machine readers: a dot as decimal point whatever the
/// locale, and texts that read back to the very same double.
namespace DoubleText {

/// How a strict reading of a text went.
enum class ReadResult { kNumber, kNotANumber, kOutOfRange };

/// value with the given number of significant digits, or in the shortest text that reads
/// back to the same double when significantDigits is 0.
std::string Write(double value, int significantDigits = 0);

/// Reads text that must be one number and nothing else: no blanks, no leading "+",
/// digits with an optional point and exponent, or inf, infinity and nan in any case.
/// A number too large or too small for a double is out of range.
ReadResult Read(std::string_view text, double& value);

}  // namespace DoubleText
