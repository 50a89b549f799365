#pragma once

#include <string>

namespace platform {

// True when the host paths `a` and `b` name one and the same file: the same device
// and inode, whatever the spelling (another letter case, a link, "." and ".."). False
// when either cannot be examined. Symbolic links are followed.
bool SameFile(const std::string& a, const std::string& b);

}  // namespace platform
