#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "app/WorkspaceSettings.h"

/// A fresh directory for one test's store file, removed afterwards.
class TempStore : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (std::filesystem::temp_directory_path() / "tarvo-app-XXXXXX");
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        m_dir = pattern;
    }
    void TearDown() override { std::filesystem::remove_all(m_dir); }

    std::string Root() const { return (m_dir / "Kolpa" / "Tarvo.db").string(); }

    /// Settings on root located as the application locates them.
    static CWorkspaceSettings Settings(const std::string& root) {
        CWorkspaceSettings settings(root);
        settings.m_location.Set();
        return settings;
    }
    CWorkspaceSettings Settings() const { return Settings(Root()); }

    static std::string Bytes(const std::filesystem::path& file) {
        std::ifstream in(file, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    static void Write(const std::filesystem::path& file, const std::string& bytes) {
        std::filesystem::create_directories(file.parent_path());
        std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
    }

    std::filesystem::path m_dir;
};
