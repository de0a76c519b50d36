#include "convert/ConvertCommand.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "catalogue/UnitMgr.h"
#include "tests/convert/CommandRun.h"
#include "tests/support/FailingStream.h"
#include "tests/support/ScratchDir.h"

namespace {

namespace fs = std::filesystem;

const std::string kF = "Fahrenheit (°F)";
const std::string kC = "Celsius (°C)";

/// Runs with an empty catalogue file name, which always means the factory units.
Outcome RunOnFactory(std::vector<std::string> args, const std::string& input = "") {
    args.insert(args.begin(), {"--file", ""});
    return RunCommand(std::move(args), input);
}

struct ConversionCase {
    const char* label;
    std::vector<std::string> args;
    std::string printed;
};

void PrintTo(const ConversionCase& c, std::ostream* os) {
    *os << c.label;
}

class Conversion : public testing::TestWithParam<ConversionCase> {};

TEST_P(Conversion, PrintsTheResult) {
    const Outcome outcome = RunOnFactory(GetParam().args);
    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(outcome.out, GetParam().printed + "\n");
    EXPECT_EQ(outcome.err, "");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Conversion,
    testing::Values(
        ConversionCase{"FahrenheitToCelsius", {"100", "Temperature", kF, kC}, "37.778"},
        ConversionCase{"KelvinToFahrenheit", {"0", "Temperature", "Kelvin (K)", kF}, "-459.67"},
        ConversionCase{"NegativeValue", {"-40", "Temperature", kC, kF}, "-40"},
        ConversionCase{"PrecisionZero", {"--precision", "0", "100", "Temperature", kF, kC}, "38"},
        ConversionCase{"PrecisionZeroKeepsIntegerZeros",
                       {"--precision=0", "100", "Temperature", kC, kC},
                       "100"},
        ConversionCase{"PrecisionFive",
                       {"--precision", "5", "1", "Distance", "mile (m.)", "kilometer (km)"},
                       "1.60934"},
        ConversionCase{"PrecisionAfterOperands",
                       {"1", "Distance", "foot (ft.)", "inch (in.)", "--precision", "10"},
                       "12"},
        ConversionCase{"RawFahrenheitToCelsius",
                       {"--raw", "100", "Temperature", kF, kC},
                       "37.777777777777779"},
        ConversionCase{"RawKelvinToFahrenheit",
                       {"--raw", "0", "Temperature", "Kelvin (K)", kF},
                       "-459.66999999999996"},
        ConversionCase{
            "RawWinsOverPrecision",
            {"--precision", "0", "--raw", "1", "Distance", "mile (m.)", "kilometer (km)"},
            "1.6093440000000003"},
        ConversionCase{"ValueReadAsTypedText",
                       {"  12.5kg", "Weight", "kilogram (kg)", "kilogram (kg)"},
                       "12.5"},
        ConversionCase{"ValueWithoutNumberIsZero", {"abc", "Temperature", kC, kF}, "32"},
        ConversionCase{"OperandsAfterDoubleDash", {"--", "-1", "Temperature", kC, kC}, "-1"}),
    [](const testing::TestParamInfo<ConversionCase>& testInfo) { return testInfo.param.label; });

struct FailureCase {
    const char* label;
    std::vector<std::string> args;
    std::string message;
};

void PrintTo(const FailureCase& c, std::ostream* os) {
    *os << c.label;
}

class Failure : public testing::TestWithParam<FailureCase> {};

TEST_P(Failure, PrintsOneLineNamingItAndExitsWithTwo) {
    const Outcome outcome = RunOnFactory(GetParam().args);
    EXPECT_EQ(outcome.status, 2);
    EXPECT_EQ(outcome.out, "");
    EXPECT_EQ(outcome.err, "tarvo-convert: " + GetParam().message + "\n");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Failure,
    testing::Values(
        FailureCase{"NoArguments", {}, "missing argument VALUE (see --help)"},
        FailureCase{
            "MissingTo", {"1", "Distance", "inch (in.)"}, "missing argument TO (see --help)"},
        FailureCase{"ExtraArgument",
                    {"1", "Distance", "inch (in.)", "inch (in.)", "x"},
                    "unexpected argument 'x'"},
        FailureCase{
            "UnknownType", {"1", "Length", "inch (in.)", "inch (in.)"}, "unknown type 'Length'"},
        FailureCase{"TypeMatchesCase",
                    {"1", "distance", "inch (in.)", "inch (in.)"},
                    "unknown type 'distance'"},
        FailureCase{"UnknownFromUnit",
                    {"1", "Distance", "Foo", "inch (in.)"},
                    "unknown unit 'Foo' in type 'Distance'"},
        FailureCase{"UnknownToUnit",
                    {"1", "Distance", "inch (in.)", "Bar"},
                    "unknown unit 'Bar' in type 'Distance'"},
        FailureCase{"UnitOfAnotherType",
                    {"1", "Distance", "inch (in.)", kC},
                    "unknown unit '" + kC + "' in type 'Distance'"},
        FailureCase{"UnknownOption", {"--fast"}, "unknown option '--fast'"},
        FailureCase{"PrecisionTooLarge",
                    {"--precision", "11", "1", "Temperature", kC, kC},
                    "precision must be a whole number from 0 to 10, not '11'"},
        FailureCase{"PrecisionNotANumber",
                    {"--precision", "2x", "1", "Temperature", kC, kC},
                    "precision must be a whole number from 0 to 10, not '2x'"},
        FailureCase{"PrecisionNegative",
                    {"--precision=-1", "1", "Temperature", kC, kC},
                    "precision must be a whole number from 0 to 10, not '-1'"},
        FailureCase{"UnitsWithoutType", {"--units"}, "option --units needs a value"},
        FailureCase{"UnitsOfUnknownType", {"--units", "Length"}, "unknown type 'Length'"},
        FailureCase{"TwoCommands",
                    {"--types", "--batch"},
                    "options --types and --batch cannot be combined"},
        FailureCase{"OperandWithTypes", {"--types", "Distance"}, "unexpected argument 'Distance'"}),
    [](const testing::TestParamInfo<FailureCase>& testInfo) { return testInfo.param.label; });

TEST(ConvertCommand, HelpPrintsUsageAndSucceeds) {
    const Outcome outcome = RunCommand({"1", "--help", "--types"});
    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(outcome.out.rfind("Usage: tarvo-convert ", 0), 0U);
    EXPECT_EQ(outcome.err, "");
}

TEST(ConvertCommand, TypesListsFactoryTypesInCatalogueOrder) {
    const Outcome outcome = RunOnFactory({"--types"});
    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(outcome.out,
              "Currency\nTime\nTemperature\nPressure\nWeight\nCapacity\nSpeed\nDistance\n"
              "Surface\nVolume\n");
}

TEST(ConvertCommand, UnitsListsNameCoefficientAndOffsetInCatalogueOrder) {
    const Outcome outcome = RunOnFactory({"--units", "Temperature"});
    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(outcome.out, kC + "\t1\t0\nKelvin (K)\t1\t273.15\n" + kF + "\t1.8\t32\n");
}

TEST(ConvertCommand, UnitsPrintsCoefficientsThatReadBackExactly) {
    const Outcome outcome = RunOnFactory({"--units", "Distance"});
    ASSERT_EQ(outcome.status, 0);
    std::istringstream lines(outcome.out);
    std::vector<std::string> listed;
    for (std::string line; std::getline(lines, line);) {
        listed.push_back(line);
    }
    ASSERT_EQ(listed.size(), 21U);
    EXPECT_EQ(listed.front(), "millimeter (mm)\t25.4\t0");
    EXPECT_EQ(listed[6], "kilometer (km)\t2.54e-05\t0");
    EXPECT_EQ(listed[8], "foot (ft.)\t0.08333333333333333\t0");
    EXPECT_EQ(listed[11], "mile (m.)\t1.578282828282828e-05\t0");
}

TEST(ConvertCommand, BatchReportsBadLinesAndGoesOn) {
    const std::string input = "100\tTemperature\t" + kF + "\t" + kC +
                              "\n"
                              "1\tDistance\tFoo\tinch (in.)\n"
                              "just words\n"
                              "0\tTemperature\t" +
                              kC + "\tKelvin (K)\r\n" + "1\tNowhere\ta\tb\n" + "1 yard in feet" +
                              std::string(70000, ' ') + "\n";
    const Outcome outcome = RunOnFactory({"--batch"}, input);
    EXPECT_EQ(outcome.status, 2);
    EXPECT_EQ(outcome.out, "37.778\n\n\n273.15\n\n\n");
    EXPECT_EQ(outcome.err,
              "tarvo-convert: line 2: unknown unit 'Foo' in type 'Distance'\n"
              "tarvo-convert: line 3: expected VALUE, TYPE, FROM and TO separated by tabs\n"
              "tarvo-convert: line 5: unknown type 'Nowhere'\n"
              "tarvo-convert: line 6: the line is longer than 64 KiB\n");
}

TEST(ConvertCommand, BatchOfGoodLinesSucceedsWithFormatOptions) {
    const std::string line = "100\tTemperature\t" + kF + "\t" + kC + "\n";
    EXPECT_EQ(RunOnFactory({"--batch", "--raw"}, line + line).out,
              "37.777777777777779\n37.777777777777779\n");
    const Outcome outcome = RunOnFactory({"--batch", "--precision", "1"}, line);
    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(outcome.out, "37.8\n");
    EXPECT_EQ(RunOnFactory({"--batch"}, "").out, "");
}

class ConvertCommandFiles : public testing::Test {
protected:
    CScratchDir m_scratch;

    /// A small catalogue unlike the factory one, names outside the file's code page too.
    static std::string OwnCatalogueBytes() {
        CUnitMgr catalogue;
        catalogue.AddOrUpdateUnit(CUnit("Length", "metre", 1, 0));
        catalogue.AddOrUpdateUnit(CUnit("Length", "kilometre", 0.001, 0));
        catalogue.AddOrUpdateUnit(CUnit("Length", "π-metre", 1 / 3.14159, 0));
        return catalogue.SaveToBytes();
    }
};

TEST_F(ConvertCommandFiles, ReadsTheCatalogueFileGiven) {
    const std::string path = m_scratch.Write("own.dat", OwnCatalogueBytes());
    EXPECT_EQ(RunCommand({"--file", path, "--types"}).out, "Length\n");
    EXPECT_EQ(RunCommand({"--file", path, "1500", "Length", "metre", "kilometre"}).out, "1.5\n");
    EXPECT_EQ(RunCommand({"--file", path, "--units", "Length"}).out,
              "metre\t1\t0\nkilometre\t0.001\t0\nπ-metre\t0.31831015504887655\t0\n");
}

TEST_F(ConvertCommandFiles, FallsBackToFactoryUnits) {
    const std::string own = OwnCatalogueBytes();
    const std::vector<std::string> files = {
        m_scratch.File("missing.dat"),
        m_scratch.Write("garbage.dat", "this is not a catalogue"),
        m_scratch.Write("empty.dat", ""),
        m_scratch.Write("truncated.dat", own.substr(0, own.size() - 3)),
        m_scratch.Path().string(),
    };
    for (const std::string& file : files) {
        const Outcome outcome = RunCommand({"--file", file, "100", "Temperature", kF, kC});
        EXPECT_EQ(outcome.status, 0) << file;
        EXPECT_EQ(outcome.out, "37.778\n") << file;
        EXPECT_EQ(outcome.err, "") << file;
    }
}

TEST_F(ConvertCommandFiles, DefaultFileIsTarvoDatInTheCurrentDirectory) {
    m_scratch.Write("Tarvo.Dat", OwnCatalogueBytes());
    const fs::path previous = fs::current_path();
    fs::current_path(m_scratch.Path());
    const Outcome byDefault = RunCommand({"--types"});
    const Outcome emptyName = RunCommand({"--file=", "--types"});
    fs::current_path(previous);
    EXPECT_EQ(byDefault.out, "Length\n");
    EXPECT_EQ(emptyName.out.rfind("Currency\n", 0), 0U);
}

struct StreamFailureCase {
    const char* label;
    std::vector<std::string> args;
    std::size_t inputLimit;  ///< bytes of input before the read error
    std::size_t outputLimit;
    std::string out;
    std::string err;
};

void PrintTo(const StreamFailureCase& c, std::ostream* os) {
    *os << c.label;
}

class StreamFailure : public testing::TestWithParam<StreamFailureCase> {};

// A read or write error is a failure, never a success with part of the work done.
TEST_P(StreamFailure, IsReportedAndChangesNothing) {
    const StreamFailureCase& c = GetParam();
    const CScratchDir dir;
    const std::string catalogue = dir.File("Tarvo.Dat");
    CFailingStreamBuf input(c.inputLimit,
                            "1\tTime\tweek (w)\tday (d)\n2\tTime\tweek (w)\tday (d)\n");
    CFailingStreamBuf output(c.outputLimit);
    std::istream in(&input);
    std::ostream out(&output);
    std::ostringstream err;
    std::vector<std::string> args = c.args;
    args.insert(args.begin(), {"--file", catalogue});
    EXPECT_EQ(CConvertCommand(args, in, out, err).Run(), 2);
    EXPECT_EQ(output.Written(), c.out);
    EXPECT_EQ(err.str(), "tarvo-convert: " + c.err + "\n");
    EXPECT_FALSE(fs::exists(catalogue));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StreamFailure,
    testing::Values(
        StreamFailureCase{"Export",
                          {"--export"},
                          0,
                          40,
                          "type\tunit\tcoefficient\toffset\nCurrency\tU.",
                          "cannot write the export"},
        StreamFailureCase{"Import",
                          {"--import", "-"},
                          10,
                          100,
                          "",
                          "cannot read standard input; nothing changed"},
        StreamFailureCase{
            "Rates", {"--rates", "-"}, 10, 100, "", "cannot read standard input; nothing changed"},
        StreamFailureCase{"Batch", {"--batch"}, 30, 100, "7\n", "cannot read standard input"}),
    [](const testing::TestParamInfo<StreamFailureCase>& testInfo) { return testInfo.param.label; });

}  // namespace
