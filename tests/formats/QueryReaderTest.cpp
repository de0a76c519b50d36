#include "formats/QueryReader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include "catalogue/UnitMgr.h"

namespace {

using Outcome = CQueryReader::Outcome;

/// The factory units, a unit set's pressure, a second "quarter" and the euro.
const CUnitMgr& Catalogue() {
    static const CUnitMgr* catalogue = [] {
        auto* units = new CUnitMgr;
        units->AddFactoryUnits();
        units->AddOrUpdateUnit(CUnit("Pressure", "pound per square inch (psi)", 14.503773773, 0));
        units->AddOrUpdateUnit(CUnit("Time", "quarter", 4.0, 0));
        units->AddOrUpdateUnit(CUnit("Currency", "Euro", 0.9, 0));
        return units;
    }();
    return *catalogue;
}

const CQueryReader& Reader() {
    static const CQueryReader reader(Catalogue());
    return reader;
}

struct ConvertedCase {
    const char* query;
    const char* type;
    const char* from;
    const char* to;
    double amount;
    double result;
    bool decimalComma = false;
};

void PrintTo(const ConvertedCase& c, std::ostream* os) {
    *os << c.query;
}

class Converted : public testing::TestWithParam<ConvertedCase> {};

TEST_P(Converted, NamesTheUnitsAndConvertsAsTheCatalogue) {
    const ConvertedCase& c = GetParam();
    const CQueryReader::Answer answer = Reader().Read(c.query, c.decimalComma);
    ASSERT_EQ(answer.outcome, Outcome::kConverted) << answer.message;
    ASSERT_EQ(answer.conversions.size(), 1u);
    const CQueryReader::Conversion& conversion = answer.conversions[0];
    EXPECT_EQ(conversion.type, c.type);
    EXPECT_EQ(conversion.from, c.from);
    EXPECT_EQ(conversion.to, c.to);
    EXPECT_NEAR(conversion.amount, c.amount, 1e-9);
    EXPECT_NEAR(conversion.result, c.result, 1e-6 * std::max(1.0, std::abs(c.result)));
    EXPECT_EQ(conversion.result,
              Catalogue().Convert(conversion.amount, c.type, conversion.from, conversion.to));
}

constexpr const char* kPsi = "pound per square inch (psi)";
constexpr const char* kInch = "inch (in.)";

INSTANTIATE_TEST_SUITE_P(
    Queries, Converted,
    testing::Values(
        // Separators, spaced or not, in any case.
        ConvertedCase{"5 psi in bar", "Pressure", kPsi, "bar (bar)", 5, 0.3447379},
        ConvertedCase{"5psi->BAR", "Pressure", kPsi, "bar (bar)", 5, 0.3447379},
        ConvertedCase{"100 F TO C", "Temperature", "Fahrenheit (°F)", "Celsius (°C)", 100,
                      37.7777778},
        ConvertedCase{"1 m→cm", "Distance", "meter (m)", "centimeter (cm)", 1, 100},
        ConvertedCase{"1 fahrenheit=celsius", "Temperature", "Fahrenheit (°F)", "Celsius (°C)", 1,
                      -17.2222222},
        ConvertedCase{"2 kg as g", "Weight", "kilogram (kg)", "gram (g)", 2, 2000},
        ConvertedCase{"psi into Pa", "Pressure", kPsi, "Pascal (Pa)", 1, 6894.7573},
        // Spellings: plurals, symbols with and without their dot, prefixes, accents.
        ConvertedCase{"2 yards to feet", "Distance", "yard (yd.)", "foot (ft.)", 2, 6},
        ConvertedCase{"3 Inches in centimeters", "Distance", kInch, "centimeter (cm)", 3, 7.62},
        ConvertedCase{"1 yd. in in", "Distance", "yard (yd.)", kInch, 1, 36},
        ConvertedCase{"5 m in ft", "Distance", "meter (m)", "foot (ft.)", 5, 16.4041995},
        ConvertedCase{"1 m. in km", "Distance", "mile (m.)", "kilometer (km)", 1, 1.609344},
        ConvertedCase{"1 kilom in yar", "Distance", "kilometer (km)", "yard (yd.)", 1, 1093.6133},
        ConvertedCase{"1 sq. in. in cm²", "Surface", "square inch (sq. in.)", "sq centimeter (cm²)",
                      1, 6.4515463},
        ConvertedCase{"1 28d month in d", "Time", "28d month", "day (d)", 1, 28},
        // Temperatures with their offsets; currencies by code.
        ConvertedCase{"-40 °C -> °F", "Temperature", "Celsius (°C)", "Fahrenheit (°F)", -40, -40},
        ConvertedCase{"0 K in degF", "Temperature", "Kelvin (K)", "Fahrenheit (°F)", 0, -459.67},
        ConvertedCase{"10 usd in EUR", "Currency", "U.S.A. (Dollar)", "Euro", 10, 9},
        ConvertedCase{"31 ISRAEL in usd", "Currency", "Isra\u00EBl (Shekel)", "U.S.A. (Dollar)", 31,
                      10},
        // A name of two types is decided by the other unit.
        ConvertedCase{"quarter in kg", "Weight", "quarter", "kilogram (kg)", 1, 12.7007167},
        ConvertedCase{"quarter in hr", "Time", "quarter", "hour (hr)", 1, 0.25},
        // Expressions, mixed amounts, a decimal comma.
        ConvertedCase{"3*12 in to ft", "Distance", kInch, "foot (ft.)", 36, 3},
        ConvertedCase{"(2+3)/4 m in cm", "Distance", "meter (m)", "centimeter (cm)", 1.25, 125},
        ConvertedCase{"2^3^0 - -1 kg in g", "Weight", "kilogram (kg)", "gram (g)", 3, 3000},
        ConvertedCase{"5 ft 3 in to cm", "Distance", kInch, "centimeter (cm)", 63, 160.02},
        ConvertedCase{"5ft3in to cm", "Distance", kInch, "centimeter (cm)", 63, 160.02},
        ConvertedCase{"5 in in cm", "Distance", kInch, "centimeter (cm)", 5, 12.7},
        ConvertedCase{"1 hr 30 min in sec", "Time", "minute (min)", "second (sec)", 90, 5400},
        ConvertedCase{"1,5 m in cm", "Distance", "meter (m)", "centimeter (cm)", 1.5, 150, true},
        ConvertedCase{"1.5 m in cm", "Distance", "meter (m)", "centimeter (cm)", 1.5, 150, true}),
    [](const testing::TestParamInfo<ConvertedCase>& testInfo) {
        return "Query" + std::to_string(testInfo.index);
    });

struct RefusedCase {
    const char* query;
    Outcome outcome;
    const char* message;
};

void PrintTo(const RefusedCase& c, std::ostream* os) {
    *os << c.query;
}

class Refused : public testing::TestWithParam<RefusedCase> {};

TEST_P(Refused, SaysWhyInWordsAPersonCanActOn) {
    const CQueryReader::Answer answer = Reader().Read(GetParam().query);
    EXPECT_EQ(answer.outcome, GetParam().outcome);
    EXPECT_EQ(answer.message, GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    Queries, Refused,
    testing::Values(
        RefusedCase{"  ", Outcome::kFailed, "nothing to convert"},
        RefusedCase{"5 psj in bar", Outcome::kFailed, "no unit named 'psj'; did you mean 'psi'?"},
        RefusedCase{"2 furlongz to m", Outcome::kFailed,
                    "no unit named 'furlongz'; did you mean 'furlong'?"},
        RefusedCase{"1 zzz in m", Outcome::kFailed, "no unit named 'zzz'"},
        RefusedCase{"5 bar in kg", Outcome::kFailed,
                    "'bar' is a Pressure unit and 'kg' a Weight unit"},
        RefusedCase{"5 ft 3 kg in cm", Outcome::kFailed,
                    "'ft' is a Distance unit and 'kg' a Weight unit"},
        RefusedCase{"5 in bar", Outcome::kFailed, "no unit after '5'"},
        RefusedCase{"5 psi to", Outcome::kFailed, "no unit to convert to"},
        RefusedCase{"to bar", Outcome::kFailed, "no unit to convert from"},
        RefusedCase{"5 ft km in m", Outcome::kFailed, "'km' needs an amount"},
        RefusedCase{"(2+3 m in cm", Outcome::kFailed, "a ')' is missing in the amount '(2+3'"},
        RefusedCase{"3* kg in g", Outcome::kFailed, "a number is missing in the amount '3* k'"},
        RefusedCase{"3 dollar in yen", Outcome::kAmbiguous,
                    "'dollar' is ambiguous: Currency 'U.S.A. (Dollar)', Currency 'Australia "
                    "(Dollar)', Currency 'Canada (Dollar)', Currency 'Hong Kong (Dollar)', "
                    "Currency 'New Zealand (Dollar)', Currency 'Singapore (Dollar)'"}),
    [](const testing::TestParamInfo<RefusedCase>& testInfo) {
        return "Query" + std::to_string(testInfo.index);
    });

TEST(QueryReader, AUnitAloneGivesWhatItMayBeClosestFirst) {
    const CQueryReader::Answer psi = Reader().Read("5 psi");
    ASSERT_EQ(psi.outcome, Outcome::kUnitOnly);
    ASSERT_EQ(psi.units.size(), 1u);
    EXPECT_EQ(psi.units[0].name, kPsi);
    EXPECT_EQ(psi.units[0].amount, 5);

    const CQueryReader::Answer m = Reader().Read("m");
    ASSERT_EQ(m.units.size(), 2u);
    EXPECT_EQ(m.units[0].name, "meter (m)");
    EXPECT_EQ(m.units[1].name, "mile (m.)");

    const CQueryReader::Answer quarter = Reader().Read("2 quarter");
    ASSERT_EQ(quarter.units.size(), 2u);
    EXPECT_EQ(quarter.units[0].type, "Time");
    EXPECT_EQ(quarter.units[1].type, "Weight");

    const CQueryReader::Answer mixed = Reader().Read("5 ft 3 in");
    ASSERT_EQ(mixed.outcome, Outcome::kUnitOnly);
    ASSERT_EQ(mixed.units.size(), 1u);
    EXPECT_EQ(mixed.units[0].name, kInch);
    EXPECT_NEAR(mixed.units[0].amount, 63, 1e-9);
}

TEST(QueryReader, ConversionsOfAUnitAloneGoToTheOtherUnitsOfItsType) {
    const std::vector<CQueryReader::Conversion> offered = Reader().Conversions("5 psi", 3);
    ASSERT_EQ(offered.size(), 3u);
    EXPECT_EQ(offered[0].to, "Pascal (Pa)");
    EXPECT_EQ(offered[2].to, "bar (bar)");
    EXPECT_NEAR(offered[2].result, 0.3447379, 1e-6);
    EXPECT_EQ(Reader().Conversions("5 psi in bar", 8).size(), 1u);
    EXPECT_EQ(Reader().Conversions("3 dollar in yen", 4).size(), 4u);
    EXPECT_TRUE(Reader().Conversions("5 psj", 8).empty());
}

TEST(QueryReader, TheLastToUnitIsOfferedFirstWhenItIsOfTheUnitsType) {
    struct Case {
        CQueryReader::Preferred preferred;
        const char* first;
    };
    const Case cases[] = {
        {{"Pressure", "bar (bar)"}, "bar (bar)"},
        {{"Distance", "bar (bar)"}, "Pascal (Pa)"},  // another type's unit of that name
        {{"Pressure", "no such unit"}, "Pascal (Pa)"},
        {{"Pressure", "pound per square inch (psi)"}, "Pascal (Pa)"},  // the unit itself
    };
    for (const Case& c : cases) {
        const std::vector<CQueryReader::Conversion> offered =
            Reader().Conversions("5 psi", 3, false, c.preferred);
        ASSERT_EQ(offered.size(), 3u) << c.preferred.to;
        EXPECT_EQ(offered[0].to, c.first) << c.preferred.to;
        const auto isFirst = [&](const CQueryReader::Conversion& o) { return o.to == c.first; };
        EXPECT_EQ(std::count_if(offered.begin(), offered.end(), isFirst), 1) << c.preferred.to;
    }
}

TEST(QueryReader, SeesOnlyTheUnitsTheCatalogueLookupsReach) {
    CUnitMgr twice;
    twice.AddFactoryUnits();
    twice.AddFactoryUnits();  // a second run of every type, which lookups never reach
    const CQueryReader reader(twice);
    const CQueryReader::Answer answer = reader.Read("5 ft in m");
    ASSERT_EQ(answer.outcome, Outcome::kConverted) << answer.message;
    EXPECT_EQ(answer.conversions[0].result,
              twice.Convert(5, "Distance", "foot (ft.)", "meter (m)"));
    EXPECT_EQ(reader.Conversions("1 hr", 100).size(), 14u);  // the other units of one run
}

TEST(QueryReader, LongQueriesAnswerWithoutDeepRecursion) {
    const std::string nested = std::string(100000, '(') + "1 m in cm";
    EXPECT_EQ(Reader().Read(nested).message.substr(0, 20), "too many parentheses");
    std::string powers = "1";
    for (int i = 0; i < 100000; ++i) {
        powers += "^1";
    }
    EXPECT_EQ(Reader().Read(powers + " m in cm").outcome, Outcome::kConverted);
}

}  // namespace
