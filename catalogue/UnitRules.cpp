#include "catalogue/UnitRules.h"

#include <cmath>

bool CUnitRules::IsCoefficient(double coefficient) {
    // A denormal coefficient loses digits and overflows when divided by.
    return std::isnormal(coefficient) && coefficient > 0.0;
}

bool CUnitRules::IsOffset(double offset) {
    return std::isfinite(offset);
}

bool CUnitRules::IsName(std::string_view name) {
    return !name.empty() && name.find('\0') == std::string_view::npos && name.front() != ' ' &&
           name.back() != ' ';
}
