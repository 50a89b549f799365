#include "platform/posix/WriteAll.h"

#include <unistd.h>

#include <cerrno>

#include "platform/posix/FileSystemCalls.h"

namespace platform::posix {

bool WriteAll(int descriptor, std::string_view bytes) {
    while (!bytes.empty()) {
        const long put = FileSystemCalls().m_pWrite(descriptor, bytes.data(), bytes.size());
        if (put < 0 && errno == EINTR) {
            continue;
        }
        if (put <= 0) {
            if (put == 0) {
                errno = EIO;  // no progress and no error: never loop on it
            }
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(put));
    }
    return true;
}

}  // namespace platform::posix
