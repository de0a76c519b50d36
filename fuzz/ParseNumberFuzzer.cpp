// Reads arbitrary text as a number and prints it, and prints arbitrary doubles, with
// ordinary and extreme precisions: the texts must stay within their length limits and
// the coefficient text must read back to the same double.
#include <bit>
#include <climits>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "catalogue/NumberText.h"

namespace {

constexpr int kPrecisions[] = {-1, 0, 1, 2, 5, 6, 10, 15, 17, 20, 63, 64, 100, 340, 1000, INT_MAX};

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

void CheckFormats(double value) {
    for (int precision : kPrecisions) {
        const std::string text = FormatNumber(value, precision);
        Require(text.size() <= kMaxNumberText);
        Require(FormatNumber(value, precision, 32).size() <= 32);
        if (std::isfinite(value)) {
            // The printed text is a number again, never a stray character.
            Require(std::isfinite(ParseNumber(text)) || std::fabs(value) > 1e307);
        }
    }
    const std::string coefficient = FormatCoefficient(value);
    Require(coefficient.size() <= 32);
    if (std::isfinite(value)) {
        Require(ParseNumber(coefficient) == value);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    CheckFormats(ParseNumber(text));
    if (size >= sizeof(double)) {
        std::uint64_t bits = 0;
        std::memcpy(&bits, data, sizeof bits);
        CheckFormats(std::bit_cast<double>(bits));
    }
    return 0;
}
