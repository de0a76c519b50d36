#include "tests/support/AllocationLimit.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

std::atomic<std::size_t> g_limit{0};  // 0: nothing is refused
std::atomic<bool> g_refused{false};

}  // namespace

namespace {

/// A block from malloc, unless the limit refuses it.
void* Allocate(std::size_t size) {
    std::size_t limit = g_limit.load();
    if (limit != 0 && size >= limit && g_limit.compare_exchange_strong(limit, 0)) {
        g_refused = true;
        throw std::bad_alloc();
    }
    if (void* block = std::malloc(size == 0 ? 1 : size)) {
        return block;
    }
    throw std::bad_alloc();
}

void* AllocateOrNull(std::size_t size) noexcept {
    try {
        return Allocate(size);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

}  // namespace

// Replaces the program's allocator for every test that uses the limit: every plain form of
// new and delete, so that each block is freed the way it was made (a sanitizer checks).
void* operator new(std::size_t size) {
    return Allocate(size);
}
void* operator new[](std::size_t size) {
    return Allocate(size);
}
void* operator new(std::size_t size, const std::nothrow_t& /*tag*/) noexcept {
    return AllocateOrNull(size);
}
void* operator new[](std::size_t size, const std::nothrow_t& /*tag*/) noexcept {
    return AllocateOrNull(size);
}
void operator delete(void* block) noexcept {
    std::free(block);
}
void operator delete[](void* block) noexcept {
    std::free(block);
}
void operator delete(void* block, std::size_t /*size*/) noexcept {
    std::free(block);
}
void operator delete[](void* block, std::size_t /*size*/) noexcept {
    std::free(block);
}
void operator delete(void* block, const std::nothrow_t& /*tag*/) noexcept {
    std::free(block);
}
void operator delete[](void* block, const std::nothrow_t& /*tag*/) noexcept {
    std::free(block);
}

CAllocationLimit::CAllocationLimit(std::size_t bytes) {
    g_refused = false;
    g_limit = bytes;
}

CAllocationLimit::~CAllocationLimit() {
    g_limit = 0;
}

bool CAllocationLimit::Refused() const {
    return g_refused;
}
