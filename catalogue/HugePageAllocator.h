#pragma once

#include <cstddef>
#include <vector>

#include "catalogue/HugePages.h"

/// Allocates the working arrays of bulk edits with AllocateOnHugePages, whose page faults
/// would otherwise cost more than the work on the arrays.
template <typename T>
class CHugePageAllocator {
public:
    using value_type = T;

    CHugePageAllocator() = default;
    /// The same allocator for another element type, as containers ask for.
    template <typename U>
    CHugePageAllocator(const CHugePageAllocator<U>& /*other*/) noexcept {}

    /// Room for count elements.
    T* allocate(std::size_t count) {
        return static_cast<T*>(AllocateOnHugePages(count * sizeof(T)));
    }
    /// Frees what allocate(count) gave.
    void deallocate(T* data, std::size_t count) noexcept {
        FreeOnHugePages(data, count * sizeof(T));
    }

    friend bool operator==(const CHugePageAllocator&, const CHugePageAllocator&) { return true; }
};

/// A working array of a bulk edit.
template <typename T>
using HugePageVector = std::vector<T, CHugePageAllocator<T>>;
