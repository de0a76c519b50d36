#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class CSearchCatalogue;

/// The desktop search's answers to typed text, on the user's catalogue: "5 psi in bar"
/// gives its conversion, "5 psi" the conversions to other units of its type, anything else
/// nothing. A result is known by an id that holds the conversion itself and the catalogue
/// it was made on, so that no state is kept between calls and an id of another catalogue
/// is refused.
class CSearchAnswers {
public:
    /// What the search shows of one result.
    struct Result {
        std::string name;         ///< "0.345 bar"
        std::string description;  ///< "5 pound per square inch (psi) = 0.345 bar (bar) · Pressure"
        std::string number;       ///< "0.345"
        std::string query;        ///< the conversion as the window reads it back exactly
    };

    /// Results at most for one query.
    static constexpr std::size_t kMaxResults = 5;
    /// Longest text read as a query: far above any conversion a person types.
    static constexpr std::size_t kMaxQuery = 256;

    /// decimalComma: numbers are read and written with a comma, as the user's locale does.
    CSearchAnswers(CSearchCatalogue& catalogue, bool decimalComma);

    /// The ids of the conversions the query may mean, likeliest first; none for a query
    /// longer than kMaxQuery.
    std::vector<std::string> Find(std::string_view query);
    /// What the search shows of the result id; none for an id that is not one of the
    /// current catalogue's.
    std::optional<Result> Describe(std::string_view id);

private:
    struct Conversion {
        int from;
        int to;
        double amount;
    };
    std::string IdOf(const Conversion& conversion) const;
    std::optional<Conversion> ConversionOf(std::string_view id) const;
    std::string Number(double value, int precision) const;

    CSearchCatalogue& m_catalogue;
    bool m_decimalComma;
};
