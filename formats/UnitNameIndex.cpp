#include "formats/UnitNameIndex.h"

#include <algorithm>
#include <tuple>
#include <unordered_map>
#include <unordered_set>
#include <utility>

#include "catalogue/UnitMgr.h"
#include "formats/FoldedName.h"
#include "formats/RatesUpdate.h"

namespace {

constexpr std::size_t kMinPrefixLetters = 3;
constexpr std::size_t kMaxPrefixKeys = 256;
// Names longer than this are found when they stand alone, not inside longer text.
constexpr int kMaxIndexedWords = 12;
// A suggestion is looked for only among a bounded number of names of the same first letter,
// so that a typing error costs no more than a lookup at any catalogue size.
constexpr std::size_t kMaxSuggestionKeys = 1024;
constexpr std::size_t kMaxSuggestionLength = 64;
constexpr std::string_view kDegree = "\u00B0";

/// A name "yard (yd.)" as its English name "yard" and its symbol "yd.".
struct NameParts {
    std::string_view words;
    std::string_view symbol;
};

NameParts SplitName(std::string_view name) {
    const std::size_t open = name.rfind('(');
    if (name.size() < 2 || name.back() != ')' || open == std::string_view::npos || open == 0) {
        return {name, {}};
    }
    std::string_view words = name.substr(0, open);
    while (!words.empty() && words.back() == ' ') {
        words.remove_suffix(1);
    }
    return {words, name.substr(open + 1, name.size() - open - 2)};
}

bool EndsWith(std::string_view text, std::string_view end) {
    return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

/// The English plural of one folded word: "feet", "inches", "yards", "centuries".
std::string PluralWord(std::string_view word) {
    if (EndsWith(word, "foot")) {
        return std::string(word.substr(0, word.size() - 4)) + "feet";
    }
    if (EndsWith(word, "s") || EndsWith(word, "x") || EndsWith(word, "z") || EndsWith(word, "ch") ||
        EndsWith(word, "sh")) {
        return std::string(word) + "es";
    }
    if (word.size() > 1 && word.back() == 'y' &&
        std::string_view("aeiou").find(word[word.size() - 2]) == std::string_view::npos) {
        return std::string(word.substr(0, word.size() - 1)) + "ies";
    }
    return std::string(word) + "s";
}

/// The plural of folded English words, "pounds per square inch" for a rate, "square feet"
/// otherwise; empty when the words do not end in a letter.
std::string Plural(std::string_view words) {
    if (words.empty() || words.back() < 'a' || words.back() > 'z') {
        return {};
    }
    const std::size_t per = words.find(" per ");
    const std::string_view head = per == std::string_view::npos ? words : words.substr(0, per);
    const std::string_view tail = per == std::string_view::npos ? "" : words.substr(per);
    const std::size_t space = head.rfind(' ');
    const std::size_t start = space == std::string_view::npos ? 0 : space + 1;
    return std::string(head.substr(0, start)) + PluralWord(head.substr(start)) + std::string(tail);
}

std::size_t CodePoints(std::string_view text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0u) != 0x80u;
    }));
}

/// Levenshtein distance of a and b, or limit + 1 as soon as it must exceed limit.
std::size_t EditDistance(std::string_view a, std::string_view b, std::size_t limit) {
    if (a.size() > b.size() + limit || b.size() > a.size() + limit) {
        return limit + 1;
    }
    std::vector<std::size_t> row(b.size() + 1);
    for (std::size_t j = 0; j <= b.size(); ++j) {
        row[j] = j;
    }
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        std::size_t smallest = row[0];
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t above = row[j];
            row[j] = std::min({above + 1, row[j - 1] + 1, diagonal + (a[i - 1] != b[j - 1])});
            diagonal = above;
            smallest = std::min(smallest, row[j]);
        }
        if (smallest > limit) {
            return limit + 1;
        }
    }
    return row[b.size()];
}

}  // namespace

CUnitNameIndex::CUnitNameIndex(const CUnitMgr& catalogue) : m_catalogue(catalogue) {
    std::unordered_map<std::string_view, int> types;
    std::unordered_set<std::string_view> namesOfRun;
    bool firstRun = false;
    m_typeIds.reserve(catalogue.Units().size());
    m_keys.reserve(catalogue.Units().size() * 4);
    for (int unit = 0; unit < catalogue.GetCount(); ++unit) {
        const CUnit& entry = catalogue.Units()[static_cast<std::size_t>(unit)];
        const auto [type, added] = types.emplace(entry.m_type, static_cast<int>(types.size()));
        if (added) {
            m_runs.push_back({unit, unit});
            namesOfRun.clear();
        }
        m_typeIds.push_back(type->second);
        CUnitMgr::TypeRun& run = m_runs[static_cast<std::size_t>(type->second)];
        firstRun = added || (firstRun && run.end == unit);
        if (firstRun) {
            run.end = unit + 1;
            if (namesOfRun.insert(entry.m_name).second) {
                AddUnit(unit);
            }
        }
    }
    // The closest way of writing a name counts when one unit has it twice ("bar (bar)").
    std::sort(m_keys.begin(), m_keys.end(), [](const Key& a, const Key& b) {
        return std::tie(a.text, a.unit, a.closeness) < std::tie(b.text, b.unit, b.closeness);
    });
    m_keys.erase(std::unique(m_keys.begin(), m_keys.end(),
                             [](const Key& a, const Key& b) {
                                 return a.unit == b.unit && a.text == b.text;
                             }),
                 m_keys.end());
}

void CUnitNameIndex::AddUnit(int unit) {
    const CUnit& entry = m_catalogue.Units()[static_cast<std::size_t>(unit)];
    const NameParts parts = SplitName(entry.m_name);
    const std::string words = FoldName(parts.words);
    AddKey(FoldName(entry.m_name), unit, Closeness::kExact);
    AddKey(words, unit, Closeness::kExact);
    AddKey(Plural(words), unit, Closeness::kNear);
    if (!parts.symbol.empty()) {
        const std::string symbol = FoldName(parts.symbol);
        AddKey(symbol, unit, Closeness::kExact);
        if (symbol.size() > 1 && symbol.back() == '.') {
            AddKey(symbol.substr(0, symbol.size() - 1), unit, Closeness::kNear);
        }
        if (symbol.size() > kDegree.size() && symbol.starts_with(kDegree)) {
            const std::string scale = symbol.substr(kDegree.size());
            AddKey(scale, unit, Closeness::kNear);
            AddKey("deg" + scale, unit, Closeness::kNear);
        }
    }
    if (entry.m_type == CRatesUpdate::kCurrencyType) {
        AddKey(FoldName(CRatesUpdate::Code(entry.m_name)), unit, Closeness::kExact);
    }
}

void CUnitNameIndex::AddKey(std::string text, int unit, Closeness closeness) {
    if (text.empty()) {
        return;
    }
    const int words = 1 + static_cast<int>(std::count(text.begin(), text.end(), ' '));
    m_maxWords = std::min(std::max(m_maxWords, words), kMaxIndexedWords);
    m_longestKey = std::max(m_longestKey, text.size());
    m_keys.push_back({std::move(text), unit, closeness});
}

std::vector<CUnitNameIndex::Match> CUnitNameIndex::Find(std::string_view typed) const {
    const std::string folded = FoldName(typed, m_longestKey);
    std::vector<Match> matches;
    auto key = std::lower_bound(m_keys.begin(), m_keys.end(), folded,
                                [](const Key& k, std::string_view text) { return k.text < text; });
    for (; key != m_keys.end() && key->text == folded; ++key) {
        matches.push_back({key->unit, key->closeness});
    }
    if (CodePoints(folded) >= kMinPrefixLetters) {
        FindByPrefix(folded, matches);
    }
    std::sort(matches.begin(), matches.end(), [](const Match& a, const Match& b) {
        return std::tie(a.unit, a.closeness) < std::tie(b.unit, b.closeness);
    });
    matches.erase(std::unique(matches.begin(), matches.end(),
                              [](const Match& a, const Match& b) { return a.unit == b.unit; }),
                  matches.end());
    std::stable_sort(matches.begin(), matches.end(),
                     [](const Match& a, const Match& b) { return a.closeness < b.closeness; });
    return matches;
}

void CUnitNameIndex::FindByPrefix(std::string_view folded, std::vector<Match>& matches) const {
    // Units of a type seen so far, or kSeveral; a prefix that many names share names
    // none, and costs no more to look up than one that few names share.
    constexpr int kSeveral = -1;
    std::vector<std::pair<int, int>> unitOfType;
    auto key = std::lower_bound(m_keys.begin(), m_keys.end(), folded,
                                [](const Key& k, std::string_view text) { return k.text < text; });
    for (std::size_t seen = 0; key != m_keys.end() && key->text.starts_with(folded); ++key) {
        if (++seen > kMaxPrefixKeys) {
            return;
        }
        const int type = TypeId(key->unit);
        const auto known = std::find_if(unitOfType.begin(), unitOfType.end(),
                                        [type](const auto& entry) { return entry.first == type; });
        if (known == unitOfType.end()) {
            unitOfType.emplace_back(type, key->unit);
        } else if (known->second != key->unit) {
            known->second = kSeveral;
        }
    }
    for (const auto& [type, unit] : unitOfType) {
        if (unit != kSeveral) {
            matches.push_back({unit, Closeness::kPrefix});
        }
    }
}

std::string CUnitNameIndex::Suggest(std::string_view typed) const {
    const std::string folded = FoldName(typed, kMaxSuggestionLength);
    if (folded.empty() || folded.size() > kMaxSuggestionLength) {
        return {};
    }
    const std::size_t limit = folded.size() <= 4 ? 1 : 2;
    const Key* best = nullptr;
    std::size_t bestDistance = limit + 1;
    auto key = std::lower_bound(m_keys.begin(), m_keys.end(), folded.substr(0, 1),
                                [](const Key& k, std::string_view text) { return k.text < text; });
    for (std::size_t seen = 0;
         key != m_keys.end() && key->text[0] == folded[0] && seen < kMaxSuggestionKeys;
         ++key, ++seen) {
        const std::size_t distance = EditDistance(folded, key->text, limit);
        if (distance < bestDistance) {
            best = &*key;
            bestDistance = distance;
        }
    }
    if (best == nullptr) {
        return {};
    }
    // Shown as the catalogue writes it where it can be: "Fahrenheit", not "fahrenheit".
    const std::string& name = m_catalogue.Units()[static_cast<std::size_t>(best->unit)].m_name;
    const NameParts parts = SplitName(name);
    for (const std::string_view spelling : {std::string_view(name), parts.words, parts.symbol}) {
        if (FoldName(spelling) == best->text) {
            return std::string(spelling);
        }
    }
    return best->text;
}
