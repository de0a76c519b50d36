#include "formats/QuotedField.h"

std::string ShortField(std::string_view field) {
    std::size_t characters = 0;
    for (std::size_t i = 0; i < field.size(); ++i) {
        // A UTF-8 character starts at every byte that is not a continuation byte.
        const bool starts = (static_cast<unsigned char>(field[i]) & 0xC0U) != 0x80U;
        if (starts && ++characters > kMaxQuotedCharacters) {
            return std::string(field.substr(0, i)) + "\u2026";
        }
    }
    return std::string(field);
}

std::string QuotedField(std::string_view field) {
    return "'" + ShortField(field) + "'";
}
