#pragma once

#include <span>
#include <string_view>

/// One row of the factory catalogue: the four meaningful fields of a unit.
struct CFactoryUnit {
    std::string_view type;
    std::string_view name;
    double coefficient;
    double offset;
};

/// The 153 factory units in ten types, in catalogue order: types in the order
/// Currency, Time, Temperature, Pressure, Weight, Capacity, Speed, Distance, Surface,
/// Volume, and each type's units next to each other. Names are UTF-8.
std::span<const CFactoryUnit> FactoryUnits();
