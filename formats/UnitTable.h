#pragma once

#include <cstddef>
#include <iosfwd>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "catalogue/Unit.h"
#include "formats/TableReason.h"

class CUnitMgr;

/// Units as UTF-8 tab-separated text: the header line kHeader, then one line per unit
/// with its type, name, coefficient and offset. A tab, line feed, carriage return or
/// backslash in a name is written \t, \n, \r or \\. Numbers carry 17 significant digits,
/// so a table read back gives the very same doubles.
class CUnitTable {
public:
    static constexpr std::string_view kHeader = "type\tunit\tcoefficient\toffset";
    /// The longest type or unit name, in characters, as the catalogue editor allows.
    static constexpr std::size_t kMaxNameLength = 32;
    /// Read keeps the messages of this many bad lines; a user fixes them from the top.
    static constexpr std::size_t kMaxProblems = 10;

    /// A line Read could not take, and why.
    struct Problem {
        long line;
        std::string message;  ///< the reason in English, as tarvo-convert prints it
        CTableReason reason;
    };

    /// What MergeInto did to the catalogue.
    struct MergeCount {
        int added = 0;
        int updated = 0;    ///< units that were there with another coefficient or offset
        int unchanged = 0;  ///< units that were there already with the same values
    };

    CUnitTable() = default;
    /// A table of the given units, in that order, as Read makes it from their lines.
    explicit CUnitTable(std::vector<CUnit> units) : m_units(std::move(units)) {}

    /// Writes the header line and one line per unit, in the given order.
    static void Write(std::ostream& out, const std::vector<CUnit>& units);

    /// Reads a whole table from in and returns the number of bad lines. Every line is
    /// checked; problems gets the first kMaxProblems of them. Empty lines are skipped.
    /// The units are kept only when no line is bad.
    long Read(std::istream& in, std::vector<Problem>& problems);
    /// Same as Read from a stream, from text in memory.
    long Read(std::string_view text, std::vector<Problem>& problems);
    const std::vector<CUnit>& Units() const { return m_units; }

    /// Adds the table's units to the catalogue and overwrites coefficient and offset of
    /// units with the same type and name, which keep their place. The units of a type new
    /// to the catalogue stand in table order, and new types in the order of the table.
    MergeCount MergeInto(CUnitMgr& catalogue) const;
    /// Makes the table's units the catalogue's only units, in table order (the units of
    /// a type moved together when the table scatters them).
    void ReplaceIn(CUnitMgr& catalogue) const;

    /// name with tab, line feed, carriage return and backslash escaped.
    static std::string Escape(std::string_view name);

private:
    std::vector<CUnit> m_units;
};
