#include "platform/RealPath.h"

#include <climits>
#include <cstdlib>

namespace platform {

std::string RealPath(const std::string& hostPath) {
    char* resolved = ::realpath(hostPath.c_str(), nullptr);
    if (resolved == nullptr) {
        return {};
    }
    std::string result(resolved);
    std::free(resolved);
    return result;
}

}  // namespace platform
