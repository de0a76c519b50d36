#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/Unit.h"

class CArchiveReader;
class CCatalogueBackups;
class CArchiveWriter;
class CStringList;

/// The unit catalogue: a small header and an ordered array of units in which the units
/// of one type stand together (a run). Names compare exactly: byte for byte, case-
/// sensitive, no trimming. Lookups return an index, or -1 when nothing matches, and see
/// only the first run of a type. The base unit of a type is the first unit of its run
/// with coefficient exactly 1; it is looked up, never stored.
class CUnitMgr {
public:
    CUnitMgr() = default;
    CUnitMgr(const CUnitMgr&) = delete;
    CUnitMgr& operator=(const CUnitMgr&) = delete;
    ~CUnitMgr() = default;

    /// The indexes begin to end (end excluded) of a type's units; begin and end are equal
    /// when the type has none, so that a loop over the run does nothing.
    struct TypeRun {
        int begin = 0;
        int end = 0;
        bool Empty() const { return begin == end; }
    };

    /// Finds the first run of type; first and last are -1 when there is none.
    bool FindTypeRange(const std::string& type, int& first, int& last) const;
    /// The first run of type; an empty run at index 0 when there is none.
    TypeRun FindTypeRun(const std::string& type) const;
    /// Index of the unit (type, name) in the first run of type, or -1.
    int FindUnit(const std::string& type, const std::string& name) const;
    /// Index of the first unit of the type's run with coefficient exactly 1, or -1.
    int FindBaseUnit(const std::string& type) const;
    /// A copy of the unit at a valid index (copy construction: no reserved fields).
    CUnit GetUnit(int index) const;
    /// Replaces the coefficient of the unit at a valid index. Marks the catalogue modified.
    void SetCoefficient(int index, double coefficient);
    /// Overwrites the unit of the same type and name in place (true), or inserts it right
    /// after its type's run, or at the front for a new type (false). Marks modified.
    bool AddOrUpdateUnit(const CUnit& unit);
    /// Removes one unit; marks modified only when it removed something.
    bool RemoveUnit(const std::string& type, const std::string& name);
    /// Removes the first run of type; marks modified only when it removed something.
    bool RemoveType(const std::string& type);
    /// Empties the catalogue. Always marks modified.
    void RemoveAllUnits();
    /// Resets list, then adds each type name once, in catalogue order.
    void FillTypeList(CStringList& list) const;
    /// Resets list, then adds the names of the type's units in catalogue order.
    void FillUnitList(const std::string& type, CStringList& list) const;
    /// Makes target's units equal to this catalogue's; target's header and flag stay.
    void CopyUnitsTo(CUnitMgr& target) const;
    /// A new catalogue with new-catalogue header values, unmodified, holding copies of
    /// all units in the same order.
    std::unique_ptr<CUnitMgr> Clone() const;

    /// value in unit from, converted to unit to of type: (v − oF) × cG ÷ cF + oG.
    /// 0.0 when either unit is missing; value itself when from and to are the same name.
    double Convert(double value, const std::string& type, const std::string& from,
                   const std::string& to) const;
    /// value in the unit at index from, converted to the unit at index to exactly as Convert
    /// does it: value itself when they are one unit. Both indexes must be valid.
    double ConvertAt(double value, int from, int to) const;

    /// Replaces the units with those of the file; header fields are read too. On any
    /// failure the catalogue is left without units and CFileError is thrown.
    /// Never allocates more than the rest of the file can hold.
    void LoadFromFile(const std::string& path);
    /// Reads the header of the file as LoadFromFile does and checks its units the same
    /// way, but keeps none of them: for a catalogue whose units are about to be replaced,
    /// which must still be refused when it is not a catalogue. Leaves no units.
    void LoadHeaderFromFile(const std::string& path);
    /// The units the programs show for the catalogue file at path: the file's, or the
    /// factory units when there is no such file or it cannot be read as a catalogue.
    /// True when they are the file's.
    bool LoadFromFileOrFactory(const std::string& path);
    /// Same as LoadFromFile, from bytes in memory (file name used in messages only).
    void LoadFromBytes(std::string_view bytes, const std::string& name = "<memory>");
    /// Writes the catalogue to a temporary file beside path, syncs it and renames it over
    /// path, so a failure never leaves a damaged file. Throws CFileError on failure. With
    /// backups, the file a save replaces is kept there first (see KeepBeforeSave).
    void SaveToFile(const std::string& path, CCatalogueBackups* backups = nullptr) const;
    /// The exact bytes SaveToFile writes.
    std::string SaveToBytes() const;
    /// Reads header and units; on failure the units are emptied and the error rethrown.
    void Serialize(CArchiveReader& archive);
    /// Writes header, count and units through archive (the caller flushes).
    void Serialize(CArchiveWriter& archive) const;

    /// Appends the 153 factory units in table order. Does not empty the catalogue first
    /// and does not mark it modified.
    void AddFactoryUnits();

    int GetCount() const { return static_cast<int>(m_units.size()); }
    const std::vector<CUnit>& Units() const { return m_units; }
    bool IsModified() const { return m_modified != 0; }
    void SetModified(bool modified) { m_modified = modified ? 1 : 0; }

    // Header fields: never shown or changed by the program, carried through the file.
    std::uint32_t m_headerNumber = 65536;
    std::string m_title = "Untitled";
    std::string m_secondHeader = "Unknown";
    std::string m_thirdHeader;
    std::int32_t m_headerValue = 0;

private:
    friend class CUnitBatch;  // edits many units in one pass

    /// Reads the header fields and returns the number of unit records that follow.
    std::size_t ReadHeader(CArchiveReader& archive);

    std::vector<CUnit> m_units;
    int m_modified = 0;
};
