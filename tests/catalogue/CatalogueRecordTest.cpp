#include "catalogue/CatalogueRecord.h"

#include <gtest/gtest.h>
#include <limits.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <vector>

#include "catalogue/FileError.h"
#include "tests/support/ScratchDir.h"

namespace {

TEST(CatalogueRecordTest, RecordsTheAbsolutePathOnlyWhenItChanged) {
    const CScratchDir dir;
    const std::string here = std::filesystem::current_path().string();
    const std::string at = dir.Path().string();
    std::filesystem::create_directory_symlink(at, dir.File("link"));
    const struct {
        std::string file;
        std::string recorded;
        bool rewritten;
    } cases[] = {
        {"x/./../Tarvo.Dat", here + "/Tarvo.Dat", true},  // into a folder yet to be made
        {here + "/Tarvo.Dat", here + "/Tarvo.Dat", false},
        {at + "/link/Tarvo.Dat", at + "/link/Tarvo.Dat", true},  // a link is not followed
    };
    const std::string file = dir.File("state/tarvo/catalogue");
    for (const auto& c : cases) {
        struct stat before {
        }, after{};
        ::stat(file.c_str(), &before);
        CCatalogueRecord(file).Record(c.file);
        EXPECT_EQ(CCatalogueRecord(file).Recorded(), c.recorded);
        EXPECT_EQ(CScratchDir::Read(file), c.recorded + '\n');
        ::stat(file.c_str(), &after);
        EXPECT_EQ(after.st_ino != before.st_ino || after.st_mtim.tv_nsec != before.st_mtim.tv_nsec,
                  c.rewritten)
            << c.file;
    }
}

TEST(CatalogueRecordTest, ReadsOnlyAnAbsolutePath) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"/a/b\n", "/a/b"},
        {"/a/b\n\n", "/a/b\n"},
        {"", ""},
        {"a/b\n", ""},
        {std::string("/a\0b\n", 5), ""},
        {'/' + std::string(PATH_MAX, 'a') + '\n', ""},
    };
    const CScratchDir dir;
    for (const auto& [content, recorded] : cases) {
        EXPECT_EQ(CCatalogueRecord(dir.Write("record", content)).Recorded(), recorded) << content;
    }
    EXPECT_EQ(CCatalogueRecord(dir.File("none")).Recorded(), "");
}

TEST(CatalogueRecordTest, UnwritableRecordThrows) {
    const CScratchDir dir;
    // Under a plain file no folder can be made, whoever runs the test.
    const std::string file = dir.Write("file", "x");
    for (const std::string& record : {file + "/tarvo/catalogue", std::string()}) {
        EXPECT_THROW(CCatalogueRecord(record).Record("/a/Tarvo.Dat"), CFileError) << record;
    }
}

}  // namespace
