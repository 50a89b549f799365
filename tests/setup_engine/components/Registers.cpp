#include <cstdint>

#include "Evidence.h"

// A component that registers itself successfully.
COMPONENT_EXPORT std::int32_t DllRegisterServer() {
    LeaveEvidence("registered", reinterpret_cast<const void*>(&DllRegisterServer));
    return 0;
}
