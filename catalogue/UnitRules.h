#pragma once

#include <string_view>

/// What a unit must be before any path (the Units page, tables, rates) stores it, so that
/// no conversion through it gives 0, infinity or NaN and no name looks like another.
class CUnitRules {
public:
    /// Whether coefficient is a positive, finite, normal double.
    static bool IsCoefficient(double coefficient);
    /// Whether offset is finite.
    static bool IsOffset(double offset);
    /// Whether name is not empty, holds no NUL byte and neither starts nor ends with a space.
    static bool IsName(std::string_view name);
};
