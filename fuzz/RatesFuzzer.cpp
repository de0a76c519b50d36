// Feeds arbitrary bytes to the rates reader, as XML or CSV by their first character. A
// read either fails with a short reason and nothing kept, or gives a date and rates that
// are all positive normal numbers under distinct codes, the euro among them; and applying
// them to the factory catalogue either fails with it untouched or changes only currencies,
// to coefficients the catalogue's rules take.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <set>
#include <sstream>
#include <string>

#include "catalogue/UnitMgr.h"
#include "catalogue/UnitRules.h"
#include "formats/RatesFile.h"
#include "formats/RatesUpdate.h"

namespace {

// A message quotes at most 60 characters of a field; a few fields and words fit in this.
constexpr std::size_t kMaxMessageBytes = 1024;

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
        Require(error.size() <= kMaxMessageBytes);
        return 0;
    }
    Require(!rates.Date().empty());
    std::set<std::string> codes;
    for (const CCurrencyRate& rate : rates.Rates()) {
        Require(!rate.code.empty() && codes.insert(rate.code).second);
        Require(!rate.perEuro || CUnitRules::IsCoefficient(*rate.perEuro));
    }
    Require(codes.count("EUR") == 1);

    CUnitMgr catalogue;
    catalogue.AddFactoryUnits();
    const std::string before = catalogue.SaveToBytes();
    CRatesUpdate::Outcome outcome;
    if (!CRatesUpdate::Apply(rates.Rates(), catalogue, outcome, error)) {
        Require(catalogue.SaveToBytes() == before && error.size() <= kMaxMessageBytes);
        return 0;
    }
    for (const CRatesUpdate::Change& change : outcome.changes) {
        Require(CUnitRules::IsCoefficient(change.newCoefficient));
    }
    Require(std::all_of(outcome.changes.begin(), outcome.changes.end(), [&](const auto& change) {
        return catalogue.FindUnit(std::string(CRatesUpdate::kCurrencyType), change.unit) >= 0;
    }));
    return 0;
}
