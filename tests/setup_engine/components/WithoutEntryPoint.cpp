#include <cstdint>

#include "Evidence.h"

// A library that exports something, but no registration entry point.
extern "C" __attribute__((visibility("default"))) std::int32_t DllCanUnloadNow() {
    LeaveEvidence("unloadable", reinterpret_cast<const void*>(&DllCanUnloadNow));
    return 0;
}
