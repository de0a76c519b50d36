#include "formats/DoubleText.h"

#include <array>
#include <charconv>
#include <system_error>

namespace DoubleText {

std::string Write(double value, int significantDigits) {
    std::array<char, 64> buffer{};
    char* const first = buffer.data();
    char* const last = first + buffer.size();
    const std::to_chars_result result =
        significantDigits > 0
            ? std::to_chars(first, last, value, std::chars_format::general, significantDigits)
            : std::to_chars(first, last, value);
    return std::string(first, result.ptr);
}

ReadResult Read(std::string_view text, double& value) {
    const char* const end = text.data() + text.size();
    double read = 0.0;
    const std::from_chars_result result = std::from_chars(text.data(), end, read);
    if (result.ec == std::errc::result_out_of_range) {
        return ReadResult::kOutOfRange;
    }
    if (result.ec != std::errc() || result.ptr != end) {
        return ReadResult::kNotANumber;
    }
    value = read;
    return ReadResult::kNumber;
}

}  // namespace DoubleText
