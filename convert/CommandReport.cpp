#include "convert/CommandReport.h"

#include "formats/DoubleText.h"

namespace CommandReport {

std::string SourceName(const std::string& path) {
    return path == "-" ? "standard input" : path;
}

std::string BadLine(const std::string& source, const CUnitTable::Problem& problem) {
    return SourceName(source) + ": line " + std::to_string(problem.line) + ": " + problem.message;
}

std::string BadLineCount(const std::string& source, long badLines) {
    return std::to_string(badLines) + (badLines == 1 ? " bad line" : " bad lines") + " in " +
           SourceName(source) + ", nothing changed";
}

std::string Replaced(int unitCount) {
    return "replaced the catalogue with " + std::to_string(unitCount) + " units";
}

std::string Merged(const CUnitTable::MergeCount& count) {
    return "added " + std::to_string(count.added) + ", updated " + std::to_string(count.updated) +
           " units";
}

std::string RateChanges(const CRatesUpdate::Outcome& outcome) {
    std::string report;
    for (const std::string& code : outcome.unknownCodes) {
        report += code + ": no unit name known for this currency code, skipped\n";
    }
    for (const CRatesUpdate::Change& change : outcome.changes) {
        report += change.unit + ": ";
        if (change.oldCoefficient) {
            report += DoubleText::Write(*change.oldCoefficient) + " \u2192 ";
        } else {
            report += "added, ";
        }
        report += DoubleText::Write(change.newCoefficient) + '\n';
    }
    return report;
}

std::string RateSummary(const std::string& date, const CRatesUpdate::Outcome& outcome) {
    int added = 0;
    for (const CRatesUpdate::Change& change : outcome.changes) {
        added += change.oldCoefficient ? 0 : 1;
    }
    const int updated = static_cast<int>(outcome.changes.size()) - added;
    return std::string(CRatesUpdate::kCurrencyType) + " at the rates of " + date + ": updated " +
           std::to_string(updated) + ", added " + std::to_string(added) + ", unchanged " +
           std::to_string(outcome.unchanged) + ", without a rate " +
           std::to_string(outcome.withoutRate);
}

}  // namespace CommandReport
