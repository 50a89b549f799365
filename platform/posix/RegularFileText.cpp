#include "platform/RegularFileText.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/posix/Descriptor.h"

namespace platform {

bool ReadRegularFile(const std::string& hostPath, std::size_t maxBytes, std::string& text) {
    text.clear();
    posix::CDescriptor file(::open(hostPath.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    struct stat info;
    if (!file.IsOpen() || ::fstat(file.Get(), &info) != 0 || !S_ISREG(info.st_mode) ||
        static_cast<std::size_t>(info.st_size) > maxBytes) {
        return false;
    }
    // The size is only a hint: the file may grow while it is read, and must still
    // stop at the limit.
    text.resize(static_cast<std::size_t>(info.st_size) + 1);
    std::size_t got = 0;
    for (;;) {
        if (got == text.size()) {
            if (got > maxBytes) {
                text.clear();
                return false;
            }
            text.resize(std::min(maxBytes + 1, got * 2));
        }
        const ssize_t n = ::read(file.Get(), text.data() + got, text.size() - got);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            text.clear();
            return false;
        }
        if (n == 0) {
            break;
        }
        got += static_cast<std::size_t>(n);
    }
    text.resize(got);
    return true;
}

}  // namespace platform
