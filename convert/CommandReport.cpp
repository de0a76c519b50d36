#include "convert/CommandReport.h"

#include "formats/DoubleText.h"

namespace CommandReport {

namespace {

std::string HexEscape(unsigned char byte) {
    constexpr std::string_view kDigits = "0123456789abcdef";
    return {'\\', 'x', kDigits[byte >> 4U], kDigits[byte & 0xFU]};
}

}  // namespace

std::string Printable(std::string_view text) {
    std::string printable;
    printable.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        const auto next = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0U;
        if (byte < 0x20U || byte == 0x7FU) {
            printable += HexEscape(byte);
        } else if (byte == 0xC2U && next >= 0x80U && next <= 0x9FU) {
            printable += HexEscape(byte) + HexEscape(static_cast<unsigned char>(next));  // C1
            ++i;
        } else {
            printable += text[i];
        }
    }
    return printable;
}

std::string SourceName(const std::string& path) {
    return path == "-" ? "standard input" : Printable(path);
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
        report += Printable(code) + ": no unit name known for this currency code, skipped\n";
    }
    for (const CRatesUpdate::Change& change : outcome.changes) {
        report += Printable(change.unit) + ": ";
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
    return std::string(CRatesUpdate::kCurrencyType) + " at the rates of " + Printable(date) +
           ": updated " + std::to_string(updated) + ", added " + std::to_string(added) +
           ", unchanged " + std::to_string(outcome.unchanged) + ", without a rate " +
           std::to_string(outcome.withoutRate);
}

}  // namespace CommandReport
