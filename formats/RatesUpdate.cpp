#include "formats/RatesUpdate.h"

#include <algorithm>
#include <utility>

#include "catalogue/NumberText.h"
#include "catalogue/Unit.h"
#include "catalogue/UnitBatch.h"
#include "catalogue/UnitMgr.h"
#include "catalogue/UnitRules.h"
#include "formats/DoubleText.h"
#include "formats/QuotedField.h"

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

}  // namespace

std::string_view CRatesUpdate::UnitName(std::string_view code) {
    for (const CurrencyName& currency : kCurrencyNames) {
        if (currency.code == code) {
            return currency.unit;
        }
    }
    return {};
}

std::string_view CRatesUpdate::Code(std::string_view unitName) {
    for (const CurrencyName& currency : kCurrencyNames) {
        if (currency.unit == unitName) {
            return currency.code;
        }
    }
    return {};
}

bool CRatesUpdate::Apply(const std::vector<CCurrencyRate>& rates, CUnitMgr& catalogue,
                         Outcome& outcome, std::string& error) {
    const std::string type(kCurrencyType);
    outcome = Outcome();
    if (catalogue.FindUnit(type, std::string(kDollarUnit)) < 0) {
        outcome.refusal =
            CRatesReason(CRatesReason::Code::kNoDollarUnit, {std::string(kDollarUnit), type});
        error = outcome.refusal.English();
        return false;
    }
    const auto dollar = std::find_if(rates.begin(), rates.end(), [](const CCurrencyRate& rate) {
        return rate.code == kDollarCode && rate.perEuro.has_value();
    });
    if (dollar == rates.end()) {
        outcome.refusal =
            CRatesReason(CRatesReason::Code::kNoDollarRate, {std::string(kDollarCode)});
        error = outcome.refusal.English();
        return false;
    }

    std::vector<std::pair<std::string, double>> perDollar;
    for (const CCurrencyRate& rate : rates) {
        if (!rate.perEuro) {
            continue;
        }
        const std::string_view unit = UnitName(rate.code);
        if (unit.empty()) {
            outcome.unknownCodes.push_back(rate.code);
            continue;
        }
        const double coefficient = *rate.perEuro / *dollar->perEuro;
        if (!CUnitRules::IsCoefficient(coefficient)) {
            // Rates far apart overflow or underflow, and the unit would convert to inf or 0.
            outcome.refusal = CRatesReason(
                CRatesReason::Code::kRateOutOfRange,
                {ShortField(rate.code), std::string(kDollarCode), DoubleText::Write(coefficient)});
            error = outcome.refusal.English();
            return false;
        }
        perDollar.emplace_back(unit, coefficient);
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
