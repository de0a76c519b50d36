#include "catalogue/GuardedFile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>

#include "catalogue/FileError.h"
#include "tests/support/ScratchDir.h"

namespace {

using Fault = CGuardedFile::Fault;

struct GuardCase {
    const char* label;
    std::string path;  ///< in the scratch folder unless absolute
    std::uintmax_t maxBytes;
    Fault fault;
    std::string reason;
};

void PrintTo(const GuardCase& c, std::ostream* os) {
    *os << c.label;
}

class GuardedFile : public testing::TestWithParam<GuardCase> {};

TEST_P(GuardedFile, ReadsOnlyWhatItShould) {
    const CScratchDir dir;
    dir.Write("ten", "0123456789");
    ASSERT_EQ(::mkfifo(dir.File("fifo").c_str(), 0600), 0);
    const GuardCase& c = GetParam();
    const std::string path = c.path.starts_with('/') ? c.path : dir.File(c.path);
    const CGuardedFile file(path, c.maxBytes);
    EXPECT_EQ(file.GetFault(), c.fault);
    EXPECT_EQ(file.Reason(), c.reason);
    if (c.fault == Fault::kNone) {
        EXPECT_EQ(file.Bytes(), CScratchDir::Read(path));
        EXPECT_NO_THROW(file.ThrowOnFault());
    } else {
        EXPECT_TRUE(file.Bytes().empty());
        EXPECT_THROW(file.ThrowOnFault(), CFileError);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GuardedFile,
    testing::Values(
        GuardCase{"Whole", "ten", 10, Fault::kNone, ""},
        GuardCase{"OverTheCap", "ten", 9, Fault::kTooLarge, "larger than 0 MiB"},
        GuardCase{"Missing", "none", 10, Fault::kCannotOpen, "No such file or directory"},
        GuardCase{"Folder", "/tmp", 10, Fault::kFolder, "Is a directory"},
        GuardCase{"Fifo", "fifo", 10, Fault::kNotAFile, "not a regular file"},
        GuardCase{"Device", "/dev/zero", 1 << 20, Fault::kNotAFile, "not a regular file"},
        // /proc reports a size of 0 and grows as it is read: the cap still holds.
        GuardCase{"GrowsPastTheCap", "/proc/self/maps", 64, Fault::kTooLarge, "larger than 0 MiB"},
        GuardCase{"CannotRead", "/proc/self/mem", 1 << 20, Fault::kCannotRead,
                  "Input/output error"}),
    [](const testing::TestParamInfo<GuardCase>& testInfo) { return testInfo.param.label; });

}  // namespace
