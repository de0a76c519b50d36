#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "catalogue/FactoryUnits.h"
#include "catalogue/NumberText.h"
#include "catalogue/UnitMgr.h"

namespace {

// UTF-8 spelled out, so the test does not depend on the source file's encoding.
const std::string kCelsius =
    "Celsius (\xC2\xB0"
    "C)";
const std::string kFahrenheit =
    "Fahrenheit (\xC2\xB0"
    "F)";

class FactoryUnitsTest : public ::testing::Test {
protected:
    void SetUp() override { m_catalogue.AddFactoryUnits(); }

    double Coefficient(const std::string& type, const std::string& name) const {
        const int index = m_catalogue.FindUnit(type, name);
        EXPECT_GE(index, 0) << type << "/" << name;
        return index < 0 ? 0.0 : m_catalogue.GetUnit(index).m_coefficient;
    }

    CUnitMgr m_catalogue;
};

TEST_F(FactoryUnitsTest, HoldsTenTypesInOrderWithTheirCounts) {
    EXPECT_FALSE(m_catalogue.IsModified());
    ASSERT_EQ(m_catalogue.GetCount(), 153);
    const std::vector<std::pair<std::string, int>> expected = {
        {"Currency", 34}, {"Time", 15},  {"Temperature", 3}, {"Pressure", 5}, {"Weight", 20},
        {"Capacity", 25}, {"Speed", 13}, {"Distance", 21},   {"Surface", 11}, {"Volume", 6}};
    int next = 0;
    for (const auto& [type, count] : expected) {
        const CUnitMgr::TypeRun run = m_catalogue.FindTypeRun(type);
        EXPECT_EQ(run.begin, next) << type;
        EXPECT_EQ(run.end - run.begin, count) << type;
        next = run.end;
    }
    EXPECT_EQ(next, 153);
}

TEST_F(FactoryUnitsTest, EveryUnitIsFoundAtItsOwnPlace) {
    for (int i = 0; i < m_catalogue.GetCount(); ++i) {
        const CUnit unit = m_catalogue.GetUnit(i);
        EXPECT_EQ(m_catalogue.FindUnit(unit.m_type, unit.m_name), i) << unit.m_name;
        EXPECT_GT(unit.m_coefficient, 0) << unit.m_name;
        const bool offsetScale = unit.m_name == "Kelvin (K)" || unit.m_name == kFahrenheit;
        EXPECT_EQ(unit.m_offset != 0, offsetScale) << unit.m_name;
    }
}

TEST_F(FactoryUnitsTest, BaseUnitsAreTheFirstWithCoefficientOne) {
    const std::map<std::string, std::string> bases = {
        {"Currency", "U.S.A. (Dollar)"},
        {"Time", "hour (hr)"},
        {"Temperature", kCelsius},
        {"Pressure", "bar (bar)"},
        {"Weight", "kilogram (kg)"},
        {"Capacity", "litre (l)"},
        {"Speed", "ft./sec."},
        {"Distance", "inch (in.)"},
        {"Surface", "sq meter (m\xC2\xB2)"},
        {"Volume", "cubic meter (m\xC2\xB3)"},
    };
    for (const auto& [type, name] : bases) {
        EXPECT_EQ(m_catalogue.FindBaseUnit(type), m_catalogue.FindUnit(type, name)) << type;
    }
}

TEST_F(FactoryUnitsTest, NamesAreExactUtf8) {
    const std::vector<std::pair<std::string, std::string>> units = {
        {"Currency", "Isra\xC3\xABl (Shekel)"},
        {"Currency", "Colombia (peso)"},
        {"Temperature", kCelsius},
        {"Surface", "sq centimeter (cm\xC2\xB2)"},
        {"Surface", "sq kilometer (km\xC2\xB2)"},
        {"Volume", "cubic centimeter (cm\xC2\xB3)"},
        {"Time", "~year (yr)"},
        {"Weight", "uk 100weight"},
        {"Distance", "mile (m.)"},
        {"Surface", "square mile (sq. m.)"},
    };
    for (const auto& [type, name] : units) {
        EXPECT_GE(m_catalogue.FindUnit(type, name), 0) << name;
    }
}

TEST_F(FactoryUnitsTest, CoefficientsAreTheStoredConstants) {
    struct Case {
        const char* type;
        const char* name;
        double expected;
    };
    const Case cases[] = {
        {"Time", "day (d)", 1.0 / 24},
        {"Time", "~year (yr)", 1.0 / 8760},
        {"Capacity", "us dry pint", 20.0 / 11},
        {"Speed", "mi./hr.", 15.0 / 22},
        {"Distance", "chain", 1.0 / 792},
        {"Distance", "link", 1 / 7.92},
        {"Distance", "mile (m.)", 0.00001578282828282828},
        {"Weight", "grain", 564.3776 * 27.34},
        {"Weight", "stone (st.)", 0.1574714285714},
        {"Surface", "square mile (sq. m.)", 3.861053719008e-7},
    };
    for (const Case& c : cases) {
        EXPECT_TRUE(SameDouble(Coefficient(c.type, c.name), c.expected)) << c.name;
    }
    EXPECT_FALSE(SameDouble(Coefficient("Distance", "mile (m.)"), 1.0 / 63360));
    EXPECT_EQ(Coefficient("Temperature", kFahrenheit), 1.8);
    EXPECT_EQ(m_catalogue.GetUnit(m_catalogue.FindUnit("Temperature", "Kelvin (K)")).m_offset,
              273.15);
}

TEST_F(FactoryUnitsTest, ConvertsAsListed) {
    struct Case {
        double value;
        const char* type;
        std::string from;
        std::string to;
        double exact;
        const char* shown;  // at 5 decimals
    };
    const Case cases[] = {
        {100, "Temperature", kCelsius, kFahrenheit, 212, "212"},
        {0, "Temperature", kCelsius, "Kelvin (K)", 273.15, "273.15"},
        {32, "Temperature", kFahrenheit, kCelsius, 0, "0"},
        {2, "Distance", "yard (yd.)", "inch (in.)", 72, "72"},
        {1, "Pressure", "bar (bar)", "Pascal (Pa)", 100000, "100000"},
        {1, "Time", "hour (hr)", "second (sec)", 3600, "3600"},
        {1, "Time", "week (w)", "hour (hr)", 168, "168"},
        {1, "Distance", "chain", "inch (in.)", 791.9999999999999, "792"},
        {1, "Distance", "pica", "point (pt)", 12, "12"},
        {60, "Speed", "mi./hr.", "mi./min.", 1.0000000000000002, "1"},
        {1, "Weight", "drachm", "dram", 1, "1"},
        {1, "Distance", "rod", "pole", 1, "1"},
        {1, "Distance", "pole", "perch", 1, "1"},
        {1, "Distance", "perch", "rod", 1, "1"},
    };
    for (const Case& c : cases) {
        const double result = m_catalogue.Convert(c.value, c.type, c.from, c.to);
        EXPECT_TRUE(SameDouble(result, c.exact)) << c.from << " to " << c.to << ": " << result;
        EXPECT_EQ(FormatNumber(result, 5), c.shown) << c.from << " to " << c.to;
    }
}

TEST_F(FactoryUnitsTest, AppendsWithoutEmptyingOrMarking) {
    CUnitMgr catalogue;
    catalogue.AddOrUpdateUnit({"Time", "hour (hr)", 2, 0});
    catalogue.SetModified(false);
    catalogue.AddFactoryUnits();
    EXPECT_EQ(catalogue.GetCount(), 154);
    EXPECT_FALSE(catalogue.IsModified());
    // No merge into the existing run: the lookup still meets the user's unit first.
    EXPECT_EQ(catalogue.FindUnit("Time", "hour (hr)"), 0);
    EXPECT_EQ(catalogue.GetUnit(0).m_coefficient, 2);
}

TEST_F(FactoryUnitsTest, TableAndCatalogueAgree) {
    const auto table = FactoryUnits();
    ASSERT_EQ(table.size(), 153u);
    for (std::size_t i = 0; i < table.size(); ++i) {
        const CUnit& unit = m_catalogue.Units()[i];
        EXPECT_EQ(unit.m_name, table[i].name);
        EXPECT_TRUE(SameDouble(unit.m_coefficient, table[i].coefficient)) << unit.m_name;
        EXPECT_EQ(unit.m_reservedText, "");
        EXPECT_EQ(unit.m_reservedTime, 0u);
        EXPECT_EQ(unit.m_reservedNumber, 0);
    }
}

TEST_F(FactoryUnitsTest, EveryCoefficientShowsAsTextThatReadsBack) {
    for (const CUnit& unit : m_catalogue.Units()) {
        const std::string text = FormatCoefficient(unit.m_coefficient);
        EXPECT_LE(text.size(), 32u) << unit.m_name;
        EXPECT_TRUE(SameDouble(ParseNumber(text), unit.m_coefficient))
            << unit.m_name << ": " << text;
    }
    EXPECT_EQ(FormatCoefficient(Coefficient("Distance", "kilometer (km)")), "0.0000254");
}

}  // namespace
