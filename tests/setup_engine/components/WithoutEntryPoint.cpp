#include <cstdint>

#include "Evidence.h"

// A library that exports something, but no registration entry point.
COMPONENT_EXPORT std::int32_t DllCanUnloadNow() {
    LeaveEvidence("unloadable", reinterpret_cast<const void*>(&DllCanUnloadNow));
    return 0;
}
