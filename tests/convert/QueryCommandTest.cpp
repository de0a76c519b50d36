// tarvo-convert given a query, "5 psi in bar", beside the VALUE TYPE FROM TO form.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "catalogue/UnitMgr.h"
#include "tests/convert/CommandRun.h"
#include "tests/support/ScratchDir.h"

namespace {

/// Runs on a catalogue file of the factory units and a unit set's "pound per square inch".
class QueryCommand : public testing::Test {
protected:
    Outcome Run(std::vector<std::string> args, const std::string& input = "") {
        CUnitMgr catalogue;
        catalogue.AddFactoryUnits();
        catalogue.AddOrUpdateUnit(CUnit("Pressure", "pound per square inch (psi)", 14.5038, 0));
        args.insert(args.begin(), {"--file", m_scratch.Write("psi.dat", catalogue.SaveToBytes())});
        return RunCommand(std::move(args), input);
    }

    CScratchDir m_scratch;
};

struct QueryCase {
    std::vector<std::string> args;
    int status;
    std::string out;
    std::string err;
};

void PrintTo(const QueryCase& c, std::ostream* os) {
    for (const std::string& arg : c.args) {
        *os << arg << ' ';
    }
}

class QueryCommandCase : public QueryCommand, public testing::WithParamInterface<QueryCase> {};

TEST_P(QueryCommandCase, PrintsTheResultOrTheReason) {
    const Outcome outcome = Run(GetParam().args);
    EXPECT_EQ(outcome.status, GetParam().status);
    EXPECT_EQ(outcome.out, GetParam().out);
    EXPECT_EQ(outcome.err, GetParam().err);
}

const std::string kF = "Fahrenheit (°F)";
const std::string kC = "Celsius (°C)";

INSTANTIATE_TEST_SUITE_P(
    Cases, QueryCommandCase,
    testing::Values(
        QueryCase{{"5", "psi", "in", "bar"}, 0, "0.345\n", ""},
        QueryCase{{"100 F to C"}, 0, "37.778\n", ""},
        QueryCase{{"2", "yards", "to", "feet"}, 0, "6\n", ""},
        QueryCase{{"--raw", "100", "F", "->", "C"}, 0, "37.777777777777779\n", ""},
        QueryCase{{"--precision", "0", "5 ft 3 in to cm"}, 0, "160\n", ""},
        QueryCase{{"-v", "5", "psi", "in", "bar"},
                  0,
                  "5 pound per square inch (psi) = 0.345 bar (bar)\n",
                  ""},
        QueryCase{{"1", "hr", "in", "min", "--verbose"}, 0, "1 hour (hr) = 60 minute (min)\n", ""},
        // VALUE TYPE FROM TO keeps its meaning; "-v" there is a VALUE that reads as 0.
        QueryCase{{"-v", "100", "Temperature", kF, kC},
                  0,
                  "100 Fahrenheit (°F) = 37.778 Celsius (°C)\n",
                  ""},
        QueryCase{{"-v", "Temperature", kC, kF}, 0, "32\n", ""},
        QueryCase{{"1", "Distance", "to", "inch (in.)"},
                  2,
                  "",
                  "tarvo-convert: unknown unit 'to' in type 'Distance'\n"},
        QueryCase{{"1", "Length", "in", "m"}, 2, "", "tarvo-convert: no unit named 'Length'\n"},
        QueryCase{{"5", "yrd", "to", "ft"},
                  2,
                  "",
                  "tarvo-convert: no unit named 'yrd'; did you mean 'yard'?\n"},
        QueryCase{{"5 bar in kg"},
                  2,
                  "",
                  "tarvo-convert: 'bar' is a Pressure unit and 'kg' a Weight unit\n"},
        QueryCase{
            {"5", "ft"},
            2,
            "",
            "tarvo-convert: no unit to convert '5 ft' to; for example '5 ft in millimeter (mm)'\n"},
        QueryCase{{"3 dollar in yen"},
                  2,
                  "",
                  "tarvo-convert: 'dollar' is ambiguous: Currency 'U.S.A. (Dollar)', Currency "
                  "'Australia (Dollar)', Currency 'Canada (Dollar)', Currency 'Hong Kong "
                  "(Dollar)', Currency 'New Zealand (Dollar)', Currency 'Singapore (Dollar)'\n"}));

TEST_F(QueryCommand, BatchReadsALineWithoutATabAsAQuery) {
    const Outcome outcome =
        Run({"--batch", "-v"}, "5 ft 3 in to cm\n1\tTime\tweek (w)\thour (hr)\n5 yrd to ft\n");
    EXPECT_EQ(outcome.status, 2);
    EXPECT_EQ(outcome.out,
              "63 inch (in.) = 160.02 centimeter (cm)\n1 week (w) = 168 hour (hr)\n\n");
    EXPECT_EQ(outcome.err, "tarvo-convert: line 3: no unit named 'yrd'; did you mean 'yard'?\n");
}

}  // namespace
