// Feeds arbitrary bytes to the rates reader, as XML or CSV by their first character. A
// read either fails with a reason and nothing kept, or gives a date and rates that are
// all positive numbers under distinct codes, the euro among them; and applying them to
// the factory catalogue either fails with it untouched or changes only currencies.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <set>
#include <sstream>
#include <string>

#include "catalogue/UnitMgr.h"
#include "formats/RatesFile.h"
#include "formats/RatesUpdate.h"

namespace {

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    CRatesFile rates;
    std::string error;
    if (!rates.Read(text, error)) {
        Require(!error.empty() && rates.Date().empty() && rates.Rates().empty());
        return 0;
    }
    Require(!rates.Date().empty());
    std::set<std::string> codes;
    for (const CCurrencyRate& rate : rates.Rates()) {
        Require(!rate.code.empty() && codes.insert(rate.code).second);
        Require(!rate.perEuro || (std::isfinite(*rate.perEuro) && *rate.perEuro > 0.0));
    }
    Require(codes.count("EUR") == 1);

    CUnitMgr catalogue;
    catalogue.AddFactoryUnits();
    const std::string before = catalogue.SaveToBytes();
    CRatesUpdate::Outcome outcome;
    if (!CRatesUpdate::Apply(rates.Rates(), catalogue, outcome, error)) {
        Require(catalogue.SaveToBytes() == before);
        return 0;
    }
    for (const CUnit& unit : catalogue.Units()) {
        Require(std::isfinite(unit.m_coefficient));
    }
    Require(std::all_of(outcome.changes.begin(), outcome.changes.end(), [&](const auto& change) {
        return catalogue.FindUnit(std::string(CRatesUpdate::kCurrencyType), change.unit) >= 0;
    }));
    return 0;
}
