#include "tests/support/ScopedEnv.h"

#include <stdlib.h>

#include <utility>

CScopedEnv::CScopedEnv(std::string name, const std::string& value) : m_name(std::move(name)) {
    if (const char* previous = getenv(m_name.c_str())) {
        m_previous = previous;
    }
    setenv(m_name.c_str(), value.c_str(), 1);
}

CScopedEnv::~CScopedEnv() {
    if (m_previous) {
        setenv(m_name.c_str(), m_previous->c_str(), 1);
    } else {
        unsetenv(m_name.c_str());
    }
}
