#include "platform/TickCount.h"

#include <windows.h>

namespace platform {

std::uint32_t TickCount() {
    // GetTickCount moves in steps of the timer's interrupt (10 to 16 ms); the
    // performance counter gives the milliseconds themselves, from the same start.
    LARGE_INTEGER frequency;
    LARGE_INTEGER now;
    ::QueryPerformanceFrequency(&frequency);
    ::QueryPerformanceCounter(&now);
    const auto ticks = static_cast<unsigned long long>(now.QuadPart);
    const auto perSecond = static_cast<unsigned long long>(frequency.QuadPart);
    return static_cast<std::uint32_t>(ticks / perSecond * 1000 + ticks % perSecond * 1000 / perSecond);
}

}  // namespace platform
