#include "platform/HostPath.h"

#include <unistd.h>

#include <cerrno>
#include <vector>

namespace platform {

std::size_t HostRootLength(std::string_view path) {
    return !path.empty() && path.front() == '/' ? 1 : 0;
}

bool NamesHostPathOnly(std::string_view path) {
    return IsAbsoluteHostPath(path);
}

std::string ShownHostPath(std::string_view hostPath) {
    return std::string(hostPath);
}

std::string HostCurrentDirectory() {
    std::vector<char> buffer(4096);
    for (;;) {
        if (::getcwd(buffer.data(), buffer.size()) != nullptr) {
            return buffer.data();
        }
        if (errno != ERANGE) {
            return {};
        }
        buffer.resize(buffer.size() * 2);
    }
}

bool ChangeHostCurrentDirectory(const std::string& path) {
    return ::chdir(path.c_str()) == 0;
}

}  // namespace platform
