#pragma once

#include <cstddef>
#include <string>
#include <string_view>

/// Longest text FormatNumber returns by default.
inline constexpr std::size_t kMaxNumberText = 63;

/// Reads the longest leading decimal number of text (blanks, sign, digits, point,
/// digits, exponent), whatever the C locale; 0.0 when the text does not begin with one.
/// Overflow gives ±infinity, underflow zero or the nearest subnormal.
double ParseNumber(std::string_view text);

/// Prints value in fixed notation with precision decimals, then strips trailing zeros
/// of the fraction and a trailing point. Never longer than maxLength characters: a text
/// that would be longer falls back to scientific notation with as many decimals as fit,
/// trailing zeros of the mantissa stripped ("1e+300"); any maxLength from 7 up can be
/// kept. The fixed text is judged after stripping, so a large precision only shows more
/// of the exact value. A negative precision means 6; time and memory do not grow with it.
/// Infinite and undefined values print as "inf", "-inf" and "nan". Locale-independent.
std::string FormatNumber(double value, int precision, std::size_t maxLength = kMaxNumberText);

/// The text the catalogue editor shows for a coefficient: the 5-decimal text when it
/// reads back to exactly the same double, otherwise the shortest text that does, in
/// scientific notation when the fixed text would not fit maxLength characters.
std::string FormatCoefficient(double value, std::size_t maxLength = 32);

/// Whether a and b are the same double bit for bit, so that -0 differs from 0 and a NaN
/// equals itself: the test for "a file would change".
bool SameDouble(double a, double b);
