#include "catalogue/HugePages.h"

#include <sys/mman.h>

#include <cstdint>
#include <new>

namespace {

constexpr std::size_t kHugePage = std::size_t{2} << 20;

/// bytes rounded up to whole huge pages.
std::size_t WholeHugePages(std::size_t bytes) {
    return (bytes + kHugePage - 1) & ~(kHugePage - 1);
}

}  // namespace

void AdviseHugePages(const void* data, std::size_t bytes) {
    const auto start = reinterpret_cast<std::uintptr_t>(data);
    // Only whole huge pages inside the block, so no neighbouring allocation is touched.
    const std::uintptr_t first = WholeHugePages(start);
    const std::uintptr_t last = (start + bytes) & ~(kHugePage - 1);
    if (last > first) {
        ::madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
    }
}

void* AllocateOnHugePages(std::size_t bytes) {
    if (bytes < kHugePage) {
        return ::operator new(bytes);
    }
    void* data = ::operator new (WholeHugePages(bytes), std::align_val_t{kHugePage});
    AdviseHugePages(data, WholeHugePages(bytes));
    return data;
}

void FreeOnHugePages(void* data, std::size_t bytes) noexcept {
    if (bytes < kHugePage) {
        ::operator delete(data);
    } else {
        // Unsized: clang declares the sized forms only with -fsized-deallocation.
        ::operator delete (data, std::align_val_t{kHugePage});
    }
}
