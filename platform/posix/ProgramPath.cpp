#include "platform/ProgramPath.h"

#include <unistd.h>

#include <climits>
#include <vector>

namespace platform {

std::string SystemProgramPath() {
    // The link's target may be longer than PATH_MAX on some file systems; grow the
    // buffer until the whole target fits.
    std::vector<char> buffer(PATH_MAX);
    for (;;) {
        const ssize_t length = ::readlink("/proc/self/exe", buffer.data(), buffer.size());
        if (length < 0) {
            return {};
        }
        if (static_cast<std::size_t>(length) < buffer.size()) {
            return std::string(buffer.data(), static_cast<std::size_t>(length));
        }
        buffer.resize(buffer.size() * 2);
    }
}

bool MoveProgramFileAside() {
    return false;  // the caller removes it like any other file
}

}  // namespace platform
