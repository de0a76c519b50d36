#include "catalogue/UnitBatch.h"

#include <algorithm>
#include <functional>
#include <utility>

#include "catalogue/HugePages.h"
#include "catalogue/UnitMgr.h"

std::size_t CUnitBatch::TypeHash::operator()(std::string_view type) const noexcept {
    return std::hash<std::string_view>()(type);
}

namespace {

/// The index key of a unit: its type's hash mixed with its name's, unevenly, so that a
/// type and a name that trade places hash apart.
std::size_t UnitHash(std::size_t typeHash, std::string_view name) {
    return typeHash * 31 + std::hash<std::string_view>()(name);
}

}  // namespace

CUnitBatch::CUnitBatch(CUnitMgr& catalogue)
    : m_catalogue(catalogue),
      m_catalogueUnits(catalogue.m_units),
      m_count(catalogue.m_units.size()) {
    // Only the first run of a type is seen by lookups; later runs stay where they are.
    for (std::size_t first = 0; first < m_count;) {
        const std::string& type = m_catalogueUnits[first].m_type;
        std::size_t last = first;
        while (last + 1 < m_count && m_catalogueUnits[last + 1].m_type == type) {
            ++last;
        }
        const auto [run, isFirstRun] = m_runs.try_emplace(type);
        if (isFirstRun) {
            run->second.typeHash = m_runs.hash_function()(type);
            run->second.first = first;
            run->second.last = last;
            run->second.inCatalogue = true;
        }
        first = last + 1;
    }
}

int CUnitBatch::FindUnit(std::string_view type, std::string_view name) {
    TypeRun* run = FindRun(type);
    return run == nullptr ? -1 : FindInRun(*run, type, name);
}

const CUnit& CUnitBatch::Unit(int handle) const {
    return At(static_cast<std::size_t>(handle));
}

void CUnitBatch::SetCoefficient(int handle, double coefficient) {
    At(static_cast<std::size_t>(handle)).m_coefficient = coefficient;
    m_catalogue.SetModified(true);
}

void CUnitBatch::Reserve(std::size_t additions) {
    if (m_added.size() + additions > m_added.capacity()) {
        m_added.reserve(m_added.size() + additions);
        AdviseHugePages(m_added.data(), m_added.capacity() * sizeof(CUnit));
    }
    if (m_count + m_added.capacity() > m_catalogueUnits.capacity()) {
        m_catalogueUnits.reserve(m_count + m_added.capacity());
        AdviseHugePages(m_catalogueUnits.data(), m_catalogueUnits.capacity() * sizeof(CUnit));
    }
}

bool CUnitBatch::AddOrUpdateUnit(const CUnit& unit) {
    m_catalogue.SetModified(true);
    TypeRun* run = FindRun(unit.m_type);
    if (run != nullptr) {
        const int existing = FindInRun(*run, unit.m_type, unit.m_name);
        if (existing >= 0) {
            At(static_cast<std::size_t>(existing)) = unit;
            return true;
        }
    } else {
        run = &m_runs.try_emplace(unit.m_type).first->second;
        run->namesIndexed = true;
        run->typeHash = m_runs.hash_function()(unit.m_type);
        m_createdTypes.push_back(run);
    }
    // A fresh default unit takes the given one by assignment, as in AddOrUpdateUnit.
    m_added.emplace_back() = unit;
    const std::size_t handle = m_count + m_added.size() - 1;
    run->added.push_back(handle);
    Index(handle, run->typeHash);
    return false;
}

void CUnitBatch::Commit() {
    if (m_added.empty()) {
        return;
    }
    // The grown runs of catalogue types, by where they end.
    std::vector<const TypeRun*> grown;
    for (const auto& [type, run] : m_runs) {
        if (run.inCatalogue && !run.added.empty()) {
            grown.push_back(&run);
        }
    }
    std::sort(grown.begin(), grown.end(),
              [](const TypeRun* a, const TypeRun* b) { return a->last < b->last; });

    // Filled from the back, as one insertion after another would leave it: each block of
    // catalogue units moves up once, past the units added before it.
    std::vector<CUnit>& units = m_catalogueUnits;
    units.resize(m_count + m_added.size());
    auto to = units.end();
    auto from = units.begin() + static_cast<std::ptrdiff_t>(m_count);
    const auto place = [&](const TypeRun& run) {
        for (auto handle = run.added.rbegin(); handle != run.added.rend(); ++handle) {
            *--to = std::move(m_added[*handle - m_count]);
        }
    };
    for (auto run = grown.rbegin(); run != grown.rend(); ++run) {
        const auto runEnd = units.begin() + static_cast<std::ptrdiff_t>((*run)->last + 1);
        to = std::move_backward(runEnd, from, to);
        from = runEnd;
        place(**run);
    }
    if (to != from) {  // a unit moved onto itself would lose its texts
        to = std::move_backward(units.begin(), from, to);
    }
    // Each new type went to the front when it was created: the first created ends up last.
    for (const TypeRun* run : m_createdTypes) {
        place(*run);
    }

    m_added.clear();  // a second Commit has nothing to place
}

CUnit& CUnitBatch::At(std::size_t handle) {
    return handle < m_count ? m_catalogueUnits[handle] : m_added[handle - m_count];
}

const CUnit& CUnitBatch::At(std::size_t handle) const {
    return handle < m_count ? m_catalogueUnits[handle] : m_added[handle - m_count];
}

CUnitBatch::TypeRun* CUnitBatch::FindRun(std::string_view type) {
    const auto run = m_runs.find(type);
    return run == m_runs.end() ? nullptr : &run->second;
}

int CUnitBatch::FindInRun(TypeRun& run, std::string_view type, std::string_view name) {
    if (!run.namesIndexed) {
        run.namesIndexed = true;
        for (std::size_t handle = run.first; handle <= run.last; ++handle) {
            Index(handle, run.typeHash);
        }
    }
    if (m_slots.empty()) {
        return -1;
    }
    const Slot& slot = m_slots[Probe(UnitHash(run.typeHash, name), type, name)];
    return slot.handle == kEmpty ? -1 : static_cast<int>(slot.handle);
}

std::size_t CUnitBatch::Probe(std::size_t hash, std::string_view type,
                              std::string_view name) const {
    const std::size_t mask = m_slots.size() - 1;
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
        const Slot& slot = m_slots[i];
        if (slot.handle == kEmpty) {
            return i;
        }
        if (slot.hash == hash) {
            const CUnit& unit = At(slot.handle);
            if (unit.m_name == name && unit.m_type == type) {
                return i;
            }
        }
    }
}

void CUnitBatch::Index(std::size_t handle, std::size_t typeHash) {
    if (2 * (m_slotsUsed + 1) > m_slots.size()) {
        const std::vector<Slot> old = std::exchange(m_slots, std::vector<Slot>());
        m_slots.reserve(std::max<std::size_t>(16, 2 * old.size()));
        AdviseHugePages(m_slots.data(), m_slots.capacity() * sizeof(Slot));
        m_slots.resize(m_slots.capacity());
        const std::size_t mask = m_slots.size() - 1;
        for (const Slot& slot : old) {
            if (slot.handle != kEmpty) {
                std::size_t i = slot.hash & mask;
                while (m_slots[i].handle != kEmpty) {
                    i = (i + 1) & mask;
                }
                m_slots[i] = slot;
            }
        }
    }
    const CUnit& unit = At(handle);
    const std::size_t hash = UnitHash(typeHash, unit.m_name);
    Slot& slot = m_slots[Probe(hash, unit.m_type, unit.m_name)];
    if (slot.handle == kEmpty) {  // a repeated name keeps the first, as FindUnit sees it
        slot = {hash, handle};
        ++m_slotsUsed;
    }
}
