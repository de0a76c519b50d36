#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
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
    /// A place in the open-addressed index of a type's units by name. It holds the low
    /// half of the name's hash, so that growing needs no unit and a lookup reads a unit
    /// only when the hashes match.
    struct Slot {
        std::uint32_t hash = 0;
        std::uint32_t handle = kEmpty;
    };
    static constexpr std::uint32_t kEmpty = ~std::uint32_t{0};

    /// The first run of a type (the only one lookups see), the units added to it and the
    /// index of both. Each type has an index of its own, small enough to stay in cache
    /// while the edits of that type go through it.
    struct TypeRun {
        std::size_t first = 0;
        std::size_t last = 0;
        bool inCatalogue = false;   ///< false for a type this batch created
        bool namesIndexed = false;  ///< its units are in slots (added ones always are)
        std::vector<std::size_t> added;
        std::vector<Slot> slots;  ///< a power of two of them, at most half in use
        std::size_t slotsUsed = 0;
    };

    /// Hashes a type or name as text, whether held or looked up.
    struct TextHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view text) const noexcept;
    };

    CUnit& At(std::size_t handle);
    const CUnit& At(std::size_t handle) const;
    TypeRun* FindRun(std::string_view type);
    /// The slot of the unit named name in run, or the empty slot where it would go, which
    /// can take it without the index growing; hash gets the name's. Indexes the run's
    /// catalogue units on its first lookup.
    Slot& Locate(TypeRun& run, std::string_view name, std::uint32_t& hash);
    /// The slot of the unit named name in run, or the empty slot where it would go.
    Slot& Probe(TypeRun& run, std::uint32_t hash, std::string_view name);
    /// Makes the run's index hold this many units at most half full.
    static void Grow(TypeRun& run, std::size_t entries);

    CUnitMgr& m_catalogue;
    std::vector<CUnit>& m_catalogueUnits;
    std::size_t m_count;  ///< catalogue units; handles from here on are added units
    std::vector<CUnit> m_added;
    std::unordered_map<std::string, TypeRun, TextHash, std::equal_to<>> m_runs;
    std::pair<const std::string, TypeRun>* m_lastRun = nullptr;  ///< the run found last
    std::vector<const TypeRun*> m_createdTypes;                  ///< in the order they were created
};
