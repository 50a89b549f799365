#pragma once

#include <string>

namespace platform {

// The host path `hostPath` with every symbolic link, "." and ".." resolved, as the
// file system reaches it; empty when it does not exist or cannot be examined.
std::string RealPath(const std::string& hostPath);

}  // namespace platform
