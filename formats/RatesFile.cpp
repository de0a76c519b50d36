#include "formats/RatesFile.h"

#include <algorithm>
#include <sstream>
#include <utility>

#include "formats/QuotedField.h"
#include "formats/RatesXml.h"
#include "formats/TextLines.h"

namespace {

constexpr std::string_view kEuroCode = "EUR";
constexpr std::string_view kNoRate = "N/A";

std::string_view Trim(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

/// The comma-separated fields of a line, trimmed; a trailing comma ends the line.
std::vector<std::string_view> SplitAtCommas(std::string_view line) {
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    for (std::size_t comma = line.find(','); comma != std::string_view::npos;
         comma = line.find(',', start)) {
        fields.push_back(Trim(line.substr(start, comma - start)));
        start = comma + 1;
    }
    const std::string_view last = Trim(line.substr(start));
    if (!last.empty() || fields.empty()) {
        fields.push_back(last);
    }
    return fields;
}

/// The next line that is not blank; false at the end of the input.
bool NextFilledLine(CTextLines& lines, std::string& line) {
    while (lines.Next(line)) {
        if (lines.TooLong() || !Trim(line).empty()) {
            return true;
        }
    }
    return false;
}

/// The reason for a line longer than CTextLines holds whole.
CRatesReason LineTooLong(const CTextLines& lines) {
    return CRatesReason(CRatesReason::Code::kLineTooLong,
                        {std::to_string(CTextLines::kMaxLineBytes >> 10)}, lines.Number());
}

}  // namespace

bool CRatesFile::Read(std::string_view text, std::string& error) {
    m_reason = CRatesReason();
    const bool read = CRatesXml::LooksLikeXml(text)
                          ? CRatesXml::Read(text, m_date, m_rates, m_reason)
                          : ReadCsv(text);
    if (read && m_date.empty()) {
        m_reason = CRatesReason(CRatesReason::Code::kNoDate);
    }
    if (!read || m_date.empty()) {
        error = m_reason.English();
        m_date.clear();
        m_rates.clear();
        return false;
    }
    if (std::none_of(m_rates.begin(), m_rates.end(),
                     [](const CCurrencyRate& rate) { return rate.code == kEuroCode; })) {
        m_rates.push_back({std::string(kEuroCode), 1.0});
    }
    return true;
}

bool CRatesFile::Refuse(CRatesReason reason) {
    m_reason = std::move(reason);
    return false;
}

bool CRatesFile::ReadCsv(std::string_view text) {
    m_date.clear();
    m_rates.clear();
    std::istringstream in{std::string(text)};
    CTextLines lines(in);
    std::string header;
    if (!NextFilledLine(lines, header)) {
        return Refuse(CRatesReason(CRatesReason::Code::kEmpty));
    }
    if (lines.TooLong()) {
        return Refuse(LineTooLong(lines));
    }
    const std::vector<std::string_view> codes = SplitAtCommas(header);
    if (codes.front() != "Date") {
        return Refuse(CRatesReason(CRatesReason::Code::kNotDateHeader, {}, lines.Number()));
    }
    const auto firstCode = codes.begin() + 1;
    for (auto code = firstCode; code != codes.end(); ++code) {
        if (code->empty() || std::find(firstCode, code, *code) != code) {
            return Refuse(
                CRatesReason(CRatesReason::Code::kBadCode, {ShortField(*code)}, lines.Number()));
        }
    }
    std::string values;
    if (!NextFilledLine(lines, values)) {
        return Refuse(CRatesReason(CRatesReason::Code::kNoRatesLine));
    }
    if (lines.TooLong()) {
        return Refuse(LineTooLong(lines));
    }
    const std::vector<std::string_view> fields = SplitAtCommas(values);
    if (fields.size() != codes.size()) {
        return Refuse(CRatesReason(CRatesReason::Code::kFieldCount,
                                   {std::to_string(fields.size()), std::to_string(codes.size())},
                                   lines.Number()));
    }
    m_date = fields.front();
    for (std::size_t i = 1; i < fields.size(); ++i) {
        CCurrencyRate rate{std::string(codes[i]), std::nullopt};
        double perEuro = 0.0;
        if (fields[i] != kNoRate) {
            if (!CCurrencyRate::ReadPerEuro(fields[i], perEuro)) {
                return Refuse(CRatesReason(CRatesReason::Code::kBadRate,
                                           {ShortField(rate.code), ShortField(fields[i])},
                                           lines.Number()));
            }
            rate.perEuro = perEuro;
        }
        m_rates.push_back(std::move(rate));
    }
    return true;
}
