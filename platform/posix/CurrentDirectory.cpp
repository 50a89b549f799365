#include "platform/CurrentDirectory.h"

#include <unistd.h>

#include "platform/WindowsPath.h"

namespace platform {

std::string CurrentDirectory() {
    // ToWindowsPath of "." reads the host's current directory and maps it.
    return ToWindowsPath(".");
}

bool ChangeCurrentDirectory(const std::string& path) {
    const std::string host = ToHostPath(path);
    return !host.empty() && ::chdir(host.c_str()) == 0;
}

}  // namespace platform
