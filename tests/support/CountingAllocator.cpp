#include "support/CountingAllocator.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <new>

namespace {

std::size_t gNow = 0, gPeak = 0, gLimit = SIZE_MAX;

void* allocate(std::size_t n) {
    if (gNow + n > gLimit) throw std::bad_alloc();
    auto* p = static_cast<std::size_t*>(std::malloc(n + sizeof(std::max_align_t)));
    if (!p) throw std::bad_alloc();
    *p = n;
    gNow += n;
    gPeak = std::max(gPeak, gNow);
    return reinterpret_cast<char*>(p) + sizeof(std::max_align_t);
}

void release(void* q) noexcept {
    if (!q) return;
    auto* p = reinterpret_cast<std::size_t*>(static_cast<char*>(q) - sizeof(std::max_align_t));
    gNow -= *p;
    std::free(p);
}

}  // namespace

void* operator new(std::size_t n) { return allocate(n); }
void* operator new[](std::size_t n) { return allocate(n); }
void operator delete(void* p) noexcept { release(p); }
void operator delete[](void* p) noexcept { release(p); }
void operator delete(void* p, std::size_t) noexcept { release(p); }
void operator delete[](void* p, std::size_t) noexcept { release(p); }

namespace vrn::test::heap {

std::size_t now() { return gNow; }
std::size_t peak() { return gPeak; }
void resetPeak() { gPeak = gNow; }
void setLimit(std::size_t bytes) { gLimit = bytes; }

}  // namespace vrn::test::heap
