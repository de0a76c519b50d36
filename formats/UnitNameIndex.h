#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "catalogue/UnitMgr.h"

/// The ways a person may type the names of a catalogue's units, indexed once so that a
/// lookup costs a binary search whatever the size of the catalogue. A unit "yard (yd.)" is
/// found as its whole name, as "yard", "yards", "yd." and "yd"; a unit whose symbol begins
/// with a degree sign, "Fahrenheit (°F)", also as "F" and "degF"; a currency as its
/// ISO 4217 code. Keys are folded (see FoldName), so case and accents never matter. Only
/// the units the catalogue's own lookups reach are indexed: those of the first run of a
/// type, the first of a name.
class CUnitNameIndex {
public:
    /// How closely typed text matches a unit; a closer match wins over a looser one.
    enum class Closeness {
        kExact,   ///< the whole name, the name without its symbol, the symbol, a code
        kNear,    ///< the symbol without its dot, a plural, a degree sign left out
        kPrefix,  ///< the start of a name, at least three letters, unique in its type
    };

    /// One unit that typed text may mean.
    struct Match {
        int unit;  ///< index in the catalogue
        Closeness closeness;
    };

    /// Indexes the catalogue's names; the index reads the catalogue, which must outlive it
    /// and stay unchanged while it is used.
    explicit CUnitNameIndex(const CUnitMgr& catalogue);

    /// The units typed text may name, closest first, then in catalogue order.
    std::vector<Match> Find(std::string_view typed) const;
    /// The indexed spelling nearest to typed text, as the catalogue writes it, when one is
    /// at most a letter or two away; empty text otherwise.
    std::string Suggest(std::string_view typed) const;
    /// The most words any indexed spelling has, so that a reader knows how far to look.
    int MaxWords() const { return m_maxWords; }
    /// A number for the type of a unit, equal for units of one type.
    int TypeId(int unit) const { return m_typeIds[static_cast<std::size_t>(unit)]; }
    /// The run of the type of an indexed unit.
    CUnitMgr::TypeRun RunOf(int unit) const {
        return m_runs[static_cast<std::size_t>(TypeId(unit))];
    }
    /// The catalogue the index reads.
    const CUnitMgr& Catalogue() const { return m_catalogue; }

private:
    struct Key {
        std::string text;  ///< folded
        int unit;
        Closeness closeness;
    };

    /// Adds the spellings of one unit.
    void AddUnit(int unit);
    void AddKey(std::string text, int unit, Closeness closeness);
    /// The units a prefix of at least three letters names uniquely in their types.
    void FindByPrefix(std::string_view folded, std::vector<Match>& matches) const;

    const CUnitMgr& m_catalogue;
    std::vector<Key> m_keys;  ///< sorted by text, then unit
    std::vector<int> m_typeIds;
    std::vector<CUnitMgr::TypeRun> m_runs;  ///< by type number: the first run of the type
    int m_maxWords = 1;
    std::size_t m_longestKey = 0;
};
