#include "tests/support/AllocationCounter.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {
std::atomic<long> allocations{0};
thread_local bool refusing = false;
}  // namespace

long allocationCount() {
    return allocations.load();
}

RefusedAllocations::RefusedAllocations() {
    refusing = true;
}
RefusedAllocations::~RefusedAllocations() {
    refusing = false;
}

void* operator new(std::size_t size) {
    allocations.fetch_add(1, std::memory_order_relaxed);
    if (refusing) throw std::bad_alloc();
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}

void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}
