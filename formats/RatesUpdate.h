#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "formats/CurrencyRate.h"
#include "formats/RatesReason.h"

class CUnitMgr;

/// Sets the catalogue's "Currency" units to the rates of a reference-rate file.
class CRatesUpdate {
public:
    /// The "Currency" type and the unit whose coefficient is 1, on which the others rest.
    static constexpr std::string_view kCurrencyType = "Currency";
    static constexpr std::string_view kDollarCode = "USD";
    static constexpr std::string_view kDollarUnit = "U.S.A. (Dollar)";

    /// A "Currency" unit that Apply changed or added (no old coefficient).
    struct Change {
        std::string unit;
        std::optional<double> oldCoefficient;
        double newCoefficient;
    };

    /// What Apply did.
    struct Outcome {
        std::vector<Change> changes;
        int unchanged = 0;                      ///< units the rates left at their value
        int withoutRate = 0;                    ///< units of the type the file gives no rate for
        std::vector<std::string> unknownCodes;  ///< codes with a rate but no unit name
        CRatesReason refusal;                   ///< why Apply returned false
    };

    /// The catalogue's unit name for an ISO 4217 code, or empty text for an unknown code.
    static std::string_view UnitName(std::string_view code);
    /// The ISO 4217 code of a catalogue unit name, or empty text for a unit without one.
    static std::string_view Code(std::string_view unitName);

    /// Sets each "Currency" unit with a rate to its units per U.S. dollar, rate ÷ dollar
    /// rate, in its place, and adds the missing ones at the end of the type with offset 0.
    /// Units without a rate stay as they are. False, with error and the catalogue
    /// untouched, when the catalogue has no "U.S.A. (Dollar)" or the rates no dollar rate.
    static bool Apply(const std::vector<CCurrencyRate>& rates, CUnitMgr& catalogue,
                      Outcome& outcome, std::string& error);
};
