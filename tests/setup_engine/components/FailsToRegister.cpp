#include <cstdint>

#include "Evidence.h"

// A component whose registration reports failure (the usual unspecified-failure
// status), after leaving evidence that it was asked.
COMPONENT_EXPORT std::int32_t DllRegisterServer() {
    LeaveEvidence("failed", reinterpret_cast<const void*>(&DllRegisterServer));
    return static_cast<std::int32_t>(0x80004005u);
}
