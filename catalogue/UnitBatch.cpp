#include "catalogue/UnitBatch.h"

#include <algorithm>
#include <bit>
#include <functional>
#include <iterator>
#include <utility>

#include "catalogue/UnitMgr.h"

std::size_t CUnitBatch::TextHash::operator()(std::string_view text) const noexcept {
    return std::hash<std::string_view>()(text);
}

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
            run->second.first = first;
            run->second.last = last;
            run->second.inCatalogue = true;
        }
        first = last + 1;
    }
}

int CUnitBatch::FindUnit(std::string_view type, std::string_view name) {
    TypeRun* run = FindRun(type);
    if (run == nullptr) {
        return -1;
    }
    std::uint32_t hash = 0;
    const Slot& slot = Locate(*run, name, hash);
    return slot.handle == kEmpty ? -1 : static_cast<int>(slot.handle);
}

const CUnit& CUnitBatch::Unit(int handle) const {
    return At(static_cast<std::size_t>(handle));
}

void CUnitBatch::SetCoefficient(int handle, double coefficient) {
    At(static_cast<std::size_t>(handle)).m_coefficient = coefficient;
    m_catalogue.SetModified(true);
}

void CUnitBatch::Reserve(std::size_t additions) {
    m_added.reserve(m_added.size() + additions);
}

bool CUnitBatch::AddOrUpdateUnit(const CUnit& unit) {
    m_catalogue.SetModified(true);
    TypeRun* run = FindRun(unit.m_type);
    if (run == nullptr) {
        m_lastRun = &*m_runs.try_emplace(unit.m_type).first;
        run = &m_lastRun->second;
        run->namesIndexed = true;
        m_createdTypes.push_back(run);
    }
    std::uint32_t hash = 0;
    Slot& slot = Locate(*run, unit.m_name, hash);
    if (slot.handle != kEmpty) {
        At(slot.handle) = unit;
        return true;
    }
    // A fresh default unit takes the given one by assignment, as in AddOrUpdateUnit.
    m_added.emplace_back() = unit;
    const std::size_t handle = m_count + m_added.size() - 1;
    slot = {hash, static_cast<std::uint32_t>(handle)};
    ++run->slotsUsed;
    run->added.push_back(handle);
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

    // Filled front to back into a new array, as one insertion after another would leave
    // the old one: each unit moves once.
    std::vector<CUnit> units;
    units.reserve(m_count + m_added.size());
    const auto place = [&](const TypeRun& run) {
        for (const std::size_t handle : run.added) {
            units.push_back(std::move(m_added[handle - m_count]));
        }
    };
    const auto keep = [&](auto from, auto to) {
        units.insert(units.end(), std::make_move_iterator(from), std::make_move_iterator(to));
    };
    // Each new type went to the front when it was created: the last created comes first.
    for (auto run = m_createdTypes.rbegin(); run != m_createdTypes.rend(); ++run) {
        place(**run);
    }
    auto from = m_catalogueUnits.begin();
    for (const TypeRun* run : grown) {
        const auto runEnd = m_catalogueUnits.begin() + static_cast<std::ptrdiff_t>(run->last + 1);
        keep(from, runEnd);
        from = runEnd;
        place(*run);
    }
    keep(from, m_catalogueUnits.end());
    m_catalogueUnits.swap(units);

    m_added.clear();  // a second Commit has nothing to place
}

CUnit& CUnitBatch::At(std::size_t handle) {
    return handle < m_count ? m_catalogueUnits[handle] : m_added[handle - m_count];
}

const CUnit& CUnitBatch::At(std::size_t handle) const {
    return handle < m_count ? m_catalogueUnits[handle] : m_added[handle - m_count];
}

CUnitBatch::TypeRun* CUnitBatch::FindRun(std::string_view type) {
    // Edits mostly come type by type: the run found last is tried before the hash.
    if (m_lastRun == nullptr || m_lastRun->first != type) {
        const auto run = m_runs.find(type);
        if (run == m_runs.end()) {
            return nullptr;
        }
        m_lastRun = &*run;
    }
    return &m_lastRun->second;
}

CUnitBatch::Slot& CUnitBatch::Locate(TypeRun& run, std::string_view name, std::uint32_t& hash) {
    if (!run.namesIndexed) {
        run.namesIndexed = true;
        Grow(run, run.last - run.first + 1);
        for (std::size_t handle = run.first; handle <= run.last; ++handle) {
            const std::string& unitName = m_catalogueUnits[handle].m_name;
            const auto unitHash = static_cast<std::uint32_t>(TextHash()(unitName));
            Slot& slot = Probe(run, unitHash, unitName);
            if (slot.handle == kEmpty) {  // a repeated name keeps the first: FindUnit finds it
                slot = {unitHash, static_cast<std::uint32_t>(handle)};
                ++run.slotsUsed;
            }
        }
    }
    Grow(run, run.slotsUsed + 1);
    hash = static_cast<std::uint32_t>(TextHash()(name));
    return Probe(run, hash, name);
}

CUnitBatch::Slot& CUnitBatch::Probe(TypeRun& run, std::uint32_t hash, std::string_view name) {
    const std::size_t mask = run.slots.size() - 1;
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
        Slot& slot = run.slots[i];
        if (slot.handle == kEmpty || (slot.hash == hash && At(slot.handle).m_name == name)) {
            return slot;
        }
    }
}

void CUnitBatch::Grow(TypeRun& run, std::size_t entries) {
    if (2 * entries <= run.slots.size()) {
        return;
    }
    const std::vector<Slot> old = std::exchange(
        run.slots, std::vector<Slot>(std::max<std::size_t>(16, std::bit_ceil(2 * entries))));
    const std::size_t mask = run.slots.size() - 1;
    for (const Slot& slot : old) {
        if (slot.handle != kEmpty) {
            std::size_t i = slot.hash & mask;
            while (run.slots[i].handle != kEmpty) {
                i = (i + 1) & mask;
            }
            run.slots[i] = slot;
        }
    }
}
