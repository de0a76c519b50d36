#include "catalogue/NumberText.h"

#include <locale.h>
#include <stdlib.h>

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <utility>

namespace {

// A double's exact decimal expansion never has more than 1074 digits after the point,
// so a larger precision only adds zeros, which are stripped anyway. Capping it keeps
// time and memory independent of the precision asked for.
constexpr int kExactDecimals = 1074;
// Sign, 309 integer digits, point and the decimals, with room to spare.
constexpr std::size_t kTextBufferSize = 1 + 309 + 1 + kExactDecimals + 16;
constexpr int kDefaultDecimals = 6;
constexpr int kCoefficientDecimals = 5;

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::size_t SkipDigits(std::string_view text, std::size_t pos) {
    while (pos < text.size() && IsDigit(text[pos])) {
        ++pos;
    }
    return pos;
}

// from_chars reports overflow and underflow without a value; the C library's answer is
// ±HUGE_VAL, or zero or the nearest subnormal. strtod_l in the "C" locale gives exactly
// that whatever the process locale. (glibc hands out its built-in "C" locale object for
// this request, so newlocale cannot fail here.)
double ReadOutOfRange(std::string_view number) {
    static const locale_t classic = newlocale(LC_ALL_MASK, "C", locale_t{});
    const std::string terminated(number);
    return strtod_l(terminated.c_str(), nullptr, classic);
}

std::string ToChars(double value, std::chars_format format, int decimals) {
    std::array<char, kTextBufferSize> buffer;
    const auto result =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, format, decimals);
    return std::string(buffer.data(), result.ptr);
}

std::string ToShortestChars(double value, std::chars_format format) {
    std::array<char, kTextBufferSize> buffer;
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, format);
    return std::string(buffer.data(), result.ptr);
}

// Removes trailing zeros of the fraction and then a bare point, in front of an exponent
// if there is one. A number without a point keeps its zeros: 100 stays 100.
std::string StripTrailingZeros(std::string text) {
    const std::size_t exponent = std::min(text.find('e'), text.size());
    const std::size_t point = text.find('.');
    if (point == std::string::npos || point > exponent) {
        return text;
    }
    std::size_t end = exponent;
    while (text[end - 1] == '0') {
        --end;
    }
    if (text[end - 1] == '.') {
        --end;
    }
    return text.erase(end, exponent - end);
}

std::string NonFiniteText(double value) {
    if (std::isnan(value)) {
        return "nan";
    }
    return value < 0 ? "-inf" : "inf";
}

// Scientific notation with as many of the wanted decimals as fit in maxLength.
std::string FittedScientific(double value, int decimals, std::size_t maxLength) {
    int fitting =
        static_cast<int>(std::min<std::size_t>(static_cast<std::size_t>(decimals), maxLength));
    std::string text = ToChars(value, std::chars_format::scientific, fitting);
    while (text.size() > maxLength && fitting > 0) {
        --fitting;
        text = ToChars(value, std::chars_format::scientific, fitting);
    }
    return StripTrailingZeros(std::move(text));
}

}  // namespace

double ParseNumber(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size() && IsBlank(text[pos])) {
        ++pos;
    }
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    // from_chars takes no leading '+', so the sign is applied afterwards.
    const std::size_t start = pos;
    pos = SkipDigits(text, pos);
    std::size_t digits = pos - start;
    if (pos < text.size() && text[pos] == '.') {
        const std::size_t fractionEnd = SkipDigits(text, pos + 1);
        digits += fractionEnd - pos - 1;
        pos = fractionEnd;
    }
    if (digits == 0) {
        return 0.0;
    }
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        std::size_t exponentDigits = pos + 1;
        if (exponentDigits < text.size() &&
            (text[exponentDigits] == '+' || text[exponentDigits] == '-')) {
            ++exponentDigits;
        }
        const std::size_t exponentEnd = SkipDigits(text, exponentDigits);
        // "2e" or "2e+" is the number 2 followed by text that is ignored.
        if (exponentEnd > exponentDigits) {
            pos = exponentEnd;
        }
    }
    const std::string_view number = text.substr(start, pos - start);
    double magnitude = 0.0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), magnitude);
    if (result.ec == std::errc::result_out_of_range) {
        magnitude = ReadOutOfRange(number);
    }
    return negative ? -magnitude : magnitude;
}

std::string FormatNumber(double value, int precision, std::size_t maxLength) {
    if (!std::isfinite(value)) {
        return NonFiniteText(value);
    }
    const int decimals = std::min(precision < 0 ? kDefaultDecimals : precision, kExactDecimals);
    std::string text = StripTrailingZeros(ToChars(value, std::chars_format::fixed, decimals));
    if (text.size() <= maxLength) {
        return text;
    }
    return FittedScientific(value, decimals, maxLength);
}

std::string FormatCoefficient(double value, std::size_t maxLength) {
    std::string text = FormatNumber(value, kCoefficientDecimals, maxLength);
    if (!std::isfinite(value) || SameDouble(ParseNumber(text), value)) {
        return text;
    }
    std::string shortest = ToShortestChars(value, std::chars_format::fixed);
    if (shortest.size() <= maxLength) {
        return shortest;
    }
    return ToShortestChars(value, std::chars_format::scientific);
}

bool SameDouble(double a, double b) {
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}
