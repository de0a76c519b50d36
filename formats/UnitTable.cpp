#include "formats/UnitTable.h"

#include <algorithm>
#include <array>
#include <istream>
#include <optional>
#include <ostream>
#include <unordered_map>
#include <utility>

#include "catalogue/NumberText.h"
#include "catalogue/TextCodec.h"
#include "catalogue/UnitBatch.h"
#include "catalogue/UnitMgr.h"
#include "catalogue/UnitRules.h"
#include "formats/DoubleText.h"
#include "formats/QuotedField.h"
#include "formats/TextLines.h"

namespace {

constexpr int kNumberDigits = 17;  // enough for every double to read back exactly

constexpr std::string_view kBadHeader =
    "the first line must be the header 'type<TAB>unit<TAB>coefficient<TAB>offset'";

constexpr std::array<std::string_view, 4> kColumns = {"type", "unit name", "coefficient", "offset"};

/// The name that text stands for; false with error when an escape is bad.
bool Unescape(std::string_view text, std::string_view column, std::string& name,
              std::string& error) {
    if (text.find('\\') == std::string_view::npos) {
        name.assign(text);  // the usual name, with nothing escaped
        return true;
    }
    name.clear();
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            name += text[i];
            continue;
        }
        if (++i == text.size()) {
            error = "the " + std::string(column) + " ends in a lone backslash (write \\\\)";
            return false;
        }
        switch (text[i]) {
            case 't':
                name += '\t';
                break;
            case 'n':
                name += '\n';
                break;
            case 'r':
                name += '\r';
                break;
            case '\\':
                name += '\\';
                break;
            default:
                error = "the " + std::string(column) + " holds the bad escape '\\" +
                        std::string(1, text[i]) + "' (use \\t, \\n, \\r or \\\\)";
                return false;
        }
    }
    return true;
}

/// A type or unit name from its field; false with error when it cannot be one.
bool ReadName(std::string_view field, std::string_view column, std::string& name,
              std::string& error) {
    if (!Unescape(field, column, name, error)) {
        return false;
    }
    const std::optional<std::size_t> length = TextCodec::CountUtf8Characters(name);
    if (!length) {
        error = "the " + std::string(column) + " is not valid UTF-8";
    } else if (*length == 0) {
        error = "the " + std::string(column) + " is empty";
    } else if (*length > CUnitTable::kMaxNameLength) {
        error = "the " + std::string(column) + " " + QuotedField(field) + " is longer than " +
                std::to_string(CUnitTable::kMaxNameLength) + " characters (" +
                std::to_string(*length) + ")";
    } else if (!CUnitRules::IsName(name)) {
        error = "the " + std::string(column) + " " + QuotedField(field) +
                " starts or ends with a space, is only spaces or holds a NUL byte";
    }
    return error.empty();
}

/// A coefficient or offset from its field, which must be one number and nothing else.
bool ReadNumber(std::string_view field, std::string_view column, double& value,
                std::string& error) {
    switch (DoubleText::Read(field, value)) {
        case DoubleText::ReadResult::kNumber:
            return true;
        case DoubleText::ReadResult::kOutOfRange:
            error = "the " + std::string(column) + " " + QuotedField(field) + " is out of range";
            return false;
        case DoubleText::ReadResult::kNotANumber:
            break;
    }
    error = "the " + std::string(column) + " " + QuotedField(field) + " is not a number";
    return false;
}

/// Whether the unit's numbers can make conversions; false with error naming the value.
bool CheckNumbers(const CUnit& unit, std::string_view coefficient, std::string_view offset,
                  std::string& error) {
    if (!CUnitRules::IsCoefficient(unit.m_coefficient)) {
        error = "the coefficient " + QuotedField(coefficient) +
                " is not a positive number of normal size (zero, negative, infinite, NaN and "
                "denormal coefficients break conversions)";
    } else if (!CUnitRules::IsOffset(unit.m_offset)) {
        error = "the offset " + QuotedField(offset) + " is not a finite number";
    }
    return error.empty();
}

/// The unit a data line describes; false with error naming the first fault. fields is
/// room for the line's fields, reused from line to line.
bool ReadUnit(std::string_view line, std::vector<std::string_view>& fields, CUnit& unit,
              std::string& error) {
    SplitAtTabs(line, fields);
    if (fields.size() < kColumns.size()) {
        error = "missing column '" + std::string(kColumns[fields.size()]) + "'";
        return false;
    }
    if (fields.size() > kColumns.size()) {
        error = "too many columns (" + std::to_string(fields.size()) + ", expected " +
                std::to_string(kColumns.size()) + ")";
        return false;
    }
    return ReadName(fields[0], kColumns[0], unit.m_type, error) &&
           ReadName(fields[1], kColumns[1], unit.m_name, error) &&
           ReadNumber(fields[2], kColumns[2], unit.m_coefficient, error) &&
           ReadNumber(fields[3], kColumns[3], unit.m_offset, error) &&
           CheckNumbers(unit, fields[2], fields[3], error);
}

/// How many lines of text hold something: at most one unit each.
std::size_t CountFilledLines(std::string_view text) {
    std::size_t filled = 0;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        filled += end > start && text.substr(start, end - start) != "\r" ? 1 : 0;
        start = end + 1;
    }
    return filled;
}

/// All that is left in in, read in blocks that grow with it.
std::vector<char> ReadAll(std::istream& in) {
    std::vector<char> text;
    for (std::size_t block = std::size_t{1} << 16; in; block = text.size()) {
        const std::size_t size = text.size();
        text.resize(size + block);
        in.read(text.data() + size, static_cast<std::streamsize>(block));
        text.resize(size + static_cast<std::size_t>(in.gcount()));
    }
    return text;
}

}  // namespace

void CUnitTable::Write(std::ostream& out, const std::vector<CUnit>& units) {
    out << kHeader << '\n';
    for (const CUnit& unit : units) {
        out << Escape(unit.m_type) << '\t' << Escape(unit.m_name) << '\t'
            << DoubleText::Write(unit.m_coefficient, kNumberDigits) << '\t'
            << DoubleText::Write(unit.m_offset, kNumberDigits) << '\n';
    }
}

long CUnitTable::Read(std::istream& in, std::vector<Problem>& problems) {
    // Read whole, so that its lines can be counted before the units are made.
    const std::vector<char> text = ReadAll(in);
    return Read(std::string_view(text.data(), text.size()), problems);
}

long CUnitTable::Read(std::string_view text, std::vector<Problem>& problems) {
    m_units.clear();
    problems.clear();
    long badLines = 0;
    const auto note = [&](long line, std::string message) {
        if (problems.size() < kMaxProblems) {
            problems.push_back({line, std::move(message)});
        }
        ++badLines;
    };
    // At most one unit a filled line: made in place, in an array that never grows. Blank
    // lines reserve nothing, so that memory follows the units and not the line feeds.
    m_units.reserve(CountFilledLines(text));
    std::unordered_map<std::string, long> lineOfName;  // type NUL name, which no name holds
    std::vector<std::string_view> fields;
    std::string error;
    long number = 0;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        if (end - start > CTextLines::kMaxLineBytes + 1) {  // + 1 for a carriage return
            start = end + 1;
            note(++number, CTextLines::TooLongMessage());
            continue;
        }
        const std::string_view line =
            CTextLines::Content(text.substr(start, end - start), ++number);
        start = end + 1;
        if (number == 1) {
            if (line != kHeader) {
                note(1, std::string(kBadHeader));
            }
            continue;
        }
        if (line.empty()) {
            continue;
        }
        error.clear();
        CUnit& unit = m_units.emplace_back();
        if (!ReadUnit(line, fields, unit, error)) {
            m_units.pop_back();
            note(number, std::move(error));
            continue;
        }
        const auto [named, first] =
            lineOfName.try_emplace(unit.m_type + '\0' + unit.m_name, number);
        if (!first) {
            note(number, "the unit " + QuotedField(Escape(unit.m_name)) + " of type " +
                             QuotedField(Escape(unit.m_type)) + " is already on line " +
                             std::to_string(named->second));
        }
    }
    if (number == 0) {
        note(1, std::string(kBadHeader));
    }
    if (badLines > 0) {
        m_units.clear();
    }
    return badLines;
}

CUnitTable::MergeCount CUnitTable::MergeInto(CUnitMgr& catalogue) const {
    MergeCount count;
    CUnitBatch batch(catalogue, CUnitBatch::NewTypes::kInCreationOrder);
    for (const CUnit& unit : m_units) {
        const int handle = batch.FindUnit(unit.m_type, unit.m_name);
        if (handle < 0) {
            batch.AddOrUpdateUnit(unit);
            ++count.added;
            continue;
        }
        const CUnit& old = batch.Unit(handle);
        if (SameDouble(old.m_coefficient, unit.m_coefficient) &&
            SameDouble(old.m_offset, unit.m_offset)) {
            ++count.unchanged;
            continue;
        }
        // Assignment would take the table's empty time stamp; the unit keeps its own.
        CUnit update(unit);
        update.m_reservedTime = old.m_reservedTime;
        batch.AddOrUpdateUnit(update);
        ++count.updated;
    }
    batch.Commit();
    return count;
}

void CUnitTable::ReplaceIn(CUnitMgr& catalogue) const {
    catalogue.RemoveAllUnits();
    CUnitBatch batch(catalogue, CUnitBatch::NewTypes::kInCreationOrder);
    for (const CUnit& unit : m_units) {
        batch.AddOrUpdateUnit(unit);
    }
    batch.Commit();
}

std::string CUnitTable::Escape(std::string_view name) {
    std::string text;
    text.reserve(name.size());
    for (const char c : name) {
        switch (c) {
            case '\t':
                text += "\\t";
                break;
            case '\n':
                text += "\\n";
                break;
            case '\r':
                text += "\\r";
                break;
            case '\\':
                text += "\\\\";
                break;
            default:
                text += c;
                break;
        }
    }
    return text;
}
