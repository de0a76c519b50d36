#include "convert/CommandLine.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace {

constexpr CCommandLine::Option kOptions[] = {{"raw", false}, {"file", true}};

struct ParseCase {
    const char* label;
    std::vector<std::string> args;
    std::string file;  // "-" when --file is absent
    bool raw;
    std::vector<std::string> operands;
};

void PrintTo(const ParseCase& c, std::ostream* os) {
    *os << c.label;
}

class CommandLineParse : public testing::TestWithParam<ParseCase> {};

TEST_P(CommandLineParse, SortsOptionsAndOperands) {
    const ParseCase& c = GetParam();
    CCommandLine commandLine;
    std::string error;
    ASSERT_TRUE(commandLine.Parse(c.args, kOptions, error)) << error;
    const std::string* file = commandLine.Value("file");
    EXPECT_EQ(file == nullptr ? std::string("-") : *file, c.file);
    EXPECT_EQ(commandLine.Has("raw"), c.raw);
    EXPECT_EQ(commandLine.Operands(), c.operands);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CommandLineParse,
    testing::Values(
        ParseCase{"ValueAsNextWord", {"--file", "a.dat", "1"}, "a.dat", false, {"1"}},
        ParseCase{"ValueAfterEquals", {"--file=a=b.dat"}, "a=b.dat", false, {}},
        ParseCase{"EmptyValue", {"--file", "", "x"}, "", false, {"x"}},
        ParseCase{"EmptyValueAfterEquals", {"--file="}, "", false, {}},
        ParseCase{"LastOccurrenceWins", {"--file", "a", "--file", "b"}, "b", false, {}},
        ParseCase{"NegativeNumberIsOperand", {"-40", "--raw", "-"}, "-", true, {"-40", "-"}},
        ParseCase{
            "DoubleDashEndsOptions", {"--raw", "--", "--file", "x"}, "-", true, {"--file", "x"}},
        ParseCase{"ValueMayLookLikeAnOption", {"--file", "--raw"}, "--raw", false, {}}),
    [](const testing::TestParamInfo<ParseCase>& testInfo) { return testInfo.param.label; });

struct RejectCase {
    const char* label;
    std::vector<std::string> args;
    std::string error;
};

void PrintTo(const RejectCase& c, std::ostream* os) {
    *os << c.label;
}

class CommandLineReject : public testing::TestWithParam<RejectCase> {};

TEST_P(CommandLineReject, NamesTheFault) {
    CCommandLine commandLine;
    std::string error;
    EXPECT_FALSE(commandLine.Parse(GetParam().args, kOptions, error));
    EXPECT_EQ(error, GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CommandLineReject,
    testing::Values(RejectCase{"UnknownOption", {"1", "--fast"}, "unknown option '--fast'"},
                    RejectCase{"UnknownOptionWithValue", {"--fast=1"}, "unknown option '--fast'"},
                    RejectCase{"MissingValue", {"--file"}, "option --file needs a value"},
                    RejectCase{"ValueForFlag", {"--raw=yes"}, "option --raw takes no value"}),
    [](const testing::TestParamInfo<RejectCase>& testInfo) { return testInfo.param.label; });

TEST(CommandLine, ParseForgetsAnEarlierLine) {
    CCommandLine commandLine;
    std::string error;
    ASSERT_TRUE(commandLine.Parse({"--raw", "1"}, kOptions, error));
    ASSERT_TRUE(commandLine.Parse({"2"}, kOptions, error));
    EXPECT_FALSE(commandLine.Has("raw"));
    EXPECT_EQ(commandLine.Operands(), std::vector<std::string>{"2"});
}

}  // namespace
