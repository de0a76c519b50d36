#include "catalogue/XdgFolder.h"

#include <gtest/gtest.h>
#include <pwd.h>
#include <unistd.h>

#include <string>

#include "tests/support/ScopedEnv.h"

namespace {

struct FolderCase {
    const char* label;
    std::string variable;  ///< the XDG variable's value
    std::string home;
    std::string config;  ///< the answers; "~" stands for the account's home
    std::string state;
};

void PrintTo(const FolderCase& c, std::ostream* os) {
    *os << c.label;
}

class XdgFolders : public testing::TestWithParam<FolderCase> {};

TEST_P(XdgFolders, FollowTheRules) {
    const FolderCase& c = GetParam();
    const CScopedEnv config("XDG_CONFIG_HOME", c.variable);
    const CScopedEnv state("XDG_STATE_HOME", c.variable);
    const CScopedEnv home("HOME", c.home);
    const std::string account = ::getpwuid(::getuid())->pw_dir;
    const auto expand = [&account](std::string path) {
        return path.starts_with('~') ? account + path.substr(1) : path;
    };
    EXPECT_EQ(XdgFolder::ConfigHome(), expand(c.config));
    EXPECT_EQ(XdgFolder::StateHome(), expand(c.state));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, XdgFolders,
    testing::Values(FolderCase{"Variable", "/x", "/h", "/x", "/x"},
                    FolderCase{"RelativeVariable", "x", "/h", "/h/.config", "/h/.local/state"},
                    FolderCase{"EmptyVariable", "", "/h", "/h/.config", "/h/.local/state"},
                    FolderCase{"RelativeHome", "", "h", "~/.config", "~/.local/state"}),
    [](const testing::TestParamInfo<FolderCase>& testInfo) { return testInfo.param.label; });

}  // namespace
