#include "search/SearchAnswers.h"

#include <charconv>
#include <cmath>
#include <system_error>

#include "catalogue/NumberText.h"
#include "formats/QueryReader.h"
#include "search/SearchCatalogue.h"

namespace {

// Decimals of the amount a person typed: all it can have, trailing zeros stripped.
constexpr int kTypedDecimals = 15;
constexpr char kIdSeparator = '/';

// "bar" of "bar (bar)", "ft." of "foot (ft.)": the symbol when the name ends in one.
std::string_view ShortName(std::string_view name) {
    const std::size_t open = name.rfind(" (");
    if (name.size() < 4 || name.back() != ')' || open == std::string_view::npos) {
        return name;
    }
    return name.substr(open + 2, name.size() - open - 3);
}

// Reads the whole of text as a number.
template <typename T, typename... Format>
bool ReadNumber(std::string_view text, T& value, Format... format) {
    const char* end = text.data() + text.size();
    const auto [next, error] = std::from_chars(text.data(), end, value, format...);
    return error == std::errc() && next == end && !text.empty();
}

}  // namespace

CSearchAnswers::CSearchAnswers(CSearchCatalogue& catalogue, bool decimalComma)
    : m_catalogue(catalogue), m_decimalComma(decimalComma) {}

std::vector<std::string> CSearchAnswers::Find(std::string_view query) {
    std::vector<std::string> ids;
    if (query.size() > kMaxQuery) {
        return ids;
    }
    m_catalogue.Refresh();
    const CUnitMgr& catalogue = m_catalogue.Catalogue();
    for (const CQueryReader::Conversion& found : m_catalogue.Reader().Conversions(
             query, kMaxResults, m_decimalComma, m_catalogue.LastUsed())) {
        const int from = catalogue.FindUnit(found.type, found.from);
        const int to = catalogue.FindUnit(found.type, found.to);
        if (from >= 0 && to >= 0) {
            ids.push_back(IdOf({from, to, found.amount}));
        }
    }
    return ids;
}

std::optional<CSearchAnswers::Result> CSearchAnswers::Describe(std::string_view id) {
    m_catalogue.Refresh();
    const std::optional<Conversion> conversion = ConversionOf(id);
    if (!conversion) {
        return std::nullopt;
    }
    const CUnitMgr& catalogue = m_catalogue.Catalogue();
    const CUnit& from = catalogue.Units()[static_cast<std::size_t>(conversion->from)];
    const CUnit& to = catalogue.Units()[static_cast<std::size_t>(conversion->to)];
    const double result = catalogue.ConvertAt(conversion->amount, conversion->from, conversion->to);
    Result shown;
    shown.number = Number(result, m_catalogue.Precision());
    shown.name = shown.number + " " + std::string(ShortName(to.m_name));
    shown.description = Number(conversion->amount, kTypedDecimals) + " " + from.m_name + " = " +
                        shown.number + " " + to.m_name + " \u00B7 " + from.m_type;
    char amount[64];
    const auto written = std::to_chars(amount, amount + sizeof amount, conversion->amount);
    shown.query = std::string(amount, written.ptr) + " " + from.m_name + " in " + to.m_name;
    return shown;
}

std::string CSearchAnswers::IdOf(const Conversion& conversion) const {
    char amount[64];
    const auto written =
        std::to_chars(amount, amount + sizeof amount, conversion.amount, std::chars_format::hex);
    char generation[32];
    const auto end =
        std::to_chars(generation, generation + sizeof generation, m_catalogue.Generation(), 16);
    return std::string(generation, end.ptr) + kIdSeparator + std::to_string(conversion.from) +
           kIdSeparator + std::to_string(conversion.to) + kIdSeparator +
           std::string(amount, written.ptr);
}

std::optional<CSearchAnswers::Conversion> CSearchAnswers::ConversionOf(std::string_view id) const {
    std::string_view fields[4];
    for (std::size_t i = 0; i + 1 < std::size(fields); ++i) {
        const std::size_t end = id.find(kIdSeparator);
        if (end == std::string_view::npos) {
            return std::nullopt;
        }
        fields[i] = id.substr(0, end);
        id.remove_prefix(end + 1);
    }
    fields[3] = id;
    std::uint64_t generation = 0;
    Conversion conversion{};
    if (!ReadNumber(fields[0], generation, 16) || generation != m_catalogue.Generation() ||
        !ReadNumber(fields[1], conversion.from) || !ReadNumber(fields[2], conversion.to) ||
        !ReadNumber(fields[3], conversion.amount, std::chars_format::hex) ||
        !std::isfinite(conversion.amount)) {
        return std::nullopt;
    }
    const CUnitMgr& catalogue = m_catalogue.Catalogue();
    const int count = catalogue.GetCount();
    if (conversion.from < 0 || conversion.from >= count || conversion.to < 0 ||
        conversion.to >= count ||
        catalogue.Units()[static_cast<std::size_t>(conversion.from)].m_type !=
            catalogue.Units()[static_cast<std::size_t>(conversion.to)].m_type) {
        return std::nullopt;
    }
    return conversion;
}

std::string CSearchAnswers::Number(double value, int precision) const {
    std::string text = FormatNumber(value, precision);
    if (m_decimalComma) {
        if (const std::size_t point = text.find('.'); point != std::string::npos) {
            text[point] = ',';
        }
    }
    return text;
}
