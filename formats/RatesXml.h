#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "formats/CurrencyRate.h"
#include "formats/RatesReason.h"

/// The European Central Bank's reference rates as XML (eurofxref-daily.xml): an envelope
/// holding <Cube><Cube time="2026-12-08"><Cube currency="USD" rate="1.0512"/>...</Cube>
/// </Cube>. Of a file with several days (eurofxref-hist.xml) the first day counts, which
/// is the newest. Namespace prefixes are ignored; only local names count.
class CRatesXml {
public:
    /// Whether text is XML rather than the CSV form: its first character that is not
    /// blank (after a UTF-8 byte order mark) opens a tag.
    static bool LooksLikeXml(std::string_view text);

    /// Reads the date and the rates of the newest day; false with the reason.
    /// The date is left empty when the day has none.
    static bool Read(std::string_view text, std::string& date, std::vector<CCurrencyRate>& rates,
                     CRatesReason& reason);
};
