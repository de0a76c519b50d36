#pragma once

#include <string>
#include <vector>

#include "catalogue/Unit.h"
#include "formats/UnitTable.h"
#include "formats/UnitTableFile.h"

class CUnitMgr;

/// A unit set: a unit table file of one type whose first unit is the set's base
/// (coefficient 1, offset 0). The set joins a catalogue placed against that base unit as
/// the catalogue has it, so that a type whose base the user changed keeps its own base.
class CUnitSet {
public:
    /// Why a set cannot join a catalogue.
    enum class Refusal {
        kNone,
        kNotASet,     ///< not units of one type, the first with coefficient 1 and offset 0
        kNoBaseUnit,  ///< the catalogue has the set's type but not the set's first unit
    };

    /// What MergeInto did.
    struct MergeResult {
        std::string refusal;           ///< why nothing changed; empty when the set was merged
        Refusal why = Refusal::kNone;  ///< the same as a code, for a window to word
        CUnitTable::MergeCount count;
    };

    /// Reads the set in the file at path.
    explicit CUnitSet(std::string path);
    /// The sets of folder, one per .tsv file, sorted by name; none when it cannot be read.
    static std::vector<CUnitSet> InFolder(const std::string& folder);

    /// The file the set was read from.
    const std::string& Path() const { return m_path; }
    /// How reading the file went; a set whose file has a fault has no units.
    const CUnitTableFile::Outcome& ReadOutcome() const { return m_read; }
    /// The type of the set's first unit; empty when it has none.
    const std::string& Type() const;
    /// The set's units in file order, its base unit first.
    const std::vector<CUnit>& Units() const { return m_table.Units(); }
    /// How many units the set has.
    int UnitCount() const { return static_cast<int>(Units().size()); }

    /// Whether every unit of the set is in catalogue with the coefficient and offset that
    /// MergeInto would give it.
    bool IsIn(const CUnitMgr& catalogue) const;
    /// Adds the set's units to catalogue through CUnitTable::MergeInto, placed against the
    /// set's base unit there. Changes nothing, and says why, when the catalogue has the type
    /// but not that unit, or when the file is not a set.
    MergeResult MergeInto(CUnitMgr& catalogue) const;

private:
    /// The set's units as they stand in catalogue; the refusal when they cannot.
    Refusal PlaceIn(const CUnitMgr& catalogue, std::vector<CUnit>& placed) const;

    std::string m_path;
    CUnitTable m_table;
    CUnitTableFile::Outcome m_read;
};
