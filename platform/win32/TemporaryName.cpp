#include "platform/TemporaryName.h"

#include <windows.h>

namespace platform {

std::uint64_t RandomNameSeed() {
    FILETIME now;
    ::GetSystemTimePreciseAsFileTime(&now);
    return ((static_cast<std::uint64_t>(now.dwHighDateTime) << 32) | now.dwLowDateTime) ^
           (static_cast<std::uint64_t>(::GetCurrentProcessId()) << 40);
}

}  // namespace platform
