#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "catalogue/NumberText.h"
#include "catalogue/UnitMgr.h"

namespace {

class ConvertTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const CUnit& unit :
             {CUnit("Temperature", "Fahrenheit", 1.8, 32),
              CUnit("Temperature", "Kelvin", 1, 273.15), CUnit("Temperature", "Celsius", 1, 0),
              CUnit("Ratio", "zero", 0, 0), CUnit("Ratio", "third", 3, 0),
              CUnit("Ratio", "tenth", 0.1, 0)}) {
            m_catalogue.AddOrUpdateUnit(unit);
        }
    }

    CUnitMgr m_catalogue;
};

TEST_F(ConvertTest, ComputesInTheFixedOrderOfOperations) {
    struct Case {
        double value;
        const char* type;
        const char* from;
        const char* to;
        double expected;
    };
    const Case cases[] = {
        // (0 − 273.15) × 1.8 ÷ 1 + 32: the offset comes off before scaling.
        {0, "Temperature", "Kelvin", "Fahrenheit", -459.66999999999996},
        {100, "Temperature", "Fahrenheit", "Celsius", 37.77777777777778},
        {0, "Temperature", "Celsius", "Kelvin", 273.15},
        {32, "Temperature", "Fahrenheit", "Celsius", 0},
        // 3 × 0.1 ÷ 3: multiplying first gives the last bit that dividing first would not.
        {3, "Ratio", "third", "tenth", 0.10000000000000002},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(m_catalogue.Convert(c.value, c.type, c.from, c.to), c.expected)
            << c.value << " " << c.from << " to " << c.to;
    }
    EXPECT_EQ(FormatNumber(m_catalogue.Convert(0, "Temperature", "Kelvin", "Fahrenheit"), 3),
              "-459.67");
    EXPECT_EQ(FormatNumber(m_catalogue.Convert(100, "Temperature", "Fahrenheit", "Celsius"), 3),
              "37.778");
}

TEST_F(ConvertTest, MissingUnitGivesZeroNotTheInput) {
    struct Case {
        const char* type;
        const char* from;
        const char* to;
    };
    const Case cases[] = {
        {"Temperature", "Celcius", "Kelvin"},  {"Temperature", "Kelvin", "kelvin"},
        {"Temperature", "Celcius", "Celcius"}, {"Weight", "Kelvin", "Celsius"},
        {"Ratio", "Kelvin", "Celsius"},        {"", "", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(m_catalogue.Convert(42, c.type, c.from, c.to), 0.0)
            << c.type << ": " << c.from << " to " << c.to;
    }
    EXPECT_EQ(CUnitMgr().Convert(42, "Temperature", "Celsius", "Celsius"), 0.0);
}

TEST_F(ConvertTest, SameUnitReturnsInputWithoutArithmetic) {
    EXPECT_EQ(m_catalogue.Convert(42, "Ratio", "zero", "zero"), 42);
    EXPECT_EQ(m_catalogue.Convert(-7.5, "Temperature", "Fahrenheit", "Fahrenheit"), -7.5);
    EXPECT_TRUE(std::isinf(
        m_catalogue.Convert(std::numeric_limits<double>::infinity(), "Ratio", "third", "third")));
}

TEST_F(ConvertTest, ZeroCoefficientGivesInfiniteOrUndefined) {
    EXPECT_EQ(m_catalogue.Convert(5, "Ratio", "zero", "third"),
              std::numeric_limits<double>::infinity());
    EXPECT_EQ(m_catalogue.Convert(-5, "Ratio", "zero", "third"),
              -std::numeric_limits<double>::infinity());
    EXPECT_TRUE(std::isnan(m_catalogue.Convert(0, "Ratio", "zero", "third")));
    EXPECT_EQ(m_catalogue.Convert(5, "Ratio", "third", "zero"), 0.0);
}

}  // namespace
