#include "formats/UnitTable.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "catalogue/NumberText.h"
#include "catalogue/UnitMgr.h"

namespace {

const std::string kHeader = "type\tunit\tcoefficient\toffset\n";

struct ReadOutcome {
    long badLines;
    std::vector<CUnitTable::Problem> problems;
    std::vector<CUnit> units;
};

ReadOutcome ReadTable(const std::string& text) {
    std::istringstream in(text);
    CUnitTable table;
    ReadOutcome outcome;
    outcome.badLines = table.Read(in, outcome.problems);
    outcome.units = table.Units();
    return outcome;
}

std::string Repeat(const std::string& text, int times) {
    std::string repeated;
    for (int i = 0; i < times; ++i) {
        repeated += text;
    }
    return repeated;
}

const std::string kNotACoefficient =
    "is not a positive number of normal size (zero, negative, infinite, NaN and denormal "
    "coefficients break conversions)";
const std::string kBadName = "starts or ends with a space, is only spaces or holds a NUL byte";

struct BadLineCase {
    const char* label;
    std::string line;
    std::string message;
};

void PrintTo(const BadLineCase& c, std::ostream* os) {
    *os << c.label;
}

class UnitTableBadLine : public testing::TestWithParam<BadLineCase> {};

TEST_P(UnitTableBadLine, IsNamedWithItsLineAndNothingIsKept) {
    const ReadOutcome outcome = ReadTable(kHeader + "Length\tmetre\t1\t0\n" + GetParam().line +
                                          "\nLength\tinch\t39.37\t0\n");
    EXPECT_EQ(outcome.badLines, 1);
    ASSERT_EQ(outcome.problems.size(), 1U);
    EXPECT_EQ(outcome.problems[0].line, 3);
    EXPECT_EQ(outcome.problems[0].message, GetParam().message);
    EXPECT_TRUE(outcome.units.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UnitTableBadLine,
    testing::Values(
        BadLineCase{"OnlyAType", "Length", "missing column 'unit name'"},
        BadLineCase{"NoOffset", "Length\tmile\t0.0006", "missing column 'offset'"},
        BadLineCase{"FiveColumns", "Length\tmile\t1\t0\t0", "too many columns (5, expected 4)"},
        BadLineCase{"CoefficientWithUnit", "Length\tmile\t12kg\t0",
                    "the coefficient '12kg' is not a number"},
        BadLineCase{"CoefficientWithBlank", "Length\tmile\t 1\t0",
                    "the coefficient ' 1' is not a number"},
        BadLineCase{"CoefficientWithComma", "Length\tmile\t1,5\t0",
                    "the coefficient '1,5' is not a number"},
        BadLineCase{"EmptyCoefficient", "Length\tmile\t\t0", "the coefficient '' is not a number"},
        BadLineCase{"OffsetNotANumber", "Length\tmile\t1\tabc", "the offset 'abc' is not a number"},
        BadLineCase{"CoefficientTooLarge", "Length\tmile\t1e999\t0",
                    "the coefficient '1e999' is out of range"},
        BadLineCase{"EmptyType", "\tmile\t1\t0", "the type is empty"},
        BadLineCase{"EmptyName", "Length\t\t1\t0", "the unit name is empty"},
        BadLineCase{
            "NameOf33Characters", "Length\t" + Repeat("\u00E9", 33) + "\t1\t0",
            "the unit name '" + Repeat("\u00E9", 33) + "' is longer than 32 characters (33)"},
        BadLineCase{
            "EscapedNameOf33Characters", "Length\t" + Repeat("\\t", 33) + "\t1\t0",
            "the unit name '" + Repeat("\\t", 30) + "\u2026' is longer than 32 characters (33)"},
        BadLineCase{"HugeFieldIsQuotedShort", "Length\tmile\t" + Repeat("\u00E9", 1000) + "\t0",
                    "the coefficient '" + Repeat("\u00E9", 60) + "\u2026' is not a number"},
        BadLineCase{"ZeroCoefficient", "Length\tmile\t0\t0",
                    "the coefficient '0' " + kNotACoefficient},
        BadLineCase{"NegativeZeroCoefficient", "Length\tmile\t-0\t0",
                    "the coefficient '-0' " + kNotACoefficient},
        BadLineCase{"NegativeCoefficient", "Length\tmile\t-1609\t0",
                    "the coefficient '-1609' " + kNotACoefficient},
        BadLineCase{"NanCoefficient", "Length\tmile\tnan\t0",
                    "the coefficient 'nan' " + kNotACoefficient},
        BadLineCase{"InfiniteCoefficient", "Length\tmile\tinf\t0",
                    "the coefficient 'inf' " + kNotACoefficient},
        BadLineCase{"DenormalCoefficient", "Length\tmile\t4e-320\t0",
                    "the coefficient '4e-320' " + kNotACoefficient},
        BadLineCase{"InfiniteOffset", "Length\tmile\t1\t-inf",
                    "the offset '-inf' is not a finite number"},
        BadLineCase{"NanOffset", "Length\tmile\t1\tNaN", "the offset 'NaN' is not a finite number"},
        BadLineCase{"OnlySpaces", "Length\t   \t1\t0", "the unit name '   ' " + kBadName},
        BadLineCase{"LeadingSpace", " Length\tmile\t1\t0", "the type ' Length' " + kBadName},
        BadLineCase{"TrailingSpace", "Length\tmile \t1\t0", "the unit name 'mile ' " + kBadName},
        BadLineCase{"NulByte", std::string("Length\tmi\0le\t1\t0", 15),
                    "the unit name '" + std::string("mi\0le", 5) + "' " + kBadName},
        BadLineCase{"LineOver64KiB", "Length\tmile\t1\t" + std::string(65536, '0'),
                    "the line is longer than 64 KiB"},
        BadLineCase{"RepeatedName", "Length\tmetre\t2\t0",
                    "the unit 'metre' of type 'Length' is already on line 2"},
        BadLineCase{"UnknownEscape", "Length\tC:\\units\t1\t0",
                    "the unit name holds the bad escape '\\u' (use \\t, \\n, \\r or \\\\)"},
        BadLineCase{"LoneBackslash", "Length\\\tmile\t1\t0",
                    "the type ends in a lone backslash (write \\\\)"},
        BadLineCase{"Latin1Bytes", "Length\tm\xE8tre\t1\t0", "the unit name is not valid UTF-8"},
        BadLineCase{"OverlongUtf8", "Length\t\xC0\xAF\t1\t0", "the unit name is not valid UTF-8"}),
    [](const testing::TestParamInfo<BadLineCase>& testInfo) { return testInfo.param.label; });

TEST(UnitTable, NeedsTheHeaderLine) {
    for (const std::string text : {"", "Length\tmetre\t1\t0\n", "type\tunit\tcoefficient\n"}) {
        const ReadOutcome outcome = ReadTable(text);
        EXPECT_EQ(outcome.badLines, 1) << text;
        ASSERT_EQ(outcome.problems.size(), 1U) << text;
        EXPECT_EQ(outcome.problems[0].line, 1);
    }
}

TEST(UnitTable, ChecksEveryLineAndKeepsTheFirstMessages) {
    const ReadOutcome outcome = ReadTable(kHeader + Repeat("Length\tmile\tx\t0\n", 15));
    EXPECT_EQ(outcome.badLines, 15);
    ASSERT_EQ(outcome.problems.size(), CUnitTable::kMaxProblems);
    EXPECT_EQ(outcome.problems.back().line, 11);
}

TEST(UnitTable, TakesCrLfByteOrderMarkBlankLinesAndNoFinalNewline) {
    const ReadOutcome outcome = ReadTable(
        "\xEF\xBB\xBFtype\tunit\tcoefficient\toffset\r\n"
        "Length\tmetre\t1\t0\r\n\r\n\n"
        "Length\t" +
        Repeat("\u00E9", 32) + "\t2\t-0");
    ASSERT_EQ(outcome.badLines, 0) << outcome.problems[0].message;
    ASSERT_EQ(outcome.units.size(), 2U);
    EXPECT_EQ(outcome.units[0].m_name, "metre");
    EXPECT_EQ(outcome.units[1].m_name, Repeat("\u00E9", 32));
    EXPECT_EQ(outcome.units[1].m_coefficient, 2);
    EXPECT_TRUE(std::signbit(outcome.units[1].m_offset));
}

TEST(UnitTable, BlankLinesTakeNoMemory) {
    std::vector<CUnitTable::Problem> problems;
    CUnitTable table;
    ASSERT_EQ(table.Read(kHeader + std::string(100000, '\n') + "Length\tmetre\t1\t0\n", problems),
              0);
    EXPECT_EQ(table.Units().size(), 1U);
    EXPECT_LE(table.Units().capacity(), 2U);  // the header line is counted too
}

TEST(UnitTable, WrittenTableReadsBackTheSameNamesAndDoubles) {
    const std::vector<CUnit> units = {
        CUnit("Odd\ttypes", "tab\there", 0.1 + 0.2, 0),
        CUnit("Odd\ttypes", "line\nbreak\r", std::numeric_limits<double>::min(), -0.0),
        CUnit("Back\\slash", "C:\\\\tmp\\n", std::numeric_limits<double>::max(), 1.0 / 3),
        CUnit("Back\\slash", "\u03A9 ohm", 1e-300, -std::numeric_limits<double>::max()),
    };
    std::ostringstream out;
    CUnitTable::Write(out, units);
    EXPECT_EQ(out.str().rfind(kHeader + "Odd\\ttypes\ttab\\there\t0.30000000000000004\t0\n", 0),
              0U);
    EXPECT_NE(out.str().find("Back\\\\slash\tC:\\\\\\\\tmp\\\\n\t"), std::string::npos);

    const ReadOutcome outcome = ReadTable(out.str());
    ASSERT_EQ(outcome.badLines, 0) << outcome.problems[0].message;
    ASSERT_EQ(outcome.units.size(), units.size());
    for (std::size_t i = 0; i < units.size(); ++i) {
        EXPECT_EQ(outcome.units[i].m_type, units[i].m_type);
        EXPECT_EQ(outcome.units[i].m_name, units[i].m_name);
        EXPECT_TRUE(SameDouble(outcome.units[i].m_coefficient, units[i].m_coefficient));
        EXPECT_TRUE(SameDouble(outcome.units[i].m_offset, units[i].m_offset));
    }
}

std::vector<std::string> Names(const CUnitMgr& catalogue) {
    std::vector<std::string> names;
    for (const CUnit& unit : catalogue.Units()) {
        names.push_back(unit.m_type + "/" + unit.m_name);
    }
    return names;
}

CUnitTable TableOf(const std::string& lines) {
    std::istringstream in(kHeader + lines);
    CUnitTable table;
    std::vector<CUnitTable::Problem> problems;
    EXPECT_EQ(table.Read(in, problems), 0);
    return table;
}

TEST(UnitTable, MergeUpdatesInPlaceAndAddsNewTypesInTableOrder) {
    CUnitMgr catalogue;
    catalogue.AddOrUpdateUnit(CUnit("Time", "hour", 1, 0));
    CUnit stamped("Time", "minute", 60, 0);
    stamped.m_reservedTime = 77;
    catalogue.AddOrUpdateUnit(stamped);
    const CUnitTable table = TableOf(
        "Energy\tjoule\t1\t0\nTime\tminute\t61\t0\nPower\twatt\t1\t0\n"
        "Energy\tkilojoule\t0.001\t0\nTime\thour\t1\t0\nTime\tday\t0.041666666666666664\t0\n");
    const CUnitTable::MergeCount count = table.MergeInto(catalogue);
    EXPECT_EQ(count.added, 4);
    EXPECT_EQ(count.updated, 1);
    EXPECT_EQ(count.unchanged, 1);
    EXPECT_EQ(Names(catalogue),
              (std::vector<std::string>{"Energy/joule", "Energy/kilojoule", "Power/watt",
                                        "Time/hour", "Time/minute", "Time/day"}));
    const CUnit& minute = catalogue.Units()[4];
    EXPECT_EQ(minute.m_coefficient, 61);
    EXPECT_EQ(minute.m_reservedTime, 77U);
}

TEST(UnitTable, ReplaceKeepsTableOrderAndGathersScatteredTypes) {
    CUnitMgr catalogue;
    catalogue.AddFactoryUnits();
    TableOf("B\tx\t1\t0\nA\ty\t1\t0\nB\tz\t2\t0\nC\tw\t1\t5\n").ReplaceIn(catalogue);
    EXPECT_EQ(Names(catalogue), (std::vector<std::string>{"B/x", "B/z", "A/y", "C/w"}));
    EXPECT_EQ(catalogue.Units()[3].m_offset, 5);
    EXPECT_TRUE(catalogue.IsModified());
}

}  // namespace
