#include "formats/AmountReader.h"

#include <cmath>
#include <vector>

#include "catalogue/NumberText.h"

namespace {

constexpr int kMaxDepth = 64;                 // keeps the reading's stack small
constexpr std::size_t kMaxQuotedLength = 40;  // of the text an error message repeats

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

/// The position of the first character at or after pos that is not a blank.
std::size_t SkipBlanks(std::string_view text, std::size_t pos) {
    while (pos < text.size() && IsBlank(text[pos])) {
        ++pos;
    }
    return pos;
}

/// Moves past the operator op after optional blanks; false, leaving pos, when there is none.
bool TakeOperator(std::string_view text, std::size_t& pos, char op) {
    const std::size_t next = SkipBlanks(text, pos);
    if (next < text.size() && text[next] == op) {
        pos = next + 1;
        return true;
    }
    return false;
}

}  // namespace

CAmountReader::Status CAmountReader::Read(std::string_view text, std::size_t& pos, double& value,
                                          std::string& error) const {
    // An amount begins with a number or a parenthesis, perhaps after signs.
    std::size_t start = pos;
    while (start < text.size() &&
           (text[start] == '-' || text[start] == '+' || IsBlank(text[start]))) {
        ++start;
    }
    const bool begins =
        start < text.size() &&
        (IsDigit(text[start]) || text[start] == '(' ||
         (IsPoint(text[start]) && start + 1 < text.size() && IsDigit(text[start + 1])));
    if (!begins) {
        return Status::kNone;
    }
    Cursor cursor{text, pos, 0, {}};
    if (!ReadSum(cursor, value)) {
        const std::size_t end = std::min(cursor.pos, text.size());
        std::string_view read = text.substr(pos, std::min(end - pos + 1, kMaxQuotedLength));
        while (!read.empty() && IsBlank(read.back())) {
            read.remove_suffix(1);
        }
        error = cursor.error + " in the amount '" + std::string(read) + "'";
        return Status::kBad;
    }
    pos = cursor.pos;
    return Status::kAmount;
}

bool CAmountReader::ReadSum(Cursor& cursor, double& value) const {
    return ReadLevel(cursor, value, false);
}

bool CAmountReader::ReadLevel(Cursor& cursor, double& value, bool product) const {
    // A sum of products of signed powers, each level left to right: 8/2/2 = 2.
    const auto operand = [&](double& read) {
        return product ? ReadSigned(cursor, read) : ReadLevel(cursor, read, true);
    };
    if (!operand(value)) {
        return false;
    }
    for (;;) {
        const bool first = TakeOperator(cursor.text, cursor.pos, product ? '*' : '+');
        if (!first && !TakeOperator(cursor.text, cursor.pos, product ? '/' : '-')) {
            return true;
        }
        double other = 0.0;
        if (!operand(other)) {
            return false;
        }
        if (product) {
            value = first ? value * other : value / other;
        } else {
            value = first ? value + other : value - other;
        }
    }
}

bool CAmountReader::ReadSigned(Cursor& cursor, double& value) const {
    bool negative = false;
    for (;;) {
        if (TakeOperator(cursor.text, cursor.pos, '-')) {
            negative = !negative;
        } else if (!TakeOperator(cursor.text, cursor.pos, '+')) {
            break;
        }
    }
    if (!ReadPower(cursor, value)) {
        return false;
    }
    value = negative ? -value : value;
    return true;
}

bool CAmountReader::ReadPower(Cursor& cursor, double& value) const {
    // Powers group to the right, 2^3^2 = 2^9, and read in a loop: a long chain costs no
    // stack. A sign may stand before an exponent: 10^-3.
    std::vector<double> operands(1);
    if (!ReadPrimary(cursor, operands[0])) {
        return false;
    }
    while (TakeOperator(cursor.text, cursor.pos, '^')) {
        bool negative = false;
        while (TakeOperator(cursor.text, cursor.pos, '-')) {
            negative = !negative;
        }
        double exponent = 0.0;
        if (!ReadPrimary(cursor, exponent)) {
            return false;
        }
        operands.push_back(negative ? -exponent : exponent);
    }
    value = operands.back();
    for (std::size_t i = operands.size() - 1; i-- > 0;) {
        value = std::pow(operands[i], value);
    }
    return true;
}

bool CAmountReader::ReadPrimary(Cursor& cursor, double& value) const {
    cursor.pos = SkipBlanks(cursor.text, cursor.pos);
    if (cursor.pos >= cursor.text.size() || cursor.text[cursor.pos] != '(') {
        return ReadNumber(cursor, value);
    }
    if (++cursor.depth > kMaxDepth) {
        cursor.error = "too many parentheses";
        return false;
    }
    ++cursor.pos;
    if (!ReadSum(cursor, value)) {
        return false;
    }
    if (!TakeOperator(cursor.text, cursor.pos, ')')) {
        cursor.error = "a ')' is missing";
        return false;
    }
    --cursor.depth;
    return true;
}

bool CAmountReader::ReadNumber(Cursor& cursor, double& value) const {
    const std::string_view text = cursor.text;
    std::size_t pos = cursor.pos;
    std::string number;
    while (pos < text.size() && IsDigit(text[pos])) {
        number += text[pos++];
    }
    if (pos < text.size() && IsPoint(text[pos])) {
        number += '.';
        ++pos;
        while (pos < text.size() && IsDigit(text[pos])) {
            number += text[pos++];
        }
    }
    if (number.empty() || number == ".") {
        cursor.error = "a number is missing";
        return false;
    }
    // An exponent only where digits follow the e: "2em" is 2 em.
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        std::size_t digits = pos + 1;
        if (digits < text.size() && (text[digits] == '+' || text[digits] == '-')) {
            ++digits;
        }
        if (digits < text.size() && IsDigit(text[digits])) {
            number.append(text.substr(pos, digits - pos));
            for (pos = digits; pos < text.size() && IsDigit(text[pos]); ++pos) {
                number += text[pos];
            }
        }
    }
    value = ParseNumber(number);
    cursor.pos = pos;
    return true;
}
