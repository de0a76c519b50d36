#pragma once

#include <gtest/gtest.h>

#include <string>

#include "app/WorkspaceSettings.h"
#include "tests/support/ScratchDir.h"

/// A test with a settings store file of its own, in a scratch directory.
class TempStore : public ::testing::Test {
protected:
    /// Where the store goes, relative to the scratch directory.
    static constexpr const char* kStoreName = "Kolpa/Tarvo.db";

    std::string Root() const { return m_scratch.File(kStoreName); }

    /// Settings on root located as the application locates them.
    static CWorkspaceSettings Settings(const std::string& root) {
        CWorkspaceSettings settings(root);
        settings.m_location.Set();
        return settings;
    }
    CWorkspaceSettings Settings() const { return Settings(Root()); }

    CScratchDir m_scratch;
};
