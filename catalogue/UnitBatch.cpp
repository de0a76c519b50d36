#include "catalogue/UnitBatch.h"

#include <algorithm>
#include <functional>
#include <iterator>
#include <string_view>
#include <utility>

namespace {

/// The index's hash of a unit's type and name.
std::uint32_t Hash(const std::string& type, const std::string& name) {
    const std::size_t typeHash = std::hash<std::string_view>()(type);
    return static_cast<std::uint32_t>(std::hash<std::string_view>()(name) ^
                                      (typeHash * 0x9E3779B97F4A7C15U));
}

}  // namespace

CUnitBatch::CUnitBatch(CUnitMgr& catalogue, NewTypes newTypes)
    : m_catalogue(catalogue), m_newTypes(newTypes), m_count(catalogue.GetCount()) {
    const std::vector<CUnit>& units = catalogue.Units();
    // Only the first run of a type is seen by lookups; later runs stay where they are.
    for (int begin = 0; begin < m_count;) {
        int end = begin + 1;
        while (end < m_count && units[end].m_type == units[begin].m_type) {
            ++end;
        }
        if (m_types.try_emplace(units[begin].m_type, Type{{begin, end}, {}}).second) {
            for (int handle = begin; handle < end; ++handle) {
                Slot& slot = Claim(units[handle]);
                if (slot.handle < 0) {  // a repeated name keeps the first: FindUnit finds it
                    slot.handle = handle;
                    ++m_used;
                }
            }
        }
        begin = end;
    }
}

int CUnitBatch::FindUnit(const std::string& type, const std::string& name) const {
    return m_slots[Locate(Hash(type, name), type, name)].handle;
}

const CUnit& CUnitBatch::Unit(int handle) const {
    return handle < m_count ? m_catalogue.m_units[handle] : m_added[handle - m_count];
}

void CUnitBatch::SetCoefficient(int handle, double coefficient) {
    At(handle).m_coefficient = coefficient;
    m_catalogue.SetModified(true);
}

bool CUnitBatch::AddOrUpdateUnit(const CUnit& unit) {
    m_catalogue.SetModified(true);
    Slot& slot = Claim(unit);
    if (slot.handle >= 0) {
        At(slot.handle) = unit;
        return true;
    }
    // A fresh default unit takes the given one by assignment, as in AddOrUpdateUnit.
    m_added.emplace_back() = unit;
    const int handle = m_count + static_cast<int>(m_added.size()) - 1;
    slot.handle = handle;
    ++m_used;
    Type& type = m_types[unit.m_type];  // a new type has the empty run at the front
    if (type.added.empty()) {
        m_grown.push_back(&type);
    }
    type.added.push_back(handle);
    return false;
}

void CUnitBatch::Commit() {
    if (m_added.empty()) {
        return;
    }
    // By where their runs end. Only created types share an end, 0, and each of them went
    // in front of those created before it, unless the caller asked for creation order.
    std::vector<const Type*> grown = m_grown;
    if (m_newTypes == NewTypes::kLastCreatedFirst) {
        std::reverse(grown.begin(), grown.end());
    }
    std::stable_sort(grown.begin(), grown.end(),
                     [](const Type* a, const Type* b) { return a->run.end < b->run.end; });

    // Filled front to back into a new array, as one insertion after another would leave
    // the old one: each unit moves once.
    std::vector<CUnit>& old = m_catalogue.m_units;
    std::vector<CUnit> units;
    units.reserve(old.size() + m_added.size());
    const auto keep = [&](int from, int to) {
        units.insert(units.end(), std::make_move_iterator(old.begin() + from),
                     std::make_move_iterator(old.begin() + to));
    };
    int kept = 0;
    for (const Type* type : grown) {
        keep(kept, type->run.end);
        kept = type->run.end;
        for (const int handle : type->added) {
            units.push_back(std::move(m_added[handle - m_count]));
        }
    }
    keep(kept, m_count);
    old.swap(units);
}

CUnit& CUnitBatch::At(int handle) {
    return handle < m_count ? m_catalogue.m_units[handle] : m_added[handle - m_count];
}

std::size_t CUnitBatch::Locate(std::uint32_t hash, const std::string& type,
                               const std::string& name) const {
    const std::size_t mask = m_slots.size() - 1;
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
        const Slot& slot = m_slots[i];
        if (slot.handle < 0 || (slot.hash == hash && Unit(slot.handle).m_name == name &&
                                Unit(slot.handle).m_type == type)) {
            return i;
        }
    }
}

CUnitBatch::Slot& CUnitBatch::Claim(const CUnit& unit) {
    if (2 * (m_used + 1) > m_slots.size()) {
        // Twice the slots; the hashes held place every entry again without a unit.
        const std::vector<Slot> old = std::exchange(m_slots, std::vector<Slot>(2 * m_slots.size()));
        const std::size_t mask = m_slots.size() - 1;
        for (const Slot& slot : old) {
            if (slot.handle >= 0) {
                std::size_t i = slot.hash & mask;
                while (m_slots[i].handle >= 0) {
                    i = (i + 1) & mask;
                }
                m_slots[i] = slot;
            }
        }
    }
    const std::uint32_t hash = Hash(unit.m_type, unit.m_name);
    Slot& slot = m_slots[Locate(hash, unit.m_type, unit.m_name)];
    slot.hash = hash;  // already so when the unit is there
    return slot;
}
