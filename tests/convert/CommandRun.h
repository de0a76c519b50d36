#pragma once

#include <gtest/gtest.h>

#include <unistd.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "convert/ConvertCommand.h"

/// What one in-process run of tarvo-convert gave.
struct Outcome {
    int status;
    std::string out;
    std::string err;
};

/// Runs tarvo-convert with args, input as its standard input.
inline Outcome RunCommand(std::vector<std::string> args, const std::string& input = "") {
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    const int status = CConvertCommand(std::move(args), in, out, err).Run();
    return {status, out.str(), err.str()};
}

/// A test with a scratch directory of its own, removed with everything in it.
class ScratchDirTest : public testing::Test {
protected:
    void SetUp() override {
        m_dir = std::filesystem::temp_directory_path() /
                ("tarvo-convert-test-" + std::to_string(getpid()) + "-" +
                 testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(m_dir);
    }
    void TearDown() override { std::filesystem::remove_all(m_dir); }

    /// Writes bytes to the file name in the scratch directory and returns its path.
    std::string WriteFile(const std::string& name, const std::string& bytes) const {
        const std::filesystem::path path = m_dir / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path.string();
    }

    /// The bytes of a file, empty when there is none.
    static std::string ReadFile(const std::string& path) {
        std::ifstream file(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    }

    std::filesystem::path m_dir;
};
