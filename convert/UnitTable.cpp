#include "convert/UnitTable.h"

#include <algorithm>
#include <array>
#include <istream>
#include <optional>
#include <ostream>
#include <unordered_map>

#include "catalogue/UnitMgr.h"
#include "convert/DoubleText.h"
#include "convert/TextLines.h"
#include "convert/Utf8Text.h"

namespace {

constexpr int kNumberDigits = 17;  // enough for every double to read back exactly

constexpr std::array<std::string_view, 4> kColumns = {"type", "unit name", "coefficient", "offset"};

/// The name that text stands for; false with error when an escape is bad.
bool Unescape(std::string_view text, std::string_view column, std::string& name,
              std::string& error) {
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
    const std::optional<std::size_t> length = Utf8Text::CountCharacters(name);
    if (!length) {
        error = "the " + std::string(column) + " is not valid UTF-8";
    } else if (*length == 0) {
        error = "the " + std::string(column) + " is empty";
    } else if (*length > CUnitTable::kMaxNameLength) {
        error = "the " + std::string(column) + " '" + std::string(field) + "' is longer than " +
                std::to_string(CUnitTable::kMaxNameLength) + " characters (" +
                std::to_string(*length) + ")";
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
            error = "the " + std::string(column) + " '" + std::string(field) + "' is out of range";
            return false;
        case DoubleText::ReadResult::kNotANumber:
            break;
    }
    error = "the " + std::string(column) + " '" + std::string(field) + "' is not a number";
    return false;
}

/// The unit a data line describes; false with error naming the first fault.
bool ReadUnit(std::string_view line, CUnit& unit, std::string& error) {
    const std::vector<std::string_view> fields = SplitAtTabs(line);
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
           ReadNumber(fields[3], kColumns[3], unit.m_offset, error);
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
    m_units.clear();
    problems.clear();
    long badLines = 0;
    const auto note = [&](long line, std::string message) {
        if (problems.size() < kMaxProblems) {
            problems.push_back({line, std::move(message)});
        }
        ++badLines;
    };
    CTextLines lines(in);
    std::string line;
    if (!lines.Next(line) || line != kHeader) {
        note(1, "the first line must be the header 'type<TAB>unit<TAB>coefficient<TAB>offset'");
    }
    std::string error;
    while (lines.Next(line)) {
        if (line.empty()) {
            continue;
        }
        CUnit unit;
        error.clear();
        if (ReadUnit(line, unit, error)) {
            m_units.push_back(std::move(unit));
        } else {
            note(lines.Number(), std::move(error));
        }
    }
    if (badLines > 0) {
        m_units.clear();
    }
    return badLines;
}

std::vector<const CUnit*> CUnitTable::InsertionOrder() const {
    std::unordered_map<std::string_view, std::size_t> typeRank;
    for (const CUnit& unit : m_units) {
        typeRank.try_emplace(unit.m_type, typeRank.size());
    }
    std::vector<const CUnit*> order;
    order.reserve(m_units.size());
    for (const CUnit& unit : m_units) {
        order.push_back(&unit);
    }
    std::stable_sort(order.begin(), order.end(), [&typeRank](const CUnit* a, const CUnit* b) {
        return typeRank.at(a->m_type) > typeRank.at(b->m_type);
    });
    return order;
}

CUnitTable::MergeCount CUnitTable::MergeInto(CUnitMgr& catalogue) const {
    MergeCount count;
    for (const CUnit* unit : InsertionOrder()) {
        const int index = catalogue.FindUnit(unit->m_type, unit->m_name);
        if (index < 0) {
            catalogue.AddOrUpdateUnit(*unit);
            ++count.added;
            continue;
        }
        const CUnit& old = catalogue.Units()[static_cast<std::size_t>(index)];
        if (DoubleText::Identical(old.m_coefficient, unit->m_coefficient) &&
            DoubleText::Identical(old.m_offset, unit->m_offset)) {
            ++count.unchanged;
            continue;
        }
        // Assignment would take the table's empty time stamp; the unit keeps its own.
        CUnit update(*unit);
        update.m_reservedTime = old.m_reservedTime;
        catalogue.AddOrUpdateUnit(update);
        ++count.updated;
    }
    return count;
}

void CUnitTable::ReplaceIn(CUnitMgr& catalogue) const {
    catalogue.RemoveAllUnits();
    for (const CUnit* unit : InsertionOrder()) {
        catalogue.AddOrUpdateUnit(*unit);
    }
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
