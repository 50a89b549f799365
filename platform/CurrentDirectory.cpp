#include "platform/CurrentDirectory.h"

#include "platform/HostPath.h"
#include "platform/WindowsPath.h"

namespace platform {

std::string CurrentDirectory() {
    // ToWindowsPath of "." reads the host's current directory and maps it.
    return ToWindowsPath(".");
}

bool ChangeCurrentDirectory(const std::string& path) {
    const std::string host = ToHostPath(path);
    return !host.empty() && ChangeHostCurrentDirectory(host);
}

}  // namespace platform
