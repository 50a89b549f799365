#include <cstdint>

#include "Evidence.h"

// A component that registers itself successfully.
extern "C" __attribute__((visibility("default"))) std::int32_t DllRegisterServer() {
    LeaveEvidence("registered", reinterpret_cast<const void*>(&DllRegisterServer));
    return 0;
}
