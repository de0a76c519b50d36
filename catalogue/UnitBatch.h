#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "catalogue/Unit.h"
#include "catalogue/UnitMgr.h"

/// Many edits of one catalogue in time that grows linearly with the catalogue and the
/// edits, where the same calls one by one on CUnitMgr take quadratic time. The result is
/// exactly what those calls give, the same units in the same order, each keeping the same
/// fields, except that created types may be asked to keep the order they were created in.
/// Lookups go through one hash index of the units by type and name; added units wait in
/// the batch and take their places in one pass at Commit. Nothing else may change the
/// catalogue while the batch lives.
class CUnitBatch {
public:
    /// Where Commit puts the types the batch created, all in front of the catalogue.
    enum class NewTypes {
        kLastCreatedFirst,  ///< as CUnitMgr::AddOrUpdateUnit, one call after another
        kInCreationOrder,   ///< as a table lists them
    };

    /// Starts a batch on catalogue and indexes the first run of each of its types.
    explicit CUnitBatch(CUnitMgr& catalogue, NewTypes newTypes = NewTypes::kLastCreatedFirst);
    CUnitBatch(const CUnitBatch&) = delete;
    CUnitBatch& operator=(const CUnitBatch&) = delete;
    ~CUnitBatch() = default;

    /// The unit CUnitMgr::FindUnit would find after the edits so far, as a handle for
    /// Unit and SetCoefficient, or -1. A handle is not an index into the catalogue.
    int FindUnit(const std::string& type, const std::string& name) const;
    /// The unit a handle stands for.
    const CUnit& Unit(int handle) const;
    /// Does what CUnitMgr::SetCoefficient does, by handle.
    void SetCoefficient(int handle, double coefficient);
    /// Does what CUnitMgr::AddOrUpdateUnit does; an added unit joins the catalogue at Commit.
    bool AddOrUpdateUnit(const CUnit& unit);
    /// Puts the added units in their places. Ends the batch: call nothing else after it.
    void Commit();

private:
    /// A place in the index, open-addressed: a handle and the low half of the hash of its
    /// unit's type and name, so that a lookup reads a unit only when the hashes match and
    /// growing reads none. With std::unordered_map nodes instead, whose lookups miss the
    /// cache more often, a replace by a table of a million rows took about twice as long.
    struct Slot {
        std::uint32_t hash = 0;
        int handle = -1;
    };

    /// A type's first run in the catalogue (empty at the front for a type the batch
    /// created, where CUnitMgr puts a new type) and the units added after it.
    struct Type {
        CUnitMgr::TypeRun run;
        std::vector<int> added;
    };

    CUnit& At(int handle);
    /// The place in m_slots of the unit (type, name) with that hash, or of the empty slot
    /// where it would go.
    std::size_t Locate(std::uint32_t hash, const std::string& type, const std::string& name) const;
    /// The slot of unit's type and name, found or empty, in an index with room for one
    /// more; the caller fills an empty one.
    Slot& Claim(const CUnit& unit);

    CUnitMgr& m_catalogue;
    NewTypes m_newTypes;
    int m_count;  ///< catalogue units; handles from here on are added units
    std::vector<CUnit> m_added;
    std::vector<Slot> m_slots = std::vector<Slot>(16);  ///< a power of two, at most half used
    std::size_t m_used = 0;
    std::unordered_map<std::string, Type> m_types;
    std::vector<const Type*> m_grown;  ///< the types with added units, as they got the first
};
