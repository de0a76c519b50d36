#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "formats/CurrencyRate.h"
#include "formats/RatesReason.h"

/// A daily reference-rate file of the European Central Bank, as XML (eurofxref-daily.xml,
/// read by CRatesXml) or as CSV (eurofxref.csv), told apart by content. The CSV form is a
/// line "Date, USD, JPY, ..." of currency codes and a line "8 December 2026, 1.0512, ..."
/// of rates in units of the currency per euro, "N/A" where there is none. Fields are
/// separated by commas with optional blanks, and a trailing comma is allowed. Of a file
/// with several days (eurofxref-hist.csv) the first day counts, which is the newest.
class CRatesFile {
public:
    /// A file as large as this is no rates file; the bank's whole history as CSV is 2 MiB.
    static constexpr std::uintmax_t kMaxBytes = std::uintmax_t{32} << 20;

    /// Reads the file in either form; false with error (naming the line of a CSV file) when
    /// it is not a rate file or gives no date. The euro itself is added as a currency with
    /// rate 1 when the file does not list it.
    bool Read(std::string_view text, std::string& error);
    const std::string& Date() const { return m_date; }
    const std::vector<CCurrencyRate>& Rates() const { return m_rates; }
    /// Why the last Read returned false, as a code with its values.
    const CRatesReason& Reason() const { return m_reason; }

private:
    bool ReadCsv(std::string_view text);
    /// Keeps reason as the file's and returns false.
    bool Refuse(CRatesReason reason);

    std::string m_date;
    std::vector<CCurrencyRate> m_rates;
    CRatesReason m_reason;
};
