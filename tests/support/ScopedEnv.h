#pragma once

#include <optional>
#include <string>

/// Sets an environment variable for the life of the object and then puts back what was
/// there before, so a test that changes HOME cannot leak it into the tests after it.
class CScopedEnv {
public:
    CScopedEnv(std::string name, const std::string& value);
    ~CScopedEnv();
    CScopedEnv(const CScopedEnv&) = delete;
    CScopedEnv& operator=(const CScopedEnv&) = delete;

private:
    std::string m_name;
    std::optional<std::string> m_previous;
};
