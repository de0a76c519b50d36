#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "catalogue/Unit.h"

class CUnitMgr;

/// Many edits of one catalogue in time that grows linearly with the catalogue and the
/// edits, where the same calls one by one on CUnitMgr take quadratic time. The result is
/// exactly what those calls give: the same units in the same order, each keeping the same
/// fields. Lookups go through hash indexes, built for a type when it is first asked for;
/// added units wait in the batch and take their places in one pass at Commit. Nothing
/// else may change the catalogue while the batch lives.
class CUnitBatch {
public:
    /// Starts a batch on catalogue; only its runs of types are indexed now.
    explicit CUnitBatch(CUnitMgr& catalogue);
    CUnitBatch(const CUnitBatch&) = delete;
    CUnitBatch& operator=(const CUnitBatch&) = delete;
    ~CUnitBatch() = default;

    /// The unit CUnitMgr::FindUnit would find after the edits so far, as a handle for
    /// Unit and SetCoefficient, or -1. A handle is not an index into the catalogue.
    int FindUnit(std::string_view type, std::string_view name);
    /// The unit a handle stands for.
    const CUnit& Unit(int handle) const;
    /// Does what CUnitMgr::SetCoefficient does, by handle.
    void SetCoefficient(int handle, double coefficient);
    /// Makes room for this many added units at once, so that a large batch grows no array
    /// step by step.
    void Reserve(std::size_t additions);
    /// Does what CUnitMgr::AddOrUpdateUnit does; an added unit joins the catalogue at Commit.
    bool AddOrUpdateUnit(const CUnit& unit);
    /// Puts the added units in their places. Ends the batch: call nothing else after it.
    void Commit();

private:
    /// The first run of a type (the only one lookups see) and the units added to it.
    struct TypeRun {
        std::size_t first = 0;
        std::size_t last = 0;
        bool inCatalogue = false;   ///< false for a type this batch created
        bool namesIndexed = false;  ///< its units are in m_slots (added ones always are)
        std::size_t typeHash = 0;
        std::vector<std::size_t> added;
    };

    /// Hashes a type as text, whether held or looked up.
    struct TypeHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view type) const noexcept;
    };

    /// A place in the open-addressed index of units by type and name. It holds the hash,
    /// so that growing needs no unit and a lookup reads a unit only when the hashes match.
    struct Slot {
        std::size_t hash = 0;
        std::size_t handle = kEmpty;
    };
    static constexpr std::size_t kEmpty = ~std::size_t{0};

    CUnit& At(std::size_t handle);
    const CUnit& At(std::size_t handle) const;
    TypeRun* FindRun(std::string_view type);
    /// FindUnit within a run; indexes the run's names on its first lookup.
    int FindInRun(TypeRun& run, std::string_view type, std::string_view name);
    /// The slot of the unit (type, name), or the empty slot where it would go.
    std::size_t Probe(std::size_t hash, std::string_view type, std::string_view name) const;
    /// Puts a unit in the index unless one of the same type and name is there already.
    void Index(std::size_t handle, std::size_t typeHash);

    CUnitMgr& m_catalogue;
    std::vector<CUnit>& m_catalogueUnits;
    std::size_t m_count;  ///< catalogue units; handles from here on are added units
    std::vector<CUnit> m_added;
    std::unordered_map<std::string, TypeRun, TypeHash, std::equal_to<>> m_runs;
    std::vector<const TypeRun*> m_createdTypes;  ///< in the order they were created
    std::vector<Slot> m_slots;                   ///< a power of two of them, at most half in use
    std::size_t m_slotsUsed = 0;
};
