#pragma once

#include <optional>
#include <string>
#include <string_view>

/// One currency of a reference-rate file with its units per euro; none when the file
/// says N/A.
struct CCurrencyRate {
    std::string code;
    std::optional<double> perEuro;

    /// Reads the text of one rate: a positive number of normal size; false for anything else.
    static bool ReadPerEuro(std::string_view text, double& perEuro);
};
