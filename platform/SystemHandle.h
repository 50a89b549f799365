#pragma once

#include <cstdint>

namespace platform {

// An open file or folder of the system, held as a number so that no public header
// needs the system's own types: a descriptor on POSIX, a HANDLE on Win32 (both fit,
// and both systems use -1 for "none": INVALID_HANDLE_VALUE is the all-ones pointer).
using CSystemHandle = std::intptr_t;

inline constexpr CSystemHandle kNoHandle = -1;

}  // namespace platform
