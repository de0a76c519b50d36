#include "formats/RatesReason.h"

#include <utility>

CRatesReason::CRatesReason(Code code, std::vector<std::string> values, long line)
    : m_code(code), m_values(std::move(values)), m_line(line) {}

const std::string& CRatesReason::Value(std::size_t i) const {
    static const std::string kNoValue;
    return i < m_values.size() ? m_values[i] : kNoValue;
}

std::string CRatesReason::English() const {
    std::string text;
    switch (m_code) {
        case Code::kNone:
            break;
        case Code::kEmpty:
            text = "the rates file is empty";
            break;
        case Code::kNoDate:
            text = "the rates file gives no date for its rates";
            break;
        case Code::kNotDateHeader:
            text = "not a reference-rate file: the first field must be 'Date'";
            break;
        case Code::kBadCode:
            text = "the currency code '" + Value(0) + "' is empty or repeated";
            break;
        case Code::kNoRatesLine:
            text = "the rates file has a header but no line of rates";
            break;
        case Code::kFieldCount:
            text = Value(0) + " fields for " + Value(1) + " columns of the header";
            break;
        case Code::kBadRate:
            text = "the rate of " + Value(0) + " '" + Value(1) + "' is not a positive number";
            break;
        case Code::kXmlMalformed:
            text = "the XML is not well-formed: " + Value(0) + " at byte " + Value(1);
            break;
        case Code::kXmlNotEnvelope:
            text = "not a reference-rate file: the XML holds <" + Value(0) +
                   ">, not an <Envelope> of rates";
            break;
        case Code::kXmlNoDay:
            text = "not a reference-rate file: the XML holds no <Cube> of a day's rates";
            break;
        case Code::kNoDollarUnit:
            text = "the catalogue has no unit '" + Value(0) + "' of type '" + Value(1) +
                   "' to base the rates on";
            break;
        case Code::kNoDollarRate:
            text = "the rates file has no rate for " + Value(0);
            break;
        case Code::kLineTooLong:
            text = "the line is longer than " + Value(0) + " KiB";
            break;
        case Code::kRateOutOfRange:
            text = "the rate of " + Value(0) + " per " + Value(1) + " is " + Value(2) +
                   ", too large or too small for a unit";
            break;
    }
    return m_line > 0 ? "line " + std::to_string(m_line) + ": " + text : text;
}
