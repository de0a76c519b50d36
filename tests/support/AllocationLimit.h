#pragma once

#include <cstddef>

/// While it lives, the first allocation of at least a given size fails with
/// std::bad_alloc, as on a machine out of memory; allocations after it succeed again.
/// Smaller allocations, the window's own ones, are never refused.
class CAllocationLimit {
public:
    explicit CAllocationLimit(std::size_t bytes);
    ~CAllocationLimit();
    CAllocationLimit(const CAllocationLimit&) = delete;
    CAllocationLimit& operator=(const CAllocationLimit&) = delete;

    /// Whether an allocation was refused.
    bool Refused() const;
};
