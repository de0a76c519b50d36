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
#include "formats/TableReason.h"
#include "formats/TextLines.h"

namespace {

constexpr int kNumberDigits = 17;  // enough for every double to read back exactly

constexpr std::array<std::string_view, 4> kColumns = {"type", "unit name", "coefficient", "offset"};

using Code = CTableReason::Code;

/// The name that text stands for; false with error when an escape is bad.
bool Unescape(std::string_view text, std::string_view column, std::string& name,
              CTableReason& error) {
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
            error = CTableReason(Code::kLoneBackslash, {std::string(column)});
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
                error =
                    CTableReason(Code::kBadEscape, {std::string(column), std::string(1, text[i])});
                return false;
        }
    }
    return true;
}

/// A type or unit name from its field; false with error when it cannot be one.
bool ReadName(std::string_view field, std::string_view column, std::string& name,
              CTableReason& error) {
    if (!Unescape(field, column, name, error)) {
        return false;
    }
    const std::optional<std::size_t> length = TextCodec::CountUtf8Characters(name);
    if (!length) {
        error = CTableReason(Code::kNameNotUtf8, {std::string(column)});
    } else if (*length == 0) {
        error = CTableReason(Code::kNameEmpty, {std::string(column)});
    } else if (*length > CUnitTable::kMaxNameLength) {
        error = CTableReason(Code::kNameTooLong,
                             {std::string(column), QuotedField(field),
                              std::to_string(CUnitTable::kMaxNameLength), std::to_string(*length)});
    } else if (!CUnitRules::IsName(name)) {
        error = CTableReason(Code::kBadName, {std::string(column), QuotedField(field)});
    }
    return error.GetCode() == Code::kNone;
}

/// A coefficient or offset from its field, which must be one number and nothing else.
bool ReadNumber(std::string_view field, std::string_view column, double& value,
                CTableReason& error) {
    switch (DoubleText::Read(field, value)) {
        case DoubleText::ReadResult::kNumber:
            return true;
        case DoubleText::ReadResult::kOutOfRange:
            error = CTableReason(Code::kOutOfRange, {std::string(column), QuotedField(field)});
            return false;
        case DoubleText::ReadResult::kNotANumber:
            break;
    }
    error = CTableReason(Code::kNotANumber, {std::string(column), QuotedField(field)});
    return false;
}

/// Whether the unit's numbers can make conversions; false with error naming the value.
bool CheckNumbers(const CUnit& unit, std::string_view coefficient, std::string_view offset,
                  CTableReason& error) {
    if (!CUnitRules::IsCoefficient(unit.m_coefficient)) {
        error = CTableReason(Code::kBadCoefficient, {QuotedField(coefficient)});
    } else if (!CUnitRules::IsOffset(unit.m_offset)) {
        error = CTableReason(Code::kBadOffset, {QuotedField(offset)});
    }
    return error.GetCode() == Code::kNone;
}

/// The unit a data line describes; false with error naming the first fault. fields is
/// room for the line's fields, reused from line to line.
bool ReadUnit(std::string_view line, std::vector<std::string_view>& fields, CUnit& unit,
              CTableReason& error) {
    SplitAtTabs(line, fields);
    if (fields.size() < kColumns.size()) {
        error = CTableReason(Code::kMissingColumn, {std::string(kColumns[fields.size()])});
        return false;
    }
    if (fields.size() > kColumns.size()) {
        error = CTableReason(Code::kTooManyColumns,
                             {std::to_string(fields.size()), std::to_string(kColumns.size())});
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
    const auto note = [&](long line, CTableReason reason) {
        if (problems.size() < kMaxProblems) {
            problems.push_back({line, reason.English(), std::move(reason)});
        }
        ++badLines;
    };
    // At most one unit a filled line: made in place, in an array that never grows. Blank
    // lines reserve nothing, so that memory follows the units and not the line feeds.
    m_units.reserve(CountFilledLines(text));
    std::unordered_map<std::string, long> lineOfName;  // type NUL name, which no name holds
    std::vector<std::string_view> fields;
    CTableReason error;
    long number = 0;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        if (end - start > CTextLines::kMaxLineBytes + 1) {  // + 1 for a carriage return
            start = end + 1;
            note(++number, CTableReason(Code::kLineTooLong,
                                        {std::to_string(CTextLines::kMaxLineBytes >> 10)}));
            continue;
        }
        const std::string_view line =
            CTextLines::Content(text.substr(start, end - start), ++number);
        start = end + 1;
        if (number == 1) {
            if (line != kHeader) {
                note(1, CTableReason(Code::kBadHeader));
            }
            continue;
        }
        if (line.empty()) {
            continue;
        }
        error = CTableReason();
        CUnit& unit = m_units.emplace_back();
        if (!ReadUnit(line, fields, unit, error)) {
            m_units.pop_back();
            note(number, std::move(error));
            continue;
        }
        const auto [named, first] =
            lineOfName.try_emplace(unit.m_type + '\0' + unit.m_name, number);
        if (!first) {
            note(number, CTableReason(Code::kRepeatedUnit, {QuotedField(Escape(unit.m_name)),
                                                            QuotedField(Escape(unit.m_type)),
                                                            std::to_string(named->second)}));
        }
    }
    if (number == 0) {
        note(1, CTableReason(Code::kBadHeader));
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
