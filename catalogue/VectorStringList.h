#pragma once

#include <string>
#include <vector>

#include "catalogue/StringList.h"

/// A string list kept in a vector, for callers without a list control: the command line,
/// the tests and the benchmarks.
class CVectorStringList : public CStringList {
public:
    void Reset() override { m_entries.clear(); }
    void Add(const std::string& text) override { m_entries.push_back(text); }
    /// The entries added since the last Reset, in order.
    const std::vector<std::string>& Entries() const { return m_entries; }

private:
    std::vector<std::string> m_entries;
};
