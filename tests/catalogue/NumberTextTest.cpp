#include <gtest/gtest.h>

#include <clocale>
#include <limits>
#include <string>

#include "catalogue/NumberText.h"

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

// Bitwise, so that -0 and 0 and the last bit of a value all count.
::testing::AssertionResult BitwiseEqual(double actual, double expected) {
    if (SameDouble(actual, expected)) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure()
           << FormatCoefficient(actual) << " instead of " << FormatCoefficient(expected);
}

void CheckParseNumber() {
    struct Case {
        const char* text;
        double expected;
    };
    const Case cases[] = {
        {"  12.5kg", 12.5},
        {"abc", 0},
        {"", 0},
        {"1e3", 1000},
        {"-.5", -0.5},
        {"1,5", 1},
        {"+7", 7},
        {"5.", 5},
        {".", 0},
        {"-", 0},
        {"+-1", 0},
        {"- 1", 0},
        {"-0", -0.0},
        {"\t\n\v\f\r 3", 3},
        {"1 2", 1},
        {"2e", 2},
        {"2e+", 2},
        {"2E-2x", 0.02},
        {"1.5e3kg", 1500},
        {"inf", 0},
        {"nan", 0},
        {"-infinity", 0},
        {"0x10", 0},
        {"2d3", 2},
        {"2+3", 2},
        {"0.1000000000000000000000000000000000000000001", 0.1},
        {"1e999", kInf},
        {"-1e999", -kInf},
        {"1e99999999999999999999", kInf},
        {"1e-999", 0},
        {"-1e-999", -0.0},
        {"4.9e-324", std::numeric_limits<double>::denorm_min()},
        {"2.5e-320", 2.5e-320},
        {"1e-310", 1e-310},
        {"1.7976931348623157e308", std::numeric_limits<double>::max()},
    };
    for (const Case& c : cases) {
        EXPECT_TRUE(BitwiseEqual(ParseNumber(c.text), c.expected)) << '"' << c.text << '"';
    }
}

void CheckFormatNumber() {
    struct Case {
        double value;
        int precision;
        const char* expected;
    };
    const Case cases[] = {
        {2.5, 3, "2.5"},
        {100, 3, "100"},
        {100, 0, "100"},
        {0, 3, "0"},
        {0, 0, "0"},
        {0.0004, 3, "0"},
        {1.23456789, 5, "1.23457"},
        {1.23456789, -1, "1.234568"},
        {-0.0001, 3, "-0"},
        {1234567.891, 2, "1234567.89"},
        {-459.66999999999996, 3, "-459.67"},
        {791.9999999999999, 10, "792"},
        {0.1, 20, "0.10000000000000000555"},
        {kInf, 3, "inf"},
        {-kInf, 3, "-inf"},
        {std::numeric_limits<double>::quiet_NaN(), 3, "nan"},
        {9e62, 0, "899999999999999997265852548545413412015859593396923157257912320"},
        {1e63, 0, "1e+63"},
        {1e300, 3, "1e+300"},
        {1.5e70, 3, "1.5e+70"},
        {-1.25e70, 1, "-1.3e+70"},
        {0.1, 2000000000, "0.1000000000000000055511151231257827021181583404541015625"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FormatNumber(c.value, c.precision), c.expected)
            << c.value << " at " << c.precision;
    }
}

void CheckFormatCoefficient() {
    struct Case {
        double value;
        const char* expected;
    };
    const Case cases[] = {
        {1, "1"},
        {0.0254, "0.0254"},
        {15430.083584, "15430.083584"},
        {0.0000254, "0.0000254"},
        {0.000001, "0.000001"},
        {0.3333333333333333, "0.3333333333333333"},
        {-0.0, "-0"},
        {1e40, "1e+40"},
        {1.2345678e40, "1.2345678e+40"},
        {1e-40, "1e-40"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FormatCoefficient(c.value), c.expected) << c.expected;
    }
}

// Runs check under the named C locale and puts the previous locale back.
void UnderLocale(const char* name, void (*check)()) {
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    if (std::setlocale(LC_ALL, name) == nullptr) {
        GTEST_SKIP() << "locale " << name << " is not installed";
    }
    check();
    std::setlocale(LC_ALL, previous.c_str());
}

TEST(NumberTextTest, ParseNumberReadsLongestLeadingNumber) {
    CheckParseNumber();
}

TEST(NumberTextTest, FormatNumberStripsZerosAndFits) {
    CheckFormatNumber();
}

TEST(NumberTextTest, FormatCoefficientReadsBackExactly) {
    CheckFormatCoefficient();
}

TEST(NumberTextTest, IgnoresCommaDecimalLocale) {
    UnderLocale("de_DE.UTF-8", CheckParseNumber);
    UnderLocale("de_DE.UTF-8", CheckFormatNumber);
    UnderLocale("de_DE.UTF-8", CheckFormatCoefficient);
}

TEST(NumberTextTest, HugePrecisionStaysWithinLength) {
    for (const double value : {1e-300, 1.0 / 3, -2.5e-308, 1e300, 4.9e-324}) {
        const std::string text = FormatNumber(value, 2000000000);
        EXPECT_LE(text.size(), kMaxNumberText) << text;
        EXPECT_TRUE(BitwiseEqual(ParseNumber(text), value)) << text;
    }
}

TEST(NumberTextTest, ShorterLimitFallsBackToScientificThatReadsBack) {
    for (const double value : {1.0 / 3 * 1e40, -1e35, -1.0 / 7 * 1e33, 2e31}) {
        const std::string text = FormatNumber(value, 30, 32);
        EXPECT_LE(text.size(), 32u) << text;
        EXPECT_TRUE(BitwiseEqual(ParseNumber(text), value)) << text;
    }
    EXPECT_EQ(FormatNumber(1e31, 5, 32), "9999999999999999635896294965248");
    EXPECT_EQ(FormatNumber(1e32, 5, 32), "1e+32");
}

}  // namespace
