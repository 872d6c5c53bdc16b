// The memory tests count every byte allocated through operator new: a test
// program that takes CountingAllocator.cpp among its sources replaces the
// global operator new and delete by counting ones (this works under
// AddressSanitizer too, where the process's own figures mean little).
#pragma once

#include <cstddef>

namespace vrn::test::heap {

// Bytes allocated now.
std::size_t now();
// The most bytes allocated at once since the last resetPeak().
std::size_t peak();
// Starts a new peak from what is allocated now.
void resetPeak();
// An allocation that would take the bytes allocated beyond `bytes` throws
// std::bad_alloc; SIZE_MAX lifts the limit.
void setLimit(std::size_t bytes);

}  // namespace vrn::test::heap
