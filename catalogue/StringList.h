#pragma once

#include <string>

/// The two things the catalogue needs of a list it fills: empty it, and add a string.
/// A window passes an adapter over its list control; a test passes a vector.
class CStringList {
public:
    virtual ~CStringList() = default;
    /// Removes every entry.
    virtual void Reset() = 0;
    /// Adds one entry (UTF-8).
    virtual void Add(const std::string& text) = 0;
};
