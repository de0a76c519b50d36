#pragma once

#include <string>
#include <string_view>

#include "formats/RatesUpdate.h"
#include "formats/UnitTable.h"

/// The texts tarvo-convert prints about the files it reads and the catalogue it changes.
namespace CommandReport {

/// Ends a report when nothing in the catalogue changed.
inline constexpr std::string_view kFileUnchanged = "; the catalogue file stays as it was";

/// text with its control characters (C0, DEL and C1) written as \xHH, so that names
/// and dates from outside never send escape sequences to the terminal.
std::string Printable(std::string_view text);

/// How messages name a file operand: "standard input" for "-".
std::string SourceName(const std::string& path);
/// "SOURCE: line N: message" for one line an import could not take.
std::string BadLine(const std::string& source, const CUnitTable::Problem& problem);
/// "N bad lines in SOURCE, nothing changed".
std::string BadLineCount(const std::string& source, long badLines);
/// "replaced the catalogue with N units".
std::string Replaced(int unitCount);
/// "added A, updated U units".
std::string Merged(const CUnitTable::MergeCount& count);
/// One line per currency code without a unit name and per unit changed or added.
std::string RateChanges(const CRatesUpdate::Outcome& outcome);
/// "Currency at the rates of DATE: updated U, added A, unchanged N, without a rate W".
std::string RateSummary(const std::string& date, const CRatesUpdate::Outcome& outcome);

}  // namespace CommandReport
