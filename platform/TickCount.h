#pragma once

#include <cstdint>

namespace platform {

// Milliseconds since an arbitrary fixed point (system start on POSIX), wrapping
// around after 2^32 ms (about 49.7 days) like the classic 32-bit tick counter.
// Differences taken in 32-bit unsigned arithmetic stay right across the wrap.
std::uint32_t TickCount();

}  // namespace platform
