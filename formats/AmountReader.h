#pragma once

#include <cstddef>
#include <string>
#include <string_view>

/// Reads the amount that begins a conversion query: a number as the program reads
/// numbers, or arithmetic on numbers with + - * / ^ and parentheses ("3*12.5", "(2+3)/4",
/// "-2^2" is -4). Time is linear in the length of the text, whatever it holds.
class CAmountReader {
public:
    /// How a reading went.
    enum class Status {
        kAmount,  ///< an amount was read
        kNone,    ///< the text does not begin with one: the amount was left out
        kBad,     ///< it begins with one that cannot be worked out; see the error
    };

    /// With decimalComma, as the user's locale writes numbers, "1,5" is 1.5 too.
    explicit CAmountReader(bool decimalComma) : m_decimalComma(decimalComma) {}

    /// Reads the amount at pos in text and moves pos past it (and no further: the blanks
    /// after it stay). On kBad, error says what is wrong, for a person.
    Status Read(std::string_view text, std::size_t& pos, double& value, std::string& error) const;

private:
    /// Where a reading stands.
    struct Cursor {
        std::string_view text;
        std::size_t pos;
        int depth = 0;  ///< open parentheses
        std::string error;
    };

    // One function per level of precedence, lowest first; each reads what its level can.
    bool ReadSum(Cursor& cursor, double& value) const;
    /// Reads a sum of products, or with product a product of signed powers.
    bool ReadLevel(Cursor& cursor, double& value, bool product) const;
    bool ReadPower(Cursor& cursor, double& value) const;
    bool ReadSigned(Cursor& cursor, double& value) const;
    bool ReadPrimary(Cursor& cursor, double& value) const;
    bool ReadNumber(Cursor& cursor, double& value) const;
    /// Whether c may be the point of a number.
    bool IsPoint(char c) const { return c == '.' || (m_decimalComma && c == ','); }

    bool m_decimalComma;
};
