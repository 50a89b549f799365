#include "platform/TemporaryName.h"

#include <time.h>
#include <unistd.h>

namespace platform {

std::uint64_t RandomNameSeed() {
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    return static_cast<std::uint64_t>(now.tv_nsec) ^
           (static_cast<std::uint64_t>(now.tv_sec) << 20) ^
           (static_cast<std::uint64_t>(::getpid()) << 40);
}

}  // namespace platform
