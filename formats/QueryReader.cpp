#include "formats/QueryReader.h"

#include <algorithm>
#include <array>

#include "catalogue/UnitMgr.h"
#include "formats/FoldedName.h"

namespace {

constexpr std::string_view kWordSeparators[] = {"in", "to", "as", "into"};
constexpr std::string_view kSignSeparators[] = {"=", "->", "\u2192"};
constexpr std::size_t kMaxSeparatorLength = 4;
// A query is split at most at this many of its separators before it is given up on.
constexpr std::size_t kMaxSplits = 8;
// Mixed amounts of more parts than anyone writes ("1 yd 2 ft 3 in") are refused.
constexpr std::size_t kMaxParts = 16;
// Equally close readings beyond these are not listed.
constexpr std::size_t kMaxReadings = 16;
constexpr std::size_t kMaxQuoted = 64;

/// Where a query may be cut into FROM and TO.
struct Split {
    std::size_t begin;
    std::size_t end;
};

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

/// Letters in any script: a separator word is never part of a longer word.
bool IsWordCharacter(char c) {
    return IsLetter(c) || static_cast<unsigned char>(c) >= 0x80;
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

std::string Quoted(std::string_view text) {
    return "'" + std::string(text.substr(0, kMaxQuoted)) +
           (text.size() > kMaxQuoted ? "...'" : "'");
}

/// "a Pressure unit", "an Energy unit".
std::string UnitOfType(const std::string& type) {
    const bool vowel =
        !type.empty() && std::string_view("AEIOUaeiou").find(type[0]) != std::string_view::npos;
    return (vowel ? "an " : "a ") + type + " unit";
}

/// A short word of ASCII letters in lower case, written to buffer; empty for any other
/// word, which cannot be a separator.
std::string_view LowerCaseWord(std::string_view word,
                               std::array<char, kMaxSeparatorLength>& buffer) {
    if (word.size() > buffer.size() || !std::all_of(word.begin(), word.end(), IsLetter)) {
        return {};
    }
    std::transform(word.begin(), word.end(), buffer.begin(), [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    });
    return {buffer.data(), word.size()};
}

/// The places the query may be cut, in the order they are tried: the separators that are
/// never a unit first, left to right; then "in", which is also the inch, right to left,
/// so that "5 ft 3 in to cm" and "5 in in cm" cut where they mean.
std::vector<Split> FindSplits(std::string_view query) {
    const auto signAt = [query](std::size_t i) -> std::size_t {
        for (const std::string_view sign : kSignSeparators) {
            if (query[i] == sign[0] && query.substr(i).starts_with(sign)) {
                return sign.size();
            }
        }
        return 0;
    };
    std::vector<Split> splits;
    std::vector<Split> inches;
    std::array<char, kMaxSeparatorLength> lower{};
    for (std::size_t i = 0; i < query.size();) {
        if (const std::size_t sign = signAt(i); sign > 0) {
            splits.push_back({i, i + sign});
            i += sign;
        } else if (IsLetter(query[i]) && (i == 0 || !IsWordCharacter(query[i - 1]))) {
            std::size_t end = i;
            while (end < query.size() && IsWordCharacter(query[end]) && signAt(end) == 0) {
                ++end;
            }
            const std::string_view word = LowerCaseWord(query.substr(i, end - i), lower);
            if (word == "in") {
                inches.push_back({i, end});
            } else if (CQueryReader::IsSeparator(word)) {
                splits.push_back({i, end});
            }
            i = end;
        } else {
            ++i;
        }
    }
    splits.insert(splits.end(), inches.rbegin(), inches.rend());
    return splits;
}

}  // namespace

CQueryReader::CQueryReader(const CUnitMgr& catalogue) : m_index(catalogue) {}

bool CQueryReader::IsSeparator(std::string_view word) {
    const std::string folded = FoldName(word);
    return std::find(std::begin(kWordSeparators), std::end(kWordSeparators), folded) !=
               std::end(kWordSeparators) ||
           std::find(std::begin(kSignSeparators), std::end(kSignSeparators), folded) !=
               std::end(kSignSeparators);
}

bool CQueryReader::HasSeparator(std::string_view query) {
    return !FindSplits(query).empty();
}

CQueryReader::Answer CQueryReader::Read(std::string_view query, bool decimalComma) const {
    const CAmountReader amounts(decimalComma);
    query = Trim(query);
    if (query.empty()) {
        Answer nothing;
        nothing.message = "nothing to convert";
        return nothing;
    }
    const std::vector<Split> splits = FindSplits(query);
    Answer first;
    for (std::size_t i = 0; i < splits.size() && i < kMaxSplits; ++i) {
        Answer answer =
            ReadSplit(query.substr(0, splits[i].begin), query.substr(splits[i].end), amounts);
        if (answer.outcome != Outcome::kFailed) {
            return answer;
        }
        if (i == 0) {
            first = std::move(answer);
        }
    }
    // "5 ft 3 in" is a unit alone, though it holds an "in".
    Answer unitOnly = ReadUnitOnly(query, amounts);
    return unitOnly.outcome != Outcome::kFailed || splits.empty() ? unitOnly : first;
}

std::vector<CQueryReader::Conversion> CQueryReader::Conversions(std::string_view query,
                                                                std::size_t limit,
                                                                bool decimalComma,
                                                                const Preferred& preferred) const {
    Answer answer = Read(query, decimalComma);
    std::vector<Conversion> conversions;
    if (answer.outcome == Outcome::kUnitOnly) {
        const CUnitMgr& catalogue = m_index.Catalogue();
        for (const UnitChoice& choice : answer.units) {
            const CUnitMgr::TypeRun run = m_index.RunOf(choice.unit);
            const auto offer = [&](int unit) {
                if (unit != choice.unit && conversions.size() < limit) {
                    conversions.push_back({choice.type, choice.name, Name(unit), choice.amount,
                                           catalogue.ConvertAt(choice.amount, choice.unit, unit)});
                }
            };
            int first = -1;
            if (choice.type == preferred.type) {
                for (int unit = run.begin; unit < run.end && first < 0; ++unit) {
                    first = Name(unit) == preferred.to ? unit : -1;
                }
                if (first >= 0) {
                    offer(first);
                }
            }
            for (int unit = run.begin; unit < run.end; ++unit) {
                if (unit != first) {
                    offer(unit);
                }
            }
        }
        return conversions;
    }
    conversions = std::move(answer.conversions);
    conversions.resize(std::min(conversions.size(), limit));
    return conversions;
}

CQueryReader::Answer CQueryReader::ReadSplit(std::string_view from, std::string_view to,
                                             const CAmountReader& amounts) const {
    Answer answer;
    from = Trim(from);
    to = Trim(to);
    std::vector<Part> parts;
    if (from.empty()) {
        answer.message = "no unit to convert from";
        return answer;
    }
    if (to.empty()) {
        answer.message = "no unit to convert to";
        return answer;
    }
    if (!ReadAmounts(from, amounts, parts, answer.message)) {
        return answer;
    }
    Part target{1.0, to, m_index.Find(to)};
    if (target.units.empty()) {
        answer.message = UnknownUnit(to);
        return answer;
    }
    parts.push_back(std::move(target));
    const std::vector<Reading> readings = ClosestReadings(parts, answer.message);
    const std::size_t fromCount = parts.size() - 1;
    for (const Reading& reading : readings) {
        const int fromUnit = reading.units[fromCount - 1];
        const std::string& type = Type(fromUnit);
        const double amount = FromAmount(parts, reading, fromCount);
        answer.conversions.push_back(
            {type, Name(fromUnit), Name(reading.units.back()), amount,
             m_index.Catalogue().ConvertAt(amount, fromUnit, reading.units.back())});
    }
    if (readings.size() == 1) {
        answer.outcome = Outcome::kConverted;
    } else if (!readings.empty()) {
        // Named by the first unit that the readings do not agree on.
        std::size_t slot = 0;
        while (slot + 1 < parts.size() &&
               std::all_of(readings.begin(), readings.end(), [&](const Reading& r) {
                   return r.units[slot] == readings[0].units[slot] && r.type == readings[0].type;
               })) {
            ++slot;
        }
        answer.outcome = Outcome::kAmbiguous;
        answer.message = Quoted(parts[slot].typed) + " is ambiguous:";
        std::vector<int> listed;
        for (const Reading& reading : readings) {
            const int unit = reading.units[slot];
            if (std::find(listed.begin(), listed.end(), unit) == listed.end()) {
                answer.message +=
                    (listed.empty() ? " " : ", ") + Type(unit) + " '" + Name(unit) + "'";
                listed.push_back(unit);
            }
        }
    }
    return answer;
}

CQueryReader::Answer CQueryReader::ReadUnitOnly(std::string_view from,
                                                const CAmountReader& amounts) const {
    Answer answer;
    std::vector<Part> parts;
    if (!ReadAmounts(from, amounts, parts, answer.message)) {
        return answer;
    }
    if (parts.size() == 1) {
        // One unit alone is offered in every type that has it, closest first.
        for (const CUnitNameIndex::Match& match : parts[0].units) {
            answer.units.push_back(
                {match.unit, Type(match.unit), Name(match.unit), match.closeness, parts[0].amount});
        }
    } else {
        for (const Reading& reading : ClosestReadings(parts, answer.message)) {
            const int unit = reading.units.back();
            const auto match =
                std::find_if(parts.back().units.begin(), parts.back().units.end(),
                             [unit](const CUnitNameIndex::Match& m) { return m.unit == unit; });
            answer.units.push_back({unit, Type(unit), Name(unit), match->closeness,
                                    FromAmount(parts, reading, parts.size())});
        }
    }
    if (!answer.units.empty()) {
        answer.outcome = Outcome::kUnitOnly;
    }
    return answer;
}

bool CQueryReader::ReadAmounts(std::string_view text, const CAmountReader& amounts,
                               std::vector<Part>& parts, std::string& error) const {
    std::size_t pos = 0;
    for (;;) {
        while (pos < text.size() && IsBlank(text[pos])) {
            ++pos;
        }
        if (pos == text.size()) {
            return true;
        }
        if (parts.size() == kMaxParts) {
            error = "more than " + std::to_string(kMaxParts) + " amounts to add up";
            return false;
        }
        const std::size_t start = pos;
        Part part{1.0, {}, {}};
        const CAmountReader::Status status = amounts.Read(text, pos, part.amount, error);
        if (status == CAmountReader::Status::kBad) {
            return false;
        }
        const std::size_t unitStart = pos;
        while (pos < text.size() && IsBlank(text[pos])) {
            ++pos;
        }
        if (pos == text.size()) {
            error = "no unit after " + Quoted(text.substr(start, unitStart - start));
            return false;
        }
        if (!ReadUnit(text, pos, part, error)) {
            // A unit whose name begins with a number: "28d month".
            std::size_t whole = start;
            std::string ignored;
            if (status == CAmountReader::Status::kNone || !ReadUnit(text, whole, part, ignored)) {
                return false;
            }
            part.amount = 1.0;
            pos = whole;
        }
        if (status == CAmountReader::Status::kNone && !parts.empty()) {
            error = Quoted(part.typed) + " needs an amount";
            return false;
        }
        parts.push_back(std::move(part));
    }
}

bool CQueryReader::ReadUnit(std::string_view text, std::size_t& pos, Part& part,
                            std::string& error) const {
    // Where unit text may end: at a blank, and where a number follows letters ("5ft3in").
    std::vector<std::size_t> starts;
    std::vector<std::size_t> ends;
    for (std::size_t i = pos;
         i < text.size() && ends.size() < static_cast<std::size_t>(m_index.MaxWords());) {
        starts.push_back(i);
        do {
            ++i;
        } while (i < text.size() && !IsBlank(text[i]) &&
                 !(IsDigit(text[i]) && IsLetter(text[i - 1])));
        ends.push_back(i);
        while (i < text.size() && IsBlank(text[i])) {
            ++i;
        }
    }
    // The longest text with a close match, else the longest that is a prefix of a name.
    std::vector<std::vector<CUnitNameIndex::Match>> found(ends.size());
    std::size_t chosen = ends.size();
    for (std::size_t k = ends.size(); k-- > 0;) {
        found[k] = m_index.Find(text.substr(pos, ends[k] - pos));
        if (!found[k].empty() && found[k].front().closeness != Closeness::kPrefix) {
            chosen = k;
            break;
        }
    }
    for (std::size_t k = ends.size(); chosen == ends.size() && k-- > 0;) {
        if (!found[k].empty()) {
            chosen = k;
        }
    }
    if (chosen == ends.size()) {
        // Named up to the next number: "pound per squar inch" of "5 pound per squar inch 3".
        std::size_t typedEnd = 0;
        while (typedEnd + 1 < ends.size() && !IsDigit(text[starts[typedEnd + 1]])) {
            ++typedEnd;
        }
        error = UnknownUnit(text.substr(pos, ends[typedEnd] - pos));
        return false;
    }
    part.typed = text.substr(pos, ends[chosen] - pos);
    part.units = std::move(found[chosen]);
    pos = ends[chosen];
    return true;
}

std::vector<CQueryReader::Reading> CQueryReader::ClosestReadings(const std::vector<Part>& parts,
                                                                 std::string& error) const {
    // The types every part has, in the order of the first part's matches.
    std::vector<int> types;
    for (const CUnitNameIndex::Match& match : parts[0].units) {
        const int type = m_index.TypeId(match.unit);
        if (std::find(types.begin(), types.end(), type) == types.end()) {
            types.push_back(type);
        }
    }
    for (std::size_t slot = 1; slot < parts.size(); ++slot) {
        const auto hasType = [&](int type) {
            return std::any_of(
                parts[slot].units.begin(), parts[slot].units.end(),
                [&](const CUnitNameIndex::Match& m) { return m_index.TypeId(m.unit) == type; });
        };
        std::vector<int> common;
        std::copy_if(types.begin(), types.end(), std::back_inserter(common), hasType);
        if (common.empty()) {
            const auto left =
                std::find_if(parts[slot - 1].units.begin(), parts[slot - 1].units.end(),
                             [&](const CUnitNameIndex::Match& m) {
                                 return std::find(types.begin(), types.end(),
                                                  m_index.TypeId(m.unit)) != types.end();
                             });
            const int right = parts[slot].units.front().unit;
            error = Quoted(parts[slot - 1].typed) + " is " + UnitOfType(Type(left->unit)) +
                    " and " + Quoted(parts[slot].typed) + " " + UnitOfType(Type(right));
            return {};
        }
        types = std::move(common);
    }

    std::vector<Reading> readings;
    int closest = static_cast<int>(Closeness::kPrefix) * static_cast<int>(parts.size()) + 1;
    for (const int type : types) {
        // In each part, the units of the type that match it best.
        std::vector<Reading> typed{{type, 0, {}}};
        for (const Part& part : parts) {
            int best = static_cast<int>(Closeness::kPrefix);
            for (const CUnitNameIndex::Match& m : part.units) {
                if (m_index.TypeId(m.unit) == type) {
                    best = std::min(best, static_cast<int>(m.closeness));
                }
            }
            std::vector<Reading> longer;
            for (const Reading& reading : typed) {
                for (const CUnitNameIndex::Match& m : part.units) {
                    if (m_index.TypeId(m.unit) == type && static_cast<int>(m.closeness) == best &&
                        longer.size() < kMaxReadings) {
                        longer.push_back(reading);
                        longer.back().closeness += best;
                        longer.back().units.push_back(m.unit);
                    }
                }
            }
            typed = std::move(longer);
        }
        if (typed[0].closeness < closest) {
            closest = typed[0].closeness;
            readings.clear();
        }
        if (typed[0].closeness == closest) {
            readings.insert(readings.end(), typed.begin(), typed.end());
        }
    }
    std::sort(readings.begin(), readings.end(),
              [](const Reading& a, const Reading& b) { return a.units < b.units; });
    readings.resize(std::min(readings.size(), kMaxReadings));
    return readings;
}

double CQueryReader::FromAmount(const std::vector<Part>& parts, const Reading& reading,
                                std::size_t fromCount) const {
    const int last = reading.units[fromCount - 1];
    double amount = 0.0;
    for (std::size_t i = 0; i < fromCount; ++i) {
        amount += m_index.Catalogue().ConvertAt(parts[i].amount, reading.units[i], last);
    }
    return amount;
}

const std::string& CQueryReader::Name(int unit) const {
    return m_index.Catalogue().Units()[static_cast<std::size_t>(unit)].m_name;
}

const std::string& CQueryReader::Type(int unit) const {
    return m_index.Catalogue().Units()[static_cast<std::size_t>(unit)].m_type;
}

std::string CQueryReader::UnknownUnit(std::string_view typed) const {
    const std::string suggestion = m_index.Suggest(typed);
    return "no unit named " + Quoted(typed) +
           (suggestion.empty() ? "" : "; did you mean '" + suggestion + "'?");
}
