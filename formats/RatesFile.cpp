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

std::string LinePrefix(const CTextLines& lines) {
    return "line " + std::to_string(lines.Number()) + ": ";
}

/// Whether the line Next gave last was whole; false with error when it was too long.
bool WholeLine(const CTextLines& lines, std::string& error) {
    if (lines.TooLong()) {
        error = LinePrefix(lines) + CTextLines::TooLongMessage();
        return false;
    }
    return true;
}

}  // namespace

bool CRatesFile::Read(std::string_view text, std::string& error) {
    const bool read = CRatesXml::LooksLikeXml(text) ? CRatesXml::Read(text, m_date, m_rates, error)
                                                    : ReadCsv(text, error);
    if (read && m_date.empty()) {
        error = "the rates file gives no date for its rates";
    }
    if (!read || m_date.empty()) {
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

bool CRatesFile::ReadCsv(std::string_view text, std::string& error) {
    m_date.clear();
    m_rates.clear();
    std::istringstream in{std::string(text)};
    CTextLines lines(in);
    std::string header;
    if (!NextFilledLine(lines, header)) {
        error = "the rates file is empty";
        return false;
    }
    if (!WholeLine(lines, error)) {
        return false;
    }
    const std::vector<std::string_view> codes = SplitAtCommas(header);
    if (codes.front() != "Date") {
        error = LinePrefix(lines) + "not a reference-rate file: the first field must be 'Date'";
        return false;
    }
    const auto firstCode = codes.begin() + 1;
    for (auto code = firstCode; code != codes.end(); ++code) {
        if (code->empty() || std::find(firstCode, code, *code) != code) {
            error = LinePrefix(lines) + "the currency code " + QuotedField(*code) +
                    " is empty or repeated";
            return false;
        }
    }
    std::string values;
    if (!NextFilledLine(lines, values)) {
        error = "the rates file has a header but no line of rates";
        return false;
    }
    if (!WholeLine(lines, error)) {
        return false;
    }
    const std::vector<std::string_view> fields = SplitAtCommas(values);
    if (fields.size() != codes.size()) {
        error = LinePrefix(lines) + std::to_string(fields.size()) + " fields for " +
                std::to_string(codes.size()) + " columns of the header";
        return false;
    }
    m_date = fields.front();
    for (std::size_t i = 1; i < fields.size(); ++i) {
        CCurrencyRate rate{std::string(codes[i]), std::nullopt};
        double perEuro = 0.0;
        if (fields[i] != kNoRate) {
            if (!CCurrencyRate::ReadPerEuro(fields[i], perEuro)) {
                error = LinePrefix(lines) + "the rate of " + ShortField(rate.code) + " " +
                        QuotedField(fields[i]) + " is not a positive number";
                return false;
            }
            rate.perEuro = perEuro;
        }
        m_rates.push_back(std::move(rate));
    }
    return true;
}
