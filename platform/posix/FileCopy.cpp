#include "platform/FileCopy.h"

#include <sys/stat.h>

namespace platform {

std::uint64_t RegularFileSize(const std::string& hostPath) {
    struct stat info;
    if (hostPath.empty() || ::stat(hostPath.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) {
        return 0;
    }
    return static_cast<std::uint64_t>(info.st_size);
}

}  // namespace platform
