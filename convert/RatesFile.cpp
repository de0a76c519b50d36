#include "convert/RatesFile.h"

#include <algorithm>
#include <cmath>
#include <istream>
#include <iterator>
#include <sstream>
#include <utility>

#include "catalogue/NumberText.h"
#include "catalogue/Unit.h"
#include "catalogue/UnitBatch.h"
#include "catalogue/UnitMgr.h"
#include "convert/DoubleText.h"
#include "convert/RatesXml.h"
#include "convert/TextLines.h"

namespace {

/// Catalogue unit names of the currencies the bank publishes, by ISO 4217 code. The
/// first group are the factory names; the others are added when a rate file has them.
struct CurrencyName {
    std::string_view code;
    std::string_view unit;
};

constexpr CurrencyName kCurrencyNames[] = {
    {"USD", "U.S.A. (Dollar)"},
    {"JPY", "Japan (Yen)"},
    {"GBP", "Britain (Pound)"},
    {"AUD", "Australia (Dollar)"},
    {"BRL", "Brazil (Real)"},
    {"CAD", "Canada (Dollar)"},
    {"CZK", "Czech Republic (Crown)"},
    {"CNY", "China (Yuan)"},
    {"DKK", "Denmark (Krone)"},
    {"HKD", "Hong Kong (Dollar)"},
    {"ILS", "Isra\u00EBl (Shekel)"},
    {"MXN", "Mexico (Peso)"},
    {"NZD", "New Zealand (Dollar)"},
    {"NOK", "Norway (Krone)"},
    {"SGD", "Singapore (Dollar)"},
    {"ZAR", "South Africa (Rand)"},
    {"CHF", "Switzerland (Franc)"},
    {"SEK", "Sweden (Krona)"},
    {"TRY", "Turkey (Lira)"},
    {"PLN", "Poland (Zloty)"},
    {"HUF", "Hungary (Forint)"},
    {"RON", "Romania (Leu)"},
    {"BGN", "Bulgaria (Lev)"},
    {"ISK", "Iceland (Krona)"},
    {"INR", "India (Rupee)"},
    {"IDR", "Indonesia (Rupiah)"},
    {"KRW", "South Korea (Won)"},
    {"MYR", "Malaysia (Ringgit)"},
    {"PHP", "Philippines (Peso)"},
    {"THB", "Thailand (Baht)"},
    {"EUR", "Euro"},
};

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
        if (!Trim(line).empty()) {
            return true;
        }
    }
    return false;
}

std::string LinePrefix(const CTextLines& lines) {
    return "line " + std::to_string(lines.Number()) + ": ";
}

}  // namespace

bool CRatesFile::Read(std::istream& in, std::string& error) {
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    std::istringstream csv(text);
    const bool read = CRatesXml::LooksLikeXml(text) ? CRatesXml::Read(text, m_date, m_rates, error)
                                                    : ReadCsv(csv, error);
    if (read && m_date.empty()) {
        error = "the rates file gives no date for its rates";
    }
    if (!read || m_date.empty()) {
        m_date.clear();
        m_rates.clear();
        return false;
    }
    if (std::none_of(m_rates.begin(), m_rates.end(),
                     [](const Rate& rate) { return rate.code == kEuroCode; })) {
        m_rates.push_back({std::string(kEuroCode), 1.0});
    }
    return true;
}

bool CRatesFile::ReadRate(std::string_view text, double& perEuro) {
    return DoubleText::Read(text, perEuro) == DoubleText::ReadResult::kNumber &&
           std::isfinite(perEuro) && perEuro > 0.0;
}

bool CRatesFile::ReadCsv(std::istream& in, std::string& error) {
    m_date.clear();
    m_rates.clear();
    CTextLines lines(in);
    std::string header;
    if (!NextFilledLine(lines, header)) {
        error = "the rates file is empty";
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
            error = LinePrefix(lines) + "the currency code '" + std::string(*code) +
                    "' is empty or repeated";
            return false;
        }
    }
    std::string values;
    if (!NextFilledLine(lines, values)) {
        error = "the rates file has a header but no line of rates";
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
        Rate rate{std::string(codes[i]), std::nullopt};
        double perEuro = 0.0;
        if (fields[i] != kNoRate) {
            if (!ReadRate(fields[i], perEuro)) {
                error = LinePrefix(lines) + "the rate of " + rate.code + " '" +
                        std::string(fields[i]) + "' is not a positive number";
                return false;
            }
            rate.perEuro = perEuro;
        }
        m_rates.push_back(std::move(rate));
    }
    return true;
}

std::string_view CRatesFile::UnitName(std::string_view code) {
    for (const CurrencyName& currency : kCurrencyNames) {
        if (currency.code == code) {
            return currency.unit;
        }
    }
    return {};
}

bool CRatesFile::ApplyTo(CUnitMgr& catalogue, Outcome& outcome, std::string& error) const {
    const std::string type(kCurrencyType);
    outcome = Outcome();
    if (catalogue.FindUnit(type, std::string(kDollarUnit)) < 0) {
        error = "the catalogue has no unit '" + std::string(kDollarUnit) + "' of type '" + type +
                "' to base the rates on";
        return false;
    }
    const auto dollar = std::find_if(m_rates.begin(), m_rates.end(), [](const Rate& rate) {
        return rate.code == kDollarCode && rate.perEuro.has_value();
    });
    if (dollar == m_rates.end()) {
        error = "the rates file has no rate for " + std::string(kDollarCode);
        return false;
    }

    std::vector<std::pair<std::string, double>> perDollar;
    for (const Rate& rate : m_rates) {
        if (!rate.perEuro) {
            continue;
        }
        const std::string_view unit = UnitName(rate.code);
        if (unit.empty()) {
            outcome.unknownCodes.push_back(rate.code);
            continue;
        }
        perDollar.emplace_back(unit, *rate.perEuro / *dollar->perEuro);
    }

    const CUnitMgr::TypeRun run = catalogue.FindTypeRun(type);
    for (int index = run.begin; index < run.end; ++index) {
        const std::string& name = catalogue.Units()[static_cast<std::size_t>(index)].m_name;
        if (std::none_of(perDollar.begin(), perDollar.end(),
                         [&name](const auto& rated) { return rated.first == name; })) {
            ++outcome.withoutRate;
        }
    }

    CUnitBatch batch(catalogue);
    for (const auto& [unit, coefficient] : perDollar) {
        const int handle = batch.FindUnit(type, unit);
        if (handle < 0) {
            batch.AddOrUpdateUnit(CUnit(type, unit, coefficient, 0.0));
            outcome.changes.push_back({unit, std::nullopt, coefficient});
            continue;
        }
        const double old = batch.Unit(handle).m_coefficient;
        if (SameDouble(old, coefficient)) {
            ++outcome.unchanged;
            continue;
        }
        batch.SetCoefficient(handle, coefficient);
        outcome.changes.push_back({unit, old, coefficient});
    }
    batch.Commit();
    return true;
}
