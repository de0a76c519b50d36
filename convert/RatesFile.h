#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class CUnitMgr;

/// A daily reference-rate file of the European Central Bank, as XML (eurofxref-daily.xml,
/// read by CRatesXml) or as CSV (eurofxref.csv), told apart by content. The CSV form is a
/// line "Date, USD, JPY, ..." of currency codes and a line "8 December 2026, 1.0512, ..."
/// of rates in units of the currency per euro, "N/A" where there is none. Fields are
/// separated by commas with optional blanks, and a trailing comma is allowed. Of a file
/// with several days (eurofxref-hist.csv) the first day counts, which is the newest.
class CRatesFile {
public:
    /// The "Currency" type and the unit whose coefficient is 1, on which the others rest.
    static constexpr std::string_view kCurrencyType = "Currency";
    static constexpr std::string_view kDollarCode = "USD";
    static constexpr std::string_view kDollarUnit = "U.S.A. (Dollar)";

    /// One currency of the file with its units per euro; none when the file says N/A.
    struct Rate {
        std::string code;
        std::optional<double> perEuro;
    };

    /// A "Currency" unit that ApplyTo changed or added (no old coefficient).
    struct Change {
        std::string unit;
        std::optional<double> oldCoefficient;
        double newCoefficient;
    };

    /// What ApplyTo did.
    struct Outcome {
        std::vector<Change> changes;
        int unchanged = 0;                      ///< units the rates left at their value
        int withoutRate = 0;                    ///< units of the type the file gives no rate for
        std::vector<std::string> unknownCodes;  ///< codes with a rate but no unit name
    };

    /// Reads the file in either form; false with error (naming the line of a CSV file) when
    /// it is not a rate file or gives no date. The euro itself is added as a currency with
    /// rate 1 when the file does not list it.
    bool Read(std::istream& in, std::string& error);
    const std::string& Date() const { return m_date; }
    const std::vector<Rate>& Rates() const { return m_rates; }

    /// Reads the text of one rate: a finite number above zero; false for anything else.
    static bool ReadRate(std::string_view text, double& perEuro);

    /// The catalogue's unit name for an ISO 4217 code, or empty text for an unknown code.
    static std::string_view UnitName(std::string_view code);

    /// Sets each "Currency" unit with a rate to its units per U.S. dollar, rate ÷ dollar
    /// rate, in its place, and adds the missing ones at the end of the type with offset 0.
    /// Units without a rate stay as they are. False, with error and the catalogue
    /// untouched, when the catalogue has no "U.S.A. (Dollar)" or the file no dollar rate.
    bool ApplyTo(CUnitMgr& catalogue, Outcome& outcome, std::string& error) const;

private:
    bool ReadCsv(std::istream& in, std::string& error);

    std::string m_date;
    std::vector<Rate> m_rates;
};
