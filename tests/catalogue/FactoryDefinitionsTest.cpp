// Every factory unit but the currencies against the unit's definition, written from SI and
// NIST SP 811 without looking at the table, so that a wrong constant shows up.
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>
#include <string_view>

#include "catalogue/FactoryUnits.h"

namespace {

// Sizes in SI units; the exact definitions.
constexpr double kInch = 0.0254;
constexpr double kCubicInch = kInch * kInch * kInch;
constexpr double kFoot = 12 * kInch;
constexpr double kYard = 3 * kFoot;
constexpr double kRod = 16.5 * kFoot;
constexpr double kMile = 5280 * kFoot;
constexpr double kPound = 0.45359237;
constexpr double kGrain = kPound / 7000;
constexpr double kUkGallon = 4.54609e-3;
constexpr double kUsGallon = 231 * kCubicInch;
constexpr double kUsDryPint = 33.6003125 * kCubicInch;
constexpr double kMetricCup = 250e-6;
constexpr double kMmMercury = 133.322387415;
constexpr double kDidotPoint = 0.376065e-3;
constexpr double kHour = 3600;
constexpr double kYear = 365 * 24 * kHour;  // the "~" units count a 365-day year

// The table keeps a few constants rounded (2.2046 lb per kg, 0.22 UK gallons per litre,
// 760 mmHg as 1.013 bar); 2e-3 is the worst of them. Everything else is exact.
constexpr double kExact = 1e-12;
constexpr double kRounded = 2e-3;

struct Definition {
    std::string_view type;
    std::string_view name;
    double size;  ///< one unit in the SI unit of its type
    double tolerance;
    double offset = 0;
};

// One unit of each type's base unit, in the same SI unit as the sizes.
double BaseSize(std::string_view type) {
    if (type == "Time")
        return kHour;
    if (type == "Pressure")
        return 1e5;  // bar
    if (type == "Capacity")
        return 1e-3;  // litre
    if (type == "Speed")
        return kFoot;  // per second
    if (type == "Distance")
        return kInch;
    return 1;  // degree Celsius, kilogram, square metre, cubic metre
}

// A unit's coefficient is the number of units in one base unit.
const Definition kDefinitions[] = {
    {"Time", "millisecond (msec)", 1e-3, kExact},
    {"Time", "second (sec)", 1, kExact},
    {"Time", "minute (min)", 60, kExact},
    {"Time", "hour (hr)", kHour, kExact},
    {"Time", "day (d)", 24 * kHour, kExact},
    {"Time", "week (w)", 7 * 24 * kHour, kExact},
    {"Time", "28d month", 28 * 24 * kHour, kExact},
    {"Time", "29d month", 29 * 24 * kHour, kExact},
    {"Time", "30d month", 30 * 24 * kHour, kExact},
    {"Time", "31d month", 31 * 24 * kHour, kExact},
    {"Time", "~trimester", kYear / 4, kExact},  // three months
    {"Time", "~quarter", kYear / 4, kExact},
    {"Time", "~semester", kYear / 2, kExact},
    {"Time", "~year (yr)", kYear, kExact},
    {"Time", "40 hours", 40 * kHour, kExact},

    {"Temperature",
     "Celsius (\xC2\xB0"
     "C)",
     1, kExact},
    {"Temperature", "Kelvin (K)", 1, kExact, 273.15},
    {"Temperature",
     "Fahrenheit (\xC2\xB0"
     "F)",
     5.0 / 9, kExact, 32},

    {"Pressure", "Pascal (Pa)", 1, kExact},
    {"Pressure", "millibar (mbar)", 100, kExact},
    {"Pressure", "bar (bar)", 1e5, kExact},
    {"Pressure", "cm mercury", 10 * kMmMercury, kRounded},
    {"Pressure", "mm mercury", kMmMercury, kRounded},

    {"Weight", "milligram (mg)", 1e-6, kExact},
    {"Weight", "centigram (cg)", 1e-5, kExact},
    {"Weight", "decigram (dg)", 1e-4, kExact},
    {"Weight", "gram (g)", 1e-3, kExact},
    {"Weight", "decagram (dag)", 1e-2, kExact},
    {"Weight", "hectogram (hg)", 0.1, kExact},
    {"Weight", "kilogram (kg)", 1, kExact},
    {"Weight", "quintal (q)", 100, kExact},
    {"Weight", "ton (t)", 1000, kExact},
    {"Weight", "grain", kGrain, kRounded},
    {"Weight", "drachm", kPound / 256, kRounded},
    {"Weight", "dram", kPound / 256, kRounded},
    {"Weight", "ounce (oz.)", kPound / 16, kRounded},
    {"Weight", "pound (lb.)", kPound, kRounded},
    {"Weight", "stone (st.)", 14 * kPound, kRounded},
    {"Weight", "quarter", 28 * kPound, kRounded},
    {"Weight", "uk 100weight", 112 * kPound, kRounded},
    {"Weight", "uk ton", 2240 * kPound, kRounded},
    {"Weight", "us 100weight", 100 * kPound, kRounded},
    {"Weight", "us ton", 2000 * kPound, kRounded},

    {"Capacity", "millilitre (ml)", 1e-6, kExact},
    {"Capacity", "centilitre (cl)", 1e-5, kExact},
    {"Capacity", "decilitre (dl)", 1e-4, kExact},
    {"Capacity", "litre (l)", 1e-3, kExact},
    {"Capacity", "decalitre (dal)", 1e-2, kExact},
    {"Capacity", "hectolitre (hl)", 0.1, kExact},
    // Kitchen measures of the metric cup.
    {"Capacity", "teaspoon (tsp.)", kMetricCup / 48, kExact},
    {"Capacity", "tablespoon (tbsp.)", kMetricCup / 16, kExact},
    {"Capacity", "cup", kMetricCup, kExact},
    {"Capacity", "fl ounce (floz.)", kMetricCup / 8, kExact},
    {"Capacity", "uk fl gill", kUkGallon / 32, kRounded},
    {"Capacity", "uk fl pint", kUkGallon / 8, kRounded},
    {"Capacity", "uk fl quart", kUkGallon / 4, kRounded},
    {"Capacity", "uk fl gallon", kUkGallon, kRounded},
    {"Capacity", "uk dry peck", 2 * kUkGallon, kRounded},
    {"Capacity", "uk dry bushel", 8 * kUkGallon, kRounded},
    {"Capacity", "uk dry quarter", 64 * kUkGallon, kRounded},
    {"Capacity", "us fl gill", kUsGallon / 32, kRounded},
    {"Capacity", "us fl pint", kUsGallon / 8, kRounded},
    {"Capacity", "us fl quart", kUsGallon / 4, kRounded},
    {"Capacity", "us fl gallon", kUsGallon, kRounded},
    {"Capacity", "us dry pint", kUsDryPint, kRounded},
    {"Capacity", "us dry quart", 2 * kUsDryPint, kRounded},
    {"Capacity", "us dry peck", 16 * kUsDryPint, kRounded},
    {"Capacity", "us dry bushel", 64 * kUsDryPint, kRounded},

    {"Speed", "mm/sec", 1e-3, kExact},
    {"Speed", "cm/sec", 1e-2, kExact},
    {"Speed", "m/sec", 1, kExact},
    {"Speed", "m/min", 1.0 / 60, kExact},
    {"Speed", "m/hr", 1 / kHour, kExact},
    {"Speed", "km/sec", 1e3, kExact},
    {"Speed", "km/min", 1e3 / 60, kExact},
    {"Speed", "km/hr", 1e3 / kHour, kExact},
    {"Speed", "ft./sec.", kFoot, kExact},
    {"Speed", "yd./sec.", kYard, kExact},
    {"Speed", "mi./sec.", kMile, kExact},
    {"Speed", "mi./min.", kMile / 60, kExact},
    {"Speed", "mi./hr.", kMile / kHour, kExact},

    {"Distance", "millimeter (mm)", 1e-3, kExact},
    {"Distance", "centimeter (cm)", 1e-2, kExact},
    {"Distance", "decimeter (dm)", 0.1, kExact},
    {"Distance", "meter (m)", 1, kExact},
    {"Distance", "decameter (dam)", 10, kExact},
    {"Distance", "hectometer (hm)", 100, kExact},
    {"Distance", "kilometer (km)", 1000, kExact},
    {"Distance", "inch (in.)", kInch, kExact},
    {"Distance", "foot (ft.)", kFoot, kExact},
    {"Distance", "yard (yd.)", kYard, kExact},
    {"Distance", "furlong", kMile / 8, kExact},
    {"Distance", "mile (m.)", kMile, kExact},
    {"Distance", "link", kRod / 25, kExact},
    {"Distance", "rod", kRod, kExact},
    {"Distance", "pole", kRod, kExact},
    {"Distance", "perch", kRod, kExact},
    {"Distance", "chain", 4 * kRod, kExact},
    {"Distance", "twip", kInch / 1440, kExact},
    {"Distance", "point (pt)", kInch / 72, kExact},
    {"Distance", "pica", kInch / 6, kExact},
    {"Distance", "cicero", 12 * kDidotPoint, kExact},

    {"Surface", "sq centimeter (cm\xC2\xB2)", 1e-4, kExact},
    {"Surface", "sq meter (m\xC2\xB2)", 1, kExact},
    {"Surface", "sq kilometer (km\xC2\xB2)", 1e6, kExact},
    {"Surface", "are (a)", 100, kExact},
    {"Surface", "hectare (ha)", 1e4, kExact},
    {"Surface", "square inch (sq. in.)", kInch* kInch, kRounded},
    {"Surface", "square foot (sq. ft.)", kFoot* kFoot, kRounded},
    {"Surface", "square yard (sq. yd.)", kYard* kYard, kRounded},
    {"Surface", "square rod", kRod* kRod, kRounded},
    {"Surface", "acre", 160 * kRod* kRod, kRounded},
    {"Surface", "square mile (sq. m.)", kMile* kMile, kRounded},

    {"Volume", "cubic centimeter (cm\xC2\xB3)", 1e-6, kExact},
    {"Volume", "cubic meter (m\xC2\xB3)", 1, kExact},
    {"Volume", "cubic inch (cu. in.)", kCubicInch, kRounded},
    {"Volume", "cubic foot (cu. ft.)", kFoot* kFoot* kFoot, kRounded},
    {"Volume", "cubic yard (cu. yd.)", kYard* kYard* kYard, kRounded},
    {"Volume", "register ton", 100 * kFoot* kFoot* kFoot, kRounded},
};

const CFactoryUnit* FindFactoryUnit(std::string_view type, std::string_view name) {
    for (const CFactoryUnit& unit : FactoryUnits()) {
        if (unit.type == type && unit.name == name) {
            return &unit;
        }
    }
    return nullptr;
}

TEST(FactoryDefinitionsTest, EveryCoefficientMatchesTheUnitsDefinition) {
    for (const Definition& d : kDefinitions) {
        const CFactoryUnit* unit = FindFactoryUnit(d.type, d.name);
        ASSERT_NE(unit, nullptr) << d.type << " / " << d.name;
        const double expected = BaseSize(d.type) / d.size;
        const double off = std::abs(unit->coefficient - expected) / expected;
        EXPECT_LE(off, d.tolerance)
            << d.name << " (" << d.type << "): factory " << unit->coefficient << ", definition "
            << expected << ", off by " << off << " (allowed " << d.tolerance << ")";
        EXPECT_EQ(unit->offset, d.offset) << d.name;
    }
}

TEST(FactoryDefinitionsTest, EveryUnitButTheCurrenciesHasADefinition) {
    std::set<std::string> defined;
    for (const Definition& d : kDefinitions) {
        EXPECT_TRUE(defined.insert(std::string(d.type) + "/" + std::string(d.name)).second)
            << "defined twice: " << d.name;
    }
    for (const CFactoryUnit& unit : FactoryUnits()) {
        if (unit.type != "Currency") {
            EXPECT_EQ(defined.count(std::string(unit.type) + "/" + std::string(unit.name)), 1u)
                << "no definition for " << unit.type << " / " << unit.name;
        }
    }
}

}  // namespace
