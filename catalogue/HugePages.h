#pragma once

#include <cstddef>
#include <iterator>
#include <utility>
#include <vector>

/// Asks the kernel to back a large block that is not yet touched with 2 MiB pages. A
/// catalogue of a million units fills over 150 MB, and with small pages the page faults
/// cost several times the work on the units itself. Only a hint: where huge pages are
/// off it changes nothing.
void AdviseHugePages(const void* data, std::size_t bytes);

/// A block of bytes for a large array: from a huge page on, aligned to huge pages and
/// advised for them as a whole, so that not even its ends fault in small pages. Throws
/// std::bad_alloc.
void* AllocateOnHugePages(std::size_t bytes);
/// Frees a block from AllocateOnHugePages of that many bytes.
void FreeOnHugePages(void* data, std::size_t bytes) noexcept;

/// Gives elements room for capacity elements on a block advised for huge pages. Unlike
/// reserve followed by AdviseHugePages, it advises the block before the elements held
/// move into it, so that not even those are faulted in on small pages.
template <typename T>
void ReserveOnHugePages(std::vector<T>& elements, std::size_t capacity) {
    if (capacity <= elements.capacity()) {
        return;
    }
    std::vector<T> grown;
    grown.reserve(capacity);
    AdviseHugePages(grown.data(), capacity * sizeof(T));
    grown.insert(grown.end(), std::make_move_iterator(elements.begin()),
                 std::make_move_iterator(elements.end()));
    elements.swap(grown);
}
