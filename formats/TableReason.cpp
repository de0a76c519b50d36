#include "formats/TableReason.h"

#include <utility>

CTableReason::CTableReason(Code code, std::vector<std::string> values)
    : m_code(code), m_values(std::move(values)) {}

const std::string& CTableReason::Value(std::size_t i) const {
    static const std::string kNoValue;
    return i < m_values.size() ? m_values[i] : kNoValue;
}

std::string CTableReason::English() const {
    switch (m_code) {
        case Code::kNone:
            break;
        case Code::kBadHeader:
            return "the first line must be the header "
                   "'type<TAB>unit<TAB>coefficient<TAB>offset'";
        case Code::kLineTooLong:
            return "the line is longer than " + Value(0) + " KiB";
        case Code::kLoneBackslash:
            return "the " + Value(0) + " ends in a lone backslash (write \\\\)";
        case Code::kBadEscape:
            return "the " + Value(0) + " holds the bad escape '\\" + Value(1) +
                   "' (use \\t, \\n, \\r or \\\\)";
        case Code::kNameNotUtf8:
            return "the " + Value(0) + " is not valid UTF-8";
        case Code::kNameEmpty:
            return "the " + Value(0) + " is empty";
        case Code::kNameTooLong:
            return "the " + Value(0) + " " + Value(1) + " is longer than " + Value(2) +
                   " characters (" + Value(3) + ")";
        case Code::kBadName:
            return "the " + Value(0) + " " + Value(1) +
                   " starts or ends with a space, is only spaces or holds a NUL byte";
        case Code::kOutOfRange:
            return "the " + Value(0) + " " + Value(1) + " is out of range";
        case Code::kNotANumber:
            return "the " + Value(0) + " " + Value(1) + " is not a number";
        case Code::kBadCoefficient:
            return "the coefficient " + Value(0) +
                   " is not a positive number of normal size (zero, negative, infinite, NaN and "
                   "denormal coefficients break conversions)";
        case Code::kBadOffset:
            return "the offset " + Value(0) + " is not a finite number";
        case Code::kMissingColumn:
            return "missing column '" + Value(0) + "'";
        case Code::kTooManyColumns:
            return "too many columns (" + Value(0) + ", expected " + Value(1) + ")";
        case Code::kRepeatedUnit:
            return "the unit " + Value(0) + " of type " + Value(1) + " is already on line " +
                   Value(2);
    }
    return {};
}
