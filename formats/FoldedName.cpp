#include "formats/FoldedName.h"

#include <algorithm>
#include <array>

namespace {

// The letters U+00C0 to U+017F (Latin-1 and Latin Extended-A) without their marks, in
// lower case; an empty entry keeps the character (the signs × and ÷).
constexpr char32_t kFirstFolded = 0xC0;
constexpr std::array<std::string_view, 192> kLatinFolds = {
    "a", "a", "a",  "a",  "a", "a", "ae", "c",  "e",  "e", "e", "e", "i",  "i",  "i", "i", "d", "n",
    "o", "o", "o",  "o",  "o", "",  "o",  "u",  "u",  "u", "u", "y", "th", "ss", "a", "a", "a", "a",
    "a", "a", "ae", "c",  "e", "e", "e",  "e",  "i",  "i", "i", "i", "d",  "n",  "o", "o", "o", "o",
    "o", "",  "o",  "u",  "u", "u", "u",  "y",  "th", "y", "a", "a", "a",  "a",  "a", "a", "c", "c",
    "c", "c", "c",  "c",  "c", "c", "d",  "d",  "d",  "d", "e", "e", "e",  "e",  "e", "e", "e", "e",
    "e", "e", "g",  "g",  "g", "g", "g",  "g",  "g",  "g", "h", "h", "h",  "h",  "i", "i", "i", "i",
    "i", "i", "i",  "i",  "i", "i", "ij", "ij", "j",  "j", "k", "k", "k",  "l",  "l", "l", "l", "l",
    "l", "l", "l",  "l",  "l", "n", "n",  "n",  "n",  "n", "n", "n", "n",  "n",  "o", "o", "o", "o",
    "o", "o", "oe", "oe", "r", "r", "r",  "r",  "r",  "r", "s", "s", "s",  "s",  "s", "s", "s", "s",
    "t", "t", "t",  "t",  "t", "t", "u",  "u",  "u",  "u", "u", "u", "u",  "u",  "u", "u", "u", "u",
    "w", "w", "y",  "y",  "y", "z", "z",  "z",  "z",  "z", "z", "s"};

bool IsBlank(unsigned char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

}  // namespace

std::string FoldName(std::string_view text, std::size_t limit) {
    std::string folded;
    folded.reserve(std::min(text.size(), limit));
    bool blank = false;
    for (std::size_t i = 0; i < text.size() && folded.size() <= limit; ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (IsBlank(c)) {
            blank = true;
            continue;
        }
        if (blank && !folded.empty()) {
            folded += ' ';
        }
        blank = false;
        // Two-byte sequences C3 xx and C4/C5 xx hold exactly U+00C0 to U+017F.
        if (c >= 0xC3 && c <= 0xC5 && i + 1 < text.size()) {
            const auto next = static_cast<unsigned char>(text[i + 1]);
            const char32_t code = ((c & 0x1Fu) << 6) | (next & 0x3Fu);
            if ((next & 0xC0u) == 0x80u) {
                const std::string_view plain = kLatinFolds[code - kFirstFolded];
                if (!plain.empty()) {
                    folded += plain;
                    ++i;
                    continue;
                }
            }
        }
        folded += c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : static_cast<char>(c);
    }
    return folded;
}
