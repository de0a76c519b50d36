#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "formats/AmountReader.h"
#include "formats/UnitNameIndex.h"

class CUnitMgr;

/// Reads conversion queries as a person types them, "5 psi in bar", "100 F to C",
/// "5 ft 3 in to cm", against a catalogue: [AMOUNT] FROM SEPARATOR TO, where SEPARATOR is
/// one of in, to, as, into, =, -> and →. Units are found by any of the spellings that
/// CUnitNameIndex knows; FROM and TO must be of one type, which decides a name that
/// several types have. Conversions are the catalogue's own (CUnitMgr::Convert), made
/// on the units found, so that no lookup grows with the catalogue.
class CQueryReader {
public:
    using Closeness = CUnitNameIndex::Closeness;

    /// One unit a query may mean, as the catalogue names it, and the query's amount in it.
    struct UnitChoice {
        int unit;  ///< index in the catalogue
        std::string type;
        std::string name;
        Closeness closeness;
        double amount;
    };

    /// amount in from gives result in to, all of type.
    struct Conversion {
        std::string type;
        std::string from;
        std::string to;
        double amount;
        double result;
    };

    /// A unit to offer first, when a query names a unit of its type alone: the window's
    /// last to-unit.
    struct Preferred {
        std::string type;
        std::string to;
    };

    /// What a query says.
    enum class Outcome {
        kConverted,  ///< one conversion
        kUnitOnly,   ///< an amount and a unit without a unit to convert to ("5 psi")
        kAmbiguous,  ///< several equally close readings
        kFailed,     ///< nothing that can be converted
    };

    /// The reading of one query.
    struct Answer {
        Outcome outcome = Outcome::kFailed;
        /// kConverted: the conversion; kAmbiguous: each reading, in catalogue order.
        std::vector<Conversion> conversions;
        /// kUnitOnly: what the query's unit may be, closest first.
        std::vector<UnitChoice> units;
        /// kAmbiguous and kFailed: why, in words a person can act on.
        std::string message;
    };

    /// Indexes the catalogue's names, once; the catalogue must outlive the reader and
    /// stay unchanged while it is used.
    explicit CQueryReader(const CUnitMgr& catalogue);

    /// Reads one query; with decimalComma, as the user's locale writes numbers, "1,5" is
    /// 1.5 as well as "1.5".
    Answer Read(std::string_view query, bool decimalComma = false) const;
    /// Up to limit conversions the query may mean, the likeliest first: its conversion,
    /// each of its equally close readings, or, for an amount and a unit alone, the
    /// conversions to the other units of its type in catalogue order, preferred first.
    std::vector<Conversion> Conversions(std::string_view query, std::size_t limit,
                                        bool decimalComma = false,
                                        const Preferred& preferred = {}) const;
    /// Whether word is one of the separators, in any case.
    static bool IsSeparator(std::string_view word);
    /// Whether the query holds a separator where one can stand.
    static bool HasSeparator(std::string_view query);

private:
    /// An amount and the units its unit text may mean ("5 ft" of "5 ft 3 in").
    struct Part {
        double amount;
        std::string_view typed;
        std::vector<CUnitNameIndex::Match> units;
    };
    /// One reading: a unit for each part, then for TO when there is one.
    struct Reading {
        int type;
        int closeness;  ///< sum over the units; lower is closer
        std::vector<int> units;
    };

    /// Reads [AMOUNT] UNIT [AMOUNT UNIT]...; false with error when it cannot.
    bool ReadAmounts(std::string_view text, const CAmountReader& amounts, std::vector<Part>& parts,
                     std::string& error) const;
    /// Reads the unit text at pos, the longest that names units, and moves pos past it.
    bool ReadUnit(std::string_view text, std::size_t& pos, Part& part, std::string& error) const;
    /// The closest readings of the parts that agree on a type, in catalogue order; empty,
    /// with error naming two units that disagree, when the parts have no type in common.
    std::vector<Reading> ClosestReadings(const std::vector<Part>& parts, std::string& error) const;
    /// The amount of the reading's parts in the unit of the last part of FROM.
    double FromAmount(const std::vector<Part>& parts, const Reading& reading,
                      std::size_t fromCount) const;
    /// Reads the query split at one separator.
    Answer ReadSplit(std::string_view from, std::string_view to,
                     const CAmountReader& amounts) const;
    /// Reads a query without TO.
    Answer ReadUnitOnly(std::string_view from, const CAmountReader& amounts) const;
    const std::string& Name(int unit) const;
    const std::string& Type(int unit) const;
    /// "no unit named 'psj'; did you mean 'psi'?"
    std::string UnknownUnit(std::string_view typed) const;

    CUnitNameIndex m_index;
};
