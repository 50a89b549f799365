#include "platform/FullPath.h"

#include "platform/WindowsPath.h"

namespace platform {

bool ResolveFullPath(const std::string& path, std::string& fullPath) {
    std::string resolved = AbsoluteWindowsPath(path);
    if (resolved.empty() || resolved.size() >= kMaxFullPath) {
        return false;
    }
    fullPath = std::move(resolved);
    return true;
}

}  // namespace platform
